#pragma once

#include "toolkit/core/VR2DragObject.h"
#include "toolkit/core/VR2Surface.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/geometry/VR2Point.h"
#include "toolkit/geometry/VR2Rect.h"
#include "toolkit/geometry/VR2Region.h"
#include "toolkit/hosts/VR2ChildRouting.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class VR2Graphics;

// Holds the document views of a scrolling view and does for them what a
// holder does for its children: z-order, hit tests, the captured press, the
// view under the pointer, contextual menus, drops, its own keyboard focus and
// painting. Every point it receives is in document coordinates. The views'
// parent surface is the scrolling view, which hands its list operations on to
// the manager; the manager reports to that surface.
class VR2ViewManager {
public:
    using Ref = std::shared_ptr<VR2ViewManager>;
    using ViewRef = std::shared_ptr<VR2View>;

    static Ref Create() { return Ref(new VR2ViewManager()); }
    virtual ~VR2ViewManager() = default;

    // True: isFocusView and focusView answer from FocusView; false: from the surface.
    bool UseFocusView = false;
    // A layout that has just stacked the views one below the other in list
    // order, each within its frame (a row list's ArrangeRows), says so here;
    // any change of the list takes it back. While it holds, hit tests and
    // painting look only at the views around the point or the dirty rectangle,
    // so their cost follows what is on screen, not the length of the document.
    // After any frame has changed, by whatever path, the order is checked once
    // more before its next use, and dropped when it no longer holds.
    void setStackedInOrder(bool stacked);

    void setSurface(const VR2Surface::Ref& surface);
    void resize(int32_t width, int32_t height);
    VR2Point::Ref position() const;
    VR2Rect::Ref frame() const;

    // The surface operations, for the views of the document.
    void VR2Surface_AttachView(const ViewRef& view);
    // A view that is not in the list changes nothing; one that leaves is
    // forgotten as capture, hover, focus and menu view.
    void VR2Surface_DetachView(const ViewRef& view);
    ViewRef VR2Surface_FindViewByName(const std::string& name, bool deep, bool visibleOnly);
    ViewRef VR2Surface_FindViewAtPoint(const VR2Point::Ref& point, bool visibleOnly, bool recurse, int32_t passOn);
    VR2Point::Ref VR2Surface_MousePosition(int32_t space);
    void VR2Surface_ChangeMouseCursor(const platform::MouseCursor::Ref& cursor);
    void VR2Surface_UpdateRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>& picture);
    void VR2Surface_SwapView(const ViewRef& newView, const ViewRef& oldView);
    VR2Point::Ref VR2Surface_TranslatePoint(const VR2Point::Ref& point, int32_t from, int32_t to);
    std::shared_ptr<VR2DragObject> VR2Surface_CreateDragObject(const VR2Rect::Ref& rect, int32_t flags);
    ViewRef VR2Surface_FindViewSibling(const ViewRef& view, bool forward, bool wrap);
    VR2Surface::Ref VR2Surface_RootSurface();
    void VR2Surface_ChangeFocus(const ViewRef& view, int32_t code);
    bool VR2Surface_isFocusView(const ViewRef& view);
    VR2Rect::Ref VR2Surface_Bounds(int32_t space);
    std::vector<ViewRef>& VR2Surface_getViewList() { return mView; }
    ViewRef VR2Surface_focusView();

    bool containsPoint(int32_t x, int32_t y);
    bool doesAcceptFocus();
    // The frames of the views (only the visible ones when asked), copied, in list order.
    VR2Region::Ref getOccupiedRegion(bool visibleOnly);

    // The manager's own focus: 0 give (nil raises before anything changes),
    // 1 take away, 2 next, 3 previous (wrapping, one pass at most).
    void changeFocus(const ViewRef& view, int32_t code);

    // Routing, in document coordinates.
    bool DoMouseDown(int32_t x, int32_t y);
    void DoMouseDrag(int32_t x, int32_t y);
    void DoMouseUp(int32_t x, int32_t y);
    void DoTrackMouseMovement(int32_t x, int32_t y);
    void DoMouseMove(int32_t x, int32_t y) { DoTrackMouseMovement(x, y); }
    void DoMouseEnter() { MouseEnter(); }
    void DoMouseExit();
    bool DoMouseWheel(int32_t x, int32_t y, int32_t deltaX, int32_t deltaY);
    bool DoKeyDown(const std::string& key);
    bool DoConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y);
    bool DoContextualMenuAction(const platform::MenuItem::Ref& item);
    bool DoDragEnter(const VR2DragObject::Ref& drag, int32_t action) { return DragEnter(drag, action); }
    void DoDragExit(const VR2DragObject::Ref& drag, int32_t action) { DragExit(drag, action); }
    bool DoDragOver(int32_t x, int32_t y, const VR2DragObject::Ref& drag, int32_t action)
    {
        return DragOver(x, y, drag, action);
    }
    void DoDropObject(const VR2DragObject::Ref& drag, int32_t action);
    void DoGotFocus();
    void DoLostFocus() { LostFocus(); }
    void DoActivate() { Activate(); }
    void DoDeactivate();
    void DoEnableMenuItems();
    bool DoCancelClose(bool appQuitting);
    // Lets go of every view (closing none through the surface) and of the surface.
    void DoClose();
    void DoCreated() { Created(); }
    void DoMaximize() { Maximize(); }
    void DoMinimize() { Minimize(); }
    void DoMoved() { Moved(); }
    void DoOpen() { Open(); }
    void DoRestore() { Restore(); }
    void DoViewWillRelease() { ViewWillRelease(); }
    void DoPaint(const std::shared_ptr<VR2Graphics>& g) { Paint(g); }
    // Paints the visible views that meet rect; always true.
    bool DoPaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect);
    void DoResized(const VR2Rect::Ref& oldBounds);
    void DoResizing(const VR2Rect::Ref& oldBounds);

protected:
    VR2ViewManager();

    // Events; nothing subclasses the manager in the toolkit, so each says "not handled".
    virtual void Activate() {}
    virtual bool CancelClose(bool /*appQuitting*/) { return false; }
    virtual void Close() {}
    virtual bool ConstructContextualMenu(const platform::MenuItem::Ref& /*base*/, int32_t /*x*/, int32_t /*y*/)
    {
        return false;
    }
    virtual bool ContextualMenuAction(const platform::MenuItem::Ref& /*item*/) { return false; }
    virtual void Created() {}
    virtual void Deactivate() {}
    virtual bool DragEnter(const VR2DragObject::Ref& /*drag*/, int32_t /*action*/) { return false; }
    virtual void DragExit(const VR2DragObject::Ref& /*drag*/, int32_t /*action*/) {}
    virtual bool DragOver(int32_t /*x*/, int32_t /*y*/, const VR2DragObject::Ref& /*drag*/, int32_t /*action*/)
    {
        return false;
    }
    virtual void DropObject(const VR2DragObject::Ref& /*drag*/, int32_t /*action*/) {}
    virtual void EnableMenuItems() {}
    virtual void GotFocus() {}
    virtual void LostFocus() {}
    virtual bool KeyDown(const std::string& /*key*/) { return false; }
    virtual void Maximize() {}
    virtual void Minimize() {}
    virtual bool MouseDown(int32_t /*x*/, int32_t /*y*/) { return false; }
    virtual void MouseDrag(int32_t /*x*/, int32_t /*y*/) {}
    virtual void MouseEnter() {}
    virtual void MouseExit() {}
    virtual void MouseMove(int32_t /*x*/, int32_t /*y*/) {}
    virtual void MouseUp(int32_t /*x*/, int32_t /*y*/) {}
    virtual bool MouseWheel(int32_t /*x*/, int32_t /*y*/, int32_t /*deltaX*/, int32_t /*deltaY*/) { return false; }
    virtual void Moved() {}
    virtual void Open() {}
    virtual void Paint(const std::shared_ptr<VR2Graphics>& /*g*/) {}
    virtual void Resized(const VR2Rect::Ref& /*oldBounds*/) {}
    virtual void Resizing(const VR2Rect::Ref& /*oldBounds*/) {}
    virtual void Restore() {}
    virtual void ViewWillRelease() {}

private:
    ViewRef HitTest(int32_t x, int32_t y);
    // Whether the stacked order still holds, checked once after any frame changed.
    bool Stacked();
    // The views whose vertical extent meets top ... bottom, while Stacked.
    std::pair<size_t, size_t> StackedRange(int32_t top, int32_t bottom) const;
    void Forget(const ViewRef& view);
    void LoseFocus();
    void GainFocus(const ViewRef& view);
    void MoveFocus(bool forward);
    // The first view from the start of the list (forward) or its end that takes the focus.
    ViewRef SearchOwnList(bool forward);

    std::vector<ViewRef> mView;
    std::weak_ptr<VR2View> FocusView;
    VR2ChildRouting mRouting;
    bool mActive = false;
    bool mStacked = false;
    // VR2View::FrameChanges when the stacked order was last found to hold.
    std::optional<uint64_t> mStackedCheckedAt;
    std::weak_ptr<VR2Surface> mSurface;
    VR2Rect::Ref mBounds;
};
