#include "platform/Canvas.h"
#include "platform/StaticText.h"
#include "platform/Window.h"
#include "support/WindowDriver.h"

#include <gtest/gtest.h>

#include <utility>

using namespace testsupport;

namespace {

struct ControlWindow : platform::Window {
    static std::shared_ptr<ControlWindow> Create() { return Opened(std::make_shared<ControlWindow>()); }
};

// The first and last column with ink in rows top to top + 19, or (-1, -1).
std::pair<int, int> InkColumns(const QImage& image, int top)
{
    int first = -1, last = -1;
    for (int y = top; y < top + 20; ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFFu) {
                first = first < 0 ? x : std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST(PlatformControls, TextsAlignAndStayInsideAndTheBackdropIsCutToTheCanvas)
{
    auto window = ControlWindow::Create();
    window->Width(200);
    window->Height(100);
    // Left, centred and right in 100 pixels; a long text in 60.
    std::vector<platform::StaticText::Ref> labels;
    for (int32_t align = 0; align < 4; ++align) {
        auto label = platform::StaticText::Create();
        label->SetBounds(0, align * 20, align < 3 ? 100 : 60, 20);
        label->TextAlign(align < 3 ? align : platform::StaticText::kAlignCenter);
        label->Text(align < 3 ? "Wide" : "A text much wider than its label");
        window->AddControl(label);
        labels.push_back(label);
    }
    const auto backdrop = platform::Picture::NewPicture(30, 30);
    backdrop->Graphics()->SetForeColor(platform::Color{0xC00000});
    backdrop->Graphics()->FillRect(0, 0, 30, 30);
    auto canvas = platform::Canvas::Create();
    canvas->SetBounds(150, 80, 10, 10);
    canvas->Backdrop(backdrop);
    window->AddControl(canvas);
    ShowAndActivate(*window);

    QImage shown = ScreenPixels(*window);
    const auto left = InkColumns(shown, 0), centred = InkColumns(shown, 20), right = InkColumns(shown, 40);
    EXPECT_LE(left.first, 2);
    EXPECT_NEAR(centred.first + centred.second, 100, 3);
    EXPECT_GE(right.second, 96);
    EXPECT_LT(right.second, 100);
    EXPECT_EQ(centred.second - centred.first, left.second - left.first);
    EXPECT_GE(InkColumns(shown, 60).first, 0);
    EXPECT_LT(InkColumns(shown, 60).second, 60);
    EXPECT_EQ(shown.pixel(155, 85) & 0xFFFFFF, 0xC00000u);
    EXPECT_EQ(shown.pixel(165, 85) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shown.pixel(155, 95) & 0xFFFFFF, 0xFFFFFFu);

    // A change shows without the window asking.
    labels[1]->Text("");
    canvas->Backdrop(nullptr);
    EXPECT_TRUE(RunEventLoopUntil([&] {
        shown = ScreenPixels(*window);
        return (shown.pixel(155, 85) & 0xFFFFFF) == 0xFFFFFFu;
    }));
    EXPECT_EQ(InkColumns(shown, 20).first, -1);
    window->Close();
}

}  // namespace
