#include "ListTestViews.h"
#include "toolkit/controls/VR2ScrollbarView.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/hosts/HostFixture.h"

#include <QTest>

#include <functional>
#include <string>
#include <utility>
#include <vector>

using Lines = EventLog;
using VireoStandardProperties::VR2ObjectSetProperty;

namespace {

// The list's reports, without what the rows log.
Lines Reports(const Lines& lines)
{
    Lines reports;
    for (const auto& line : lines)
        if (line.rfind("list ", 0) == 0)
            reports.push_back(line);
    return reports;
}

}  // namespace

TEST_F(HostFixture, AThousandRowsSelectReportDoubleClicksAndKeys)
{
    auto list = TestList::Make(log, 10, 10, 300, 200);
    list->attach(window, false, false);
    list->Fill(1000);
    Show();
    auto rowPoint = [](int index) { return QPoint(50, 10 + index * 20 + 5); };

    {
        SCOPED_TRACE("click, Shift-click and Ctrl-click each make one row the selection");
        QTest::mouseClick(handle, Qt::LeftButton, {}, rowPoint(3));
        QTest::mouseClick(handle, Qt::LeftButton, Qt::ShiftModifier, rowPoint(5));
        QTest::mouseClick(handle, Qt::LeftButton, Qt::ControlModifier, rowPoint(7));
        EXPECT_EQ(Reports(Take()), Lines({"list chgd r3", "list chgd r5", "list chgd r7"}));
        EXPECT_EQ(list->Selection(), "r7");
        EXPECT_TRUE(list->hasFocus());
    }
    {
        SCOPED_TRACE("later presses on the same row within the interval are double clicks; empty space breaks them");
        QTest::mouseClick(handle, Qt::LeftButton, {}, rowPoint(7));
        QTest::mouseClick(handle, Qt::LeftButton, {}, rowPoint(7));
        EXPECT_EQ(Reports(Take()), Lines({"list dblk r7", "list dblk r7"}));
        EXPECT_EQ(list->Selection(), "r7");
    }
    {
        SCOPED_TRACE("a row put back after a refill, as a freed row's successor at its address would be, starts anew");
        const auto row = list->Row(7);
        row->Retained = true;
        list->DeleteAllRows();
        list->AddRow(row, true);
        QTest::mouseClick(handle, Qt::LeftButton, {}, rowPoint(0));
        list->RemoveRow(row, false);
        list->AddRow(row, true);
        QTest::mouseClick(handle, Qt::LeftButton, {}, rowPoint(0));
        EXPECT_EQ(Reports(Take()), Lines({"list chgd r7", "list chgd r7"}));
        list->DeleteAllRows();
        list->Fill(1000);
        Take();
    }
    {
        SCOPED_TRACE("the line between two rows belongs to the upper one");
        QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(50, 10 + 40));
        EXPECT_EQ(Reports(Take()), Lines({"list chgd r1"}));
    }
    {
        SCOPED_TRACE("every key is reported, Tab included, so the focus stays");
        QTest::keyClick(handle, Qt::Key_A);
        QTest::keyClick(handle, Qt::Key_Tab);
        QTest::keyClick(handle, Qt::Key_Backspace);
        EXPECT_EQ(Reports(Take()), Lines({"list keyp a", "list keyp #9", "list keyp #8"}));
        EXPECT_TRUE(list->hasFocus());
    }
    {
        SCOPED_TRACE("with clickThrough 2 a press on the selected row goes to the row and reports nothing");
        list->clickThrough = 2;
        QTest::mouseClick(handle, Qt::LeftButton, {}, rowPoint(1));
        EXPECT_EQ(Take(HOVER), Lines({"r1 MouseDown 40,5", "r1 MouseUp 40,5"}));
        QTest::mouseClick(handle, Qt::LeftButton, {}, rowPoint(2));
        EXPECT_EQ(Reports(Take()), Lines({"list chgd r2"}));
    }
    {
        SCOPED_TRACE("dragging selects the row under the pointer without a report");
        list->clickThrough = 0;
        QTest::mousePress(handle, Qt::LeftButton, {}, rowPoint(4));
        QTest::mouseMove(handle, rowPoint(6));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, rowPoint(6));
        EXPECT_EQ(Reports(Take()), Lines({"list chgd r4"}));
        EXPECT_EQ(list->Selection(), "r6");
    }
    {
        SCOPED_TRACE("a wheel step repaints only the rows on screen");
        for (const auto& row : list->getViewList())
            std::static_pointer_cast<ProbeView>(row)->paints = 0;
        QWheelEvent wheel(QPointF(50, 50), widget->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, -120), Qt::NoButton,
                          {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(widget, &wheel);
        EXPECT_EQ(list->documentArea()->top, -10);
        int painted = 0, total = 0;
        for (const auto& row : list->getViewList()) {
            const int paints = std::static_pointer_cast<ProbeView>(row)->paints;
            painted += paints > 0 ? 1 : 0;
            total += paints;
        }
        EXPECT_EQ(painted, 11);  // 200 pixels of 20-pixel rows, half a row at each end
        EXPECT_EQ(total, 11);
    }
}

TEST_F(HostFixture, RemovingRowsSelectsTheSuccessorAndLeavesOtherListsAlone)
{
    auto list = TestList::Make(log, 10, 10, 300, 200);
    auto other = TestList::Make(log, 10, 220, 300, 60);
    list->attach(window, false, false);
    other->attach(window, false, false);
    list->Fill(5);
    other->Fill(2);
    Show();

    {
        SCOPED_TRACE("the row that moves into the gap is selected, so a second delete removes it");
        list->SelectRow(list->Row(2), false);
        list->RemoveRow(list->selectedRow(), true);
        EXPECT_EQ(list->Selection(), "r3");
        list->RemoveRow(list->selectedRow(), true);
        EXPECT_EQ(list->Selection(), "r4");
        list->RemoveRow(list->selectedRow(), true);  // the last row: the new last row
        EXPECT_EQ(list->Selection(), "r1");
        EXPECT_EQ(list->count(), 2);
    }
    {
        SCOPED_TRACE("removing an unselected row keeps the selection and adds its successor");
        list->RemoveRow(list->Row(0), false);
        EXPECT_EQ(list->Selection(), "r1");
    }
    {
        SCOPED_TRACE("a row asked for twice is selected once, and its removal takes it out of the selection");
        list->Fill(2);
        const auto second = list->Row(1);
        list->SelectRow(second, false);
        list->SelectRow(1, false);
        list->SelectRow(2, false);
        EXPECT_EQ(list->selectedRows(), std::vector<VR2View::Ref>({second, list->Row(2)}));
        list->RemoveRow(second, true);
        EXPECT_EQ(list->selectedRows(), std::vector<VR2View::Ref>({list->Row(1)}));
    }
    {
        SCOPED_TRACE("a row of another list is left where it is");
        const auto stranger = other->Row(0);
        list->RemoveRow(stranger, true);
        EXPECT_EQ(other->count(), 2);
        EXPECT_EQ(stranger->parent(false), std::dynamic_pointer_cast<VR2Surface>(other));
    }
    {
        SCOPED_TRACE("DeleteAllRows keeps the document size until the next ArrangeRows");
        list->Fill(30);
        list->DoMouseWheel(50, 50, 0, 100);
        const auto before = list->documentArea()->description();
        EXPECT_EQ(before, ",-440,280,640") << "32 rows scrolled to the end";
        list->DeleteAllRows();
        EXPECT_EQ(list->count(), 0);
        EXPECT_EQ(list->Selection(), "");
        EXPECT_EQ(list->documentArea()->description(), before);
        SCOPED_TRACE("fewer rows arranged: the offset comes back inside the document, where they show");
        list->Fill(1);
        EXPECT_EQ(list->documentArea()->description(), ",,280,20");
        EXPECT_FALSE(list->verticalScrollbar()->Visible);
        QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(50, 15));
        EXPECT_EQ(Reports(Take()), Lines({"list chgd r0"}));
        list->DeleteAllRows();
        list->ArrangeRows(true);
        EXPECT_EQ(list->documentArea()->description(), ",,,");
    }
    {
        SCOPED_TRACE("a press below the last row empties the selection and reports nil");
        other->SelectRow(other->Row(1), true);
        QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(50, 275));
        EXPECT_EQ(Reports(Take()), Lines({"list chgd nil"}));
        EXPECT_EQ(other->Selection(), "");
    }
}

TEST_F(HostFixture, ARowMovedOnItsOwnIsHitAndPaintedWhereItNowIs)
{
    // Each way of changing a row's frame after ArrangeRows takes r1 out of the
    // rows' order, to document y 200 ... 220 where no other row lies.
    using Change = std::function<void(TestList&, const VR2View::Ref&)>;
    const std::vector<std::pair<const char*, Change>> changes = {
        {"a notified move", [](TestList&, const VR2View::Ref& row) { row->move(0, 200, true); }},
        {"a move without notice", [](TestList&, const VR2View::Ref& row) { row->move(0, 200, false); }},
        {"a resize without notice", [](TestList&, const VR2View::Ref& row) { row->resize(280, 200, false); }},
        {"the top property", [](TestList&, const VR2View::Ref& row) { VR2ObjectSetProperty(row, "top", 200); }},
        {"the height property",
         [](TestList&, const VR2View::Ref& row) { VR2ObjectSetProperty(row, "height", 200); }},
        {"pinning to the bottom of a document that grows to the frame",
         [](TestList& list, const VR2View::Ref& row) {
             row->Pinning->Bottom = true;
             list.documentAutoSize = true;
             list.AutoResizeDocument();  // from 100 to 280 high
         }},
    };
    for (const auto& [how, change] : changes) {
        SCOPED_TRACE(how);
        auto list = TestList::Make(log, 10, 10, 300, 280);
        list->attach(window, false, false);
        list->Fill(5);
        const auto row = std::static_pointer_cast<ProbeView>(list->Row(1));
        QTest::mouseMove(handle, QPoint(30, 60));  // over r2
        Take();
        change(*list, row);
        ASSERT_EQ(row->top() + row->height(), 220);
        QTest::mouseMove(handle, QPoint(30, 220));
        EXPECT_EQ(Take({"Resized"}),
                  Lines({"r2 MouseExit", "r1 MouseEnter", "r1 MouseMove 20," + std::to_string(210 - row->top())}));
        row->paints = 0;
        row->refreshRect(VR2Rect::Create(0, row->height() - 20, 280, 20), nullptr);
        EXPECT_EQ(row->paints, 1);
        list->detach(false, false);
    }
}
