#include "HostFixture.h"

#include "platform/Exceptions.h"
#include "toolkit/core/VR2Codes.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEvent>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <chrono>
#include <thread>

using Lines = EventLog;

TEST_F(HostFixture, PressDragAndReleaseGoToTheViewThatTookThePress)
{
    auto a = Add("a", 10, 40, 100, 50);
    auto b = Add("b", 60, 60, 100, 100);
    Show();

    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(15, 50));
    QTest::mouseMove(handle, QPoint(200, 250));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(200, 250));
    EXPECT_EQ(Take(HOVER), Lines({"a MouseDown 5,10", "a MouseDrag 190,210", "a MouseUp 190,210"}));

    SCOPED_TRACE("the later of two overlapping views gets the press, unless it is hidden");
    QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(70, 70));
    EXPECT_EQ(Take(HOVER), Lines({"b MouseDown 10,10", "b MouseUp 10,10"}));
    b->Visible = false;
    QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(70, 70));
    EXPECT_EQ(Take(HOVER), Lines({"a MouseDown 60,30", "a MouseUp 60,30"}));

    SCOPED_TRACE("a view that declines leaves the press to the window");
    a->takePress = false;
    QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(70, 70));
    EXPECT_EQ(Take(HOVER), Lines({"a MouseDown 60,30", "window MouseDown 70,70"}));

    SCOPED_TRACE("a press on no view goes to the window in window coordinates, and so do its drags");
    window->takePress = true;
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(300, 20));
    QTest::mouseMove(handle, QPoint(20, 50));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(20, 50));
    EXPECT_EQ(Take(HOVER), Lines({"window MouseDown 300,20", "window MouseDrag 20,50", "window MouseUp 20,50"}));

    SCOPED_TRACE("a drag that the view cancels ends the drags of that press, not the next one's");
    a->takePress = true;
    a->cancelDragOnDrag = true;
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(20, 50));
    QTest::mouseMove(handle, QPoint(30, 60));
    QTest::mouseMove(handle, QPoint(40, 70));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(40, 70));
    a->cancelDragOnDrag = false;
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(20, 50));
    QTest::mouseMove(handle, QPoint(30, 60));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(30, 60));
    EXPECT_EQ(Take(HOVER), Lines({"a MouseDown 10,10", "a MouseDrag 20,20", "a MouseUp 20,20", "a MouseDown 10,10",
                                  "a MouseDrag 20,20", "a MouseUp 20,20"}));
}

TEST_F(HostFixture, HoverFollowsThePointerAndIsRetrackedAfterARelease)
{
    Add("a", 10, 40, 100, 50);
    Add("b", 200, 100, 100, 100);
    Show();
    QTest::mouseMove(handle, QPoint(20, 50));
    QTest::mouseMove(handle, QPoint(25, 55));
    EXPECT_EQ(Take(), Lines({"a MouseEnter", "a MouseMove 10,10", "a MouseMove 15,15"}));
    QTest::mouseMove(handle, QPoint(250, 150));
    EXPECT_EQ(Take(), Lines({"a MouseExit", "b MouseEnter", "b MouseMove 50,50"}));
    QTest::mouseMove(handle, QPoint(150, 20));
    EXPECT_EQ(Take(), Lines({"b MouseExit", "window MouseMove 150,20"}));

    SCOPED_TRACE("press on a, release over b: a gets the release, then b the hover");
    QTest::mouseMove(handle, QPoint(20, 50));
    Take();
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(20, 50));
    QTest::mouseMove(handle, QPoint(250, 150));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(250, 150));
    EXPECT_EQ(Take(), Lines({"a MouseDown 10,10", "a MouseDrag 240,110", "a MouseUp 240,110", "a MouseExit",
                             "b MouseEnter", "b MouseMove 50,50"}));

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
    EXPECT_EQ(Take(), Lines({"b MouseExit"}));
}

TEST_F(HostFixture, DesktopDragsGoToTheHoverViewInItsCoordinates)
{
    Add("a", 10, 40, 100, 50);
    Show();
    QMimeData data;
    auto drag = [&] {
        QDragEnterEvent enter(QPoint(25, 60), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(widget, &enter);
        QDragMoveEvent move(QPoint(25, 60), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(widget, &move);
        QDropEvent drop(QPointF(25, 60), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(widget, &drop);
    };
    QTest::mouseMove(handle, QPoint(20, 50));
    Take();
    drag();
    EXPECT_EQ(Take(), Lines({"a DragEnter", "a DragOver 15,20", "a DropObject"}));

    SCOPED_TRACE("without a hover view the window's own events answer: its DragEnter declines");
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
    Take();
    drag();
    EXPECT_EQ(Take(), Lines({"window DragEnter"}));
}

TEST_F(HostFixture, WheelGoesToTheViewUnderThePointerThenTheWindow)
{
    auto a = Add("a", 10, 40, 100, 50);
    Show();
    auto turn = [&](int x, int y) {
        QWheelEvent wheel(QPointF(x, y), widget->mapToGlobal(QPointF(x, y)), {}, QPoint(0, -120), Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(widget, &wheel);
    };
    turn(20, 50);
    EXPECT_EQ(Take(HOVER), Lines({"a MouseWheel 10,10 0,1"}));
    a->takeWheel = false;
    turn(20, 50);
    EXPECT_EQ(Take(HOVER), Lines({"a MouseWheel 10,10 0,1", "window MouseWheel 20,50 0,1"}));
    turn(300, 20);
    EXPECT_EQ(Take(HOVER), Lines({"window MouseWheel 300,20 0,1"}));
}

TEST_F(HostFixture, ContextualMenuOfTheViewUnderTheClick)
{
    auto a = Add("a", 10, 40, 100, 50);
    Show();
    services->choose = [](const platform::MenuItem::Ref& menu) { return menu->Child(menu->Count() - 1); };

    QTest::mouseClick(handle, Qt::RightButton, {}, QPoint(20, 50));
    EXPECT_EQ(Take(HOVER), Lines({"a ConstructContextualMenu 10,10", "a ContextualMenuAction Copy"}));

    SCOPED_TRACE("a choice the view leaves goes to the window; a click on no view builds the window's menu");
    a->takeMenuAction = false;
    QTest::mouseClick(handle, Qt::RightButton, {}, QPoint(20, 50));
    EXPECT_EQ(Take(HOVER), Lines({"a ConstructContextualMenu 10,10", "a ContextualMenuAction Copy",
                                  "window ContextualMenuAction Copy"}));
    QTest::mouseClick(handle, Qt::RightButton, {}, QPoint(300, 20));
    EXPECT_EQ(Take(HOVER),
              Lines({"window ConstructContextualMenu 300,20", "window ContextualMenuAction Window item"}));
    ASSERT_EQ(services->popUps.size(), 3u);
    EXPECT_EQ(services->popUps[2].x, widget->mapToGlobal(QPoint(300, 20)).x());

    SCOPED_TRACE("pop-up menus of views take the same road");
    const auto menu = platform::MenuItem::Create();
    menu->Append(platform::MenuItem::Create("Only"));
    EXPECT_EQ(menu->PopUp(3, 4), menu->Child(0));

    SCOPED_TRACE("a view taken out while its menu is open gets none of the choice, in the window or a container");
    auto holder = MakeHolder(200, 100);
    auto c = ProbeView::Create(log, "c", 10, 10, 50, 50);
    c->attach(holder, false, false);
    holder->attach(window, false, false);
    Take();
    a->takeMenuAction = true;
    auto leaveOnChoice = [&](const ProbeView::Ref& view) {
        view->Retained = true;  // still whole and enabled after it leaves
        services->choose = [view](const platform::MenuItem::Ref& menu) {
            view->detach(false, false);
            return menu->Child(menu->Count() - 1);
        };
    };
    leaveOnChoice(a);
    QTest::mouseClick(handle, Qt::RightButton, {}, QPoint(20, 50));
    EXPECT_EQ(Take(HOVER), Lines({"a ConstructContextualMenu 10,10", "a Close", "window ContextualMenuAction Copy"}));
    leaveOnChoice(c);
    QTest::mouseClick(handle, Qt::RightButton, {}, QPoint(215, 115));
    EXPECT_EQ(Take(HOVER), Lines({"c ConstructContextualMenu 5,5", "c Close", "window ContextualMenuAction Copy"}));
}

TEST_F(HostFixture, KeysGoToTheFocusViewAndTabMovesTheFocusInListOrder)
{
    auto a = Add("a", 0, 0, 10, 10);
    Add("d", 20, 0, 10, 10);  // takes no focus
    auto b = Add("b", 40, 0, 10, 10);
    auto c = Add("c", 60, 0, 10, 10);
    for (const auto& view : {a, b, c})
        view->CanFocus = true;
    Show();

    QTest::keyClick(widget, Qt::Key_X);
    EXPECT_EQ(Take(), Lines({"window KeyDown x"}));
    QTest::keyClick(widget, Qt::Key_Tab);  // no focus view: Tab moves nothing
    EXPECT_EQ(Take(), Lines({"window KeyDown #9"}));

    a->changeFocus(codes::kFocusGive);
    EXPECT_EQ(Take(), Lines({"a GotFocus"}));
    QTest::keyClick(widget, Qt::Key_X);
    EXPECT_EQ(Take(), Lines({"a KeyDown x", "window KeyDown x"}));
    QTest::keyClick(widget, Qt::Key_Tab);
    EXPECT_EQ(Take(), Lines({"a KeyDown #9", "window KeyDown #9", "a LostFocus", "b GotFocus"}));
    QTest::keyClick(widget, Qt::Key_Tab);
    QTest::keyClick(widget, Qt::Key_Tab);
    EXPECT_EQ(Take({"KeyDown"}), Lines({"b LostFocus", "c GotFocus", "c LostFocus", "a GotFocus"}));
    QTest::keyClick(widget, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Take({"KeyDown"}), Lines({"a LostFocus", "c GotFocus"}));
    EXPECT_TRUE(window->isFocusView(c));

    SCOPED_TRACE("a Tab that the view or the window handles moves nothing");
    c->takeKeys = true;
    QTest::keyClick(widget, Qt::Key_Tab);
    EXPECT_EQ(Take(), Lines({"c KeyDown #9"}));
    c->takeKeys = false;
    window->takeKeys = true;
    QTest::keyClick(widget, Qt::Key_Tab);
    EXPECT_EQ(Take(), Lines({"c KeyDown #9", "window KeyDown #9"}));
    EXPECT_EQ(window->focusView(), c);
}

TEST_F(HostFixture, ActivationReachesEveryViewThenTheWindowThenTheFocus)
{
    auto a = Add("a", 0, 0, 10, 10);
    auto b = Add("b", 20, 0, 10, 10);
    b->CanFocus = true;
    b->changeFocus(codes::kFocusGive);
    log->clear();

    window->OnDeactivate();
    EXPECT_EQ(Take(), Lines({"a Deactivate", "b Deactivate", "window Deactivate", "b LostFocus"}));
    EXPECT_FALSE(a->Active());
    EXPECT_EQ(window->focusView(), b);
    window->OnActivate();
    EXPECT_EQ(Take(), Lines({"a Activate", "b Activate", "window Activate", "b GotFocus"}));

    SCOPED_TRACE("a view attached later takes the window's state");
    auto c = Add("c", 40, 0, 10, 10);
    EXPECT_TRUE(c->Active());
}

TEST(ChildRouting, EachWalkTakesItsStepAfterEveryChildInListOrder)
{
    const auto log = std::make_shared<EventLog>();
    auto a = ProbeView::Create(log, "a", 0, 0, 10, 10);
    auto b = ProbeView::Create(log, "b", 20, 0, 10, 10);
    auto c = ProbeView::Create(log, "c", 40, 0, 10, 10);
    log->clear();
    const std::vector<VR2View::Ref> views{a, b, c};
    const auto step = [&log] { log->push_back("step"); };

    VR2ChildRouting::Activate(views, step);
    VR2ChildRouting::Deactivate(views, step);
    VR2ChildRouting::EnableMenuItems(views, step);
    EXPECT_FALSE(VR2ChildRouting::CancelClose(views, false, step));
    Lines expected;
    for (const std::string event : {"Activate", "Deactivate", "EnableMenuItems", "CancelClose"})
        for (const std::string name : {"a", "b", "c"})
            expected.insert(expected.end(), {name + " " + event, "step"});
    EXPECT_EQ(*log, expected);

    SCOPED_TRACE("the view that cancels a close ends the walk: no step after it, no view after it");
    log->clear();
    b->cancelClose = true;
    EXPECT_TRUE(VR2ChildRouting::CancelClose(views, false, step));
    EXPECT_EQ(*log, Lines({"a CancelClose", "step", "b CancelClose"}));
}

TEST_F(HostFixture, TheEventLoopGetsItsTurnBetweenTheViewsOfEachWindowWalk)
{
    const std::vector<ProbeView::Ref> views{Add("a", 0, 0, 10, 10), Add("b", 20, 0, 10, 10), Add("c", 40, 0, 10, 10)};
    // Each view leaves work for the event loop, and time enough that the next yield is not skipped.
    for (const auto& view : views)
        view->onLine = [log = log, name = view->Name](const std::string&) {
            QTimer::singleShot(0, QCoreApplication::instance(), [log, name] { log->push_back("loop " + name); });
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        };
    // The views' lines; the turn after the last view may come before or after the window's own event.
    const auto walk = [this] {
        QCoreApplication::processEvents();  // what the walk left to the loop comes last
        Lines lines;
        for (const auto& line : Take())
            if (line.rfind("window ", 0) != 0 && line != "loop c")
                lines.push_back(line);
        return lines;
    };
    Show();

    window->OnDeactivate();
    EXPECT_EQ(walk(), Lines({"a Deactivate", "loop a", "b Deactivate", "loop b", "c Deactivate"}));
    window->OnActivate();
    EXPECT_EQ(walk(), Lines({"a Activate", "loop a", "b Activate", "loop b", "c Activate"}));
    window->OnEnableMenuItems();
    EXPECT_EQ(walk(), Lines({"a EnableMenuItems", "loop a", "b EnableMenuItems", "loop b", "c EnableMenuItems"}));
    EXPECT_FALSE(window->OnCancelClose(false));
    EXPECT_EQ(walk(), Lines({"a CancelClose", "loop a", "b CancelClose", "loop b", "c CancelClose"}));
    for (const auto& view : views)
        view->onLine = nullptr;
}

TEST_F(HostFixture, CloseAsksTheViewsThenLetsGoOfEverythingBeforeClosed)
{
    auto a = Add("a", 0, 0, 10, 10);
    auto b = Add("b", 20, 0, 10, 10);
    b->CanFocus = true;
    b->changeFocus(codes::kFocusGive);
    window->OnMouseMove(5, 5);
    log->clear();

    a->cancelClose = true;
    EXPECT_FALSE(window->Close());
    EXPECT_EQ(Take(), Lines({"a CancelClose"}));
    a->cancelClose = false;
    window->cancelClose = true;
    EXPECT_FALSE(window->Close());
    EXPECT_EQ(Take(), Lines({"a CancelClose", "b CancelClose", "window CancelClose"}));

    window->cancelClose = false;
    EXPECT_TRUE(window->Close());
    EXPECT_EQ(Take(), Lines({"a CancelClose", "b CancelClose", "window CancelClose", "a MouseExit", "b LostFocus",
                             "a Close", "b Close", "window Closed"}));
    EXPECT_TRUE(window->getViewList().empty());
    EXPECT_EQ(window->focusView(), nullptr);
    EXPECT_EQ(a->parent(false), nullptr);
}

TEST_F(HostFixture, PinnedViewsFollowEachResizeOfTheWindow)
{
    auto a = Add("a", 10, 10, 100, 50);
    a->Pinning->Left = a->Pinning->Right = a->Pinning->Bottom = true;

    SCOPED_TRACE("sizes set in a row");
    window->Width(500);
    window->Width(450);
    window->Height(320);
    EXPECT_EQ(a->width(), 150);
    EXPECT_EQ(a->top(), 30);

    SCOPED_TRACE("live steps, then the final size");
    widget->resize(480, 320);
    widget->resize(470, 300);
    EXPECT_EQ(a->width(), 170);
    EXPECT_EQ(a->top(), 10);
    log->clear();
    EXPECT_TRUE(RunEventLoopUntil([&] { return !log->empty(); }));
    EXPECT_EQ(Take(), Lines({"a Resized 10,10,170,50", "window Resized"}));
}

TEST_F(HostFixture, SwapViewKeepsThePlaceAndForgetsTheOldView)
{
    auto a = Add("a", 0, 0, 10, 10);
    auto b = Add("b", 20, 0, 10, 10);
    auto c = Add("c", 40, 0, 10, 10);
    b->CanFocus = true;
    b->changeFocus(codes::kFocusGive);
    auto fresh = ProbeView::Create(log, "n", 20, 0, 10, 10);
    log->clear();

    window->SwapView(fresh, b);
    EXPECT_EQ(window->getViewList(), std::vector<VR2View::Ref>({a, fresh, c}));
    EXPECT_EQ(log->front(), "b LostFocus");
    EXPECT_EQ(log->back(), "n Open");
    EXPECT_EQ(Take({"Close"}).size(), 2u);
    EXPECT_EQ(fresh->parent(false).get(), static_cast<VR2Surface*>(window.get()));
    EXPECT_EQ(b->parent(false), nullptr);
    EXPECT_EQ(window->focusView(), nullptr);
    EXPECT_THROW(window->SwapView(nullptr, a), platform::NilObjectException);
}

TEST_F(HostFixture, SpacesOutsideZeroToThreeAreRefused)
{
    QTest::mouseMove(handle, QPoint(33, 44));
    EXPECT_EQ(window->MousePosition(codes::kSpaceLocal1)->y, 44);
    EXPECT_EQ(window->MousePosition(codes::kSpaceScreen)->x, window->Left() + 33);
    EXPECT_EQ(window->MousePosition(7), nullptr);
    EXPECT_TRUE(window->Bounds(codes::kSpaceScreen)->equal(VR2Rect::Create(window->Left(), window->Top(), 400, 300)));
    EXPECT_THROW(window->Bounds(7), platform::TypeMismatchException);
}
