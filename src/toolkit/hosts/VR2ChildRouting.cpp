#include "toolkit/hosts/VR2ChildRouting.h"

#include "platform/Exceptions.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/geometry/VR2RectClip.h"

#include <algorithm>

bool VR2ChildRouting::Press(const ViewRef& child, int32_t x, int32_t y)
{
    if (!child || !child->DoMouseDown(x - child->left(), y - child->top()))
        return false;
    mMouseDown = child;
    return true;
}

bool VR2ChildRouting::Drag(int32_t x, int32_t y)
{
    const auto capture = mMouseDown.lock();
    if (!capture)
        return false;
    if (capture->CancelDragging)
        return true;
    bool cancel = false;
    capture->DoMouseDrag(x - capture->left(), y - capture->top(), cancel);
    if (cancel)
        capture->CancelDragging = true;
    return true;
}

bool VR2ChildRouting::Release(int32_t x, int32_t y)
{
    const auto capture = mMouseDown.lock();
    if (!capture)
        return false;
    mMouseDown.reset();
    capture->DoMouseUp(x - capture->left(), y - capture->top());
    return true;
}

bool VR2ChildRouting::Track(const ViewRef& child, int32_t x, int32_t y)
{
    auto over = mMouseOver.lock();
    if (over && over != child) {
        mMouseOver.reset();
        over->DoMouseExit();
        over = nullptr;
    }
    if (!child)
        return false;
    if (!over) {
        mMouseOver = child;
        child->DoMouseEnter();
    }
    if ((over = mMouseOver.lock()))
        over->DoMouseMove(x - over->left(), y - over->top());
    return true;
}

void VR2ChildRouting::Exit()
{
    if (const auto over = mMouseOver.lock()) {
        mMouseOver.reset();
        over->DoMouseExit();
    }
}

void VR2ChildRouting::Close()
{
    mContextualMenu.reset();
    Exit();
}

bool VR2ChildRouting::Wheel(const ViewRef& child, int32_t x, int32_t y, int32_t deltaX, int32_t deltaY)
{
    return child && child->DoMouseWheel(x - child->left(), y - child->top(), deltaX, deltaY);
}

std::optional<bool> VR2ChildRouting::ConstructMenu(const ViewRef& child, const platform::MenuItem::Ref& base,
                                                   int32_t x, int32_t y)
{
    mContextualMenu = child;
    if (!child)
        return std::nullopt;
    return child->DoConstructContextualMenu(base, x - child->left(), y - child->top());
}

bool VR2ChildRouting::MenuAction(const platform::MenuItem::Ref& item)
{
    const auto child = mContextualMenu.lock();
    if (!child || !child->DoContextualMenuAction(item))
        return false;
    mContextualMenu.reset();
    return true;
}

void VR2ChildRouting::Forget(const ViewRef& view)
{
    for (auto* reference : {&mMouseDown, &mMouseOver, &mContextualMenu})
        if (reference->lock() == view)
            reference->reset();
}

namespace {

// Visits each view over a copy of the list; true at the first visit that answers true.
bool Visit(const std::vector<VR2ChildRouting::ViewRef>& views,
           const std::function<bool(const VR2ChildRouting::ViewRef&)>& visit, const std::function<void()>& afterEach)
{
    for (const auto& view : std::vector<VR2ChildRouting::ViewRef>(views)) {
        if (visit(view))
            return true;
        if (afterEach)
            afterEach();
    }
    return false;
}

}  // namespace

void VR2ChildRouting::Activate(const std::vector<ViewRef>& views, const std::function<void()>& afterEach)
{
    Visit(views, [](const ViewRef& view) { view->DoActivate(); return false; }, afterEach);
}

void VR2ChildRouting::Deactivate(const std::vector<ViewRef>& views, const std::function<void()>& afterEach)
{
    Visit(views, [](const ViewRef& view) { view->DoDeactivate(); return false; }, afterEach);
}

void VR2ChildRouting::EnableMenuItems(const std::vector<ViewRef>& views, const std::function<void()>& afterEach)
{
    Visit(views, [](const ViewRef& view) { view->DoEnableMenuItems(); return false; }, afterEach);
}

bool VR2ChildRouting::CancelClose(const std::vector<ViewRef>& views, bool appQuitting,
                                  const std::function<void()>& afterEach)
{
    return Visit(views, [appQuitting](const ViewRef& view) { return view->DoCancelClose(appQuitting); }, afterEach);
}

VR2Point::Ref VR2ChildRouting::MousePosition(const VR2Surface::Ref& parent, int32_t space, int32_t left, int32_t top)
{
    const auto point = platform::Require(parent).MousePosition(space);
    if (space < codes::kSpaceLocal || space > codes::kSpaceScreen)
        return nullptr;
    if (space == codes::kSpaceLocal && point)
        point->offset(left, top, nullptr);
    return point;
}

void VR2ChildRouting::ChangeMouseCursor(const VR2Surface::Ref& parent, const platform::MouseCursor::Ref& cursor)
{
    platform::Require(parent).ChangeMouseCursor(cursor);
}

void VR2ChildRouting::UpdateRect(const VR2Surface::Ref& parent, const VR2Rect::Ref& rect,
                                 const std::shared_ptr<platform::Picture>& picture, int32_t left, int32_t top,
                                 int32_t width, int32_t height)
{
    if (!parent)
        return;
    if (const auto clipped = VR2ClipRect(platform::Require(rect), 0, 0, width, height, left, top))
        parent->UpdateRect(clipped, picture);
}

VR2Surface::Ref VR2ChildRouting::RootSurface(const VR2Surface::Ref& parent, const VR2Surface::Ref& unheld)
{
    return parent ? parent->RootSurface() : unheld;
}

void VR2ChildRouting::ChangeFocus(const VR2Surface::Ref& parent, const ViewRef& view, int32_t code)
{
    if (parent)
        parent->ChangeFocus(view, code);
}

bool VR2ChildRouting::isFocusView(const VR2Surface::Ref& parent, const ViewRef& view)
{
    return parent && parent->isFocusView(view);
}

bool VR2ChildRouting::Swap(std::vector<ViewRef>& views, const ViewRef& newView, const ViewRef& oldView,
                           const VR2Surface::Ref& holder)
{
    platform::Require(newView);
    platform::Require(oldView);
    const auto found = std::find(views.begin(), views.end(), oldView);
    if (found == views.end())
        return false;
    *found = newView;
    oldView->DoClose();
    oldView->detach(false, true);
    newView->attach(holder, false, true);
    newView->DoOpen();
    return true;
}

void VR2ChildRouting::DetachAll(std::vector<ViewRef>& views)
{
    while (!views.empty()) {
        const auto first = views.front();
        first->detach(false, true);
        // Detaching may have changed the list.
        const auto found = std::find(views.begin(), views.end(), first);
        if (found != views.end())
            views.erase(found);
    }
}
