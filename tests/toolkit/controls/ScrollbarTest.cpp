#include "ControlsFixture.h"

#include "toolkit/controls/VR2ScrollbarView.h"

#include <limits>
#include <ostream>

namespace {

// A hot spot's rectangle; unless given, where a vertical bar's arrow is: at the left, 16 across, 16 long.
struct Spot {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 16;
    int32_t height = 16;
    friend bool operator==(const Spot&, const Spot&) = default;
};

void PrintTo(const Spot& spot, std::ostream* out)
{
    *out << "{.left = " << spot.left << ", .top = " << spot.top << ", .width = " << spot.width
         << ", .height = " << spot.height << "}";
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
    // Moves the fake clock, then drags to (x, y).
    void DragAt(double microseconds, int x, int y)
    {
        platform::SetMicrosecondsForTesting(microseconds);
        Move(x, y);
    }
    Spot SpotOf(const std::string& tag) const
    {
        const auto spot = bar->FindHotSpotWithTag(tag);
        EXPECT_TRUE(spot) << tag;
        return spot ? Spot{spot->left, spot->top, spot->width, spot->height} : Spot{};
    }
    Spot Thumb() const { return SpotOf(hotspottags::kThumb); }
    VR2ScrollbarView::Ref bar;
};

}  // namespace

TEST_F(ScrollbarFixture, ThumbFollowsRangeAndValueAndStaysOnTheTrackAtTheLimits)
{
    EXPECT_EQ(SpotOf(hotspottags::kIncrement), Spot{.top = 184});
    EXPECT_EQ(Thumb(), (Spot{.top = 16, .height = 28}));
    bar->Value(true, 50);
    EXPECT_EQ(Thumb(), (Spot{.top = 86, .height = 28}));
    bar->Maximum(true, 10000);
    EXPECT_EQ(Thumb(), (Spot{.top = 16, .height = 16}));
    bar->resize(16, 42, false);
    EXPECT_EQ(Thumb(), (Spot{.top = 16, .height = 10}));
    {
        SCOPED_TRACE("an empty range, or values at the Int32 limits, divide by nothing and overflow nothing");
        constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
        constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
        bar->resize(16, 200, false);
        bar->Maximum(true, 0);
        EXPECT_EQ(Thumb(), (Spot{.top = 16, .height = 168}));
        bar->Minimum(false, kMin);
        bar->Maximum(false, kMax);
        bar->PageStep(false, kMax);
        bar->Value(true, kMax);
        EXPECT_EQ(Thumb().top + Thumb().height, 184);
        bar->Maximum(true, kMin);
        EXPECT_EQ(Thumb().top + Thumb().height, 184);
    }
    bar->Orientation = VR2ScrollbarView::kHorizontal;
    bar->resize(200, 16, false);
    EXPECT_EQ(SpotOf(hotspottags::kIncrement), Spot{.left = 184});
}

TEST_F(ScrollbarFixture, ArrowsStepOnReleaseAndRepeatFasterWhileHeld)
{
    Click(108, 55);  // the decrement arrow at the minimum still reports
    Press(108, 240);
    DragAt(1e6 + 400000, 108, 241);
    EXPECT_EQ(bar->Value(), 0);
    DragAt(1e6 + 400001, 108, 242);
    DragAt(1e6 + 600001, 108, 243);
    DragAt(1e6 + 600002, 108, 244);
    DragAt(1e6 + 700003, 108, 245);
    Release(108, 245);
    Press(108, 240);  // held, dragged off and released off the arrow: no step
    DragAt(3e6, 108, 20);
    Release(108, 20);
    EXPECT_EQ(Sent(), Lines({"actn 0", "actn 1", "actn 2", "actn 3", "actn 4"}));
}

TEST_F(ScrollbarFixture, TrackPagesTowardThePointerAndNeverTurnsBack)
{
    Press(108, 200);
    for (int step = 1; step <= 6; ++step)
        DragAt(1e6 + step * 500000, 108, 200 + step % 2);
    Release(108, 200);
    Press(108, 80);
    DragAt(9e6, 108, 240);
    Release(108, 240);
    // The thumb covers the pointer (bar y 150) at 80.
    EXPECT_EQ(Sent(), Lines({"actn 20", "actn 40", "actn 60", "actn 80", "actn 60"}));
}

TEST_F(ScrollbarFixture, ThumbDragMapsItsPlaceToTheValueWithinTheRange)
{
    bar->Value(true, 50);
    Press(108, 140);  // 4 below the thumb's top
    Move(108, 154);
    EXPECT_EQ(Thumb(), (Spot{.top = 100, .height = 28}));
    Move(108, -200);
    EXPECT_EQ(Thumb(), (Spot{.top = 16, .height = 28}));
    Move(108, 900);
    Release(108, 900);
    EXPECT_EQ(Sent(), Lines({"actn 60", "actn 0", "actn 100"}));
    bar->resize(16, 42, false);  // a thumb that fills the track has nowhere to go
    Press(108, 70);
    Move(108, 80);
    Release(108, 80);
    EXPECT_EQ(bar->Value(), 100);
    EXPECT_EQ(Thumb(), (Spot{.top = 16, .height = 10}));
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
    EXPECT_LT(canvas.At(8, 100).Red(), 0xB9);
    bar->Orientation = VR2ScrollbarView::kHorizontal;
    bar->resize(200, 16, false);
    canvas = Painted(bar);
    EXPECT_EQ(RGBOf(canvas.At(10, 8)) + RGBOf(canvas.At(189, 8)), 2 * 0x111111u);
    bar->Orientation = 2;  // framed buttons without arrows
    canvas = Painted(bar);
    EXPECT_NE(RGBOf(canvas.At(10, 8)), 0x111111u);
    EXPECT_EQ(RGBOf(canvas.At(0, 0)), 0xADADADu);
}
