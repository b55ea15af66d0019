#include "TestSurface.h"

#include "platform/Exceptions.h"
#include "platform/Picture.h"
#include "platform/RGBSurface.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

using platform::Color;
using platform::RGB;

namespace {

const Color kRed = RGB(255, 0, 0);
const Color kBlue = RGB(0, 0, 255);
const Color kGreen = RGB(0, 255, 0);
const Color kWhite = RGB(255, 255, 255);

// Fills its frame, plus `spill` pixels beyond every edge, and logs the rects it was given.
class PaintingView : public VR2View {
public:
    using Ref = std::shared_ptr<PaintingView>;
    static Ref Create(int32_t left, int32_t top, int32_t width, int32_t height, Color color)
    {
        auto view = VR2View::Create<PaintingView>();
        view->move(left, top, false);
        view->resize(width, height, false);
        view->color = color;
        return view;
    }

    Color color;
    int32_t spill = 0;
    bool draws = true;
    bool onlyPaint = false;  // PaintRect declines; Paint marks 4 by 4 pixels at (100, 100)
    std::vector<std::string> rects;
    std::vector<VR2Graphics::Ref> contexts;
    std::function<void()> whilePainting;

protected:
    bool PaintRect(const VR2Graphics::Ref& g, const VR2Rect::Ref& rect) override
    {
        if (onlyPaint)
            return false;
        rects.push_back(rect->description());
        contexts.push_back(g);
        if (whilePainting)
            whilePainting();
        if (draws) {
            g->SetForeColor(color);
            g->FillRect(-spill, -spill, g->Width + 2 * spill, g->Height + 2 * spill);
        }
        return true;
    }
    void Paint(const VR2Graphics::Ref& g) override
    {
        contexts.push_back(g);
        g->SetForeColor(color);
        g->FillRect(100, 100, 4, 4);
    }
};

class Compositing : public testing::Test {
protected:
    void SetUp() override
    {
        g->SetForeColor(kBlue);
        g->FillRect(0, 0, 200, 200);
    }
    void TearDown() override { Vireo2Engine::ResetForTesting(); }

    void Composite(const Vireo2Engine::ViewList& views, int32_t left, int32_t top, int32_t width, int32_t height)
    {
        Vireo2Engine::VR2CompositeRect(g, views, VR2Rect::Create(left, top, width, height), nullptr);
    }
    Color At(int32_t x, int32_t y) { return target->RGBSurface()->Pixel(x, y); }

    platform::Picture::Ref target = platform::Picture::NewPicture(200, 200, 32);
    VR2Graphics::Ref g = VR2Graphics::Create(target->Graphics());
};

bool Near(Color a, Color b)
{
    return std::abs(a.Red() - b.Red()) <= 3 && std::abs(a.Green() - b.Green()) <= 3 &&
           std::abs(a.Blue() - b.Blue()) <= 3;
}

}  // namespace

TEST_F(Compositing, SkipsWhatItNeedNotPaint)
{
    auto hidden = PaintingView::Create(10, 10, 20, 20, kRed);
    hidden->Visible = false;
    auto empty = PaintingView::Create(10, 10, 0, 20, kRed);
    auto outside = PaintingView::Create(100, 100, 20, 20, kRed);
    auto touching = PaintingView::Create(50, 10, 20, 20, kRed);  // its left edge is dirty's right edge
    Composite({hidden, empty, outside, touching}, 0, 0, 50, 50);
    for (const auto& view : {hidden, empty, outside, touching})
        EXPECT_TRUE(view->rects.empty());
    EXPECT_EQ(At(10, 10), kBlue);
}

TEST_F(Compositing, WhollyDirtyViewPaintsDirectlyAndUnclipped)
{
    auto view = PaintingView::Create(20, 20, 20, 20, kRed);
    view->spill = 5;
    Composite({view}, 0, 0, 100, 100);
    ASSERT_EQ(view->rects.size(), 1u);
    EXPECT_EQ(view->rects[0], ",,20,20");
    EXPECT_EQ(view->contexts[0]->Width, 20);
    EXPECT_EQ(view->contexts[0]->Height, 20);
    EXPECT_EQ(At(20, 20), kRed);
    EXPECT_EQ(At(16, 16), kRed);  // drawn outside its frame and not clipped
    EXPECT_EQ(At(14, 14), kBlue);
}

TEST_F(Compositing, PartlyDirtyViewIsClippedToItsVisiblePart)
{
    auto view = PaintingView::Create(100, 50, 60, 60, kRed);
    view->spill = 20;
    Composite({view}, 90, 40, 40, 40);
    ASSERT_EQ(view->rects.size(), 1u);
    EXPECT_EQ(view->rects[0], ",,30,30");
    EXPECT_EQ(At(100, 50), kRed);
    EXPECT_EQ(At(129, 79), kRed);
    EXPECT_EQ(At(130, 79), kBlue);  // outside dirty
    EXPECT_EQ(At(129, 80), kBlue);
    EXPECT_EQ(At(95, 45), kBlue);   // its spill inside dirty is cut off too
}

TEST_F(Compositing, HolderPaintsDirectlyAndItsChildrenAreComposited)
{
    auto holder = TestSurface::Create(100, 100);
    holder->fillColor = kGreen;
    auto child = PaintingView::Create(40, 40, 20, 20, kRed);
    child->attach(holder, false, false);
    Composite({holder}, 0, 0, 50, 50);
    EXPECT_EQ(At(60, 60), kGreen);  // the holder's own fill passes dirty: not clipped
    EXPECT_EQ(At(45, 45), kRed);
    EXPECT_EQ(At(50, 50), kGreen);  // the partly dirty child is clipped
}

TEST_F(Compositing, OpacityBlendsThroughTheMask)
{
    auto invisible = PaintingView::Create(0, 0, 20, 20, kRed);
    invisible->Opacity = 0.0;
    auto half = PaintingView::Create(40, 0, 20, 20, kRed);
    half->Opacity = 0.5;
    Composite({invisible, half}, 0, 0, 200, 200);
    EXPECT_EQ(invisible->rects.size(), 1u);
    EXPECT_EQ(At(10, 10), kBlue);
    EXPECT_TRUE(Near(At(50, 10), RGB(128, 0, 127))) << std::hex << At(50, 10).value;
}

TEST_F(Compositing, ConsecutiveOffscreenViewsShareAClearedOpaquePicture)
{
    auto first = PaintingView::Create(0, 0, 20, 20, kRed);
    first->Opacity = 0.5;
    auto second = PaintingView::Create(40, 0, 20, 20, kGreen);
    second->AutoClip = true;
    second->draws = false;
    Composite({first, second}, 0, 0, 200, 200);
    // The second shows neither the first's red nor its translucency: a fresh white picture.
    EXPECT_EQ(At(50, 10), kWhite);

    // With a background picture the cleared picture starts from what lies under it.
    auto background = platform::Picture::NewPicture(200, 200, 32);
    background->Graphics()->SetForeColor(kGreen);
    background->Graphics()->FillRect(0, 0, 200, 200);
    g->Background = background;
    Composite({first, second}, 0, 0, 200, 200);
    EXPECT_EQ(At(50, 10), kGreen);
    ASSERT_EQ(second->contexts.size(), 2u);
    EXPECT_EQ(second->contexts[0], first->contexts[0]);  // one off-screen context per call
}

TEST_F(Compositing, DebugOutlineFramesEveryPaintedView)
{
    auto view = PaintingView::Create(20, 20, 30, 30, kGreen);
    Vireo2Engine::VR2DebugBoundingBox = true;
    Composite({view}, 0, 0, 200, 200);
    EXPECT_EQ(At(20, 20), kRed);
    EXPECT_EQ(At(49, 35), kRed);
    EXPECT_EQ(At(35, 49), kRed);
    EXPECT_EQ(At(35, 35), kGreen);
}

TEST_F(Compositing, PaintHandlersThatChangeTheListOrTheStateLeaveTheOtherViewsWhole)
{
    for (const bool autoClip : {false, true}) {
        SCOPED_TRACE(autoClip ? "through one reused off-screen picture" : "straight into the holder's port");
        auto holder = TestSurface::Create(200, 200);
        std::vector<PaintingView::Ref> views;
        for (int32_t left : {0, 20, 40, 60}) {
            views.push_back(PaintingView::Create(left, 0, 10, 10, kRed));
            views.back()->AutoClip = autoClip;
            views.back()->attach(holder, false, false);
        }
        // The second takes out the first and leaves its port bold and large with a wide pen.
        views[1]->whilePainting = [&] {
            views[0]->detach(false, false);
            views[1]->contexts.back()->SetBold(true);
            views[1]->contexts.back()->SetTextSize(30);
            views[1]->contexts.back()->PushPenSize(3, 3);
        };
        // The third takes out itself and the second.
        views[2]->whilePainting = [&] {
            const auto port = views[2]->contexts.back()->Port();
            EXPECT_TRUE(!port->Bold() && port->TextSize() == 0 && port->PenWidth() == 1);
            views[1]->release();
            views[2]->release();
        };
        Composite(holder->views, 0, 0, 200, 200);
        for (const auto& view : views)
            EXPECT_EQ(view->rects.size(), 1u);
    }
}

TEST_F(Compositing, PaintFallbackAppendedViewsAndFailures)
{
    // A view without PaintRect is drawn through a picture of the part being painted.
    auto large = PaintingView::Create(0, 0, 8000, 8000, kRed);
    large->onlyPaint = true;
    large->DoPaint(g, VR2Rect::Create(95, 95, 10, 10));
    ASSERT_EQ(large->contexts.size(), 1u);
    EXPECT_EQ(large->contexts[0]->Port()->Width(), 10);
    EXPECT_EQ(At(100, 100), kRed);
    EXPECT_EQ(At(104, 104), kWhite);
    EXPECT_EQ(At(105, 105), kBlue);

    auto plain = VR2View::Create<VR2View>();
    plain->move(0, 0, false);
    plain->resize(10, 10, false);

    Vireo2Engine::ViewList views{plain};
    auto appended = PaintingView::Create(20, 0, 10, 10, kRed);
    auto first = PaintingView::Create(40, 0, 10, 10, kGreen);
    first->whilePainting = [&views, &appended] {
        if (views.size() == 2)
            views.push_back(appended);
    };
    views.push_back(first);
    Composite(views, 0, 0, 200, 200);
    EXPECT_EQ(At(5, 5), kWhite);
    EXPECT_EQ(appended->rects.size(), 1u);

    first->whilePainting = [] { throw platform::RuntimeException("paint failed"); };
    EXPECT_THROW(Composite(views, 0, 0, 200, 200), platform::RuntimeException);
    EXPECT_EQ(appended->rects.size(), 1u);
    EXPECT_THROW(Vireo2Engine::VR2CompositeRect(g, {plain}, nullptr, nullptr), platform::NilObjectException);
}

TEST(VR2AutoSizeRectForString, MeasuresInTheSystemFontKeepingThePosition)
{
    auto rect = VR2Rect::Create(7, 8, 100, 100);
    Vireo2Engine::VR2AutoSizeRectForString("", rect, nullptr);
    EXPECT_EQ(rect->width, 0);
    EXPECT_GT(rect->height, 10);
    const int32_t lineHeight = rect->height;
    Vireo2Engine::VR2AutoSizeRectForString("Add food", rect, nullptr);
    EXPECT_GT(rect->width, 30);
    EXPECT_EQ(rect->height, lineHeight);
    EXPECT_EQ(rect->left, 7);
    EXPECT_EQ(rect->top, 8);

    auto large = VR2Graphics::Create();
    large->SetTextSize(30);
    Vireo2Engine::VR2AutoSizeRectForString("Add food", rect, large);
    EXPECT_GT(rect->height, lineHeight);
    EXPECT_THROW(Vireo2Engine::VR2AutoSizeRectForString("x", nullptr, nullptr), platform::NilObjectException);
}
