#include "toolkit/hosts/VR2ChildRouting.h"

#include "platform/Exceptions.h"

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
