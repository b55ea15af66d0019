#include "RecordingView.h"
#include "TestSurface.h"

#include "platform/Exceptions.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"

#include <gtest/gtest.h>

#include <functional>

using Vireo2Engine::ViewList;
using Events = std::vector<std::string>;

namespace {

RecordingView::Ref Pinned(const std::function<void(VR2Pinning&)>& pin)
{
    auto view = RecordingView::Create();
    view->move(10, 20, false);
    view->resize(100, 50, false);
    pin(*view->Pinning);
    view->events->clear();
    return view;
}

std::string Frame(const VR2View::Ref& view) { return view->bounds(codes::kSpaceLocal)->description(); }

}  // namespace

TEST(VR2ArrangeLockedViews, PinnedViewsFollowTheHolder)
{
    auto none = Pinned([](VR2Pinning&) {});
    auto topLeft = Pinned([](VR2Pinning& p) { p.Top = p.Left = true; });
    auto bottomRight = Pinned([](VR2Pinning& p) { p.Bottom = p.Right = true; });
    auto all = Pinned([](VR2Pinning& p) { p.LockAllSides(); });
    auto height = Pinned([](VR2Pinning& p) { p.Height = true; });
    auto centred = Pinned([](VR2Pinning& p) { p.Center_Horizontal = p.Center_Vertical = true; });
    auto topWins = Pinned([](VR2Pinning& p) { p.Top = p.Center_Vertical = true; });
    const ViewList views{none, topLeft, bottomRight, all, height, centred, topWins};

    EXPECT_TRUE(Vireo2Engine::VR2ArrangeLockedViews(VR2Rect::Create(0, 0, 400, 300), VR2Rect::Create(50, 50, 500, 360),
                                                    true, views));
    EXPECT_EQ(Frame(none), "10,20,100,50");
    EXPECT_EQ(Frame(topLeft), "10,20,100,50");
    EXPECT_EQ(Frame(bottomRight), "110,80,100,50");
    EXPECT_EQ(Frame(all), "10,20,200,110");
    EXPECT_EQ(Frame(height), "10,20,100,110");
    EXPECT_EQ(Frame(centred), "200,155,100,50");  // the holder's position plays no part
    EXPECT_EQ(Frame(topWins), "10,20,100,50");

    // Live: only views that changed hear of it, with their old frame.
    EXPECT_TRUE(none->events->empty());
    EXPECT_TRUE(topLeft->events->empty());
    EXPECT_EQ(*bottomRight->events, (Events{"Resizing 10,20,100,50"}));

    // Final: every pinned view hears of it; a shrinking holder may leave empty frames.
    EXPECT_TRUE(Vireo2Engine::VR2ArrangeLockedViews(VR2Rect::Create(0, 0, 500, 360), VR2Rect::Create(0, 0, 100, 100),
                                                    false, views));
    EXPECT_EQ(topLeft->events->back(), "Resized 10,20,100,50");
    EXPECT_EQ(all->events->back(), "Resized 10,20,200,110");
    EXPECT_EQ(Frame(all), "10,20,-200,-150");
    EXPECT_TRUE(none->events->empty());
}

TEST(VR2ArrangeLockedViews, NothingPinnedNilFramesAndHooksThatChangeTheList)
{
    auto loose = Pinned([](VR2Pinning&) {});
    EXPECT_FALSE(Vireo2Engine::VR2ArrangeLockedViews(nullptr, nullptr, false, {loose}));
    EXPECT_FALSE(Vireo2Engine::VR2ArrangeLockedViews(nullptr, nullptr, false, {}));
    auto pinned = Pinned([](VR2Pinning& p) { p.Width = true; });
    EXPECT_THROW(Vireo2Engine::VR2ArrangeLockedViews(nullptr, VR2Rect::Create(0, 0, 1, 1), false, {pinned}),
                 platform::NilObjectException);
    EXPECT_THROW(Vireo2Engine::VR2ArrangeLockedViews(nullptr, nullptr, false, {nullptr}),
                 platform::NilObjectException);

    // A view released by an earlier view's hook is skipped, not dereferenced.
    auto victim = Pinned([](VR2Pinning& p) { p.Width = true; });
    auto releaser = Pinned([](VR2Pinning& p) { p.Width = true; });
    releaser->onEvent = [weakVictim = std::weak_ptr(victim)](const std::string&) { weakVictim.lock()->release(); };
    EXPECT_TRUE(Vireo2Engine::VR2ArrangeLockedViews(VR2Rect::Create(0, 0, 10, 10), VR2Rect::Create(0, 0, 20, 20),
                                                    false, {releaser, victim}));
    EXPECT_EQ(Frame(releaser), "10,20,110,50");
    EXPECT_EQ(Frame(victim), "10,20,100,50");
}

TEST(VR2FindViewAtPoint, TopmostFirstEdgesIncludedAndSurfacesAnswerForThemselves)
{
    auto window = TestSurface::Create();
    auto below = window->AddView(0, 0, 100, 100, "below");
    auto above = window->AddView(50, 50, 100, 100, "above");
    auto at = [&](int32_t x, int32_t y, bool visibleOnly = true, bool recurse = true) {
        const auto found = Vireo2Engine::VR2FindViewAtPoint(window->views, VR2Point::Create(x, y), visibleOnly, recurse, 0);
        return found ? found->Name : std::string("nil");
    };
    EXPECT_EQ(at(60, 60), "above");
    EXPECT_EQ(at(100, 100), "above");
    EXPECT_EQ(at(10, 10), "below");
    EXPECT_EQ(at(150, 150), "above");  // right and bottom edges are inside
    EXPECT_EQ(at(151, 150), "nil");
    above->Visible = false;
    EXPECT_EQ(at(60, 60), "below");
    EXPECT_EQ(at(60, 60, false), "above");

    auto container = window->AddSurface(200, 0, 100, 100, "container");
    container->AddView(10, 10, 20, 20, "child");
    EXPECT_EQ(at(215, 15), "child");
    EXPECT_EQ(at(250, 50), "nil");  // nothing inside: not the container either
    EXPECT_EQ(at(250, 50, true, false), "container");
    EXPECT_THROW(Vireo2Engine::VR2FindViewAtPoint(window->views, nullptr, true, true, 0), platform::NilObjectException);
    EXPECT_EQ(Vireo2Engine::VR2FindViewAtPoint({}, nullptr, true, true, 0), nullptr);
}

TEST(VR2FindViewSibling, StepsAndWraps)
{
    auto window = TestSurface::Create();
    auto a = window->AddView(0, 0, 1, 1, "a");
    auto b = window->AddView(0, 0, 1, 1, "b");
    auto c = window->AddView(0, 0, 1, 1, "c");
    const auto& views = window->views;
    auto sibling = [](const ViewList& list, const VR2View::Ref& view, bool forward, bool wrap) {
        const auto found = Vireo2Engine::VR2FindViewSibling(list, view, forward, wrap);
        return found ? found->Name : std::string("nil");
    };
    EXPECT_EQ(sibling(views, a, true, false), "b");
    EXPECT_EQ(sibling(views, c, true, true), "a");
    EXPECT_EQ(sibling(views, c, true, false), "nil");
    EXPECT_EQ(sibling(views, a, false, true), "c");
    EXPECT_EQ(sibling({a}, a, false, true), "nil");

    // A view that is not in the list (or nil) stands before the first.
    auto stranger = VR2View::Create<VR2View>();
    EXPECT_EQ(sibling(views, stranger, true, false), "a");
    EXPECT_EQ(sibling(views, nullptr, true, false), "a");
    EXPECT_EQ(sibling(views, stranger, false, true), "c");
    EXPECT_EQ(sibling(views, stranger, false, false), "nil");
    EXPECT_EQ(sibling({a}, stranger, false, true), "nil");
    // One view, and the reference not in the list: going forward still finds it.
    EXPECT_EQ(sibling({a}, stranger, true, false), "a");
}

TEST(VR2FindViewByName, DepthFirstInOrderAndHiddenHoldersHide)
{
    auto window = TestSurface::Create();
    auto holder = window->AddSurface(0, 0, 100, 100, "A");
    auto inside = holder->AddView(0, 0, 10, 10, "food_entry_field");
    auto later = window->AddView(0, 0, 10, 10, "food_entry_field");
    EXPECT_EQ(Vireo2Engine::VR2FindViewByName(window->views, "food_entry_field", false, false), inside);
    holder->Visible = false;
    EXPECT_EQ(Vireo2Engine::VR2FindViewByName(window->views, "food_entry_field", true, true), later);
    EXPECT_EQ(Vireo2Engine::VR2FindViewByName(window->views, "A", true, true), nullptr);
    EXPECT_EQ(Vireo2Engine::VR2FindViewByName(window->views, "A", true, false), holder);
    EXPECT_EQ(Vireo2Engine::VR2FindViewByName(window->views, "missing", true, false), nullptr);
}
