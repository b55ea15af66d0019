#include "toolkit/controls/VR2ScrollbarView.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "platform/Ticks.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Utilities.h"
#include "toolkit/geometry/VR2TagRect.h"

#include <algorithm>
#include <cmath>

namespace {

using hotspottags::kDecrement;
using hotspottags::kIncrement;
using hotspottags::kThumb;
using hotspottags::kTrack;

constexpr int32_t kArrowLength = 16;
constexpr int32_t kMinimumThumbLength = 16;
constexpr double kFirstRepeatMicroseconds = 400000.0;

// The rectangle's start and length along the bar.
int64_t StartOf(const VR2Rect& rect, bool horizontal) { return horizontal ? rect.left : rect.top; }
int64_t LengthOf(const VR2Rect& rect, bool horizontal) { return horizontal ? rect.width : rect.height; }

}  // namespace

void VR2ScrollbarView::Value(bool redraw, int32_t value)
{
    mValue = std::max(std::min(value, mMaximum), mMinimum);
    if (redraw)
        ArrangeSpots();
}

void VR2ScrollbarView::Maximum(bool redraw, int32_t value)
{
    mMaximum = value;
    if (redraw)
        ArrangeSpots();
}

void VR2ScrollbarView::Minimum(bool redraw, int32_t value)
{
    mMinimum = value;
    if (redraw)
        ArrangeSpots();
}

void VR2ScrollbarView::PageStep(bool redraw, int32_t value)
{
    mPageStep = value;
    if (redraw)
        ArrangeSpots();
}

void VR2ScrollbarView::LineStep(bool redraw, int32_t value)
{
    mLineStep = value;
    if (redraw)
        ArrangeSpots();
}

void VR2ScrollbarView::Created()
{
    for (const auto* tag : {&kTrack, &kDecrement, &kIncrement, &kThumb}) {
        auto spot = VR2TagRect::Create(kArrowLength, kArrowLength);
        spot->Tag = *tag;
        HotSpot.push_back(spot);
    }
    ArrangeSpots();
}

void VR2ScrollbarView::ArrangeSpots()
{
    if (!KnownOrientation())
        return;
    const bool horizontal = Orientation == kHorizontal;
    const int32_t w = width();
    const int32_t h = height();
    // start and length along the bar, the full thickness across it.
    const auto place = [&](VR2Rect& rect, int32_t start, int32_t length) {
        rect.left = horizontal ? start : 0;
        rect.top = horizontal ? 0 : start;
        rect.width = horizontal ? length : w;
        rect.height = horizontal ? h : length;
    };
    const int32_t barLength = horizontal ? w : h;
    const auto track = FindHotSpotWithTag(kTrack);
    for (const auto& spot : HotSpot) {
        auto& rect = platform::Require(spot);
        const std::string tag = TagOf(spot);
        if (tag == kTrack)
            place(rect, kArrowLength, platform::WrapSub(barLength, 2 * kArrowLength));
        else if (tag == kDecrement)
            place(rect, 0, kArrowLength);
        else if (tag == kIncrement)
            place(rect, platform::WrapSub(barLength, kArrowLength), kArrowLength);
        else if (tag == kThumb && track) {
            const auto [start, length] = ThumbPlacement(*track);
            place(rect, start, length);
        }
    }
}

std::pair<int32_t, int32_t> VR2ScrollbarView::ThumbPlacement(const VR2Rect& track) const
{
    // In 64 bits and Double, so that no range or value near the Int32 limits
    // overflows; an empty range puts the thumb at the track's start.
    const bool horizontal = Orientation == kHorizontal;
    const int64_t start = StartOf(track, horizontal);
    const auto length = static_cast<double>(LengthOf(track, horizontal));
    const int64_t range = int64_t{mMaximum} - mMinimum;
    const int64_t visible = range + mPageStep;
    const double share = visible != 0 ? static_cast<double>(mPageStep) / static_cast<double>(visible) : 1.0;
    const int32_t thumbLength =
        platform::DoubleToInt32(std::min(length, std::max(static_cast<double>(kMinimumThumbLength), length * share)));
    const double travel = length - thumbLength;
    double offset = 0;
    if (range != 0)
        offset = travel / static_cast<double>(range) * static_cast<double>(int64_t{mValue} - mMinimum);
    // A value left outside the range (the range changed under it) keeps the thumb on the track.
    offset = std::clamp(offset, 0.0, std::max(travel, 0.0));
    return {platform::DoubleToInt32(static_cast<double>(start) + offset), thumbLength};
}

void VR2ScrollbarView::Resized(const VR2Rect::Ref&) { ArrangeSpots(); }
void VR2ScrollbarView::Resizing(const VR2Rect::Ref&) { ArrangeSpots(); }
void VR2ScrollbarView::ButtonOpen() { ArrangeSpots(); }

bool VR2ScrollbarView::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&)
{
    return Vireo2Theme::VR2Theme_DrawPart(g, themeparts::kScrollBar, 0, {Self()});
}

bool VR2ScrollbarView::ShouldDeliverMouseDrag(const VR2Rect::Ref& hotSpot) { return TagOf(hotSpot) == kThumb; }

int32_t VR2ScrollbarView::SteppedDown(int32_t step) const
{
    return platform::ClampToInt32(std::max<int64_t>(int64_t{mValue} - step, mMinimum));
}

int32_t VR2ScrollbarView::SteppedUp(int32_t step) const
{
    return platform::ClampToInt32(std::min<int64_t>(int64_t{mValue} + step, mMaximum));
}

void VR2ScrollbarView::ReportValue()
{
    platform::Require(EventHandlerTable)
        .triggerHandler(codes::kEventAction, Self(),
                        Vireo2Utilities::VR2MakeDictionary({codes::kKeyValue, mValue}));
}

void VR2ScrollbarView::Page(int32_t along, int32_t direction)
{
    const auto thumb = FindHotSpotWithTag(kThumb);
    if (!thumb)
        return;
    const bool horizontal = Orientation == kHorizontal;
    const int64_t thumbStart = StartOf(*thumb, horizontal);
    if (along < thumbStart && direction != kPageTowardMaximum) {
        mValue = SteppedDown(mPageStep);
        mThumbDownOffset = kPageTowardMinimum;
    } else if (along > thumbStart + LengthOf(*thumb, horizontal) && direction != kPageTowardMinimum) {
        mValue = SteppedUp(mPageStep);
        mThumbDownOffset = kPageTowardMaximum;
    }
}

bool VR2ScrollbarView::ButtonMouseDown(int32_t x, int32_t y, const VR2Rect::Ref& hotSpot)
{
    mCurrentMouseDownRepeatMicroseconds = kFirstRepeatMicroseconds;
    mLastMicroseconds = platform::Microseconds();
    const std::string tag = TagOf(hotSpot);
    if (tag == kThumb) {
        if (KnownOrientation())
            mThumbDownOffset = Orientation == kHorizontal ? platform::WrapSub(x, hotSpot->left)
                                                          : platform::WrapSub(y, hotSpot->top);
        return true;
    }
    if (tag == kTrack) {
        if (KnownOrientation())
            Page(Orientation == kHorizontal ? x : y, kPageEitherWay);
        ArrangeSpots();
        ReportValue();
        if (SelfRefresh)
            refresh();
    }
    return false;
}

bool VR2ScrollbarView::RepeatDue()
{
    const double now = platform::Microseconds();
    if (!(now - mLastMicroseconds > mCurrentMouseDownRepeatMicroseconds))
        return false;
    mLastMicroseconds = now;
    mCurrentMouseDownRepeatMicroseconds = std::max(mCurrentMouseDownRepeatMicroseconds / 2.0, 1.0);
    return true;
}

void VR2ScrollbarView::ThumbDragged(int32_t x, int32_t y)
{
    const auto thumb = FindHotSpotWithTag(kThumb);
    const auto track = FindHotSpotWithTag(kTrack);
    if (!thumb || !track || !KnownOrientation())
        return;
    const bool horizontal = Orientation == kHorizontal;
    const int32_t thumbStart = platform::WrapSub(horizontal ? x : y, mThumbDownOffset);
    (horizontal ? thumb->left : thumb->top) = thumbStart;
    const int64_t span = LengthOf(*track, horizontal) - LengthOf(*thumb, horizontal);
    const int64_t range = int64_t{mMaximum} - mMinimum;
    // A thumb that fills the track, or an empty range, has nowhere to go.
    if (span <= 0 || range == 0) {
        ArrangeSpots();
        return;
    }
    const double moved = static_cast<double>(thumbStart - StartOf(*track, horizontal));
    const double value = std::round(moved / (static_cast<double>(span) / static_cast<double>(range)) + mMinimum);
    Value(true, platform::DoubleToInt32(value));
}

void VR2ScrollbarView::ButtonMouseDrag(int32_t x, int32_t y, const VR2Rect::Ref& hotSpot)
{
    const std::string tag = TagOf(hotSpot);
    if (tag.empty() || (tag != kThumb && !RepeatDue()))
        return;
    const int32_t old = mValue;
    if (tag == kDecrement) {
        Value(true, SteppedDown(mLineStep));
    } else if (tag == kIncrement) {
        Value(true, SteppedUp(mLineStep));
    } else if (tag == kThumb) {
        ThumbDragged(x, y);
    } else if (tag == kTrack) {
        // Paging keeps the press's direction and never turns back.
        const bool paging = mThumbDownOffset == kPageTowardMinimum || mThumbDownOffset == kPageTowardMaximum;
        if (KnownOrientation() && paging)
            Page(Orientation == kHorizontal ? x : y, mThumbDownOffset);
        ArrangeSpots();
    }
    if (mValue == old)
        return;
    if (SelfRefresh)
        refresh();
    ReportValue();
}

void VR2ScrollbarView::Action(const VR2Rect::Ref& hotSpot, int32_t, int32_t)
{
    const std::string tag = TagOf(hotSpot);
    if (tag != kDecrement && tag != kIncrement)
        return;
    mValue = tag == kDecrement ? SteppedDown(mLineStep) : SteppedUp(mLineStep);
    ArrangeSpots();
    ReportValue();
    if (SelfRefresh)
        refresh();
}
