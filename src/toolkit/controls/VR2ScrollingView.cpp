#include "toolkit/controls/VR2ScrollingView.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/controls/VR2ScrollbarView.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <algorithm>

using platform::WrapAdd;
using platform::WrapNeg;
using platform::WrapSub;

VR2Surface::Ref VR2ScrollingView::SelfSurface() { return std::dynamic_pointer_cast<VR2Surface>(Self()); }

void VR2ScrollingView::Created()
{
    mDocumentArea = VR2Rect::Create(0, 0, 0, 0);
    mViewList = VR2ViewManager::Create();
    mViewList->setSurface(SelfSurface());
    // The bars stay unattached, so they never ask for their own repaint.
    mHorizontalScrollbar = VR2ScrollbarView::Create();
    mHorizontalScrollbar->LineStep(false, kLineStep);
    mHorizontalScrollbar->SelfRefresh = false;
    mHorizontalScrollbar->Orientation = VR2ScrollbarView::kHorizontal;
    mVerticalScrollbar = VR2ScrollbarView::Create();
    mVerticalScrollbar->LineStep(false, kLineStep);
    mVerticalScrollbar->SelfRefresh = false;
    mVerticalScrollbar->Orientation = VR2ScrollbarView::kVertical;
    SetupScrollbars();
    mHorizontalScrollbar->Value(true, 0);
    mVerticalScrollbar->Value(true, 0);
    ScrollingCreated();
}

// The document

void VR2ScrollingView::setDocumentSize(const VR2Area::Ref& size)
{
    mDocumentArea->width = platform::Require(size).width();
    mDocumentArea->height = size->height();
    SetupScrollbars();
}

void VR2ScrollingView::SetupScrollbars()
{
    auto& across = *mHorizontalScrollbar;
    auto& down = *mVerticalScrollbar;
    const int32_t W = width(), H = height();
    const int32_t DW = mDocumentArea->width, DH = mDocumentArea->height;
    const bool needAcross = W < DW || (H < DH && WrapSub(W, kBarThickness) < DW);
    const bool needDown = H < DH || (W < DW && WrapSub(H, kBarThickness) < DH);
    if (needAcross) {
        across.Maximum(false, WrapSub(DW, W));
        across.Minimum(false, 0);
        across.PageStep(false, W);
    }
    across.Visible = needAcross;
    if (needDown) {
        down.Maximum(false, WrapSub(DH, H));
        down.Minimum(false, 0);
        down.PageStep(false, H);
    }
    down.Visible = needDown;
    if (across.Visible && down.Visible) {
        across.PageStep(false, WrapSub(across.PageStep(), kBarThickness));
        across.Maximum(false, WrapAdd(WrapSub(DW, W), kBarThickness));
        down.PageStep(false, WrapSub(down.PageStep(), kBarThickness));
        down.Maximum(false, WrapAdd(WrapSub(DH, H), kBarThickness));
    }
    across.move(0, WrapSub(H, across.height()), false);
    across.resize(down.Visible || useGrowBox ? WrapSub(W, kBarThickness) : W, kBarThickness, false);
    down.move(WrapSub(W, down.width()), 0, false);
    down.resize(kBarThickness, across.Visible || useGrowBox ? WrapSub(H, kBarThickness) : H, false);
    across.Value(true, WrapNeg(offsetX()));
    down.Value(true, WrapNeg(offsetY()));
}

void VR2ScrollingView::setLineStep(int32_t vertical, int32_t horizontal)
{
    mVerticalScrollbar->LineStep(false, vertical);
    mHorizontalScrollbar->LineStep(false, horizontal);
    SetupScrollbars();
}

VR2Rect::Ref VR2ScrollingView::visibleRect()
{
    const int32_t w = mVerticalScrollbar->Visible ? mVerticalScrollbar->width() : 0;
    const int32_t h = mHorizontalScrollbar->Visible ? mHorizontalScrollbar->height() : 0;
    return VR2Rect::Create(0, 0, WrapSub(width(), w), WrapSub(height(), h));
}

void VR2ScrollingView::AdjustDocumentLocationToFit()
{
    auto& area = *mDocumentArea;
    const int32_t W = width(), H = height();
    const int32_t h = mHorizontalScrollbar->Visible ? mHorizontalScrollbar->height() : 0;
    if (area.bottom() < WrapSub(H, h) && area.top < 0)
        area.top = WrapSub(WrapSub(H, area.height), h);
    const int32_t w = mVerticalScrollbar->Visible ? mVerticalScrollbar->width() : 0;
    if (area.right() < WrapSub(W, w) && area.left < 0)
        area.left = WrapSub(WrapSub(W, area.width), w);
    if (area.left > 0)
        area.left = 0;
    if (area.top > 0)
        area.top = 0;
}

void VR2ScrollingView::scrollTo(int32_t x, int32_t y)
{
    const auto before = mDocumentArea->copy();
    mDocumentArea->left = WrapNeg(std::max(x, 0));
    mDocumentArea->top = WrapNeg(std::max(y, 0));
    AdjustDocumentLocationToFit();
    SetupScrollbars();
    if (!mDocumentArea->equal(before))
        refresh();
}

void VR2ScrollingView::scrollRectIntoView(const VR2Rect::Ref& rect)
{
    const auto& wanted = platform::Require(rect);
    const auto shown = visibleRect();
    // The visible part in document coordinates starts at minus the offset.
    auto follow = [](int64_t start, int64_t size, int64_t from, int64_t room) {
        if (from + size > start + room)
            start = from + size - room;
        return std::min(start, from);
    };
    const int64_t x = follow(-int64_t{offsetX()}, wanted.width, wanted.left, shown->width);
    const int64_t y = follow(-int64_t{offsetY()}, wanted.height, wanted.top, shown->height);
    scrollTo(platform::DoubleToInt32(static_cast<double>(x)), platform::DoubleToInt32(static_cast<double>(y)));
}

// Resizing

void VR2ScrollingView::AfterResize()
{
    if (documentAutoSize)
        AutoResizeDocument();
    SetupScrollbars();
    AdjustDocumentLocationToFit();
}

void VR2ScrollingView::Resized(const VR2Rect::Ref& oldBounds)
{
    AfterResize();
    ScrollingResized(oldBounds);
}

void VR2ScrollingView::Resizing(const VR2Rect::Ref& oldBounds)
{
    AfterResize();
    ScrollingResizing(oldBounds);
}

// The wheel

bool VR2ScrollingView::MouseWheel(int32_t x, int32_t y, int32_t deltaX, int32_t deltaY)
{
    if (!frame()->containsPoint(x, y))
        return false;
    for (const auto& bar : {mVerticalScrollbar, mHorizontalScrollbar}) {
        if (bar->Visible && bar->containsPoint(x, y)) {
            mActiveScroller = bar;
            return bar->DoMouseWheel(x - bar->left(), y - bar->top(), deltaX, deltaY);
        }
    }
    mActiveScroller = nullptr;
    if (mViewList->DoMouseWheel(WrapSub(x, offsetX()), WrapSub(y, offsetY()), deltaX, deltaY))
        return true;
    // The bar's range clamps the new offset.
    if (mHorizontalScrollbar->Visible) {
        const int64_t wanted = int64_t{offsetX()} - int64_t{deltaX} * mHorizontalScrollbar->LineStep();
        mHorizontalScrollbar->Value(true, platform::DoubleToInt32(static_cast<double>(-wanted)));
        mDocumentArea->left = WrapNeg(mHorizontalScrollbar->Value());
    }
    if (mVerticalScrollbar->Visible) {
        const int64_t wanted = int64_t{offsetY()} - int64_t{deltaY} * mVerticalScrollbar->LineStep();
        mVerticalScrollbar->Value(true, platform::DoubleToInt32(static_cast<double>(-wanted)));
        mDocumentArea->top = WrapNeg(mVerticalScrollbar->Value());
    }
    mViewList->DoTrackMouseMovement(WrapSub(x, offsetX()), WrapSub(y, offsetY()));
    refresh();
    return true;
}

// Painting

bool VR2ScrollingView::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect)
{
    auto& context = platform::Require(g);
    const auto document = context.Copy();
    document->Offset(offsetX(), offsetY());
    document->Width = context.Width;
    document->Height = context.Height;
    if (hasBackColor) {
        context.SetForeColor(backColor);
        context.FillRect(rect);
    }
    if (customBackground)
        PaintBackground(document, rect);
    const auto clip = rect->intersection(visibleRect());
    if (!clip->empty()) {
        clip->offset(WrapNeg(offsetX()), WrapNeg(offsetY()));
        mViewList->DoPaintRect(document, clip);
    }
    if (border) {
        context.SetForeColor(platform::Color{0xCCCCCC});
        context.DrawRect(0, 0, context.Width, context.Height);
    }
    Vireo2Engine::VR2CompositeRect(g, {mVerticalScrollbar, mHorizontalScrollbar}, rect, nullptr);
    if (customOverlay)
        PaintOverlay(document, rect);
    return true;
}

// Release

void VR2ScrollingView::ViewWillRelease()
{
    ScrollingViewWillRelease();
    // The closed manager and the released bars are kept, inert and empty, so a
    // late call on a released scrolling view finds nothing rather than nil.
    mViewList->DoClose();
    mActiveScroller = nullptr;
    mHorizontalScrollbar->release();
    mVerticalScrollbar->release();
}
