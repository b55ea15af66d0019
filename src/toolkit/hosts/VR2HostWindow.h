#pragma once

#include "platform/Window.h"
#include "toolkit/core/VR2DragObject.h"
#include "toolkit/core/VR2Object.h"
#include "toolkit/core/VR2Surface.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/hosts/VR2ChildRouting.h"
#include "toolkit/geometry/VR2Graphics.h"
#include "toolkit/geometry/VR2Rect.h"
#include "toolkit/geometry/VR2Region.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Bridges one platform window to a tree of views. It holds the window's
// top-level views in z-order (first at the bottom), routes the window's events
// into them with mouse capture, hover and keyboard focus, and repaints dirty
// rectangles at once through an off-screen picture. Messages that its subclass
// leaves unhandled go on to the application object.
//
// The platform's window events arrive at the On... handlers; what no view takes
// is raised to the subclass as the protected event of the same name (the last
// step of closing is raised as Closed).
class VR2HostWindow : public platform::Window, public VR2Surface, public VR2Object {
public:
    using Ref = std::shared_ptr<VR2HostWindow>;

    static Ref Create() { return Opened(Ref(new VR2HostWindow())); }
    ~VR2HostWindow() override;

    // Set when the window opens; it has no effect on this platform.
    bool AutoDeactivate = false;

    // The window's content rectangle on the screen.
    VR2Rect::Ref bounds();
    // Hover tracking at a window point.
    void DoTrackMouseMovement(int32_t x, int32_t y);
    // 0 takes the focus away, 1 drops it from the focus view, 2 next, 3 previous.
    void changeFocus(int32_t code);

    // Collect repaint requests until UnlockUpdate, which repaints their
    // bounding box once. A second LockUpdate keeps what was collected; an
    // UnlockUpdate without a lock does nothing.
    void LockUpdate();
    void UnlockUpdate();

    // The focus search of every holder: repeats surface's sibling search from
    // start, wrapping, until nil, stopAt or a view that accepts the focus;
    // after one pass over the list without a stop, nil.
    static ViewRef WalkFocusSiblings(const VR2Surface::Ref& surface, const ViewRef& start, bool forward,
                                     const ViewRef& stopAt);

    bool VR2DragObject_DragEnter(const VR2DragObject::Ref& drag, int32_t action);
    bool VR2DragObject_DragOver(int32_t x, int32_t y, const VR2DragObject::Ref& drag, int32_t action);
    bool VR2DragObject_DragExit(const VR2DragObject::Ref& drag, int32_t action);
    bool VR2DragObject_DropObject(const VR2DragObject::Ref& drag, int32_t action);

    // The platform window's events.
    void OnOpen() final;
    void OnClose() final;
    bool OnCancelClose(bool appQuitting) final;
    void OnPaint(const platform::Graphics::Ref& g) final;
    bool OnMouseDown(int32_t x, int32_t y) final;
    void OnMouseDrag(int32_t x, int32_t y) final;
    void OnMouseUp(int32_t x, int32_t y) final;
    void OnMouseMove(int32_t x, int32_t y) final;
    void OnMouseEnter() final;
    void OnMouseExit() final;
    bool OnMouseWheel(int32_t x, int32_t y, int32_t deltaX, int32_t deltaY) final;
    bool OnKeyDown(const std::string& key) final;
    void OnActivate() final;
    void OnDeactivate() final;
    void OnResizing() final;
    void OnResized() final;
    void OnMoved() final;
    void OnMaximize() final;
    void OnMinimize() final;
    void OnEnableMenuItems() final;
    bool OnConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y) final;
    bool OnContextualMenuAction(const platform::MenuItem::Ref& hitItem) final;
    bool OnDragEnter(const platform::DragItem::Ref& item, int32_t action) final;
    bool OnDragOver(int32_t x, int32_t y, const platform::DragItem::Ref& item, int32_t action) final;
    void OnDragExit(const platform::DragItem::Ref& item, int32_t action) final;
    void OnDropObject(const platform::DragItem::Ref& item, int32_t action) final;

protected:
    VR2HostWindow();

    // Events for subclasses; Boolean results mean handled (DragEnter: accepted).
    virtual bool MouseDown(int32_t /*x*/, int32_t /*y*/) { return false; }
    virtual void MouseUp(int32_t /*x*/, int32_t /*y*/) {}
    virtual void MouseMove(int32_t /*x*/, int32_t /*y*/) {}
    virtual void MouseExit() {}
    virtual void MouseEnter() {}
    virtual bool MouseWheel(int32_t /*x*/, int32_t /*y*/, int32_t /*deltaX*/, int32_t /*deltaY*/) { return false; }
    virtual void Activate() {}
    virtual bool CancelClose(bool /*appQuitting*/) { return false; }
    virtual bool ConstructContextualMenu(const platform::MenuItem::Ref& /*base*/, int32_t /*x*/, int32_t /*y*/)
    {
        return false;
    }
    virtual bool ContextualMenuAction(const platform::MenuItem::Ref& /*hitItem*/) { return false; }
    virtual void Deactivate() {}
    virtual void Closed() {}
    virtual void DropObject(const VR2DragObject::Ref& /*drag*/, int32_t /*action*/) {}
    virtual void EnableMenuItems() {}
    virtual bool KeyDown(const std::string& /*key*/) { return false; }
    virtual void Maximize() {}
    virtual void Minimize() {}
    virtual void Moved() {}
    virtual void Open() {}
    virtual void MouseDrag(int32_t /*x*/, int32_t /*y*/) {}
    virtual void Resized() {}
    virtual void Resizing() {}
    virtual bool DragEnter(const VR2DragObject::Ref& /*drag*/, int32_t /*action*/) { return false; }
    virtual void DragExit(const VR2DragObject::Ref& /*drag*/, int32_t /*action*/) {}
    virtual bool DragOver(int32_t /*x*/, int32_t /*y*/, const VR2DragObject::Ref& /*drag*/, int32_t /*action*/)
    {
        return false;
    }
    // Every message that reaches the window.
    virtual void HandleMessage(const VR2Object::Ref& /*sender*/, const VR2Message::Ref& /*message*/) {}
    // The window's own background, after the back colour and before the views;
    // g's origin is the dirty rectangle's corner, rect is in window coordinates.
    virtual bool PaintRect(const VR2Graphics::Ref& /*g*/, const VR2Rect::Ref& /*rect*/) { return false; }

    void VR2Object_Action(const VR2Object::Ref& sender, const VR2Message::Ref& message) override;

    void VR2Surface_AttachView(const ViewRef& view) override;
    void VR2Surface_DetachView(const ViewRef& view) override;
    ViewRef VR2Surface_FindViewByName(const std::string& name, bool deep, bool visibleOnly) override;
    ViewRef VR2Surface_FindViewAtPoint(const VR2Point::Ref& point, bool visibleOnly, bool recurse,
                                       int32_t passOn) override;
    VR2Point::Ref VR2Surface_MousePosition(int32_t space) override;
    void VR2Surface_ChangeMouseCursor(const platform::MouseCursor::Ref& cursor) override;
    void VR2Surface_UpdateRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>& picture) override;
    void VR2Surface_SwapView(const ViewRef& newView, const ViewRef& oldView) override;
    VR2Point::Ref VR2Surface_TranslatePoint(const VR2Point::Ref& point, int32_t from, int32_t to) override;
    std::shared_ptr<VR2DragObject> VR2Surface_CreateDragObject(const VR2Rect::Ref& rect, int32_t flags) override;
    ViewRef VR2Surface_FindViewSibling(const ViewRef& view, bool forward, bool wrap) override;
    VR2Surface::Ref VR2Surface_RootSurface() override;
    void VR2Surface_ChangeFocus(const ViewRef& view, int32_t code) override;
    bool VR2Surface_isFocusView(const ViewRef& view) override;
    VR2Rect::Ref VR2Surface_Bounds(int32_t space) override;
    void VR2Surface_SubviewDidChangeBounds(const ViewRef& view, const VR2Rect::Ref& oldBounds, bool resized,
                                           bool moved) override;
    std::vector<ViewRef>& VR2Surface_getViewList() override;
    ViewRef VR2Surface_focusView() override;

private:
    Ref Self();
    // The topmost visible top-level view under a window point.
    ViewRef HitTest(int32_t x, int32_t y);
    // Drops every reference of the window to a view that leaves it (focus,
    // also when it lies inside the view, capture, hover, contextual menu).
    void ForgetView(const ViewRef& view);
    // The focus view, when it still lies inside this window.
    ViewRef LiveFocusView();
    void GiveFocus(const ViewRef& view);
    void TakeFocus();
    void MoveFocus(bool forward);
    // Repeats the sibling search of surface from start until a stop (nil, the
    // focus view, a view that accepts focus); one pass at most.
    ViewRef WalkSiblings(const VR2Surface::Ref& surface, const ViewRef& start, bool forward);
    // Paints rect (window coordinates) into a new picture of its size.
    platform::Picture::Ref Compose(const VR2Rect::Ref& rect);
    // Paints rect into picture from its top left, over what the picture holds.
    void ComposeInto(const platform::Picture::Ref& picture, const VR2Rect::Ref& rect);
    void ArrangeViews(bool live);

    std::vector<ViewRef> mView;
    bool mActive = false;
    VR2ChildRouting mRouting;
    std::weak_ptr<VR2View> mFocusView;
    VR2Rect::Ref mWindowBounds;
    bool mDrawInProgress = false;
    bool mLockUpdate = false;
    VR2Region::Ref mUpdateRegion;
};
