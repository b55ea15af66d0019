#include "toolkit/controls/VR2ListServiceView.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Utilities.h"
#include "toolkit/geometry/VR2Graphics.h"
#include "toolkit/geometry/VireoColor.h"

#include <algorithm>

using platform::WrapAdd;
using platform::WrapSub;

namespace {

constexpr platform::Color kBandWithFocus{0xB5CEF7};

// Clicks are told apart by the row's hash, its address: a row made in place of
// one just freed must not continue that row's double click.
void ForgetClicks() { Vireo2Utilities::VR2CheckDoubleClick(platform::Variant()); }

}  // namespace

void VR2ListServiceView::ScrollingCreated()
{
    customBackground = true;
    ListCreated();
}

int32_t VR2ListServiceView::RowX(const ViewRef& row, int32_t x) const
{
    return WrapSub(WrapSub(x, row->left()), offsetX());
}

int32_t VR2ListServiceView::RowY(const ViewRef& row, int32_t y) const
{
    return WrapSub(WrapSub(y, row->top()), offsetY());
}

bool VR2ListServiceView::IsSelected(const ViewRef& row) const
{
    return std::find(mSelectedRow.begin(), mSelectedRow.end(), row) != mSelectedRow.end();
}

bool VR2ListServiceView::Trigger(int32_t code, int32_t key, const platform::Variant& value)
{
    if (!EventHandlerTable)
        return false;
    const auto params = platform::Dictionary::Create();
    params->SetValue(key, value);
    return EventHandlerTable->triggerHandler(code, Self(), params);
}

// Rows

void VR2ListServiceView::AddRow(const ViewRef& row, bool arrange)
{
    auto& view = platform::Require(row);
    if (view.Pinning && view.Pinning->Width)
        view.resize(width(), view.height(), false);
    view.attach(std::dynamic_pointer_cast<VR2Surface>(Self()), false, false);
    if (arrange) {
        ArrangeRows(false);
        refresh();
    }
}

void VR2ListServiceView::SelectRow(const ViewRef& row, bool update)
{
    mSelectedRow.assign(1, row);
    if (update) {
        ArrangeRows(false);
        refresh();
    }
}

void VR2ListServiceView::SelectRow(int32_t index, bool update)
{
    const auto& rows = getViewList();
    if (index < 0 || index >= static_cast<int32_t>(rows.size()))
        throw platform::OutOfBoundsException();
    // A row is selected once, however often it is asked for.
    if (!IsSelected(rows[static_cast<size_t>(index)]))
        mSelectedRow.push_back(rows[static_cast<size_t>(index)]);
    if (update)
        refresh();
}

void VR2ListServiceView::RemoveRow(const ViewRef& row, bool arrange)
{
    const auto& rows = getViewList();
    const auto found = std::find(rows.begin(), rows.end(), row);
    if (!row || found == rows.end())
        return;
    const auto index = static_cast<int32_t>(found - rows.begin());
    row->detach(false, false);
    ForgetClicks();
    std::erase(mSelectedRow, row);
    if (mClickThroughRow.lock() == row)
        mClickThroughRow.reset();
    // The row that moves into the gap is selected, so a second Delete removes it.
    const int32_t remaining = count();
    if (index < remaining)
        SelectRow(index, true);
    else if (remaining > 0)
        SelectRow(remaining - 1, false);
    if (arrange) {
        ArrangeRows(false);
        refresh();
    }
}

void VR2ListServiceView::ArrangeRows(bool refresh)
{
    int32_t y = 0;
    int32_t widest = 0;
    for (const auto& row : getViewList()) {
        row->move(0, y, false);
        y = WrapAdd(y, row->height());
        widest = std::max(widest, row->width());
    }
    mViewList->setStackedInOrder(true);
    minDocumentSize = VR2Area::Create(0, y);
    setDocumentSize(VR2Area::Create(widest, y));
    // Fewer rows than before must not leave the list scrolled past its end,
    // where they would not show and no bar would bring them back.
    AdjustDocumentLocationToFit();
    SetupScrollbars();
    if (refresh)
        this->refresh();
}

VR2ListServiceView::ViewRef VR2ListServiceView::FindRowAtPoint(int32_t, int32_t y)
{
    const int64_t documentY = int64_t{y} - offsetY();
    for (const auto& row : getViewList())
        if (row->top() <= documentY && documentY <= int64_t{row->top()} + row->height())
            return row;
    return nullptr;
}

void VR2ListServiceView::DeleteAllRows()
{
    if (getViewList().empty())
        return;
    for (const auto& row : std::vector<ViewRef>(getViewList()))
        row->detach(false, false);
    ForgetClicks();
    mSelectedRow.clear();
    mClickThroughRow.reset();
}

// Mouse and keys

bool VR2ListServiceView::ScrollingMouseDown(int32_t x, int32_t y)
{
    const auto row = FindRowAtPoint(x, y);
    if (!row) {
        mSelectedRow.clear();
        mClickThroughRow.reset();
        changeFocus(codes::kFocusGive);
        // A press on no row breaks any double click.
        ForgetClicks();
        refresh();
        // No handler or no receiver is no error: the press has had its effect.
        Trigger(codes::kEventChanged, codes::kKeyValue, platform::Variant());
        return true;
    }
    if (clickThrough == 1 || (clickThrough == 2 && IsSelected(row)) || row->CanFocus) {
        if (row->DoMouseDown(RowX(row, x), RowY(row, y)))
            mClickThroughRow = row;
        return true;
    }
    mClickThroughRow.reset();
    if (!hasFocus())
        changeFocus(codes::kFocusGive);
    if (Vireo2Utilities::VR2CheckDoubleClick(platform::Variant(row))) {
        Trigger(codes::kEventDoubleClick, codes::kKeyValue, platform::Variant(row));
        return true;
    }
    mSelectedRow.assign(1, row);
    refresh();
    Trigger(codes::kEventChanged, codes::kKeyValue, platform::Variant(row));
    return true;
}

void VR2ListServiceView::ScrollingMouseDrag(int32_t x, int32_t y)
{
    if (const auto row = mClickThroughRow.lock()) {
        bool cancel = false;
        row->DoMouseDrag(RowX(row, x), RowY(row, y), cancel);
        if (cancel)
            CancelDragging = true;
        return;
    }
    // A selection made by dragging is not reported.
    const auto row = FindRowAtPoint(x, y);
    if (row ? IsSelected(row) : mSelectedRow.empty())
        return;
    if (row)
        mSelectedRow.assign(1, row);
    else
        mSelectedRow.clear();
    refresh();
}

void VR2ListServiceView::ScrollingMouseUp(int32_t x, int32_t y)
{
    if (const auto row = mClickThroughRow.lock()) {
        mClickThroughRow.reset();
        row->DoMouseUp(RowX(row, x), RowY(row, y));
    }
}

bool VR2ListServiceView::KeyDown(const std::string& key)
{
    return Trigger(codes::kEventKeyPress, VR2ListServiceView::kKeyPressKey, key);
}

// The selection band, behind the rows

bool VR2ListServiceView::PaintBackground(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect)
{
    auto& context = platform::Require(g);
    context.SetForeColor(hasFocus() ? kBandWithFocus : VireoColor::kUnfocusedSelection);
    for (const auto& row : mSelectedRow) {
        const auto band = VR2Rect::Create(0, WrapAdd(platform::Require(row).top(), offsetY()), context.Width,
                                          row->height())
                              ->intersection(rect);
        if (!band->empty())
            context.FillRect(band->left, WrapSub(band->top, offsetY()), band->width, band->height);
    }
    return true;
}
