#include "platform/Graphics.h"
#include "support/WindowDriver.h"
#include "toolkit/controls/VR2ChartBarControl.h"
#include "toolkit/controls/VR2PictureView.h"
#include "toolkit/controls/VR2ProgressBar.h"
#include "toolkit/controls/VR2StaticTextView.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/core/Vireo2Utilities.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/hosts/HostTestViews.h"

#include <QImage>
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

constexpr platform::Color kGreen{0x39B449}, kRed{0xDE423F};

}  // namespace

// Display controls in a shown offscreen window of 520 x 200 on white, read back from the screen.
class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window->Width(520);
        window->Height(200);
        window->HasBackColor(true);
        window->BackColor(platform::Color{0xFFFFFF});
        testsupport::ShowAndActivate(*window);
    }
    void TearDown() override { window->Close(); }

    template <typename T>
    std::shared_ptr<T> Add(int32_t left, int32_t top, int32_t width, int32_t height)
    {
        auto view = VR2View::Create<T>();
        view->move(left, top, false);
        view->resize(width, height, false);
        view->attach(window, false, false);
        return view;
    }
    // Repaints the whole window and reads what it shows.
    QImage Shot()
    {
        window->UpdateRect(VR2Rect::Create(0, 0, 520, 200), nullptr);
        return testsupport::ScreenPixels(*window);
    }
    // Per pixel of row y: 'g' green, 'r' red, 'k' black, 'w' white, '.' other (greys).
    static std::string Kinds(const QImage& shot, int y, const std::vector<int>& columns)
    {
        std::string kinds;
        for (int x : columns) {
            const int r = qRed(shot.pixel(x, y)), g = qGreen(shot.pixel(x, y)), b = qBlue(shot.pixel(x, y));
            const int sum = r + g + b;
            kinds += g > r + 40 && g > b + 40 ? 'g' : r > g + 40 ? 'r' : sum < 30 ? 'k' : sum > 740 ? 'w' : '.';
        }
        return kinds;
    }

    TestHostWindow::Ref window = TestHostWindow::Create(std::make_shared<EventLog>());
};

TEST_F(DisplayTest, ProgressBarFillsToItsValueAndNeverPastItsFrame)
{
    auto bar = Add<VR2ProgressBar>(50, 20, 410, 30);
    // Columns 1, 204, 205 and 408 of the bar, then those just left and right of it.
    auto columns = [&] { return Kinds(Shot(), 35, {51, 254, 255, 458, 49, 460}); };
    struct Case {
        const char* name;
        int32_t value, maximum;
        bool allowOverMax;
        const char* columns;
    } cases[] = {
        {"nothing yet", 0, 2000, false, "....ww"},
        {"negative value", -50, 2000, true, "....ww"},
        {"half", 1000, 2000, false, "gg..ww"},
        {"at the maximum", 2000, 2000, true, "ggggww"},
        {"over, no zone", 6000, 2000, false, "ggggww"},
        {"over with zone", 4000, 2000, true, "ggrrww"},
        {"maximum 0 with zone", 500, 0, true, "rrrrww"},
        {"maximum 0 without zone", 500, 0, false, "ggggww"},
        {"negative goal", 500, -100, true, "rrrrww"},
        {"value minus maximum past Int32", std::numeric_limits<int32_t>::max(), -5, true, "rrrrww"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bar->value = c.value;
        bar->maximum = c.maximum;
        bar->allowOverMax = c.allowOverMax;
        EXPECT_EQ(columns(), c.columns);
    }

    SCOPED_TRACE("property sets: one repaint each, unknown keys answered false");
    const int paints = window->paintRects;
    EXPECT_TRUE(bar->DoPropertySet(Vireo2Utilities::VR2MakeDictionary({"max", 2000, "int", 2500})));
    VireoStandardProperties::VR2ObjectSetProperty(bar, "over_color", platform::Color{0xFF0000});
    EXPECT_FALSE(bar->DoPropertySet(Vireo2Utilities::VR2MakeDictionary({"colour", 1})));
    EXPECT_EQ(window->paintRects, paints + 3);
    EXPECT_EQ(Kinds(Shot(), 35, {377, 378}), "gr");  // the zone over the right fifth
}

// A bar of 200 x 30 at the window's left edge; its middle row is row 35.
class ChartBarTest : public DisplayTest {
protected:
    int32_t Send(int32_t selector, const std::vector<platform::Variant>& params)
    {
        auto message = Vireo2Utilities::VR2MakeMessage(VR2ChartBarControl::kCategory, selector,
                                                       Vireo2Utilities::VR2MakeDictionary(params));
        Vireo2Engine::VR2SendMessage(nullptr, bar, message);
        return message->result;
    }
    VR2ChartBarControl::Ref bar = Add<VR2ChartBarControl>(0, 20, 200, 30);
};

TEST_F(ChartBarTest, DrawsRunsOfEqualCellsAndLeavesEmptyCellsUndrawn)
{
    SCOPED_TRACE("31 cells in 200 pixels: 13 cells of 7, then cells of 6");
    bar->AddColor(kGreen, 10, false);
    bar->AddColor(kRed, 5, false);
    bar->emptyCount = 16;
    // Green 1-7 ... 64-70, red 71-77 ... 85-91, 92-97, 98-103, each with a separator on its last column.
    EXPECT_EQ(Kinds(Shot(), 35, {1, 7, 70, 71, 91, 92, 97, 98, 103, 104, 150, 198, 199}), "gkkrkrkrk...k");

    for (const int count : {3, 30}) {
        SCOPED_TRACE("negative empty cells beside " + std::to_string(count) + " green ones");
        bar->Reset(false);
        bar->AddColor(kGreen, count, false);
        bar->emptyCount = count == 3 ? -3 : -20;  // a total of 0, or 10 cells that do not fit
        EXPECT_EQ(Kinds(Shot(), 35, {1, 198, 200}), count == 3 ? "..w" : "ggw");
    }
}

TEST_F(ChartBarTest, IsFilledByMessagesAndItsEmptyCount)
{
    EXPECT_EQ(Send(VR2ChartBarControl::kAddColor, {"color", kGreen}), codes::kResultStop);
    EXPECT_EQ(Kinds(Shot(), 35, {1}), ".");
    const int paints = window->paintRects;
    EXPECT_EQ(Send(VR2ChartBarControl::kAddColor, {"color", kGreen, "count", 2}), codes::kResultHandled);
    EXPECT_EQ(window->paintRects, paints);
    Send(VR2ChartBarControl::kAddColor, {"color", kRed, "count", 2, "redraw", true});
    EXPECT_EQ(window->paintRects, paints + 1);
    EXPECT_EQ(Kinds(Shot(), 35, {1, 120}), "gr");

    SCOPED_TRACE("emptyCount beside an unknown key: repainted, answered false; then 'rset'");
    EXPECT_FALSE(bar->DoPropertySet(Vireo2Utilities::VR2MakeDictionary({"emptyCount", 4, "count", 1})));
    EXPECT_EQ(window->paintRects, paints + 3);
    EXPECT_EQ(Send(VR2ChartBarControl::kReset, {}), codes::kResultHandled);
    EXPECT_EQ(Kinds(Shot(), 35, {1, 150}), "..");
}

TEST_F(DisplayTest, StaticTextPlacesItsLineByAlignmentInsideTheView)
{
    auto label = Add<VR2StaticTextView>(100, 20, 200, 22);
    // The first and last columns with ink from x 90 to 310.
    auto ink = [&] {
        const auto shot = Shot();
        int first = -1, last = -1;
        for (int x = 90; x <= 310; ++x)
            for (int y = 20; y < 42; ++y)
                if (Kinds(shot, y, {x}) != "w") {
                    first = first < 0 ? x : first;
                    last = x;
                }
        return std::pair{first, last};
    };
    VireoStandardProperties::VR2ObjectSetProperty(label, "text", "Steps");
    for (const int32_t alignment : {0, 1, 2, 7}) {
        SCOPED_TRACE("alignment " + std::to_string(alignment));
        label->alignment = alignment;
        const auto [first, last] = ink();
        const double placed = alignment == 1 ? last : alignment == 2 ? (first + last) / 2.0 : first;
        EXPECT_NEAR(placed, alignment == 1 ? 299 : alignment == 2 ? 200 : 100, 4);
        EXPECT_TRUE(first >= 100 && last < 300);
    }

    SCOPED_TRACE("a text wider than the view, centred");
    label->text = "Calories over Goal: 12345, and more text than fits";
    label->resize(120, 22, false);
    label->alignment = 2;
    const auto [first, last] = ink();
    EXPECT_TRUE(first >= 100 && first <= 102 && last < 220);

    SCOPED_TRACE("only its own keys repaint it");
    const int paints = window->paintRects;
    EXPECT_TRUE(label->DoPropertySet(Vireo2Utilities::VR2MakeDictionary({"url", "x"})));
    VireoStandardProperties::VR2ObjectSetProperty(label, "text", 1500);
    EXPECT_EQ(window->paintRects, paints + 1);
    EXPECT_EQ(label->text, "1500");
}

TEST_F(DisplayTest, PictureViewShowsItsPictureCutAtTheFrameThroughItsMask)
{
    // 40 x 30: red left half, green right half, the bottom-right 10 x 10 masked away.
    auto picture = platform::Picture::NewPicture(40, 30);
    picture->Graphics()->SetForeColor(platform::Color{0xFF0000});
    picture->Graphics()->FillRect(0, 0, 20, 30);
    picture->Graphics()->SetForeColor(platform::Color{0x00FF00});
    picture->Graphics()->FillRect(20, 0, 20, 30);
    picture->Mask()->Graphics()->SetForeColor(platform::Color{0xFFFFFF});
    picture->Mask()->Graphics()->FillRect(30, 20, 10, 10);

    auto roomy = Add<VR2PictureView>(10, 10, 60, 50);
    auto tight = Add<VR2PictureView>(100, 10, 25, 20);
    const int paints = window->paintRects;
    VireoStandardProperties::VR2ObjectSetProperty(roomy, "pict", picture);
    VireoStandardProperties::VR2ObjectSetProperty(tight, "pict", picture);
    EXPECT_EQ(window->paintRects, paints + 2);
    // The picture's right edge at 49 in the roomy view, the tight view's edges at 124 and row 29.
    auto shot = Shot();
    EXPECT_EQ(Kinds(shot, 10, {10, 49, 50, 124, 125}), "rgwgw");
    EXPECT_EQ(Kinds(shot, 29, {49, 124}) + Kinds(shot, 30, {124}), "ggw");
    EXPECT_EQ(Kinds(shot, 39, {49, 39}) + Kinds(shot, 40, {10}), "wgw");  // masked, then past the picture

    SCOPED_TRACE("a dirty part repaints the part of the picture under it, in place");
    window->UpdateRect(VR2Rect::Create(35, 15, 10, 10), nullptr);
    EXPECT_EQ(Kinds(testsupport::ScreenPixels(*window), 15, {29, 35}), "rg");

    SCOPED_TRACE("nil clears it");
    EXPECT_TRUE(roomy->DoPropertySet(Vireo2Utilities::VR2MakeDictionary({7, 1, "pict", nullptr})));
    EXPECT_EQ(Kinds(Shot(), 10, {10}), "w");
}
