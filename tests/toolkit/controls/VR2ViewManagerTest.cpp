#include "platform/Codes.h"
#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/controls/VR2ScrollingView.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/hosts/HostFixture.h"
#include "toolkit/hosts/VR2ContainerView.h"

#include <QTest>

using Lines = EventLog;

namespace {

// A scrolling view that lets the test reach its view manager.
class OpenScroller : public VR2ScrollingView {
public:
    VR2ViewManager& manager() { return *mViewList; }
};

}  // namespace

TEST_F(HostFixture, ViewManagerForgetsViewsThatLeaveAndEndsItsFocusSearch)
{
    auto scroller = VR2View::Create<OpenScroller>();
    scroller->resize(300, 200, false);
    scroller->attach(window, false, false);
    auto& manager = scroller->manager();
    auto a = ProbeView::Create(log, "a", 0, 0, 50, 50);
    auto b = ProbeView::Create(log, "b", 100, 0, 50, 50);
    for (const auto& view : {a, b}) {
        view->Retained = true;
        view->attach(scroller, false, false);
    }
    Show();

    {
        SCOPED_TRACE("a view that leaves mid-press gets no more drags, and no exit once it has left");
        QTest::mouseMove(handle, QPoint(20, 20));
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(20, 20));
        a->detach(false, false);
        QTest::mouseMove(handle, QPoint(30, 30));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(30, 30));
        QTest::mouseMove(handle, QPoint(120, 20));
        EXPECT_EQ(Take(), Lines({"a MouseEnter", "a MouseMove 20,20", "a MouseDown 20,20", "a Close",
                                 "b MouseEnter", "b MouseMove 20,20"}));
        manager.VR2Surface_DetachView(a);  // no longer held: nothing happens
        EXPECT_EQ(manager.VR2Surface_getViewList(), std::vector<VR2View::Ref>({b}));
        a->attach(scroller, false, false);
    }
    manager.UseFocusView = true;
    {
        SCOPED_TRACE("giving the focus to nil raises before the old focus view loses it");
        manager.changeFocus(a, codes::kFocusGive);
        EXPECT_THROW(manager.changeFocus(nullptr, codes::kFocusGive), platform::NilObjectException);
        EXPECT_EQ(manager.VR2Surface_focusView(), a);
        EXPECT_EQ(Take(HOVER), Lines({"a Open", "a GotFocus"}));
    }
    {
        SCOPED_TRACE("a focus view with no focusable sibling loses and regains the focus on Tab");
        EXPECT_TRUE(manager.DoKeyDown(platform::Chr(codes::kKeyTab)));
        EXPECT_EQ(Take(HOVER), Lines({"a KeyDown #9", "a LostFocus", "a GotFocus"}));
        b->CanFocus = true;
        manager.changeFocus(a, codes::kFocusNext);
        EXPECT_EQ(manager.VR2Surface_focusView(), b);
        b->detach(false, false);
        EXPECT_EQ(manager.VR2Surface_focusView(), nullptr);
        Take();
    }
    {
        SCOPED_TRACE("a search from a view its holder no longer lists ends after one pass");
        auto holder = VR2ContainerView::Create();
        holder->attach(scroller, false, false);
        ProbeView::Create(log, "x", 0, 0, 10, 10)->attach(holder, false, false);
        ProbeView::Create(log, "y", 0, 0, 10, 10)->attach(holder, false, false);
        auto stray = ProbeView::Create(log, "stray", 0, 0, 10, 10);
        stray->attach(holder, false, true);  // a parent that does not list it
        manager.changeFocus(stray, codes::kFocusGive);
        manager.changeFocus(stray, codes::kFocusNext);
        EXPECT_EQ(manager.VR2Surface_focusView(), nullptr);
        EXPECT_EQ(Take({"Resized", "Open"}), Lines({"stray GotFocus", "stray LostFocus"}));
    }
}
