#include "toolkit/controls/VR2ViewManager.h"

#include "platform/Codes.h"
#include "platform/Exceptions.h"
#include "platform/Keyboard.h"
#include "platform/System.h"
#include "platform/Text.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

VR2ViewManager::VR2ViewManager() : mBounds(VR2Rect::Create()) {}

void VR2ViewManager::setSurface(const VR2Surface::Ref& surface)
{
    mSurface = surface;
    mBounds = platform::Require(surface).Bounds(codes::kSpaceLocal);
}

void VR2ViewManager::resize(int32_t width, int32_t height)
{
    mBounds->width = width;
    mBounds->height = height;
}

VR2Point::Ref VR2ViewManager::position() const { return VR2Point::Create(mBounds->left, mBounds->top); }

VR2Rect::Ref VR2ViewManager::frame() const { return VR2Rect::Create(mBounds->width, mBounds->height); }

void VR2ViewManager::setStackedInOrder(bool stacked)
{
    mStacked = stacked;
    mStackedCheckedAt.reset();
}

bool VR2ViewManager::Stacked()
{
    if (!mStacked)
        return false;
    const uint64_t changes = VR2View::FrameChanges();
    if (mStackedCheckedAt == changes)
        return true;
    // The range search needs the tops and the bottoms each in list order. One
    // pass over the frames is far cheaper than asking every view at each hit.
    int64_t top = INT64_MIN, bottom = INT64_MIN;
    for (const auto& view : mView) {
        const int64_t viewTop = view->top(), viewBottom = viewTop + view->height();
        if (viewTop < top || viewBottom < bottom) {
            mStacked = false;
            return false;
        }
        top = viewTop;
        bottom = viewBottom;
    }
    mStackedCheckedAt = changes;
    return true;
}

std::pair<size_t, size_t> VR2ViewManager::StackedRange(int32_t top, int32_t bottom) const
{
    const auto first = std::partition_point(mView.begin(), mView.end(), [top](const ViewRef& view) {
        return int64_t{view->top()} + view->height() < top;
    });
    const auto last = std::partition_point(first, mView.end(), [bottom](const ViewRef& view) {
        return view->top() <= bottom;
    });
    return {static_cast<size_t>(first - mView.begin()), static_cast<size_t>(last - mView.begin())};
}

VR2ViewManager::ViewRef VR2ViewManager::HitTest(int32_t x, int32_t y)
{
    size_t first = 0, last = mView.size();
    if (Stacked())
        std::tie(first, last) = StackedRange(y, y);
    // Only what shows can be hit: a view whose frame lies wholly outside the
    // surface's visible part is not painted, so it is passed over unasked.
    const auto surface = mSurface.lock();
    const auto shown = surface ? surface->Bounds(codes::kSpaceLocal) : nullptr;
    if (shown)
        shown->setPosition(VR2Point::Create(platform::WrapNeg(shown->left), platform::WrapNeg(shown->top)));
    // The topmost first, as every holder's hit test goes.
    for (size_t index = last; index-- > first;) {
        VR2View& view = *mView[index];
        if (!view.Visible)
            continue;
        if (shown && !shown->intersects(view.left(), view.top(), view.width(), view.height()))
            continue;
        if (view.containsPoint(x, y))
            return mView[index];
    }
    return nullptr;
}

// The list

void VR2ViewManager::VR2Surface_AttachView(const ViewRef& view)
{
    platform::Require(view);
    mView.push_back(view);
    setStackedInOrder(false);
    view->Active(mActive);
    view->DoOpen();
}

void VR2ViewManager::Forget(const ViewRef& view)
{
    if (FocusView.lock() == view)
        FocusView.reset();
    mRouting.Forget(view);
}

void VR2ViewManager::VR2Surface_DetachView(const ViewRef& view)
{
    const auto found = std::find(mView.begin(), mView.end(), view);
    if (!view || found == mView.end())
        return;
    mView.erase(found);
    setStackedInOrder(false);
    Forget(view);
}

VR2ViewManager::ViewRef VR2ViewManager::VR2Surface_FindViewByName(const std::string& name, bool deep,
                                                                  bool visibleOnly)
{
    return Vireo2Engine::VR2FindViewByName(mView, name, deep, visibleOnly);
}

VR2ViewManager::ViewRef VR2ViewManager::VR2Surface_FindViewAtPoint(const VR2Point::Ref& point, bool visibleOnly,
                                                                   bool recurse, int32_t passOn)
{
    return Vireo2Engine::VR2FindViewAtPoint(mView, point, visibleOnly, recurse, passOn);
}

VR2Point::Ref VR2ViewManager::VR2Surface_MousePosition(int32_t space)
{
    return VR2ChildRouting::MousePosition(mSurface.lock(), space, mBounds->left, mBounds->top);
}

void VR2ViewManager::VR2Surface_ChangeMouseCursor(const platform::MouseCursor::Ref& cursor)
{
    VR2ChildRouting::ChangeMouseCursor(mSurface.lock(), cursor);
}

void VR2ViewManager::VR2Surface_UpdateRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>& picture)
{
    VR2ChildRouting::UpdateRect(mSurface.lock(), rect, picture, mBounds->left, mBounds->top, mBounds->width,
                                mBounds->height);
}

void VR2ViewManager::VR2Surface_SwapView(const ViewRef& newView, const ViewRef& oldView)
{
    if (!VR2ChildRouting::Swap(mView, newView, oldView, mSurface.lock()))
        return;
    setStackedInOrder(false);
    Forget(oldView);
}

VR2Point::Ref VR2ViewManager::VR2Surface_TranslatePoint(const VR2Point::Ref&, int32_t, int32_t) { return nullptr; }

std::shared_ptr<VR2DragObject> VR2ViewManager::VR2Surface_CreateDragObject(const VR2Rect::Ref&, int32_t)
{
    return nullptr;
}

VR2ViewManager::ViewRef VR2ViewManager::VR2Surface_FindViewSibling(const ViewRef& view, bool forward, bool wrap)
{
    return Vireo2Engine::VR2FindViewSibling(mView, view, forward, wrap);
}

VR2Surface::Ref VR2ViewManager::VR2Surface_RootSurface()
{
    return VR2ChildRouting::RootSurface(mSurface.lock(), nullptr);
}

void VR2ViewManager::VR2Surface_ChangeFocus(const ViewRef& view, int32_t code)
{
    VR2ChildRouting::ChangeFocus(mSurface.lock(), view, code);
}

bool VR2ViewManager::VR2Surface_isFocusView(const ViewRef& view)
{
    if (UseFocusView)
        return view && view == FocusView.lock();
    return VR2ChildRouting::isFocusView(mSurface.lock(), view);
}

VR2Rect::Ref VR2ViewManager::VR2Surface_Bounds(int32_t space)
{
    return platform::Require(mSurface.lock()).Bounds(space);
}

VR2ViewManager::ViewRef VR2ViewManager::VR2Surface_focusView()
{
    if (UseFocusView)
        return FocusView.lock();
    const auto surface = mSurface.lock();
    if (!surface)
        return nullptr;
    for (const auto& view : mView)
        if (surface->isFocusView(view))
            return view;
    return nullptr;
}

// Queries

bool VR2ViewManager::containsPoint(int32_t x, int32_t y)
{
    const int32_t localX = platform::WrapSub(x, mBounds->left), localY = platform::WrapSub(y, mBounds->top);
    return std::any_of(mView.begin(), mView.end(),
                       [&](const ViewRef& view) { return view->containsPoint(localX, localY); });
}

bool VR2ViewManager::doesAcceptFocus()
{
    return std::any_of(mView.begin(), mView.end(), [](const ViewRef& view) { return view->doesAcceptFocus(); });
}

VR2Region::Ref VR2ViewManager::getOccupiedRegion(bool visibleOnly)
{
    auto region = VR2Region::Create();
    for (const auto& view : mView)
        if (!visibleOnly || view->Visible)
            region->append(view->bounds(codes::kSpaceLocal));
    return region;
}

// Focus

void VR2ViewManager::LoseFocus()
{
    const auto old = FocusView.lock();
    FocusView.reset();
    if (old)
        old->DoLostFocus();
}

void VR2ViewManager::GainFocus(const ViewRef& view)
{
    FocusView = view;
    view->DoGotFocus();
}

VR2ViewManager::ViewRef VR2ViewManager::SearchOwnList(bool forward)
{
    const auto surface = mSurface.lock();
    return surface ? VR2HostWindow::WalkFocusSiblings(surface, nullptr, forward, nullptr) : nullptr;
}

void VR2ViewManager::changeFocus(const ViewRef& view, int32_t code)
{
    switch (code) {
    case codes::kFocusGive:
        // Checked first, so that a nil request leaves the focus where it was.
        platform::Require(view);
        if (view == FocusView.lock())
            return;
        LoseFocus();
        GainFocus(view);
        return;
    case codes::kFocusTake:
        if (const auto focus = FocusView.lock(); focus && (!view || view == focus))
            LoseFocus();
        return;
    case codes::kFocusNext:
    case codes::kFocusPrevious:
        MoveFocus(code == codes::kFocusNext);
        return;
    default:
        return;
    }
}

void VR2ViewManager::MoveFocus(bool forward)
{
    const auto focus = FocusView.lock();
    if (!focus) {
        if (const auto found = SearchOwnList(forward))
            GainFocus(found);
        return;
    }
    // Within the focus view's own holder; a pass that finds nothing else ends on the focus view.
    const auto holder = focus->parent(false);
    platform::Require(holder);
    if (const auto found = VR2HostWindow::WalkFocusSiblings(holder, focus, forward, focus)) {
        LoseFocus();
        GainFocus(found);
        return;
    }
    LoseFocus();
    const auto found = SearchOwnList(forward);
    if (found && found != focus)
        GainFocus(found);
}

void VR2ViewManager::DoGotFocus()
{
    GotFocus();
    if (!mView.empty())
        mView.front()->changeFocus(codes::kFocusGive);
}

bool VR2ViewManager::DoKeyDown(const std::string& key)
{
    const auto focus = FocusView.lock();
    if (!focus)
        return KeyDown(key);
    if (focus->DoKeyDown(key) || KeyDown(key))
        return true;
    if (key == platform::Chr(codes::kKeyTab)) {
        changeFocus(focus, platform::Keyboard::ShiftKey() ? codes::kFocusPrevious : codes::kFocusNext);
        return true;
    }
    return false;
}

// Mouse

bool VR2ViewManager::DoMouseDown(int32_t x, int32_t y)
{
    if (platform::IsCMMClick())
        return false;
    return mRouting.Press(HitTest(x, y), x, y) || MouseDown(x, y);
}

void VR2ViewManager::DoMouseDrag(int32_t x, int32_t y)
{
    if (const auto drag = Vireo2Engine::VR2CurrentDragObject)
        drag->ContinueDragTracking();
    else if (!mRouting.Drag(x, y))
        MouseDrag(x, y);
}

void VR2ViewManager::DoMouseUp(int32_t x, int32_t y)
{
    if (!mRouting.Release(x, y)) {
        MouseUp(x, y);
        return;
    }
    // The hover follows the pointer to where the press ended.
    DoTrackMouseMovement(x, y);
}

void VR2ViewManager::DoTrackMouseMovement(int32_t x, int32_t y)
{
    if (!mRouting.Track(HitTest(x, y), x, y))
        MouseMove(x, y);
}

void VR2ViewManager::DoMouseExit()
{
    mRouting.Exit();
    MouseExit();
}

bool VR2ViewManager::DoMouseWheel(int32_t x, int32_t y, int32_t deltaX, int32_t deltaY)
{
    return VR2ChildRouting::Wheel(HitTest(x, y), x, y, deltaX, deltaY) || MouseWheel(x, y, deltaX, deltaY);
}

// Menus and drops

bool VR2ViewManager::DoConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y)
{
    if (const auto answer = mRouting.ConstructMenu(HitTest(x, y), base, x, y))
        return *answer;
    return ConstructContextualMenu(base, x, y);
}

bool VR2ViewManager::DoContextualMenuAction(const platform::MenuItem::Ref& item)
{
    return mRouting.MenuAction(item) || ContextualMenuAction(item);
}

void VR2ViewManager::DoDropObject(const VR2DragObject::Ref& drag, int32_t action)
{
    if (const auto over = mRouting.Hovered())
        over->DoDropObject(drag, action);
    else
        DropObject(drag, action);
}

// Activation, closing, painting, layout

void VR2ViewManager::DoDeactivate()
{
    mActive = false;
    VR2ChildRouting::Deactivate(mView);
    Deactivate();
}

void VR2ViewManager::DoEnableMenuItems()
{
    VR2ChildRouting::EnableMenuItems(mView);
    EnableMenuItems();
}

bool VR2ViewManager::DoCancelClose(bool appQuitting)
{
    return VR2ChildRouting::CancelClose(mView, appQuitting) || CancelClose(appQuitting);
}

void VR2ViewManager::DoClose()
{
    mRouting.Close();
    LoseFocus();
    mSurface.reset();
    setStackedInOrder(false);
    VR2ChildRouting::DetachAll(mView);
    Close();
}

bool VR2ViewManager::DoPaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect)
{
    if (!Stacked()) {
        Vireo2Engine::VR2CompositeRect(g, mView, rect, nullptr);
        return true;
    }
    const auto [first, last] = StackedRange(platform::Require(rect).top, rect->bottom());
    const std::vector<ViewRef> near(mView.begin() + static_cast<std::ptrdiff_t>(first),
                                    mView.begin() + static_cast<std::ptrdiff_t>(last));
    Vireo2Engine::VR2CompositeRect(g, near, rect, nullptr);
    return true;
}

void VR2ViewManager::DoResized(const VR2Rect::Ref& oldBounds)
{
    Vireo2Engine::VR2ArrangeLockedViews(oldBounds, mBounds, false, mView);
    Resized(oldBounds);
}

void VR2ViewManager::DoResizing(const VR2Rect::Ref& oldBounds)
{
    Vireo2Engine::VR2ArrangeLockedViews(oldBounds, mBounds, true, mView);
    Resizing(oldBounds);
}
