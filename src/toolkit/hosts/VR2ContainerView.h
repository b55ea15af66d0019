#pragma once

#include "platform/Color.h"
#include "toolkit/core/VR2Surface.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/geometry/VR2Rect.h"
#include "toolkit/geometry/VireoColor.h"
#include "toolkit/hosts/VR2ChildRouting.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class VR2Graphics;

// A view that holds views. Every event that reaches it goes to the right child
// in the child's own coordinates, and the container raises its own copy of the
// event (named Container...) when no child takes it. Repaint requests from the
// children are clipped to its frame and passed up. Unless OverrideMouseEvents
// is set it is transparent to hit tests: it is hit only where a child is.
class VR2ContainerView : public VR2View, public VR2Surface {
public:
    using Ref = std::shared_ptr<VR2ContainerView>;

    static Ref Create() { return VR2View::Create<VR2ContainerView>(); }

    bool AutoArrangeLockedViews = true;
    // When ContainerPaintRect is raised: 0 before the children, 1 after them,
    // -1 both, anything else never.
    int32_t PaintLayer = 0;
    // The container takes every mouse event itself and is hit as a solid rectangle.
    bool OverrideMouseEvents = false;
    bool hasBackColor = false;
    platform::Color backColor = VireoColor::kWhite;

    // Makes view a child, keeping its frame.
    void initWithContentView(const ViewRef& view);
    // (x, y) in the parent's coordinates.
    bool containsPoint(int32_t x, int32_t y) override;
    bool doesAcceptFocus() override;
    // Hover: exit and enter of the children, moves to the one under the point.
    void DoTrackMouseMovement(int32_t x, int32_t y);

protected:
    VR2ContainerView() = default;
    friend class VR2View;

    // Events for subclasses, in the container's own coordinates.
    virtual void ContainerActivate() {}
    virtual bool ContainerCancelClose(bool /*appQuitting*/) { return false; }
    virtual void ContainerClose() {}
    virtual bool ContainerConstructContextualMenu(const platform::MenuItem::Ref& /*base*/, int32_t /*x*/,
                                                  int32_t /*y*/)
    {
        return false;
    }
    virtual bool ContainerContextualMenuAction(const platform::MenuItem::Ref& /*hitItem*/) { return false; }
    virtual void ContainerCreated() {}
    virtual void ContainerDeactivate() {}
    virtual bool ContainerDragEnter(const VR2DragObject::Ref& /*drag*/, int32_t /*action*/) { return false; }
    virtual void ContainerDragExit(const VR2DragObject::Ref& /*drag*/, int32_t /*action*/) {}
    virtual bool ContainerDragOver(int32_t /*x*/, int32_t /*y*/, const VR2DragObject::Ref& /*drag*/,
                                   int32_t /*action*/)
    {
        return false;
    }
    virtual void ContainerDropObject(const VR2DragObject::Ref& /*drag*/, int32_t /*action*/) {}
    virtual void ContainerEnableMenuItems() {}
    virtual void ContainerGotFocus() {}
    virtual void ContainerLostFocus() {}
    virtual bool ContainerKeyDown(const std::string& /*key*/) { return false; }
    virtual void ContainerMaximize() {}
    virtual void ContainerMinimize() {}
    virtual bool ContainerMouseDown(int32_t /*x*/, int32_t /*y*/) { return false; }
    virtual void ContainerMouseDrag(int32_t /*x*/, int32_t /*y*/) {}
    virtual void ContainerMouseEnter() {}
    virtual void ContainerMouseExit() {}
    virtual void ContainerMouseMove(int32_t /*x*/, int32_t /*y*/) {}
    virtual void ContainerMouseUp(int32_t /*x*/, int32_t /*y*/) {}
    virtual bool ContainerMouseWheel(int32_t /*x*/, int32_t /*y*/, int32_t /*deltaX*/, int32_t /*deltaY*/)
    {
        return false;
    }
    virtual void ContainerMoved() {}
    virtual void ContainerOpen() {}
    virtual void ContainerPaint(const std::shared_ptr<VR2Graphics>& /*g*/) {}
    // layer 0 before the children, 1 after them; the answer is not read.
    virtual bool ContainerPaintRect(const std::shared_ptr<VR2Graphics>& /*g*/, const VR2Rect::Ref& /*rect*/,
                                    int32_t /*layer*/)
    {
        return false;
    }
    virtual void ContainerResized(const VR2Rect::Ref& /*oldBounds*/) {}
    virtual void ContainerResizing(const VR2Rect::Ref& /*oldBounds*/) {}
    virtual void ContainerRestore() {}
    virtual void ContainerViewWillRelease() {}

    // VR2View's events, routed to the children.
    void Created() final { ContainerCreated(); }
    void Activate() final { ContainerActivate(); }
    bool CancelClose(bool appQuitting) final;
    void Close() final;
    bool ConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y) final;
    bool ContextualMenuAction(const platform::MenuItem::Ref& hitItem) final;
    void Deactivate() final;
    bool DragEnter(const VR2DragObject::Ref& drag, int32_t action) final;
    void DragExit(const VR2DragObject::Ref& drag, int32_t action) final;
    bool DragOver(int32_t x, int32_t y, const VR2DragObject::Ref& drag, int32_t action) final;
    void DropObject(const VR2DragObject::Ref& drag, int32_t action) final;
    void EnableMenuItems() final;
    bool KeyDown(const std::string& key) final;
    void Maximize() final { ContainerMaximize(); }
    void Minimize() final { ContainerMinimize(); }
    bool MouseDown(int32_t x, int32_t y) final;
    void MouseDrag(int32_t x, int32_t y) final;
    void MouseEnter() final { ContainerMouseEnter(); }
    void MouseExit() final;
    void MouseMove(int32_t x, int32_t y) final;
    void MouseUp(int32_t x, int32_t y) final;
    bool MouseWheel(int32_t x, int32_t y, int32_t deltaX, int32_t deltaY) final;
    void Moved() final { ContainerMoved(); }
    void Open() final;
    void Paint(const std::shared_ptr<VR2Graphics>& g) final { ContainerPaint(g); }
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) final;
    void Resized(const VR2Rect::Ref& oldBounds) final;
    void Resizing(const VR2Rect::Ref& oldBounds) final;
    void Restore() final { ContainerRestore(); }
    void ViewWillRelease() final;
    void GotFocus() final;
    void LostFocus() final { ContainerLostFocus(); }

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
    // Nil: the window host keeps the one focus view of the whole tree.
    ViewRef VR2Surface_focusView() override;

private:
    VR2Surface::Ref SelfSurface();
    // The topmost visible child under a point of the container.
    ViewRef HitTest(int32_t x, int32_t y);
    void ArrangeLockedViews(bool live);

    std::vector<ViewRef> mView;
    VR2ChildRouting mRouting;
    bool mWindowIsResizing = false;
    VR2Rect::Ref mWindowBounds;
};
