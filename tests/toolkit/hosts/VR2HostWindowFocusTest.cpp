#include "HostFixture.h"

#include "toolkit/core/VR2Codes.h"

#include <QApplication>
#include <QTest>

using Lines = EventLog;

TEST_F(HostFixture, FocusWalkEndsWhereTheSpecialCasesSay)
{
    auto a = Add("a", 0, 0, 10, 10);
    auto d = Add("d", 20, 0, 10, 10);
    a->CanFocus = true;
    a->changeFocus(codes::kFocusGive);
    log->clear();

    SCOPED_TRACE("the only view that takes the focus gets it back");
    window->changeFocus(codes::kFocusNext);
    EXPECT_EQ(Take(), Lines({"a LostFocus", "a GotFocus"}));

    SCOPED_TRACE("no view takes the focus: one pass, then the walk gives up");
    a->CanFocus = false;
    window->changeFocus(codes::kFocusGive);
    window->changeFocus(codes::kFocusNext);
    window->changeFocus(codes::kFocusPrevious);
    EXPECT_EQ(Take(), Lines({"a LostFocus"}));
    EXPECT_EQ(window->focusView(), nullptr);

    SCOPED_TRACE("the focus view again, other codes, code 1 for another view: nothing");
    d->CanFocus = true;
    window->ChangeFocus(d, codes::kFocusGive);
    window->ChangeFocus(d, codes::kFocusGive);
    window->ChangeFocus(a, codes::kFocusTake);
    window->ChangeFocus(d, 9);
    EXPECT_EQ(Take(), Lines({"d GotFocus"}));
    window->ChangeFocus(d, codes::kFocusTake);
    EXPECT_EQ(Take(), Lines({"d LostFocus"}));

    a->detach(false, false);
    for (const auto modifiers : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        SCOPED_TRACE(modifiers ? "Shift-Tab from a view alone in the window" : "Tab from a view alone in the window");
        window->ChangeFocus(d, codes::kFocusGive);
        log->clear();
        QTest::keyClick(widget, Qt::Key_Tab, modifiers);
        EXPECT_EQ(Take({"KeyDown"}), Lines({"d LostFocus"}));
        EXPECT_EQ(window->focusView(), nullptr);
    }
}

TEST_F(HostFixture, FocusingAViewGivesItsWindowTheKeyboard)
{
    auto a = Add("a", 0, 0, 10, 10);
    a->CanFocus = true;
    const auto other = TestHostWindow::Create(std::make_shared<EventLog>());
    const auto keyboardIn = [](QWidget* holder) {
        return RunEventLoopUntil([holder] { return QApplication::activeWindow() == holder; });
    };
    for (const bool byTab : {false, true}) {
        SCOPED_TRACE(byTab ? "the focus walk" : "a view asks for the focus");
        testsupport::ShowAndActivate(*other);
        ASSERT_TRUE(keyboardIn(testsupport::WidgetOf(*other)));
        if (byTab)
            window->changeFocus(codes::kFocusNext);
        else
            a->changeFocus(codes::kFocusGive);
        EXPECT_TRUE(keyboardIn(widget));
        EXPECT_EQ(QApplication::focusWidget(), widget);
        EXPECT_EQ(window->focusView(), a);
        window->changeFocus(codes::kFocusGive);
    }
    other->Close();
}

TEST_F(HostFixture, TabWrapsInsideTheHolderOfTheFocusView)
{
    auto top = Add("top", 0, 0, 10, 10);
    auto holder = MakeHolder(50, 0);
    holder->attach(window, false, false);
    auto first = ProbeView::Create(log, "h1", 0, 0, 10, 10);
    auto second = ProbeView::Create(log, "h2", 20, 0, 10, 10);
    first->attach(holder, false, false);
    second->attach(holder, false, false);
    for (const auto& view : {top, first, second})
        view->CanFocus = true;
    first->changeFocus(codes::kFocusGive);
    log->clear();

    window->changeFocus(codes::kFocusNext);
    window->changeFocus(codes::kFocusNext);
    EXPECT_EQ(Take(), Lines({"h1 LostFocus", "h2 GotFocus", "h2 LostFocus", "h1 GotFocus"}));

    SCOPED_TRACE("alone in its holder, the focus view hands over to the window's list");
    second->detach(false, false);
    log->clear();
    window->changeFocus(codes::kFocusNext);
    EXPECT_EQ(Take(), Lines({"h1 LostFocus", "top GotFocus"}));
}

TEST_F(HostFixture, ViewThatLeavesTakesNoMoreKeysOrDragsAndTheFocusInsideItGoesToo)
{
    SCOPED_TRACE("a top-level view with the focus and the press");
    auto a = Add("a", 10, 40, 100, 50);
    a->CanFocus = true;
    a->Retained = true;
    a->changeFocus(codes::kFocusGive);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(20, 50));
    log->clear();
    a->detach(false, false);
    EXPECT_EQ(Take(), Lines({"a Close", "a LostFocus"}));
    QTest::mouseMove(handle, QPoint(30, 60));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(30, 60));
    QTest::keyClick(widget, Qt::Key_X);
    EXPECT_EQ(Take(), Lines({"window MouseDrag 30,60", "window MouseUp 30,60", "window KeyDown x"}));
    auto nest = [&] {
        auto holder = MakeHolder(50, 0);
        holder->attach(window, false, false);
        auto inner = ProbeView::Create(log, "inner", 0, 0, 10, 10);
        inner->attach(holder, false, false);
        inner->CanFocus = true;
        inner->Retained = true;
        inner->changeFocus(codes::kFocusGive);
        log->clear();
        return std::make_pair(holder, inner);
    };

    SCOPED_TRACE("the holder of the focus view leaves");
    auto [holder, inner] = nest();
    holder->detach(false, false);
    EXPECT_EQ(Take({"Close"}), Lines({"inner LostFocus"}));
    QTest::keyClick(widget, Qt::Key_X);
    EXPECT_EQ(Take(), Lines({"window KeyDown x"}));

    SCOPED_TRACE("the focus view leaves its holder but not the window: gone as it leaves");
    auto [other, nested] = nest();
    nested->detach(false, false);
    EXPECT_EQ(Take({"Close"}), Lines({"inner LostFocus"}));
    QTest::keyClick(widget, Qt::Key_X);
    EXPECT_EQ(Take(), Lines({"window KeyDown x"}));
}
