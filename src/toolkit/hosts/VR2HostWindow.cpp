#include "toolkit/hosts/VR2HostWindow.h"

#include "platform/EventLoop.h"
#include "platform/Exceptions.h"
#include "platform/System.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"

#include <algorithm>

VR2HostWindow::VR2HostWindow() = default;

VR2HostWindow::~VR2HostWindow() = default;

VR2HostWindow::Ref VR2HostWindow::Self()
{
    return std::dynamic_pointer_cast<VR2HostWindow>(shared_from_this());
}

VR2Rect::Ref VR2HostWindow::bounds() { return VR2Rect::Create(Left(), Top(), Width(), Height()); }

VR2HostWindow::ViewRef VR2HostWindow::HitTest(int32_t x, int32_t y)
{
    return FindViewAtPoint(VR2Point::Create(x, y), true, false, 0);
}

// The view list

void VR2HostWindow::VR2Surface_AttachView(const ViewRef& view)
{
    platform::Require(view).Active(mActive);
    mView.push_back(view);
    view->DoOpen();
}

void VR2HostWindow::VR2Surface_DetachView(const ViewRef& view)
{
    platform::Require(view);
    // A view that leaves the window takes no more keys, drags or hover calls.
    ForgetView(view);
    const auto found = std::find(mView.begin(), mView.end(), view);
    if (found != mView.end())
        mView.erase(found);
}

void VR2HostWindow::ForgetView(const ViewRef& view)
{
    mRouting.Forget(view);
    // The focus may lie anywhere inside the view.
    for (auto inside = mFocusView.lock(); inside;
         inside = std::dynamic_pointer_cast<VR2View>(inside->parent(false))) {
        if (inside == view) {
            TakeFocus();
            break;
        }
    }
}

VR2HostWindow::ViewRef VR2HostWindow::VR2Surface_FindViewByName(const std::string& name, bool deep,
                                                                bool visibleOnly)
{
    return Vireo2Engine::VR2FindViewByName(mView, name, deep, visibleOnly);
}

VR2HostWindow::ViewRef VR2HostWindow::VR2Surface_FindViewAtPoint(const VR2Point::Ref& point, bool visibleOnly,
                                                                 bool recurse, int32_t passOn)
{
    return Vireo2Engine::VR2FindViewAtPoint(mView, point, visibleOnly, recurse, passOn);
}

VR2Point::Ref VR2HostWindow::VR2Surface_MousePosition(int32_t space)
{
    if (space == codes::kSpaceScreen)
        return VR2Point::Create(platform::System::MouseX(), platform::System::MouseY());
    if (space >= codes::kSpaceLocal && space < codes::kSpaceScreen)
        return VR2Point::Create(MouseX(), MouseY());
    return nullptr;
}

void VR2HostWindow::VR2Surface_ChangeMouseCursor(const platform::MouseCursor::Ref& cursor) { MouseCursor(cursor); }

void VR2HostWindow::VR2Surface_SwapView(const ViewRef& newView, const ViewRef& oldView)
{
    platform::Require(newView);
    platform::Require(oldView);
    if (std::find(mView.begin(), mView.end(), oldView) == mView.end())
        return;
    // The old view gives up the focus, capture and hover before it closes.
    ForgetView(oldView);
    VR2ChildRouting::Swap(mView, newView, oldView, Self());
}

VR2Point::Ref VR2HostWindow::VR2Surface_TranslatePoint(const VR2Point::Ref&, int32_t, int32_t) { return nullptr; }

std::shared_ptr<VR2DragObject> VR2HostWindow::VR2Surface_CreateDragObject(const VR2Rect::Ref&, int32_t)
{
    return nullptr;
}

VR2HostWindow::ViewRef VR2HostWindow::VR2Surface_FindViewSibling(const ViewRef& view, bool forward, bool wrap)
{
    return Vireo2Engine::VR2FindViewSibling(mView, view, forward, wrap);
}

VR2Surface::Ref VR2HostWindow::VR2Surface_RootSurface() { return Self(); }

bool VR2HostWindow::VR2Surface_isFocusView(const ViewRef& view) { return view && view == mFocusView.lock(); }

VR2Rect::Ref VR2HostWindow::VR2Surface_Bounds(int32_t space)
{
    if (space >= codes::kSpaceLocal && space < codes::kSpaceScreen)
        return VR2Rect::Create(0, 0, Width(), Height());
    if (space == codes::kSpaceScreen)
        return bounds();
    throw platform::TypeMismatchException();
}

void VR2HostWindow::VR2Surface_SubviewDidChangeBounds(const ViewRef&, const VR2Rect::Ref&, bool, bool) {}

std::vector<VR2HostWindow::ViewRef>& VR2HostWindow::VR2Surface_getViewList() { return mView; }

VR2HostWindow::ViewRef VR2HostWindow::VR2Surface_focusView() { return mFocusView.lock(); }

// Focus

void VR2HostWindow::GiveFocus(const ViewRef& view)
{
    mFocusView = view;
    view->DoGotFocus();
}

void VR2HostWindow::TakeFocus()
{
    const auto old = mFocusView.lock();
    mFocusView.reset();
    if (old)
        old->DoLostFocus();
}

VR2HostWindow::ViewRef VR2HostWindow::LiveFocusView()
{
    const auto focus = mFocusView.lock();
    if (!focus)
        return nullptr;
    // A view that left the window (alone or inside a holder) gives up the focus.
    if (focus->parent(true).get() != static_cast<VR2Surface*>(this)) {
        TakeFocus();
        return nullptr;
    }
    return focus;
}

void VR2HostWindow::VR2Surface_ChangeFocus(const ViewRef& view, int32_t code)
{
    switch (code) {
    case codes::kFocusGive:
        SetFocus();
        if (view && view == mFocusView.lock())
            return;
        TakeFocus();
        if (view)
            GiveFocus(view);
        return;
    case codes::kFocusTake:
        if (view && view == mFocusView.lock())
            TakeFocus();
        return;
    case codes::kFocusNext:
    case codes::kFocusPrevious:
        SetFocus();
        MoveFocus(code == codes::kFocusNext);
        return;
    default:
        return;
    }
}

void VR2HostWindow::changeFocus(int32_t code)
{
    switch (code) {
    case codes::kFocusGive:
        TakeFocus();
        return;
    case codes::kFocusTake:
        if (const auto focus = mFocusView.lock())
            ChangeFocus(focus, codes::kFocusTake);
        return;
    case codes::kFocusNext:
    case codes::kFocusPrevious:
        ChangeFocus(nullptr, code);
        return;
    default:
        return;
    }
}

VR2HostWindow::ViewRef VR2HostWindow::WalkSiblings(const VR2Surface::Ref& surface, const ViewRef& start,
                                                   bool forward)
{
    return WalkFocusSiblings(surface, start, forward, mFocusView.lock());
}

VR2HostWindow::ViewRef VR2HostWindow::WalkFocusSiblings(const VR2Surface::Ref& surface, const ViewRef& start,
                                                        bool forward, const ViewRef& stopAt)
{
    ViewRef current = start;
    // Without a view that accepts the focus the search would go round for
    // ever: one pass over the list ends it.
    for (size_t steps = 0; steps <= platform::Require(surface).getViewList().size(); ++steps) {
        const auto next = surface->FindViewSibling(current, forward, true);
        platform::YieldToEventLoop();
        if (!next || (stopAt && next == stopAt) || next->doesAcceptFocus())
            return next;
        current = next;
    }
    return nullptr;
}

void VR2HostWindow::MoveFocus(bool forward)
{
    const auto window = Self();
    const auto focus = LiveFocusView();
    if (!focus) {
        if (const auto found = WalkSiblings(window, nullptr, forward))
            GiveFocus(found);
        return;
    }
    // First within the surface that holds the focus view, wrapping there.
    if (const auto holder = focus->parent(false)) {
        if (const auto found = WalkSiblings(holder, focus, forward)) {
            TakeFocus();
            GiveFocus(found);
            return;
        }
    }
    TakeFocus();
    const auto found = WalkSiblings(window, nullptr, forward);
    if (found && found != focus)
        GiveFocus(found);
}
