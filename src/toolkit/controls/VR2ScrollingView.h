#pragma once

#include "platform/Color.h"
#include "toolkit/controls/VR2ViewManager.h"
#include "toolkit/core/VR2Surface.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/geometry/VR2Area.h"
#include "toolkit/geometry/VR2Rect.h"
#include "toolkit/geometry/VireoColor.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class VR2Graphics;
class VR2ScrollbarView;

// Shows a document of views, which may be larger than the view, through its
// frame, with a horizontal and a vertical scroll bar. The document views are
// attached to the scrolling view and held by its view manager; the bars are
// never attached to anything: the scrolling view places, paints and feeds them
// itself and follows their value.
//
// Three coordinate systems meet here: the parent's (the frame), the view's
// own ((0, 0) its top-left corner; mouse events and the bars) and the
// document's (the document views' frames). With the offset (offsetX,
// offsetY), 0 or negative, the view point (x, y) is the document point
// (x - offsetX, y - offsetY).
class VR2ScrollingView : public VR2View, public VR2Surface {
public:
    using Ref = std::shared_ptr<VR2ScrollingView>;

    static constexpr int32_t kBarThickness = 16;
    static constexpr int32_t kLineStep = 10;

    static Ref Create() { return VR2View::Create<VR2ScrollingView>(); }

    bool border = false;            // a one-pixel frame in &hCCCCCC
    bool useGrowBox = false;        // keep the bottom-right corner free with one bar
    bool autoDragScroll = false;    // a drag past the visible part scrolls a line a time
    bool customBackground = false;  // raise PaintBackground
    bool customOverlay = false;     // raise PaintOverlay
    VR2Area::Ref minDocumentSize;   // bounds of the automatic document size; nil for none
    VR2Area::Ref maxDocumentSize;
    bool documentAutoSize = false;  // fit the document to the frame on every resize
    bool hasBackColor = false;
    platform::Color backColor = VireoColor::kWhite;

    // The document's size; the offset stays as it is.
    void setDocumentSize(const VR2Area::Ref& size);
    void SetupScrollbars();
    void setLineStep(int32_t vertical, int32_t horizontal);
    // The part of the view no bar covers, in view coordinates.
    VR2Rect::Ref visibleRect();
    // Clamps the offset so that no space shows past the document's right and
    // bottom edges and it is never positive.
    void AdjustDocumentLocationToFit();
    // Shows the document from the point (x, y), as near as the document allows;
    // the bars follow and the view repaints when the offset changed.
    void scrollTo(int32_t x, int32_t y);
    // Scrolls the least that brings rect (document coordinates) inside the
    // visible part; a rect larger than it shows its top-left corner.
    void scrollRectIntoView(const VR2Rect::Ref& rect);
    // Attaches view to the document and makes the document exactly its size.
    void initWithContentView(const ViewRef& view);
    // The document becomes the content's right and bottom edges.
    void autoSizeDocumentForContent();
    void AutoResizeDocument();
    // (offsetX, offsetY, document width, document height), a copy.
    VR2Rect::Ref documentArea() const { return mDocumentArea->copy(); }
    const std::shared_ptr<VR2ScrollbarView>& verticalScrollbar() const { return mVerticalScrollbar; }
    const std::shared_ptr<VR2ScrollbarView>& horizontalScrollbar() const { return mHorizontalScrollbar; }

    // Solid over the whole frame. (x, y) in the parent's coordinates.
    bool containsPoint(int32_t x, int32_t y) override;

protected:
    VR2ScrollingView() = default;
    friend class VR2View;

    // Events for subclasses, in view coordinates.
    virtual void ScrollingCreated() {}
    virtual void ScrollingMouseExit() {}
    virtual void ScrollingResized(const VR2Rect::Ref& /*oldBounds*/) {}
    virtual void ScrollingResizing(const VR2Rect::Ref& /*oldBounds*/) {}
    // True takes the press: its drags and release come to ScrollingMouseDrag and ScrollingMouseUp.
    virtual bool ScrollingMouseDown(int32_t /*x*/, int32_t /*y*/) { return false; }
    virtual void ScrollingMouseDrag(int32_t /*x*/, int32_t /*y*/) {}
    virtual void ScrollingMouseUp(int32_t /*x*/, int32_t /*y*/) {}
    virtual void ScrollingViewWillRelease() {}
    // g draws in document coordinates, rect is the dirty part in view coordinates.
    virtual bool PaintBackground(const std::shared_ptr<VR2Graphics>& /*g*/, const VR2Rect::Ref& /*rect*/)
    {
        return false;
    }
    virtual bool PaintOverlay(const std::shared_ptr<VR2Graphics>& /*g*/, const VR2Rect::Ref& /*rect*/)
    {
        return false;
    }

    void Created() final;
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) final;
    void Resized(const VR2Rect::Ref& oldBounds) final;
    void Resizing(const VR2Rect::Ref& oldBounds) final;
    bool MouseWheel(int32_t x, int32_t y, int32_t deltaX, int32_t deltaY) final;
    bool MouseDown(int32_t x, int32_t y) final;
    void MouseDrag(int32_t x, int32_t y) final;
    void MouseUp(int32_t x, int32_t y) final;
    void MouseMove(int32_t x, int32_t y) final;
    void MouseExit() final;
    void ViewWillRelease() final;

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
    ViewRef VR2Surface_focusView() override;

    int32_t offsetX() const { return mDocumentArea->left; }
    int32_t offsetY() const { return mDocumentArea->top; }

    VR2ViewManager::Ref mViewList;
    std::shared_ptr<VR2ScrollbarView> mHorizontalScrollbar;
    std::shared_ptr<VR2ScrollbarView> mVerticalScrollbar;
    std::shared_ptr<VR2ScrollbarView> mActiveScroller;
    VR2Rect::Ref mDocumentArea;
    bool mAbsorbMouseEvent = false;

private:
    VR2Surface::Ref SelfSurface();
    // The visible bar under a view point, the vertical one first.
    std::shared_ptr<VR2ScrollbarView> BarAt(int32_t x, int32_t y) const;
    // After a call that may have moved bar: the document follows a changed value.
    void FollowBar(const std::shared_ptr<VR2ScrollbarView>& bar, int32_t before);
    void AfterResize();
};
