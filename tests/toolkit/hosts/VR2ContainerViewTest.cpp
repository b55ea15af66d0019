#include "HostFixture.h"

#include "platform/Exceptions.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/hosts/VR2ContainerView.h"
#include "toolkit/hosts/VR2ViewArrangement.h"

#include <QTest>

#include <limits>

using Lines = EventLog;

namespace {

// A container that logs its own events into the shared log.
class LoggingContainer : public VR2ContainerView {
public:
    using Ref = std::shared_ptr<LoggingContainer>;
    static Ref Make(const std::shared_ptr<EventLog>& log, std::string name, int32_t left, int32_t top, int32_t width,
                    int32_t height)
    {
        auto container = VR2View::Create<LoggingContainer>();
        container->log = log;
        container->Name = std::move(name);
        container->move(left, top, false);
        container->resize(width, height, false);
        return container;
    }
    std::shared_ptr<EventLog> log;

protected:
    void Add(const std::string& line) { log->push_back(Name + " " + line); }
    bool ContainerMouseDown(int32_t x, int32_t y) override
    {
        Add("ContainerMouseDown " + PointText(x, y));
        return true;
    }
    void ContainerMouseUp(int32_t x, int32_t y) override { Add("ContainerMouseUp " + PointText(x, y)); }
    void ContainerMouseExit() override { Add("ContainerMouseExit"); }
    void ContainerGotFocus() override { Add("ContainerGotFocus"); }
    bool ContainerKeyDown(const std::string& key) override
    {
        Add("ContainerKeyDown " + key);
        return true;
    }
    bool ContainerPaintRect(const std::shared_ptr<VR2Graphics>&, const VR2Rect::Ref&, int32_t layer) override
    {
        Add("ContainerPaintRect " + std::to_string(layer));
        return true;
    }
};

}  // namespace

TEST_F(HostFixture, ContainersRouteClicksAndHoverThroughEveryLevel)
{
    auto below = Add("below", 0, 0, 400, 300);
    auto outer = LoggingContainer::Make(log, "outer", 50, 50, 300, 200);
    auto inner = LoggingContainer::Make(log, "inner", 20, 20, 200, 150);
    auto a = ProbeView::Create(log, "a", 10, 10, 50, 50);
    auto b = ProbeView::Create(log, "b", 100, 10, 50, 50);
    inner->initWithContentView(a);
    b->attach(inner, false, false);
    outer->initWithContentView(inner);
    outer->attach(window, false, false);
    Show();

    {
        SCOPED_TRACE("each level subtracts its child's position once");
        QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(85, 85));
        EXPECT_EQ(Take(HOVER), Lines({"a MouseDown 5,5", "a MouseUp 5,5"}));
    }
    {
        SCOPED_TRACE("the uncovered part of a container lets the press through to the view below");
        QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(300, 230));
        EXPECT_EQ(Take(HOVER), Lines({"below MouseDown 300,230", "below MouseUp 300,230"}));
    }
    {
        SCOPED_TRACE("a child that declines leaves the press to its container, which then gets the release");
        a->takePress = false;
        QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(85, 85));
        EXPECT_EQ(Take(HOVER), Lines({"a MouseDown 5,5", "inner ContainerMouseDown 15,15", "inner ContainerMouseUp 15,15"}));
        a->takePress = true;
    }
    {
        SCOPED_TRACE("hover: exit before enter, the container's own exit last");
        QTest::mouseMove(handle, QPoint(85, 85));
        Take();
        QTest::mouseMove(handle, QPoint(175, 85));
        EXPECT_EQ(Take(), Lines({"a MouseExit", "b MouseEnter", "b MouseMove 5,5"}));
        QTest::mouseMove(handle, QPoint(380, 280));
        EXPECT_EQ(Take(), Lines({"b MouseExit", "inner ContainerMouseExit", "outer ContainerMouseExit",
                                 "below MouseEnter", "below MouseMove 380,280"}));
    }
    {
        SCOPED_TRACE("a child detached from under the pointer is told the pointer left, so it can put it back");
        QTest::mouseMove(handle, QPoint(175, 85));
        Take();
        b->detach(false, false);
        EXPECT_EQ(Take(), Lines({"b Close", "b MouseExit"}));
        QTest::mouseMove(handle, QPoint(176, 85));
        EXPECT_EQ(Take(), Lines({"inner ContainerMouseExit", "outer ContainerMouseExit", "below MouseEnter",
                                 "below MouseMove 176,85"}));
    }
    {
        SCOPED_TRACE("OverrideMouseEvents makes the container solid and keeps its children out");
        outer->OverrideMouseEvents = true;
        QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(300, 230));
        QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(85, 85));
        EXPECT_EQ(Take(HOVER), Lines({"outer ContainerMouseDown 250,180", "outer ContainerMouseUp 250,180",
                                      "outer ContainerMouseDown 35,35", "outer ContainerMouseUp 35,35"}));
    }
}

TEST_F(HostFixture, ContainerListFocusPaintingAndRepaintRequests)
{
    auto box = LoggingContainer::Make(log, "box", 50, 50, 300, 200);
    auto a = ProbeView::Create(log, "a", 0, 0, 40, 40);
    auto b = ProbeView::Create(log, "b", 50, 0, 40, 40);
    a->attach(box, false, false);
    b->attach(box, false, false);
    box->attach(window, false, false);
    auto stranger = ProbeView::Create(log, "stranger", 0, 0, 10, 10);
    Show();

    {
        SCOPED_TRACE("detaching a view the container does not hold changes nothing");
        box->DetachView(stranger);
        EXPECT_EQ(box->getViewList(), std::vector<VR2View::Ref>({a, b}));
    }
    {
        SCOPED_TRACE("the mouse position in a container's space 0 adds its left to x and its top to y");
        auto offset = MakeHolder(50, 20);
        offset->attach(window, false, false);
        QTest::mouseMove(handle, QPoint(70, 90));
        Take();
        EXPECT_EQ(window->MousePosition(codes::kSpaceLocal)->description(), "70,90");
        EXPECT_EQ(offset->MousePosition(codes::kSpaceLocal)->description(), "120,110");
        EXPECT_EQ(box->MousePosition(codes::kSpaceScreen)->y, window->MousePosition(codes::kSpaceScreen)->y);
        offset->detach(false, false);
    }
    {
        SCOPED_TRACE("the focus goes to the first child that takes it; none: the container's own event");
        box->DoGotFocus();
        EXPECT_EQ(Take(), Lines({"box ContainerGotFocus"}));
        b->CanFocus = true;
        box->changeFocus(0);
        EXPECT_EQ(Take(), Lines({"b GotFocus"}));
        EXPECT_EQ(window->focusView(), b);
    }
    {
        SCOPED_TRACE("the focus is the window's: keys go to the child from there, the container keeps none");
        EXPECT_EQ(box->focusView(), nullptr);
        b->takeKeys = true;
        QTest::keyClick(handle, Qt::Key_X);
        EXPECT_EQ(Take(), Lines({"b KeyDown x"}));
        EXPECT_TRUE(box->DoKeyDown("y"));
        EXPECT_EQ(Take(), Lines({"box ContainerKeyDown y"}));
        b->detach(false, false);
        EXPECT_EQ(Take(), Lines({"b Close", "b LostFocus"}));
        EXPECT_EQ(window->focusView(), nullptr);
    }
    {
        SCOPED_TRACE("PaintLayer -1 raises the paint event before and after the children");
        a->onPaint = [&] { log->push_back("a painted"); };
        box->PaintLayer = -1;
        box->refresh();
        EXPECT_EQ(Take(), Lines({"box ContainerPaintRect 0", "a painted", "box ContainerPaintRect 1"}));
        box->PaintLayer = 2;
        box->refresh();
        EXPECT_EQ(Take(), Lines({"a painted"}));
    }
    {
        SCOPED_TRACE("a request far past the edges is clipped to the frame without wrapping round");
        window->paintRectArguments.clear();
        constexpr int32_t huge = std::numeric_limits<int32_t>::max();
        box->UpdateRect(VR2Rect::Create(10, 10, huge, huge), nullptr);
        box->UpdateRect(VR2Rect::Create(300, 0, 20, 20), nullptr);  // touches the right edge only
        EXPECT_EQ(window->paintRectArguments, std::vector<std::string>({"60,60,290,190"}));
    }
}

TEST(ContainerView, PinnedChildrenFollowResizesFromTheFirstRecordedFrame)
{
    auto box = VR2ContainerView::Create();
    auto child = ProbeView::Create(std::make_shared<EventLog>(), "child", 0, 0, 100, 20);
    child->Pinning->Width = true;
    child->attach(box, false, false);
    // Before Open the first resize only records the frame.
    EXPECT_NO_THROW(box->resize(200, 50, true));
    EXPECT_EQ(child->width(), 100);
    box->resize(250, 50, true);
    EXPECT_EQ(child->width(), 150);
}

TEST(ViewArrangement, StacksWithPaddingCentresAcrossAndStretchesRows)
{
    const auto log = std::make_shared<EventLog>();
    std::vector<VR2View::Ref> views{ProbeView::Create(log, "a", 0, 0, 10, 20), ProbeView::Create(log, "b", 0, 0, 10, 30),
                                    ProbeView::Create(log, "c", 0, 0, 61, 10)};
    VR2ViewArrangement flow;
    flow.Padding = 5;
    flow.Alignment = VR2ViewArrangement::kCentre;
    flow.Width = 100;
    flow.FlowViewList(views);
    EXPECT_EQ(views[1]->bounds(0)->description(), "45,30,10,30");
    EXPECT_EQ(views[2]->bounds(0)->description(), "19,65,61,10");  // 19.5 truncated

    SCOPED_TRACE("trailing: each view against the far edge, stacked and in a row");
    flow.Alignment = VR2ViewArrangement::kTrailing;
    flow.FlowViewList(views);
    EXPECT_EQ(views[0]->bounds(0)->description() + " " + views[1]->bounds(0)->description() + " " +
                  views[2]->bounds(0)->description(),
              "90,5,10,20 90,30,10,30 39,65,61,10");
    flow.Orientation = VR2ViewArrangement::kHorizontal;
    flow.Height = 40;
    flow.FlowViewList(views);
    EXPECT_EQ(views[0]->bounds(0)->description() + " " + views[1]->bounds(0)->description() + " " +
                  views[2]->bounds(0)->description(),
              "5,20,10,20 20,10,10,30 35,30,61,10");

    flow.Alignment = VR2ViewArrangement::kStretch;
    flow.FlowViewList(views);
    EXPECT_EQ(views[2]->bounds(0)->description(), "35,,61,40");
    views.push_back(nullptr);
    EXPECT_THROW(flow.FlowViewList(views), platform::NilObjectException);
}
