#include "toolkit/controls/VR2ScrollingView.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/controls/VR2ScrollbarView.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/geometry/VR2RectClip.h"

#include <algorithm>

using platform::WrapAdd;
using platform::WrapNeg;
using platform::WrapSub;

bool VR2ScrollingView::containsPoint(int32_t x, int32_t y)
{
    for (const auto& bar : {mVerticalScrollbar, mHorizontalScrollbar})
        if (bar->Visible && bar->containsPoint(WrapSub(x, left()), WrapSub(y, top())))
            return true;
    return mBounds->containsPoint(x, y);
}

void VR2ScrollingView::initWithContentView(const ViewRef& view)
{
    platform::Require(view).attach(SelfSurface(), false, false);
    setDocumentSize(view->bounds(codes::kSpaceLocal)->area());
}

// Automatic sizing

void VR2ScrollingView::autoSizeDocumentForContent()
{
    // An empty region's box gives (0, 0, 0, 0) here too.
    const auto content = mViewList->getOccupiedRegion(true)->getRect();
    mDocumentArea = VR2Rect::Create(std::min(0, content->left), std::min(0, content->top), content->right(),
                                    content->bottom());
    if (documentAutoSize)
        minDocumentSize = mDocumentArea->area();
    SetupScrollbars();
}

void VR2ScrollingView::AutoResizeDocument()
{
    if (!documentAutoSize)
        return;
    auto& area = *mDocumentArea;
    const auto before = area.copy();
    const int32_t W = width(), H = height();
    // A missing bound is no bound.
    area.width = minDocumentSize ? std::max(W, minDocumentSize->width()) : W;
    area.height = minDocumentSize ? std::max(H, minDocumentSize->height()) : H;
    if (maxDocumentSize) {
        area.width = std::min(area.width, maxDocumentSize->width());
        area.height = std::min(area.height, maxDocumentSize->height());
    }
    const auto& views = mViewList->VR2Surface_getViewList();
    Vireo2Engine::VR2ArrangeLockedViews(before, mDocumentArea, false, views);

    const auto content = mViewList->getOccupiedRegion(true)->getRect();
    const auto snapshot = area.copy();
    auto reduced = [this](int32_t size, bool across) {
        const int32_t less = WrapSub(size, kBarThickness);
        if (!minDocumentSize)
            return less;
        return std::max(less, across ? minDocumentSize->width() : minDocumentSize->height());
    };
    const bool wider = W < content->width, taller = H < content->height;
    if (wider && taller) {
        area.width = reduced(area.width, true);
        area.height = reduced(area.height, false);
    } else if (wider) {
        area.height = reduced(area.height, false);
    } else if (taller) {
        area.width = reduced(area.width, true);
    }
    if (!area.equal(snapshot))
        Vireo2Engine::VR2ArrangeLockedViews(snapshot, mDocumentArea, false, views);
}

// Mouse routing

void VR2ScrollingView::FollowBar(const std::shared_ptr<VR2ScrollbarView>& bar, int32_t before)
{
    const int32_t value = bar->Value();
    if (value == before)
        return;
    if (bar == mVerticalScrollbar)
        mDocumentArea->top = WrapNeg(value);
    else
        mDocumentArea->left = WrapNeg(value);
    refresh();
}

bool VR2ScrollingView::MouseDown(int32_t x, int32_t y)
{
    mAbsorbMouseEvent = false;
    for (const auto& bar : {mVerticalScrollbar, mHorizontalScrollbar}) {
        if (!bar->Visible || !bar->containsPoint(x, y))
            continue;
        const int32_t before = bar->Value();
        mActiveScroller = bar;
        if (bar->DoMouseDown(x - bar->left(), y - bar->top())) {
            FollowBar(bar, before);
            return true;
        }
    }
    mActiveScroller = nullptr;
    if (!frame()->containsPoint(x, y))
        return false;
    if (ScrollingMouseDown(x, y)) {
        mAbsorbMouseEvent = true;
        return true;
    }
    return mViewList->DoMouseDown(WrapSub(x, offsetX()), WrapSub(y, offsetY()));
}

void VR2ScrollingView::MouseDrag(int32_t x, int32_t y)
{
    if (mAbsorbMouseEvent) {
        ScrollingMouseDrag(x, y);
        return;
    }
    if (const auto bar = mActiveScroller) {
        const int32_t before = bar->Value();
        bool cancel = false;
        bar->DoMouseDrag(x - bar->left(), y - bar->top(), cancel);
        if (cancel)
            CancelDragging = true;
        FollowBar(bar, before);
        return;
    }
    if (autoDragScroll) {
        const auto visible = visibleRect();
        const auto before = mDocumentArea->copy();
        auto& area = *mDocumentArea;
        if (visible->right() < x)
            area.left = WrapSub(area.left, mHorizontalScrollbar->LineStep());
        else if (x < visible->left)
            area.left = WrapAdd(area.left, mHorizontalScrollbar->LineStep());
        if (visible->bottom() < y)
            area.top = WrapSub(area.top, mVerticalScrollbar->LineStep());
        else if (y < visible->top)
            area.top = WrapAdd(area.top, mVerticalScrollbar->LineStep());
        AdjustDocumentLocationToFit();
        if (!area.equal(before)) {
            SetupScrollbars();
            refresh();
        }
    }
    mViewList->DoMouseDrag(WrapSub(x, offsetX()), WrapSub(y, offsetY()));
}

void VR2ScrollingView::MouseUp(int32_t x, int32_t y)
{
    if (mAbsorbMouseEvent) {
        // The flag stays set until the next press.
        ScrollingMouseUp(x, y);
        return;
    }
    if (const auto bar = mActiveScroller) {
        const int32_t before = bar->Value();
        bar->DoMouseUp(x - bar->left(), y - bar->top());
        FollowBar(bar, before);
        mActiveScroller = nullptr;
        return;
    }
    mViewList->DoMouseUp(WrapSub(x, offsetX()), WrapSub(y, offsetY()));
}

void VR2ScrollingView::MouseMove(int32_t x, int32_t y)
{
    for (const auto& bar : {mVerticalScrollbar, mHorizontalScrollbar}) {
        if (!bar->Visible || !bar->containsPoint(x, y))
            continue;
        // The document views lose the hover as the pointer enters a bar.
        if (!mActiveScroller)
            mViewList->DoMouseExit();
        bar->DoMouseMove(x - bar->left(), y - bar->top());
        mActiveScroller = bar;
        return;
    }
    if (mActiveScroller) {
        mViewList->DoMouseEnter();
        mActiveScroller = nullptr;
    }
    if (frame()->containsPoint(x, y))
        mViewList->DoTrackMouseMovement(WrapSub(x, offsetX()), WrapSub(y, offsetY()));
}

void VR2ScrollingView::MouseExit()
{
    mViewList->DoMouseExit();
    ScrollingMouseExit();
}

// The surface: the manager holds the document views.

void VR2ScrollingView::VR2Surface_AttachView(const ViewRef& view) { mViewList->VR2Surface_AttachView(view); }

void VR2ScrollingView::VR2Surface_DetachView(const ViewRef& view) { mViewList->VR2Surface_DetachView(view); }

VR2ScrollingView::ViewRef VR2ScrollingView::VR2Surface_FindViewByName(const std::string& name, bool deep,
                                                                      bool visibleOnly)
{
    return mViewList->VR2Surface_FindViewByName(name, deep, visibleOnly);
}

VR2ScrollingView::ViewRef VR2ScrollingView::VR2Surface_FindViewAtPoint(const VR2Point::Ref& point, bool visibleOnly,
                                                                       bool recurse, int32_t passOn)
{
    return mViewList->VR2Surface_FindViewAtPoint(point, visibleOnly, recurse, passOn);
}

VR2Point::Ref VR2ScrollingView::VR2Surface_MousePosition(int32_t space)
{
    return VR2ChildRouting::MousePosition(mSurface.lock(), space, left(), top());
}

void VR2ScrollingView::VR2Surface_ChangeMouseCursor(const platform::MouseCursor::Ref& cursor)
{
    VR2ChildRouting::ChangeMouseCursor(mSurface.lock(), cursor);
}

void VR2ScrollingView::VR2Surface_UpdateRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>& pic)
{
    const auto surface = mSurface.lock();
    if (!surface)
        return;
    // The visible part of the document, bars included, then into the parent's coordinates.
    const int64_t dx = int64_t{left()} + offsetX(), dy = int64_t{top()} + offsetY();
    if (const auto clipped =
            VR2ClipRect(platform::Require(rect), -int64_t{offsetX()}, -int64_t{offsetY()}, width(), height(), dx, dy))
        surface->UpdateRect(clipped, pic);
}

void VR2ScrollingView::VR2Surface_SwapView(const ViewRef& newView, const ViewRef& oldView)
{
    mViewList->VR2Surface_SwapView(newView, oldView);
}

VR2Point::Ref VR2ScrollingView::VR2Surface_TranslatePoint(const VR2Point::Ref&, int32_t, int32_t) { return nullptr; }

std::shared_ptr<VR2DragObject> VR2ScrollingView::VR2Surface_CreateDragObject(const VR2Rect::Ref&, int32_t)
{
    return nullptr;
}

VR2ScrollingView::ViewRef VR2ScrollingView::VR2Surface_FindViewSibling(const ViewRef& view, bool forward, bool wrap)
{
    return mViewList->VR2Surface_FindViewSibling(view, forward, wrap);
}

VR2Surface::Ref VR2ScrollingView::VR2Surface_RootSurface()
{
    return VR2ChildRouting::RootSurface(mSurface.lock(), SelfSurface());
}

void VR2ScrollingView::VR2Surface_ChangeFocus(const ViewRef& view, int32_t code)
{
    VR2ChildRouting::ChangeFocus(mSurface.lock(), view, code);
}

bool VR2ScrollingView::VR2Surface_isFocusView(const ViewRef& view)
{
    // Without a parent nothing inside has the window's focus.
    return VR2ChildRouting::isFocusView(mSurface.lock(), view);
}

VR2Rect::Ref VR2ScrollingView::VR2Surface_Bounds(int32_t space)
{
    switch (space) {
    case codes::kSpaceLocal:
        return VR2Rect::Create(offsetX(), offsetY(), width(), height());
    case codes::kSpaceLocal1:
    case codes::kSpaceLocal2:
        return nullptr;
    case codes::kSpaceScreen: {
        auto rect = bounds(codes::kSpaceScreen);
        rect->offset(offsetX(), offsetY());
        return rect;
    }
    default:
        throw platform::TypeMismatchException();
    }
}

// Nothing to do: the manager checks how its views lie after any frame change.
void VR2ScrollingView::VR2Surface_SubviewDidChangeBounds(const ViewRef&, const VR2Rect::Ref&, bool, bool) {}

std::vector<VR2ScrollingView::ViewRef>& VR2ScrollingView::VR2Surface_getViewList()
{
    return mViewList->VR2Surface_getViewList();
}

VR2ScrollingView::ViewRef VR2ScrollingView::VR2Surface_focusView() { return mViewList->VR2Surface_focusView(); }
