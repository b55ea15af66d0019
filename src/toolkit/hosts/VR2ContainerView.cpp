#include "toolkit/hosts/VR2ContainerView.h"

#include "platform/Exceptions.h"
#include "platform/System.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/geometry/VR2Graphics.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <algorithm>

VR2Surface::Ref VR2ContainerView::SelfSurface() { return std::dynamic_pointer_cast<VR2Surface>(Self()); }

VR2ContainerView::ViewRef VR2ContainerView::HitTest(int32_t x, int32_t y)
{
    return FindViewAtPoint(VR2Point::Create(x, y), true, false, 0);
}

void VR2ContainerView::initWithContentView(const ViewRef& view)
{
    platform::Require(view).attach(SelfSurface(), false, false);
}

bool VR2ContainerView::containsPoint(int32_t x, int32_t y)
{
    if (OverrideMouseEvents)
        return VR2View::containsPoint(x, y);
    for (const auto& child : mView)
        if (child->containsPoint(x - left(), y - top()))
            return true;
    return false;
}

bool VR2ContainerView::doesAcceptFocus()
{
    return std::any_of(mView.begin(), mView.end(), [](const ViewRef& child) { return child->doesAcceptFocus(); });
}

// Mouse

bool VR2ContainerView::MouseDown(int32_t x, int32_t y)
{
    if (platform::IsCMMClick())
        return false;
    if (!OverrideMouseEvents && mRouting.Press(HitTest(x, y), x, y))
        return true;
    return ContainerMouseDown(x, y);
}

void VR2ContainerView::MouseDrag(int32_t x, int32_t y)
{
    if (OverrideMouseEvents || !mRouting.Drag(x, y))
        ContainerMouseDrag(x, y);
}

void VR2ContainerView::MouseUp(int32_t x, int32_t y)
{
    if (OverrideMouseEvents || !mRouting.Release(x, y))
        ContainerMouseUp(x, y);
}

void VR2ContainerView::MouseMove(int32_t x, int32_t y)
{
    if (OverrideMouseEvents)
        ContainerMouseMove(x, y);
    else
        DoTrackMouseMovement(x, y);
}

void VR2ContainerView::DoTrackMouseMovement(int32_t x, int32_t y)
{
    if (!mRouting.Track(HitTest(x, y), x, y))
        ContainerMouseMove(x, y);
}

void VR2ContainerView::MouseExit()
{
    if (!OverrideMouseEvents)
        mRouting.Exit();
    ContainerMouseExit();
}

bool VR2ContainerView::MouseWheel(int32_t x, int32_t y, int32_t deltaX, int32_t deltaY)
{
    if (!OverrideMouseEvents && VR2ChildRouting::Wheel(HitTest(x, y), x, y, deltaX, deltaY))
        return true;
    return ContainerMouseWheel(x, y, deltaX, deltaY);
}

// Keys and focus

// The window host keeps the one focus view of the whole tree and sends it the
// keys itself; no child holds a focus of the container's own.
bool VR2ContainerView::KeyDown(const std::string& key) { return ContainerKeyDown(key); }

void VR2ContainerView::GotFocus()
{
    if (!CanFocus) {
        // Hands the focus on to the first child that takes it.
        if (const auto child = VR2HostWindow::WalkFocusSiblings(SelfSurface(), nullptr, true, nullptr)) {
            child->changeFocus(0);
            return;
        }
    }
    ContainerGotFocus();
}

// Contextual menus

bool VR2ContainerView::ConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y)
{
    if (const auto answer = mRouting.ConstructMenu(HitTest(x, y), base, x, y))
        return *answer;
    return ContainerConstructContextualMenu(base, x, y);
}

bool VR2ContainerView::ContextualMenuAction(const platform::MenuItem::Ref& hitItem)
{
    return mRouting.MenuAction(hitItem) || ContainerContextualMenuAction(hitItem);
}

// Drag and drop go to the hover child.

bool VR2ContainerView::DragEnter(const VR2DragObject::Ref& drag, int32_t action)
{
    if (const auto over = mRouting.Hovered())
        return over->DoDragEnter(drag, action);
    return ContainerDragEnter(drag, action);
}

bool VR2ContainerView::DragOver(int32_t x, int32_t y, const VR2DragObject::Ref& drag, int32_t action)
{
    if (const auto over = mRouting.Hovered())
        return over->DoDragOver(x - over->left(), y - over->top(), drag, action);
    return ContainerDragOver(x, y, drag, action);
}

void VR2ContainerView::DragExit(const VR2DragObject::Ref& drag, int32_t action)
{
    if (const auto over = mRouting.Hovered())
        over->DoDragExit(drag, action);
    else
        ContainerDragExit(drag, action);
}

void VR2ContainerView::DropObject(const VR2DragObject::Ref& drag, int32_t action)
{
    if (const auto over = mRouting.Hovered())
        over->DoDropObject(drag, action);
    else
        ContainerDropObject(drag, action);
}

// Activation and window-level events

void VR2ContainerView::Deactivate()
{
    VR2View::Active(false);
    VR2ChildRouting::Deactivate(mView);
    ContainerDeactivate();
}

bool VR2ContainerView::CancelClose(bool appQuitting)
{
    return VR2ChildRouting::CancelClose(mView, appQuitting) || ContainerCancelClose(appQuitting);
}

void VR2ContainerView::Close()
{
    mRouting.Close();
    ContainerClose();
}

void VR2ContainerView::EnableMenuItems()
{
    VR2ChildRouting::EnableMenuItems(mView);
    ContainerEnableMenuItems();
}

// Opening and resizing

void VR2ContainerView::Open()
{
    mWindowBounds = VR2Rect::Create(left(), top(), width(), height());
    ContainerOpen();
}

void VR2ContainerView::ArrangeLockedViews(bool live)
{
    mWindowIsResizing = live;
    // Before Open there is no earlier frame to lay the pinned children out from.
    if (AutoArrangeLockedViews && mWindowBounds)
        Vireo2Engine::VR2ArrangeLockedViews(mWindowBounds, bounds(0), live, mView);
    mWindowBounds = bounds(0);
}

void VR2ContainerView::Resized(const VR2Rect::Ref& oldBounds)
{
    ArrangeLockedViews(false);
    ContainerResized(oldBounds);
}

void VR2ContainerView::Resizing(const VR2Rect::Ref& oldBounds)
{
    ArrangeLockedViews(true);
    ContainerResizing(oldBounds);
}

void VR2ContainerView::ViewWillRelease()
{
    ContainerViewWillRelease();
    VR2ChildRouting::DetachAll(mView);
}

// Painting

bool VR2ContainerView::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect)
{
    if (hasBackColor) {
        platform::Require(g).SetForeColor(backColor);
        g->FillRect(rect);
    }
    if (PaintLayer == 0 || PaintLayer == -1)
        ContainerPaintRect(g, rect, 0);
    Vireo2Engine::VR2CompositeRect(g, mView, rect, nullptr);
    if (PaintLayer == 1 || PaintLayer == -1)
        ContainerPaintRect(g, rect, 1);
    return true;
}

// The surface

void VR2ContainerView::VR2Surface_AttachView(const ViewRef& view)
{
    platform::Require(view);
    mView.push_back(view);
    view->Active(VR2View::Active());
    view->DoOpen();
}

void VR2ContainerView::VR2Surface_DetachView(const ViewRef& view)
{
    const auto found = std::find(mView.begin(), mView.end(), view);
    if (!view || found == mView.end())
        return;
    // A child leaving from under the pointer is told the pointer left, so
    // that what it set on entry (an I-beam) is put back.
    if (mRouting.Hovered() == view)
        mRouting.Exit();
    mRouting.Forget(view);
    // DoMouseExit may have changed the list.
    const auto again = std::find(mView.begin(), mView.end(), view);
    if (again != mView.end())
        mView.erase(again);
}

VR2ContainerView::ViewRef VR2ContainerView::VR2Surface_FindViewByName(const std::string& name, bool deep,
                                                                      bool visibleOnly)
{
    return Vireo2Engine::VR2FindViewByName(mView, name, deep, visibleOnly);
}

VR2ContainerView::ViewRef VR2ContainerView::VR2Surface_FindViewAtPoint(const VR2Point::Ref& point,
                                                                       bool visibleOnly, bool recurse,
                                                                       int32_t passOn)
{
    return Vireo2Engine::VR2FindViewAtPoint(mView, point, visibleOnly, recurse, passOn);
}

VR2Point::Ref VR2ContainerView::VR2Surface_MousePosition(int32_t space)
{
    return VR2ChildRouting::MousePosition(mSurface.lock(), space, left(), top());
}

void VR2ContainerView::VR2Surface_ChangeMouseCursor(const platform::MouseCursor::Ref& cursor)
{
    VR2ChildRouting::ChangeMouseCursor(mSurface.lock(), cursor);
}

void VR2ContainerView::VR2Surface_UpdateRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>& pic)
{
    VR2ChildRouting::UpdateRect(mSurface.lock(), rect, pic, left(), top(), width(), height());
}

void VR2ContainerView::VR2Surface_SwapView(const ViewRef& newView, const ViewRef& oldView)
{
    if (!VR2ChildRouting::Swap(mView, newView, oldView, SelfSurface()))
        return;
    mRouting.Forget(oldView);
}

VR2Point::Ref VR2ContainerView::VR2Surface_TranslatePoint(const VR2Point::Ref&, int32_t, int32_t) { return nullptr; }

std::shared_ptr<VR2DragObject> VR2ContainerView::VR2Surface_CreateDragObject(const VR2Rect::Ref&, int32_t)
{
    return nullptr;
}

VR2ContainerView::ViewRef VR2ContainerView::VR2Surface_FindViewSibling(const ViewRef& view, bool forward, bool wrap)
{
    return Vireo2Engine::VR2FindViewSibling(mView, view, forward, wrap);
}

VR2Surface::Ref VR2ContainerView::VR2Surface_RootSurface()
{
    return VR2ChildRouting::RootSurface(mSurface.lock(), SelfSurface());
}

void VR2ContainerView::VR2Surface_ChangeFocus(const ViewRef& view, int32_t code)
{
    VR2ChildRouting::ChangeFocus(mSurface.lock(), view, code);
}

bool VR2ContainerView::VR2Surface_isFocusView(const ViewRef& view)
{
    return VR2ChildRouting::isFocusView(mSurface.lock(), view);
}

VR2Rect::Ref VR2ContainerView::VR2Surface_Bounds(int32_t space)
{
    if (space >= codes::kSpaceLocal && space <= codes::kSpaceScreen)
        return bounds(space);
    throw platform::TypeMismatchException();
}

void VR2ContainerView::VR2Surface_SubviewDidChangeBounds(const ViewRef&, const VR2Rect::Ref&, bool, bool) {}

std::vector<VR2ContainerView::ViewRef>& VR2ContainerView::VR2Surface_getViewList() { return mView; }

VR2ContainerView::ViewRef VR2ContainerView::VR2Surface_focusView() { return nullptr; }
