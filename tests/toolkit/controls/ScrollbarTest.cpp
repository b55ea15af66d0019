#include "ControlsFixture.h"

#include "toolkit/controls/VR2ScrollbarView.h"

#include <limits>

namespace {

std::string Spots(const VR2ScrollbarView& bar)
{
    std::string text;
    for (const auto& spot : bar.HotSpot)
        text += spot->description() + " ";
    return text;
}

// A vertical bar of 16 x 200 at (100, 50): track 16 .. 184, range 0 .. 100, page 20.
class ScrollbarFixture : public ControlsFixture {
protected:
    void SetUp() override
    {
        ControlsFixture::SetUp();
        platform::SetMicrosecondsForTesting(1e6);
        bar = Place(VR2ScrollbarView::Create(), 100, 50, 16, 200);
    }
    void At(double microseconds) { platform::SetMicrosecondsForTesting(microseconds); }
    VR2ScrollbarView::Ref bar;
};

}  // namespace

TEST_F(ScrollbarFixture, ThumbFollowsRangeAndValueAndStaysOnTheTrackAtTheLimits)
{
    // "track", "decrement", "increment", "thumb" as left,top,width,height.
    EXPECT_EQ(Spots(*bar), ",16,16,168 ,,16,16 ,184,16,16 ,16,16,28 ");
    bar->Value(true, 50);
    EXPECT_EQ(bar->HotSpot[3]->top, 86);
    bar->Value(true, 500);
    EXPECT_EQ(bar->Value(), 100);
    EXPECT_EQ(bar->HotSpot[3]->top + bar->HotSpot[3]->height, 184);
    {
        SCOPED_TRACE("a long range keeps the thumb 16 long; a short bar makes it the track");
        bar->Maximum(true, 10000);
        EXPECT_EQ(bar->HotSpot[3]->height, 16);
        bar->resize(16, 42, false);
        EXPECT_EQ(bar->HotSpot[3]->description(), ",16,16,10");
    }
    {
        SCOPED_TRACE("an empty range, or values at the Int32 limits, divide by nothing and overflow nothing");
        bar->resize(16, 200, false);
        bar->Maximum(false, 7);
        bar->Minimum(false, 7);
        bar->Value(true, 7);
        EXPECT_EQ(bar->HotSpot[3]->top, 16);
        constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
        constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
        bar->Minimum(false, kMin);
        bar->Maximum(false, kMax);
        bar->PageStep(false, kMax);
        bar->Value(true, kMax);
        EXPECT_EQ(bar->HotSpot[3]->top + bar->HotSpot[3]->height, 184);
        bar->Maximum(true, kMin);
        EXPECT_GE(bar->HotSpot[3]->top, 16);
        EXPECT_LE(bar->HotSpot[3]->top + bar->HotSpot[3]->height, 184);
    }
    bar->Orientation = VR2ScrollbarView::kHorizontal;
    bar->Minimum(false, 0);
    bar->Maximum(false, 100);
    bar->PageStep(false, 20);
    bar->Value(false, 0);
    bar->resize(200, 16, false);
    EXPECT_EQ(Spots(*bar), "16,,168,16 ,,16,16 184,,16,16 16,,28,16 ");
}

TEST_F(ScrollbarFixture, ArrowsStepOnReleaseAndRepeatFasterWhileHeld)
{
    {
        SCOPED_TRACE("a click on the decrement arrow at the minimum still reports");
        Click(108, 55);
        EXPECT_EQ(Sent(), std::vector<std::string>({"actn 0"}));
    }
    {
        SCOPED_TRACE("held increment arrow: first repeat after 0.4 s, then at half the wait each time");
        Press(108, 240);
        At(1e6 + 400000);
        Move(108, 241);
        EXPECT_EQ(bar->Value(), 0);
        At(1e6 + 400001);
        Move(108, 242);
        At(1e6 + 600001);
        Move(108, 243);
        At(1e6 + 600002);
        Move(108, 244);
        At(1e6 + 700003);
        Move(108, 245);
        Release(108, 245);
        EXPECT_EQ(Sent(), std::vector<std::string>({"actn 1", "actn 2", "actn 3", "actn 4"}));
    }
    {
        SCOPED_TRACE("released off the arrow: no last step");
        Press(108, 240);
        Move(108, 20);
        At(3e6);
        Move(108, 21);
        Release(108, 21);
        EXPECT_TRUE(Sent().empty());
        EXPECT_FALSE(bar->DownFrame);
    }
}

TEST_F(ScrollbarFixture, TrackPagesTowardThePointerAndNeverTurnsBack)
{
    Press(108, 200);
    EXPECT_EQ(bar->Value(), 20);
    for (int step = 1; step <= 6; ++step) {
        At(1e6 + step * 500000);
        Move(108, 200 + (step % 2));
    }
    Release(108, 200);
    // The thumb (28 long) covers the pointer at 150 (window 200) after 80.
    EXPECT_EQ(Sent(), std::vector<std::string>({"actn 20", "actn 40", "actn 60", "actn 80"}));
    Press(108, 80);
    At(9e6);
    Move(108, 240);
    Release(108, 240);
    EXPECT_EQ(Sent(), std::vector<std::string>({"actn 60"}));
}

TEST_F(ScrollbarFixture, ThumbDragMapsItsPlaceToTheValueWithinTheRange)
{
    bar->Value(true, 50);
    Press(108, 140);  // 4 below the thumb's top at 86
    Move(108, 154);
    EXPECT_EQ(bar->Value(), 60);
    EXPECT_EQ(bar->HotSpot[3]->top, 100);
    Move(108, -200);
    EXPECT_EQ(bar->HotSpot[3]->top, 16);
    Move(108, 900);
    Release(108, 900);
    EXPECT_EQ(Sent(), std::vector<std::string>({"actn 60", "actn 0", "actn 100"}));
    {
        SCOPED_TRACE("a thumb that fills the track has nowhere to go");
        bar->resize(16, 42, false);
        Press(108, 70);
        Move(108, 80);
        Release(108, 80);
        EXPECT_EQ(bar->Value(), 100);
        EXPECT_EQ(bar->HotSpot[3]->top, 16);
    }
}

TEST(DefaultTheme, ScrollBarsDrawArrowsTrackAndThumbByOrientation)
{
    auto bar = VR2ScrollbarView::Create();
    bar->resize(16, 200, false);
    bar->Value(true, 50);
    auto canvas = Painted(bar);
    EXPECT_EQ(RGBOf(canvas.At(8, 11)), 0x111111u);  // up arrow
    EXPECT_EQ(RGBOf(canvas.At(8, 190)), 0x111111u);  // down arrow
    EXPECT_EQ(RGBOf(canvas.At(0, 20)), 0xADADADu);   // track frame
    EXPECT_EQ(RGBOf(canvas.At(0, 86)), 0x555555u);   // thumb frame
    EXPECT_LT(canvas.At(8, 100).Red(), 0xB9);        // the thumb's darker face
    {
        SCOPED_TRACE("horizontal: left and right arrows");
        bar->Orientation = VR2ScrollbarView::kHorizontal;
        bar->resize(200, 16, false);
        canvas = Painted(bar);
        EXPECT_EQ(RGBOf(canvas.At(10, 8)), 0x111111u);
        EXPECT_EQ(RGBOf(canvas.At(189, 8)), 0x111111u);
    }
    {
        SCOPED_TRACE("any other orientation: framed buttons without arrows");
        bar->Orientation = 2;
        canvas = Painted(bar);
        EXPECT_NE(RGBOf(canvas.At(10, 8)), 0x111111u);
        EXPECT_EQ(RGBOf(canvas.At(0, 0)), 0xADADADu);
    }
}
