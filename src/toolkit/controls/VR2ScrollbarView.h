#pragma once

#include "toolkit/controls/VR2ButtonView.h"

#include <cstdint>
#include <memory>
#include <utility>

// A vertical or horizontal scroll bar: an Int32 value between Minimum and
// Maximum, changed by the arrows (LineStep, on release and while held), by the
// track (PageStep toward the pointer, at once and while held) and by dragging
// the thumb. Held arrows and track repeat after 0.4 s, each wait half the one
// before, paced by the drags the host delivers. A user change triggers 'actn'
// with {'valu': value}. The theme draws it as "scroll_bar" from its hot spots
// "track", "decrement", "increment" and "thumb" (in that order).
class VR2ScrollbarView : public VR2ButtonView {
public:
    using Ref = std::shared_ptr<VR2ScrollbarView>;

    static constexpr int32_t kVertical = 0;
    static constexpr int32_t kHorizontal = 1;

    static Ref Create() { return VR2View::Create<VR2ScrollbarView>(); }

    int32_t Orientation = kVertical;
    // Repaint after each change the user makes.
    bool SelfRefresh = true;

    // The setters store (Value clamped to Maximum, then to Minimum; the others
    // unchanged) and, with redraw, lay the hot spots out again. None repaints
    // or triggers 'actn'.
    int32_t Value() const { return mValue; }
    void Value(bool redraw, int32_t value);
    int32_t Maximum() const { return mMaximum; }
    void Maximum(bool redraw, int32_t value);
    int32_t Minimum() const { return mMinimum; }
    void Minimum(bool redraw, int32_t value);
    int32_t PageStep() const { return mPageStep; }
    void PageStep(bool redraw, int32_t value);
    int32_t LineStep() const { return mLineStep; }
    void LineStep(bool redraw, int32_t value);

    // Places the four hot spots for the bar's size, orientation, range and value.
    void ArrangeSpots();

    using VR2Object::Action;

protected:
    void Created() override;
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;
    void Resized(const VR2Rect::Ref& oldBounds) override;
    void Resizing(const VR2Rect::Ref& oldBounds) override;

    void ButtonOpen() override;
    void Action(const VR2Rect::Ref& hotSpot, int32_t x, int32_t y) override;
    bool ButtonMouseDown(int32_t x, int32_t y, const VR2Rect::Ref& hotSpot) override;
    void ButtonMouseDrag(int32_t x, int32_t y, const VR2Rect::Ref& hotSpot) override;
    bool ShouldDeliverMouseDrag(const VR2Rect::Ref& hotSpot) override;

private:
    // A paging direction: toward Minimum, toward Maximum, or (on a track press)
    // toward whichever side of the thumb the pointer is.
    static constexpr int32_t kPageTowardMinimum = -1;
    static constexpr int32_t kPageTowardMaximum = 1;
    static constexpr int32_t kPageEitherWay = 0;

    // Vertical or horizontal: a bar of any other orientation lays out, pages
    // and drags nothing.
    bool KnownOrientation() const { return Orientation == kVertical || Orientation == kHorizontal; }
    // Value less step, not below Minimum; Value plus step, not above Maximum.
    int32_t SteppedDown(int32_t step) const;
    int32_t SteppedUp(int32_t step) const;
    // Pages toward the pointer at along (y or x) when it lies in direction.
    void Page(int32_t along, int32_t direction);
    void ThumbDragged(int32_t x, int32_t y);
    // The thumb's start and length along the bar, from the track's rectangle.
    std::pair<int32_t, int32_t> ThumbPlacement(const VR2Rect& track) const;
    // True when the repeat wait has passed: a held arrow or track steps now.
    bool RepeatDue();
    void ReportValue();

    int32_t mValue = 0;
    int32_t mMaximum = 100;
    int32_t mLineStep = 1;
    int32_t mPageStep = 20;
    int32_t mMinimum = 0;
    // After a thumb press the grab offset from its leading edge; after a track
    // press the paging direction, kPageTowardMinimum or kPageTowardMaximum.
    int32_t mThumbDownOffset = 0;
    double mLastMicroseconds = 0;
    double mCurrentMouseDownRepeatMicroseconds = 0;
};
