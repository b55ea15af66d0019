#include "HostFixture.h"

#include <QTest>

using Lines = EventLog;

TEST_F(HostFixture, FocusWalkEndsWhereTheSpecialCasesSay)
{
    auto a = Add("a", 0, 0, 10, 10);
    auto d = Add("d", 20, 0, 10, 10);
    a->CanFocus = true;
    a->changeFocus(0);
    log->clear();

    // The only view that takes the focus gets it back.
    window->changeFocus(2);
    EXPECT_EQ(Take(), Lines({"a LostFocus", "a GotFocus"}));

    // No view takes the focus: one pass, then the walk gives up.
    a->CanFocus = false;
    window->changeFocus(0);
    window->changeFocus(2);
    window->changeFocus(3);
    EXPECT_EQ(Take(), Lines({"a LostFocus"}));
    EXPECT_EQ(window->focusView(), nullptr);

    // Focus codes other than 0 to 3 do nothing; code 1 only for the focus view.
    d->CanFocus = true;
    window->ChangeFocus(d, 0);
    window->ChangeFocus(a, 1);
    window->ChangeFocus(d, 9);
    EXPECT_EQ(Take(), Lines({"d GotFocus"}));
    window->ChangeFocus(d, 1);
    EXPECT_EQ(Take(), Lines({"d LostFocus"}));
}

TEST_F(HostFixture, ShiftTabFromTheOnlyViewLeavesNoFocus)
{
    auto a = Add("a", 0, 0, 10, 10);
    a->CanFocus = true;
    a->changeFocus(0);
    log->clear();
    window->changeFocus(3);
    EXPECT_EQ(Take(), Lines({"a LostFocus"}));
    EXPECT_EQ(window->focusView(), nullptr);
}

TEST_F(HostFixture, TabWrapsInsideTheHolderOfTheFocusView)
{
    auto top = Add("top", 0, 0, 10, 10);
    auto holder = TestHolder::Create(50, 0);
    holder->attach(window, false, false);
    auto first = ProbeView::Create(log, "h1", 0, 0, 10, 10);
    auto second = ProbeView::Create(log, "h2", 20, 0, 10, 10);
    first->attach(holder, false, false);
    second->attach(holder, false, false);
    for (const auto& view : {top, first, second})
        view->CanFocus = true;
    first->changeFocus(0);
    log->clear();

    window->changeFocus(2);
    window->changeFocus(2);
    EXPECT_EQ(Take(), Lines({"h1 LostFocus", "h2 GotFocus", "h2 LostFocus", "h1 GotFocus"}));

    // Alone in its holder, the focus view hands over to the window's list.
    second->detach(false, false);
    log->clear();
    window->changeFocus(2);
    EXPECT_EQ(Take(), Lines({"h1 LostFocus", "top GotFocus"}));
}

TEST_F(HostFixture, ViewThatLeavesTheWindowTakesNoMoreKeysOrDrags)
{
    auto a = Add("a", 10, 40, 100, 50);
    a->CanFocus = true;
    a->Retained = true;
    Show();
    a->changeFocus(0);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(20, 50));
    log->clear();

    a->detach(false, false);
    EXPECT_EQ(Take(), Lines({"a Close", "a LostFocus"}));
    EXPECT_EQ(window->focusView(), nullptr);
    QTest::mouseMove(handle, QPoint(30, 60));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(30, 60));
    QTest::keyClick(widget, Qt::Key_X);
    EXPECT_EQ(Take(), Lines({"window MouseDrag 30,60", "window MouseUp 30,60", "window KeyDown x"}));
}

TEST_F(HostFixture, FocusInsideAViewThatLeavesGoesWithIt)
{
    // A focused view inside a holder; the holder leaves the window, or the view leaves the holder.
    auto nest = [&] {
        auto holder = TestHolder::Create(50, 0);
        holder->attach(window, false, false);
        auto inner = ProbeView::Create(log, "inner", 0, 0, 10, 10);
        inner->attach(holder, false, false);
        inner->CanFocus = true;
        inner->Retained = true;
        inner->changeFocus(0);
        log->clear();
        return std::make_pair(holder, inner);
    };
    auto [holder, inner] = nest();
    holder->detach(false, false);
    EXPECT_EQ(Take(), Lines({"inner LostFocus"}));
    QTest::keyClick(widget, Qt::Key_X);
    EXPECT_EQ(Take(), Lines({"window KeyDown x"}));

    // Taken out of its holder but not the window, it loses the focus at the next key.
    auto [other, nested] = nest();
    nested->detach(false, false);
    Take();
    QTest::keyClick(widget, Qt::Key_X);
    EXPECT_EQ(Take(), Lines({"inner LostFocus", "window KeyDown x"}));
}
