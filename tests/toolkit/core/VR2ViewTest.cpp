#include "RecordingView.h"
#include "TestSurface.h"

#include "platform/Exceptions.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"

#include <gtest/gtest.h>

#include <climits>

using Events = std::vector<std::string>;

namespace {

class Views : public testing::Test {
protected:
    void TearDown() override { Vireo2Engine::ResetForTesting(); }

    // A view at (left, top, width, height) attached to the window.
    RecordingView::Ref Attached(int32_t left, int32_t top, int32_t width, int32_t height)
    {
        auto view = RecordingView::Create();
        view->move(left, top, false);
        view->resize(width, height, false);
        view->attach(window, false, false);
        view->events->clear();
        return view;
    }

    TestSurface::Ref window = TestSurface::Create(400, 300);
};

std::string Describe(const VR2Rect::Ref& rect) { return rect ? rect->description() : "nil"; }

}  // namespace

TEST_F(Views, ConstructionRaisesCreatedWithEverythingInPlace)
{
    auto view = RecordingView::Create();
    EXPECT_TRUE(view->createdSawTable);
    EXPECT_EQ(*view->events, (Events{"Created"}));
    EXPECT_EQ(Describe(view->bounds(codes::kSpaceLocal)), ",,,");
    EXPECT_FALSE(view->doesAcceptFocus());

    // Disposed runs in the subclass when the last reference goes.
    auto disposed = std::make_shared<std::vector<std::string>>();
    view->disposedLog = disposed;
    view.reset();
    EXPECT_EQ(*disposed, (Events{"Disposed"}));
}

TEST_F(Views, AttachOpensAndDetachClosesRemovesRepaintsAndReleases)
{
    window->active = false;
    auto view = RecordingView::Create();
    view->move(10, 20, false);
    view->resize(30, 40, false);
    view->Active(true);
    view->events->clear();
    view->attach(window, true, false);
    EXPECT_EQ(window->views.size(), 1u);
    EXPECT_FALSE(view->Active());
    EXPECT_EQ(*view->events, (Events{"Open"}));
    ASSERT_EQ(window->updates.size(), 1u);
    EXPECT_EQ(Describe(window->updates[0]), "10,20,30,40");
    EXPECT_TRUE(VR2SameObject(view->parent(false).get(), window.get()));

    std::weak_ptr<RecordingView> watch = view;
    view->events->clear();
    view->detach(true, false);
    EXPECT_EQ(*view->events, (Events{"Close", "ViewWillRelease", "ViewDidRelease"}));
    EXPECT_TRUE(window->views.empty());
    EXPECT_EQ(Describe(window->updates.back()), "10,20,30,40");
    EXPECT_EQ(view->parent(false), nullptr);
    EXPECT_EQ(view->EventHandlerTable, nullptr);
    EXPECT_EQ(view->Pinning, nullptr);
    view.reset();
    EXPECT_TRUE(watch.expired());
}

TEST_F(Views, DetachWithoutParentOnlyClosesAndNoAttachOnlySetsTheParent)
{
    auto loose = RecordingView::Create();
    loose->detach(true, false);
    EXPECT_EQ(loose->events->back(), "Close");
    EXPECT_NE(loose->EventHandlerTable, nullptr);

    auto placed = RecordingView::Create();
    placed->resize(10, 10, false);
    placed->events->clear();
    placed->attach(window, true, true);
    EXPECT_TRUE(VR2SameObject(placed->parent(false).get(), window.get()));
    EXPECT_TRUE(window->views.empty());
    EXPECT_TRUE(window->updates.empty());
    EXPECT_TRUE(placed->events->empty());
}

TEST_F(Views, RetainedViewSurvivesDetachAndMoves)
{
    auto other = TestSurface::Create();
    auto view = Attached(0, 0, 10, 10);
    view->Retained = true;
    auto table = view->EventHandlerTable;
    view->detach(false, false);
    EXPECT_EQ(view->EventHandlerTable, table);
    EXPECT_NE(view->Pinning, nullptr);
    view->attach(other, false, false);
    EXPECT_EQ(other->views.size(), 1u);
    EXPECT_EQ(view->events->back(), "Open");
}

TEST_F(Views, ReleaseLeavesAnInertViewAndIsHarmlessTwice)
{
    auto view = Attached(0, 0, 10, 10);
    auto handler = VR2EventHandler::Create();
    handler->targetCode = codes::kTargetParent;
    view->EventHandlerTable->addHandler(codes::kEventAction, handler);

    view->release();
    EXPECT_EQ(*view->events, (Events{"ViewWillRelease", "ViewDidRelease"}));  // no Close
    EXPECT_TRUE(window->views.empty());
    EXPECT_TRUE(window->updates.empty());
    EXPECT_EQ(handler->targetCode, 0);  // the table was released, not just dropped

    view->events->clear();
    view->release();
    view->detach(true, false);
    view->DoGotFocus();
    view->DoLostFocus();
    EXPECT_FALSE(view->DoMouseDown(1, 1));
    auto message = VR2Message::Create("vr2view", codes::kDisable);
    view->Action(nullptr, message);
    EXPECT_EQ(message->result, codes::kResultNone);
    EXPECT_TRUE(view->Enabled);
    view->attach(window, true, false);
    EXPECT_TRUE(window->views.empty());
    EXPECT_TRUE(view->events->empty());

    // Handlers that let go of the view again do not start over.
    for (const char* event : {"ViewWillRelease", "Close"}) {
        SCOPED_TRACE(event);
        auto again = Attached(0, 0, 10, 10);
        again->onEvent = [weak = std::weak_ptr(again), event](const std::string& raised) {
            if (raised == event) {
                weak.lock()->detach(true, false);
                weak.lock()->release();
            }
        };
        again->detach(false, false);
        EXPECT_EQ(*again->events, (Events{"Close", "ViewWillRelease", "ViewDidRelease"}));
        EXPECT_TRUE(window->views.empty());
    }
}

TEST_F(Views, ResizeAndMoveNotifyAsTold)
{
    auto view = Attached(10, 20, 30, 40);
    view->Name = "v";
    view->resize(30, 40, true);
    EXPECT_TRUE(view->events->empty());
    EXPECT_TRUE(window->subviewChanges.empty());

    view->resize(50, 40, true);
    EXPECT_EQ(*view->events, (Events{"Resized 10,20,30,40"}));
    view->resize(60, 40, false);
    view->move(10, 20, true);
    view->move(5, 6, false);
    EXPECT_EQ(window->subviewChanges, (Events{"v 10,20,30,40 resized", "v 10,20,60,40 moved"}));
    EXPECT_EQ(view->events->size(), 2u);  // move raises nothing
    EXPECT_EQ(Describe(view->bounds(codes::kSpaceLocal)), "5,6,60,40");
    EXPECT_TRUE(window->updates.empty());  // neither repaints
}

TEST_F(Views, BoundsCodesAndClosedEdges)
{
    auto container = window->AddSurface(5, 6, 200, 100);
    auto view = container->AddView(10, 20, 30, 40);
    EXPECT_EQ(Describe(view->bounds(codes::kSpaceScreen)), "115,226,30,40");
    EXPECT_EQ(view->bounds(codes::kSpaceLocal1), nullptr);
    EXPECT_EQ(view->bounds(codes::kSpaceLocal2), nullptr);
    EXPECT_THROW(RecordingView::Create()->bounds(codes::kSpaceScreen), platform::NilObjectException);

    // In the parent's coordinates.
    EXPECT_TRUE(view->containsPoint(40, 60));
    EXPECT_FALSE(view->containsPoint(41, 60));
    EXPECT_EQ(Describe(view->frame()), ",,30,40");
    EXPECT_TRUE(VR2SameObject(view->parent(true).get(), window.get()));
}

TEST_F(Views, RepaintRequestsAreClippedAndClimbToTheWindow)
{
    auto container = window->AddSurface(100, 50, 60, 60);
    auto view = container->AddView(10, 10, 40, 30);
    view->refresh();
    ASSERT_EQ(window->updates.size(), 1u);
    EXPECT_EQ(Describe(window->updates[0]), "110,60,40,30");

    // Only the part inside the frame, moved into the parent; a touching edge sends nothing.
    view->refreshRect(VR2Rect::Create(-5, 20, 20, 40), nullptr);
    ASSERT_EQ(window->updates.size(), 2u);
    EXPECT_EQ(Describe(window->updates[1]), "110,80,15,10");
    view->refreshRect(VR2Rect::Create(40, 0, 10, 10), nullptr);
    view->refreshRect(VR2Rect::Create(0, 30, 10, 10), nullptr);
    EXPECT_EQ(window->updates.size(), 2u);
    EXPECT_THROW(view->refreshRect(nullptr, nullptr), platform::NilObjectException);

    view->resize(0, 10, false);
    view->refresh();
    RecordingView::Create()->refresh();
    EXPECT_EQ(window->updates.size(), 2u);

    // A rectangle whose far edges lie beyond Int32 is still clipped to the frame.
    auto square = Attached(0, 0, 100, 100);
    square->refreshRect(VR2Rect::Create(10, 10, INT32_MAX, INT32_MAX), nullptr);
    ASSERT_EQ(window->updates.size(), 3u);
    EXPECT_EQ(Describe(window->updates[2]), "10,10,90,90");
}

TEST_F(Views, FocusTriggersItsCodesAndRespectsEnabled)
{
    auto container = window->AddSurface(0, 0, 100, 100);
    auto first = RecordingView::Create();
    first->attach(container, false, false);
    auto second = RecordingView::Create();
    second->attach(container, false, false);
    auto recorder = RecordingReceiver::Create("recorder");
    for (const int32_t code : {codes::kEventGotFocus, codes::kEventLostFocus}) {
        auto handler = VR2EventHandler::Create();
        handler->targetCode = codes::kTargetFirstResponder;
        handler->messageCategory = platform::FourCCText(code);
        first->EventHandlerTable->addHandler(code, handler);
    }
    Vireo2Engine::VR2Responder_AcquireFocus(recorder);
    first->events->clear();

    first->changeFocus(codes::kFocusGive);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_FALSE(second->hasFocus());
    second->changeFocus(codes::kFocusGive);
    EXPECT_EQ(*first->events, (Events{"GotFocus", "LostFocus"}));
    ASSERT_EQ(recorder->log->size(), 2u);
    EXPECT_EQ((*recorder->log)[0].category, "gfcs");
    EXPECT_EQ((*recorder->log)[1].category, "lfcs");
    EXPECT_EQ((*recorder->log)[1].sender, first.get());

    // A disabled view gains nothing but still loses.
    first->Enabled = false;
    first->events->clear();
    first->DoGotFocus();
    first->DoLostFocus();
    EXPECT_EQ(*first->events, (Events{"LostFocus"}));
    EXPECT_EQ(recorder->log->size(), 3u);
    EXPECT_FALSE(RecordingView::Create()->hasFocus());
}
