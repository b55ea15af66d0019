#include "toolkit/core/Vireo2Engine.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2Surface.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/geometry/VR2Pinning.h"
#include "toolkit/geometry/VR2Point.h"
#include "toolkit/geometry/VR2Rect.h"

namespace Vireo2Engine {

namespace {

// Centres a length in a box from 0 to extent.
int32_t Centred(int32_t extent, int32_t length)
{
    return platform::DoubleToInt32(static_cast<double>(extent) / 2.0 - static_cast<double>(length) / 2.0);
}

void ApplyPinning(VR2View& view, const VR2Pinning& pinning, int32_t dw, int32_t dh, const VR2Rect& newBounds)
{
    if ((pinning.Top && pinning.Bottom) || pinning.Height)
        view.height(platform::WrapAdd(view.height(), dh));
    else if (pinning.Top)
        ;
    else if (pinning.Bottom)
        view.top(platform::WrapAdd(view.top(), dh));
    else if (pinning.Center_Vertical)
        view.top(Centred(newBounds.height, view.height()));

    if ((pinning.Left && pinning.Right) || pinning.Width)
        view.width(platform::WrapAdd(view.width(), dw));
    else if (pinning.Right)
        view.left(platform::WrapAdd(view.left(), dw));
    else if (pinning.Left)
        ;
    else if (pinning.Center_Horizontal)
        view.left(Centred(newBounds.width, view.width()));
}

}  // namespace

bool VR2ArrangeLockedViews(const std::shared_ptr<VR2Rect>& oldBounds, const std::shared_ptr<VR2Rect>& newBounds,
                           bool live, const ViewList& views)
{
    // Collected first: hooks that change the holder's list do not change this pass.
    ViewList pinned;
    for (const auto& view : views)
        if (platform::Require(view).Pinning && view->Pinning->isLocked())
            pinned.push_back(view);
    if (pinned.empty())
        return false;
    const auto& from = platform::Require(oldBounds);
    const auto& to = platform::Require(newBounds);
    const int32_t dw = platform::WrapSub(to.width, from.width);
    const int32_t dh = platform::WrapSub(to.height, from.height);

    for (const auto& view : pinned) {
        // A view released by an earlier view's hook has no pinning left.
        const auto pinning = view->Pinning;
        if (!pinning)
            continue;
        const auto before = view->bounds(codes::kSpaceLocal);
        ApplyPinning(*view, *pinning, dw, dh, to);
        if (!live)
            view->DoResized(before);
        else if (!view->bounds(codes::kSpaceLocal)->equal(before))
            view->DoResizing(before);
    }
    return true;
}

std::shared_ptr<VR2View> VR2FindViewAtPoint(const ViewList& views, const std::shared_ptr<VR2Point>& point,
                                            bool visibleOnly, bool recurse, int32_t passOn)
{
    for (auto candidate = views.rbegin(); candidate != views.rend(); ++candidate) {
        const auto& view = *candidate;
        platform::Require(view);
        if (visibleOnly && !view->Visible)
            continue;
        const auto& where = platform::Require(point);
        if (!view->containsPoint(where.x, where.y))
            continue;
        if (recurse) {
            if (const auto surface = std::dynamic_pointer_cast<VR2Surface>(view)) {
                const auto inside =
                    VR2Point::Create(platform::WrapSub(where.x, view->left()), platform::WrapSub(where.y, view->top()));
                return surface->FindViewAtPoint(inside, visibleOnly, recurse, passOn);
            }
        }
        return view;
    }
    return nullptr;
}

std::shared_ptr<VR2View> VR2FindViewSibling(const ViewList& views, const std::shared_ptr<VR2View>& view, bool forward,
                                            bool wrap)
{
    const auto count = static_cast<int64_t>(views.size());
    int64_t index = -1;
    for (int64_t i = 0; i < count && view; ++i)
        if (VR2SameObject(views[static_cast<size_t>(i)].get(), view.get())) {
            index = i;
            break;
        }
    const int64_t next = forward ? index + 1 : index - 1;
    if (next >= 0 && next < count)
        return views[static_cast<size_t>(next)];
    if (count < 2 || !wrap)
        return nullptr;
    return forward ? views.front() : views.back();
}

std::shared_ptr<VR2View> VR2FindViewByName(const ViewList& views, const std::string& name, bool passOn,
                                           bool visibleOnly)
{
    for (const auto& view : views) {
        platform::Require(view);
        if (visibleOnly && !view->Visible)
            continue;
        if (view->Name == name)
            return view;
        if (const auto surface = std::dynamic_pointer_cast<VR2Surface>(view))
            if (auto found = surface->FindViewByName(name, passOn, visibleOnly))
                return found;
    }
    return nullptr;
}

}  // namespace Vireo2Engine
