#include "platform/Canvas.h"
#include "platform/StaticText.h"
#include "platform/Window.h"
#include "support/WindowDriver.h"

#include <gtest/gtest.h>

#include <utility>

using namespace testsupport;

namespace {

class ControlWindow : public platform::Window {
public:
    using Ref = std::shared_ptr<ControlWindow>;
    static Ref Create() { return Opened(Ref(new ControlWindow())); }

private:
    ControlWindow()
    {
        Width(200);
        Height(100);
    }
};

// The first and last column with ink in the band of rows, or (-1, -1).
std::pair<int, int> InkColumns(const QImage& image, int top, int bottom)
{
    int first = -1, last = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFFu) {
                first = first < 0 ? x : std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

platform::StaticText::Ref Label(const ControlWindow::Ref& window, int32_t top, int32_t width, int32_t align,
                                const std::string& text)
{
    auto label = platform::StaticText::Create();
    label->SetBounds(0, top, width, 20);
    label->TextAlign(align);
    label->Text(text);
    window->AddControl(label);
    return label;
}

TEST(PlatformControls, TextsAlignAndStayInsideAndTheBackdropIsCutToTheCanvas)
{
    auto window = ControlWindow::Create();
    bool opened = false;
    auto left = Label(window, 0, 100, platform::StaticText::kAlignLeft, "Wide");
    auto centred = Label(window, 20, 100, platform::StaticText::kAlignCenter, "Wide");
    auto right = Label(window, 40, 100, platform::StaticText::kAlignRight, "Wide");
    auto longText = platform::StaticText::Create();
    longText->Open = [&] { opened = true; };
    longText->SetBounds(0, 60, 60, 20);
    longText->Text("A text much wider than its label");
    window->AddControl(longText);
    EXPECT_TRUE(opened);

    const auto backdrop = platform::Picture::NewPicture(30, 30);
    backdrop->Graphics()->SetForeColor(platform::Color{0xC00000});
    backdrop->Graphics()->FillRect(0, 0, 30, 30);
    auto canvas = platform::Canvas::Create();
    canvas->SetBounds(150, 80, 10, 10);
    canvas->Backdrop(backdrop);
    window->AddControl(canvas);
    ShowAndActivate(*window);

    QImage shown = ScreenPixels(*window);
    const auto [leftFirst, leftLast] = InkColumns(shown, 0, 20);
    const auto [centreFirst, centreLast] = InkColumns(shown, 20, 40);
    const auto [rightFirst, rightLast] = InkColumns(shown, 40, 60);
    EXPECT_LE(leftFirst, 2);
    EXPECT_NEAR(centreFirst + centreLast, 100, 3);
    EXPECT_GE(rightLast, 96);
    EXPECT_LT(rightLast, 100);
    EXPECT_EQ(centreLast - centreFirst, leftLast - leftFirst);
    const auto [longFirst, longLast] = InkColumns(shown, 60, 80);
    EXPECT_GE(longFirst, 0);
    EXPECT_LT(longLast, 60);
    EXPECT_EQ(shown.pixel(155, 85) & 0xFFFFFF, 0xC00000u);
    EXPECT_EQ(shown.pixel(165, 85) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shown.pixel(155, 95) & 0xFFFFFF, 0xFFFFFFu);

    // A change shows without the window asking.
    centred->Text("");
    canvas->Backdrop(nullptr);
    ProcessEventsFor(50);
    shown = ScreenPixels(*window);
    EXPECT_EQ(InkColumns(shown, 20, 40).first, -1);
    EXPECT_EQ(shown.pixel(155, 85) & 0xFFFFFF, 0xFFFFFFu);
    window->Close();
}

}  // namespace
