#pragma once

#include "platform/FourCC.h"
#include "platform/Variant.h"
#include "toolkit/controls/VR2ScrollingView.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A scrolling view whose document views are rows stacked downwards, in list
// order. It keeps a selection of rows, painted as a band behind them, and
// reports through its own event-handler table: 'chgd' {'valu': row or nil}
// when a press set or cleared the selection, 'dblk' {'valu': row} on a double
// click, 'keyp' {'keyp': key} for every key.
class VR2ListServiceView : public VR2ScrollingView {
public:
    using Ref = std::shared_ptr<VR2ListServiceView>;

    static Ref Create() { return VR2View::Create<VR2ListServiceView>(); }

    // The key of a 'keyp' report's parameter.
    static constexpr int32_t kKeyPressKey = platform::FourCC("keyp");

    bool autoArrange = true;  // read by nothing
    // Presses that go to the row view instead of selecting: 1 every press,
    // 2 on a selected row; always on a row that can take the focus.
    int32_t clickThrough = 0;
    bool autoSelect = true;  // read by nothing

    // A row pinned in Width takes the list's width first.
    void AddRow(const ViewRef& row, bool arrange);
    int32_t selectionCount() const { return static_cast<int32_t>(mSelectedRow.size()); }
    ViewRef selectedRow() const { return mSelectedRow.empty() ? nullptr : mSelectedRow.front(); }
    std::vector<ViewRef> selectedRows() const { return mSelectedRow; }
    // The selection becomes just this row.
    void SelectRow(const ViewRef& row, bool update);
    // Adds the row at index to the selection, unless it is selected already;
    // an index outside the rows raises OutOfBoundsException.
    void SelectRow(int32_t index, bool update);
    void SelectRowWithTag(const platform::Variant& /*tag*/, bool /*update*/) {}
    // Detaches the row, which leaves the selection, and selects the row that
    // takes its place (or the new last row). A row of another list is left alone.
    void RemoveRow(const ViewRef& row, bool arrange);
    void RemoveRow(int32_t /*index*/, bool /*arrange*/) {}
    void RemoveRowWithTag(const platform::Variant& /*tag*/, bool /*arrange*/) {}
    void SelectAll(bool /*update*/) {}
    // Stacks the rows at x 0 with no gap; the document becomes the widest row
    // by the total height, and the offset is pulled back inside it.
    void ArrangeRows(bool refresh);
    // The first row whose vertical extent, edges included, holds y (view coordinates).
    ViewRef FindRowAtPoint(int32_t x, int32_t y);
    // Detaches every row and empties the selection; the document keeps its size.
    void DeleteAllRows();
    int32_t count() { return static_cast<int32_t>(getViewList().size()); }

protected:
    VR2ListServiceView() = default;
    friend class VR2View;

    virtual void ListCreated() {}

    void ScrollingCreated() final;
    bool ScrollingMouseDown(int32_t x, int32_t y) final;
    void ScrollingMouseDrag(int32_t x, int32_t y) final;
    void ScrollingMouseUp(int32_t x, int32_t y) final;
    bool PaintBackground(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) final;
    bool KeyDown(const std::string& key) final;
    void LostFocus() final { refresh(); }

private:
    bool IsSelected(const ViewRef& row) const;
    bool Trigger(int32_t code, int32_t key, const platform::Variant& value);
    int32_t RowX(const ViewRef& row, int32_t x) const;
    int32_t RowY(const ViewRef& row, int32_t y) const;

    std::vector<ViewRef> mSelectedRow;
    std::weak_ptr<VR2View> mClickThroughRow;
};
