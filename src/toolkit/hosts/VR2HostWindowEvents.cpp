#include "toolkit/hosts/VR2HostWindow.h"

#include "platform/Codes.h"
#include "platform/EventLoop.h"
#include "platform/Keyboard.h"
#include "platform/System.h"
#include "platform/Text.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"


// Mouse

bool VR2HostWindow::OnMouseDown(int32_t x, int32_t y)
{
    // A contextual click is left to ConstructContextualMenu.
    if (platform::IsCMMClick())
        return false;
    return mRouting.Press(HitTest(x, y), x, y) || MouseDown(x, y);
}

void VR2HostWindow::OnMouseDrag(int32_t x, int32_t y)
{
    if (const auto drag = Vireo2Engine::VR2CurrentDragObject) {
        drag->ContinueDragTracking();
        return;
    }
    if (!mRouting.Drag(x, y))
        MouseDrag(x, y);
}

void VR2HostWindow::OnMouseUp(int32_t x, int32_t y)
{
    if (const auto drag = Vireo2Engine::VR2CurrentDragObject) {
        drag->ProcessMouseUp();
        Vireo2Engine::VR2CurrentDragObject = nullptr;
    }
    if (mRouting.Release(x, y))
        DoTrackMouseMovement(x, y);
    else
        MouseUp(x, y);
}

void VR2HostWindow::OnMouseMove(int32_t x, int32_t y) { DoTrackMouseMovement(x, y); }

void VR2HostWindow::DoTrackMouseMovement(int32_t x, int32_t y)
{
    if (!mRouting.Track(HitTest(x, y), x, y))
        MouseMove(x, y);
}

void VR2HostWindow::OnMouseEnter()
{
    MouseEnter();
    DoTrackMouseMovement(MouseX(), MouseY());
}

void VR2HostWindow::OnMouseExit()
{
    mRouting.Exit();
    MouseExit();
}

bool VR2HostWindow::OnMouseWheel(int32_t x, int32_t y, int32_t deltaX, int32_t deltaY)
{
    return VR2ChildRouting::Wheel(HitTest(x, y), x, y, deltaX, deltaY) || MouseWheel(x, y, deltaX, deltaY);
}

// Keys

bool VR2HostWindow::OnKeyDown(const std::string& key)
{
    const auto focus = LiveFocusView();
    if (!focus)
        return KeyDown(key);
    if (focus->DoKeyDown(key) || KeyDown(key))
        return true;
    if (mFocusView.lock() && key == platform::Chr(codes::kKeyTab)) {
        changeFocus(platform::Keyboard::ShiftKey() ? codes::kFocusPrevious : codes::kFocusNext);
        return true;
    }
    return false;
}

// Contextual menus

bool VR2HostWindow::OnConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y)
{
    if (const auto answer = mRouting.ConstructMenu(HitTest(x, y), base, x, y))
        return *answer;
    return ConstructContextualMenu(base, x, y);
}

bool VR2HostWindow::OnContextualMenuAction(const platform::MenuItem::Ref& hitItem)
{
    return mRouting.MenuAction(hitItem) || ContextualMenuAction(hitItem);
}

// Drag and drop: the hover view receives the desktop's drags.

bool VR2HostWindow::OnDragEnter(const platform::DragItem::Ref& item, int32_t action)
{
    const auto drag = VR2DragObject::Create(item);
    if (const auto over = mRouting.Hovered())
        return over->DoDragEnter(drag, action);
    return DragEnter(drag, action);
}

bool VR2HostWindow::OnDragOver(int32_t x, int32_t y, const platform::DragItem::Ref& item, int32_t action)
{
    const auto drag = VR2DragObject::Create(item);
    if (const auto over = mRouting.Hovered())
        return over->DoDragOver(x - over->left(), y - over->top(), drag, action);
    return DragOver(x, y, drag, action);
}

void VR2HostWindow::OnDragExit(const platform::DragItem::Ref& item, int32_t action)
{
    const auto drag = VR2DragObject::Create(item);
    if (const auto over = mRouting.Hovered())
        over->DoDragExit(drag, action);
    else
        DragExit(drag, action);
}

void VR2HostWindow::OnDropObject(const platform::DragItem::Ref& item, int32_t action)
{
    const auto drag = VR2DragObject::Create(item);
    if (const auto over = mRouting.Hovered())
        over->DoDropObject(drag, action);
    else
        DropObject(drag, action);
}

bool VR2HostWindow::VR2DragObject_DragEnter(const VR2DragObject::Ref& drag, int32_t action)
{
    return DragEnter(drag, action);
}

bool VR2HostWindow::VR2DragObject_DragOver(int32_t x, int32_t y, const VR2DragObject::Ref& drag, int32_t action)
{
    return DragOver(x, y, drag, action);
}

bool VR2HostWindow::VR2DragObject_DragExit(const VR2DragObject::Ref& drag, int32_t action)
{
    DragExit(drag, action);
    return true;
}

bool VR2HostWindow::VR2DragObject_DropObject(const VR2DragObject::Ref& drag, int32_t action)
{
    DropObject(drag, action);
    return true;
}

// Activation and menus

void VR2HostWindow::OnActivate()
{
    mActive = true;
    VR2ChildRouting::Activate(mView, platform::YieldToEventLoop);
    Activate();
    if (const auto focus = mFocusView.lock())
        focus->DoGotFocus();
}

void VR2HostWindow::OnDeactivate()
{
    mActive = false;
    VR2ChildRouting::Deactivate(mView, platform::YieldToEventLoop);
    Deactivate();
    // The focus view stays, to get the focus back on the next Activate.
    if (const auto focus = mFocusView.lock())
        focus->DoLostFocus();
}

void VR2HostWindow::OnEnableMenuItems()
{
    VR2ChildRouting::EnableMenuItems(mView, platform::YieldToEventLoop);
    EnableMenuItems();
}

void VR2HostWindow::OnMaximize() { Maximize(); }
void VR2HostWindow::OnMinimize() { Minimize(); }
void VR2HostWindow::OnMoved() { Moved(); }

// Opening, closing, resizing

void VR2HostWindow::OnOpen()
{
    AutoDeactivate = true;
    mWindowBounds = bounds();
    Open();
}

bool VR2HostWindow::OnCancelClose(bool appQuitting)
{
    return VR2ChildRouting::CancelClose(mView, appQuitting, platform::YieldToEventLoop) || CancelClose(appQuitting);
}

void VR2HostWindow::OnClose()
{
    mRouting.Close();
    TakeFocus();
    VR2ChildRouting::DetachAll(mView);
    Closed();
}

void VR2HostWindow::ArrangeViews(bool live)
{
    const auto now = bounds();
    Vireo2Engine::VR2ArrangeLockedViews(mWindowBounds, now, live, mView);
    mWindowBounds = bounds();
}

void VR2HostWindow::OnResizing()
{
    ArrangeViews(true);
    Resizing();
}

void VR2HostWindow::OnResized()
{
    ArrangeViews(false);
    Resized();
}
