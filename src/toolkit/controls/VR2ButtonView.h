#pragma once

#include "platform/Variant.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/geometry/VR2Point.h"
#include "toolkit/geometry/VR2Rect.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The base of every clickable control: hot spots in the view's own
// coordinates, the one in which the mouse went down (DownFrame) and whether the
// mouse is inside it (MouseWithin); a press and a release in the same hot spot
// raise Action. Painting is the subclasses'.
//
// The view events this class handles reach its subclasses as ButtonOpen,
// ButtonMouseDown, ButtonMouseUp and ButtonMouseDrag, with the hot spot.
class VR2ButtonView : public VR2View {
public:
    using Ref = std::shared_ptr<VR2ButtonView>;

    // Later elements lie above earlier ones; VR2TagRect elements carry a tag.
    std::vector<VR2Rect::Ref> HotSpot;
    // The element (not a copy) in which the current press began; nil when none.
    VR2Rect::Ref DownFrame;
    // Repaint when a press starts or ends and when the mouse leaves or re-enters DownFrame.
    bool AutoRefresh = true;
    bool MouseWithin = false;

    // The last hot spot containing the point (edges included); nil when none.
    // A nil point or hot spot raises NilObjectException.
    VR2Rect::Ref FindHotSpotAtPoint(const VR2Point::Ref& point) const;
    // The first tagged hot spot whose tag equals tag; nil when none.
    VR2Rect::Ref FindHotSpotWithTag(const platform::Variant& tag) const;
    // The tag of a tagged hot spot as text; "" for a plain rectangle, another kind of tag or nil.
    static std::string TagOf(const VR2Rect::Ref& hotSpot);

    // The message entry stays reachable beside the click event below.
    using VR2Object::Action;

protected:
    void Open() final;
    bool MouseDown(int32_t x, int32_t y) final;
    void MouseDrag(int32_t x, int32_t y) final;
    void MouseUp(int32_t x, int32_t y) final;

    // Events for the subclasses.
    // A click: released inside the hot spot it was pressed in.
    virtual void Action(const VR2Rect::Ref& /*hotSpot*/, int32_t /*x*/, int32_t /*y*/) {}
    // Every press that reaches the view, with the hot spot hit or nil.
    virtual bool ButtonMouseDown(int32_t /*x*/, int32_t /*y*/, const VR2Rect::Ref& /*hotSpot*/) { return false; }
    // Every release that reaches the view, after Action; the hot spot when it was a click, else nil.
    virtual void ButtonMouseUp(int32_t /*x*/, int32_t /*y*/, const VR2Rect::Ref& /*hotSpot*/) {}
    // Drags inside the pressed hot spot, or outside it when ShouldDeliverMouseDrag says so.
    virtual void ButtonMouseDrag(int32_t /*x*/, int32_t /*y*/, const VR2Rect::Ref& /*hotSpot*/) {}
    // Raised before the frame becomes the one hot spot of a button that has none.
    virtual void ButtonOpen() {}
    // A drag outside the pressed hot spot: true keeps the drags and the pressed look coming.
    virtual bool ShouldDeliverMouseDrag(const VR2Rect::Ref& /*hotSpot*/) { return false; }
};

// The hot-spot tags of the controls, fixed lower-case words.
namespace hotspottags {
inline const std::string kPicture = "picture";
inline const std::string kLabel = "label";
inline const std::string kTrack = "track";
inline const std::string kDecrement = "decrement";
inline const std::string kIncrement = "increment";
inline const std::string kThumb = "thumb";
}  // namespace hotspottags
