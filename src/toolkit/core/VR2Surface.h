#pragma once

#include "platform/MouseCursor.h"
#include "platform/Object.h"
#include "toolkit/geometry/VR2Point.h"
#include "toolkit/geometry/VR2Rect.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class Picture;
}
class VR2DragObject;
class VR2View;

// Anything that holds views: the window host, the container view, the
// scrolling view. Its children live in one list, first at the bottom, last on
// top. Callers use the plain names; a holder implements the VR2Surface_
// operations. Coordinate spaces and focus codes are the codes::kSpace and
// codes::kFocus values.
class VR2Surface : public virtual platform::Object {
public:
    using Ref = std::shared_ptr<VR2Surface>;
    using ViewRef = std::shared_ptr<VR2View>;

    // Appends the view on top, gives it the surface's active state and calls its DoOpen.
    void AttachView(const ViewRef& view) { VR2Surface_AttachView(view); }
    // Removes the view from the list; does not repaint.
    void DetachView(const ViewRef& view) { VR2Surface_DetachView(view); }
    ViewRef FindViewByName(const std::string& name, bool deep, bool visibleOnly)
    {
        return VR2Surface_FindViewByName(name, deep, visibleOnly);
    }
    ViewRef FindViewAtPoint(const VR2Point::Ref& point, bool visibleOnly, bool recurse, int32_t passOn)
    {
        return VR2Surface_FindViewAtPoint(point, visibleOnly, recurse, passOn);
    }
    VR2Point::Ref MousePosition(int32_t space) { return VR2Surface_MousePosition(space); }
    // nil gives back the standard cursor.
    void ChangeMouseCursor(const platform::MouseCursor::Ref& cursor) { VR2Surface_ChangeMouseCursor(cursor); }
    // rect in the surface's coordinates; nested surfaces clip it and pass it up.
    void UpdateRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>& picture) { VR2Surface_UpdateRect(rect, picture); }
    // newView takes oldView's place in the list.
    void SwapView(const ViewRef& newView, const ViewRef& oldView) { VR2Surface_SwapView(newView, oldView); }
    VR2Point::Ref TranslatePoint(const VR2Point::Ref& point, int32_t from, int32_t to)
    {
        return VR2Surface_TranslatePoint(point, from, to);
    }
    std::shared_ptr<VR2DragObject> CreateDragObject(const VR2Rect::Ref& rect, int32_t flags)
    {
        return VR2Surface_CreateDragObject(rect, flags);
    }
    ViewRef FindViewSibling(const ViewRef& view, bool forward, bool wrap)
    {
        return VR2Surface_FindViewSibling(view, forward, wrap);
    }
    Ref RootSurface() { return VR2Surface_RootSurface(); }
    void ChangeFocus(const ViewRef& view, int32_t code) { VR2Surface_ChangeFocus(view, code); }
    bool isFocusView(const ViewRef& view) { return VR2Surface_isFocusView(view); }
    // A code that is not a codes::kSpace value raises TypeMismatchException.
    VR2Rect::Ref Bounds(int32_t space) { return VR2Surface_Bounds(space); }
    void SubviewDidChangeBounds(const ViewRef& view, const VR2Rect::Ref& oldBounds, bool resized, bool moved)
    {
        VR2Surface_SubviewDidChangeBounds(view, oldBounds, resized, moved);
    }
    // The list itself, not a copy.
    std::vector<ViewRef>& getViewList() { return VR2Surface_getViewList(); }
    ViewRef focusView() { return VR2Surface_focusView(); }

protected:
    virtual void VR2Surface_AttachView(const ViewRef& view) = 0;
    virtual void VR2Surface_DetachView(const ViewRef& view) = 0;
    virtual ViewRef VR2Surface_FindViewByName(const std::string& name, bool deep, bool visibleOnly) = 0;
    virtual ViewRef VR2Surface_FindViewAtPoint(const VR2Point::Ref& point, bool visibleOnly, bool recurse,
                                               int32_t passOn) = 0;
    virtual VR2Point::Ref VR2Surface_MousePosition(int32_t space) = 0;
    virtual void VR2Surface_ChangeMouseCursor(const platform::MouseCursor::Ref& cursor) = 0;
    virtual void VR2Surface_UpdateRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>& picture) = 0;
    virtual void VR2Surface_SwapView(const ViewRef& newView, const ViewRef& oldView) = 0;
    virtual VR2Point::Ref VR2Surface_TranslatePoint(const VR2Point::Ref& point, int32_t from, int32_t to) = 0;
    virtual std::shared_ptr<VR2DragObject> VR2Surface_CreateDragObject(const VR2Rect::Ref& rect, int32_t flags) = 0;
    virtual ViewRef VR2Surface_FindViewSibling(const ViewRef& view, bool forward, bool wrap) = 0;
    virtual Ref VR2Surface_RootSurface() = 0;
    virtual void VR2Surface_ChangeFocus(const ViewRef& view, int32_t code) = 0;
    virtual bool VR2Surface_isFocusView(const ViewRef& view) = 0;
    virtual VR2Rect::Ref VR2Surface_Bounds(int32_t space) = 0;
    virtual void VR2Surface_SubviewDidChangeBounds(const ViewRef& view, const VR2Rect::Ref& oldBounds, bool resized,
                                                   bool moved) = 0;
    virtual std::vector<ViewRef>& VR2Surface_getViewList() = 0;
    virtual ViewRef VR2Surface_focusView() = 0;
};
