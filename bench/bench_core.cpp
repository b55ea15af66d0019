// Two costs of the toolkit core:
// - delivering a message from a view 10 levels deep up to the window, each
//   level passing it on to its parent;
// - compositing a long list of small rows (a history list) into a 799x559
//   picture when only 20 rows lie in the dirty rectangle: 400 rows against
//   4,000. The cost must follow the rows painted, not the rows skipped, so
//   the ratio should stay near 1.
#include "BenchTiming.h"
#include "platform/Color.h"
#include "platform/Picture.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2Surface.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int32_t kWidth = 799;
constexpr int32_t kHeight = 559;
constexpr int32_t kRowHeight = 20;
constexpr int32_t kDepth = 10;

// The least a holder needs here: a list, a parent and message counting.
class BenchSurface : public VR2View, public VR2Surface {
public:
    using Ref = std::shared_ptr<BenchSurface>;
    static Ref Create() { return VR2View::Create<BenchSurface>(); }

    std::vector<ViewRef> views;
    int64_t handled = 0;

protected:
    void HandleMessage(const VR2Object::Ref&, const VR2Message::Ref& message) override
    {
        if (parent(false))
            return;
        ++handled;
        message->result = codes::kResultHandled;
    }

    void VR2Surface_AttachView(const ViewRef& view) override
    {
        views.push_back(view);
        view->DoOpen();
    }
    void VR2Surface_DetachView(const ViewRef& view) override { std::erase(views, view); }
    ViewRef VR2Surface_FindViewByName(const std::string& name, bool deep, bool visibleOnly) override
    {
        return Vireo2Engine::VR2FindViewByName(views, name, deep, visibleOnly);
    }
    ViewRef VR2Surface_FindViewAtPoint(const VR2Point::Ref& point, bool visibleOnly, bool recurse, int32_t n) override
    {
        return Vireo2Engine::VR2FindViewAtPoint(views, point, visibleOnly, recurse, n);
    }
    VR2Point::Ref VR2Surface_MousePosition(int32_t) override { return nullptr; }
    void VR2Surface_ChangeMouseCursor(const platform::MouseCursor::Ref&) override {}
    void VR2Surface_UpdateRect(const VR2Rect::Ref&, const std::shared_ptr<platform::Picture>&) override {}
    void VR2Surface_SwapView(const ViewRef&, const ViewRef&) override {}
    VR2Point::Ref VR2Surface_TranslatePoint(const VR2Point::Ref&, int32_t, int32_t) override { return nullptr; }
    std::shared_ptr<VR2DragObject> VR2Surface_CreateDragObject(const VR2Rect::Ref&, int32_t) override { return nullptr; }
    ViewRef VR2Surface_FindViewSibling(const ViewRef& view, bool forward, bool wrap) override
    {
        return Vireo2Engine::VR2FindViewSibling(views, view, forward, wrap);
    }
    VR2Surface::Ref VR2Surface_RootSurface() override
    {
        const auto up = parent(false);
        return up ? up->RootSurface() : std::dynamic_pointer_cast<VR2Surface>(Self());
    }
    void VR2Surface_ChangeFocus(const ViewRef&, int32_t) override {}
    bool VR2Surface_isFocusView(const ViewRef&) override { return false; }
    VR2Rect::Ref VR2Surface_Bounds(int32_t) override { return bounds(0); }
    void VR2Surface_SubviewDidChangeBounds(const ViewRef&, const VR2Rect::Ref&, bool, bool) override {}
    std::vector<ViewRef>& VR2Surface_getViewList() override { return views; }
    ViewRef VR2Surface_focusView() override { return nullptr; }
};

// One history row: a filled band and its date.
class RowView : public VR2View {
public:
    std::string text;

protected:
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&) override
    {
        g->SetForeColor(platform::RGB(240, 244, 250));
        g->FillRect(0, 0, g->Width, g->Height);
        g->SetForeColor(platform::RGB(30, 30, 30));
        g->DrawString(text, 4, 15, -1, false);
        return true;
    }
};

void BenchDelivery()
{
    auto window = BenchSurface::Create();
    VR2Surface::Ref holder = window;
    for (int32_t level = 1; level < kDepth - 1; ++level) {
        auto container = BenchSurface::Create();
        container->attach(holder, false, false);
        holder = container;
    }
    auto leaf = VR2View::Create<VR2View>();
    leaf->attach(holder, false, false);

    constexpr int kSends = 10000;
    const double total = MedianMicroseconds(
        [&] {
            for (int i = 0; i < kSends; ++i)
                leaf->sendMessage(VR2Message::Create("dp_event_food", 1));
        },
        21);
    std::printf("message from a view %d levels deep to the window: %6.3f us per delivery (%lld handled)\n", kDepth,
                total / kSends, static_cast<long long>(window->handled));
    window->release();
}

double BenchComposite(int32_t rows, const platform::Picture::Ref& target, int32_t dirtyRows = 20)
{
    Vireo2Engine::ViewList views;
    for (int32_t i = 0; i < rows; ++i) {
        auto row = VR2View::Create<RowView>();
        row->move(0, i * kRowHeight, false);
        row->resize(kWidth, kRowHeight, false);
        row->text = "2024-03-" + std::to_string(i % 28 + 1) + "   1,850 kcal   7,412 steps";
        views.push_back(row);
    }
    const auto g = VR2Graphics::Create(target->Graphics());
    // Rows 5 to 24 lie in the dirty rectangle; the next only touches its bottom edge.
    const auto dirty = VR2Rect::Create(0, 100, kWidth, dirtyRows * kRowHeight);
    return MedianMicroseconds([&] { Vireo2Engine::VR2CompositeRect(g, views, dirty, nullptr); }, 201);
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    BenchDelivery();

    const auto target = platform::Picture::NewPicture(kWidth, kHeight, 32);
    BenchComposite(400, target);  // warm up fonts and caches
    const double few = BenchComposite(400, target);
    const double many = BenchComposite(4000, target);
    std::printf("composite 20 dirty rows of   400: %8.1f us\n", few);
    std::printf("composite 20 dirty rows of 4,000: %8.1f us\n", many);
    std::printf("ratio 4,000 / 400: %.2f (the cost follows the painted rows when near 1)\n", many / few);
    const double skipping = BenchComposite(4000, target, 0);
    std::printf("4,000 rows, none dirty: %.1f us, %.1f ns per skipped row\n", skipping, skipping * 1000 / 4000);
    return 0;
}
