#include "DisplayWindow.h"

#include "platform/Codes.h"
#include "toolkit/controls/VR2ChartBarControl.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/core/Vireo2Utilities.h"

namespace {

constexpr platform::Color kGreen{0x39B449}, kRed{0xDE423F};

}  // namespace

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
    EXPECT_EQ(Send(codes::kChartBarAddColor, {"color", kGreen}), codes::kResultStop);
    EXPECT_EQ(Kinds(Shot(), 35, {1}), ".");
    const int paints = window->paintRects;
    EXPECT_EQ(Send(codes::kChartBarAddColor, {"color", kGreen, "count", 2}), codes::kResultHandled);
    EXPECT_EQ(window->paintRects, paints);
    Send(codes::kChartBarAddColor, {"color", kRed, "count", 2, "redraw", true});
    EXPECT_EQ(window->paintRects, paints + 1);
    EXPECT_EQ(Kinds(Shot(), 35, {1, 120}), "gr");

    SCOPED_TRACE("emptyCount beside an unknown key: repainted, answered false; then 'rset'");
    EXPECT_FALSE(bar->DoPropertySet(Vireo2Utilities::VR2MakeDictionary({"emptyCount", 4, "count", 1})));
    EXPECT_EQ(window->paintRects, paints + 3);
    EXPECT_EQ(Send(codes::kChartBarReset, {}), codes::kResultHandled);
    EXPECT_EQ(Kinds(Shot(), 35, {1, 150}), "..");
}
