#include "HostFixture.h"

#include "platform/Exceptions.h"
#include "platform/FourCC.h"
#include "platform/Picture.h"
#include "toolkit/core/AppSeam.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2Message.h"
#include "toolkit/core/Vireo2Engine.h"

#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QWidget>

#include <climits>

using Lines = std::vector<std::string>;

namespace {

constexpr platform::Color kRed{0xFF0000};
constexpr platform::Color kBlue{0x0000FF};
constexpr platform::Color kGreen{0x00FF00};
constexpr platform::Color kYellow{0xFFFF00};
constexpr platform::Color kBack{0xEFEFEF};

// Records the rectangles that the widget itself repaints.
struct PaintEvents : QObject {
    explicit PaintEvents(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            rects.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
    std::vector<QRect> rects;
};

}  // namespace

class HostPaintTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        window->HasBackColor(true);
        window->BackColor(kBack);
    }

    uint32_t Pixel(int x, int y) { return testsupport::ScreenPixels(*window).pixel(x, y) & 0xFFFFFF; }

    // Paints the whole window as the desktop asks for it, and forgets the counts.
    void PaintAll()
    {
        window->UpdateRect(VR2Rect::Create(0, 0, 400, 300), nullptr);
        window->paintRectArguments.clear();
    }
};

TEST_F(HostPaintTest, RefreshRepaintsOnlyTheDirtyRectangle)
{
    auto a = Add("a", 10, 10, 50, 50, kRed);
    auto b = Add("b", 100, 10, 50, 50, kBlue);
    PaintAll();
    EXPECT_EQ(Pixel(20, 20), 0xFF0000u);
    EXPECT_EQ(Pixel(110, 20), 0x0000FFu);
    EXPECT_EQ(Pixel(80, 80), 0xEFEFEFu);
    const int paintsOfB = b->paints;

    a->color = kGreen;
    b->color = kYellow;
    PaintEvents shown(widget);
    a->refresh();
    EXPECT_EQ(shown.rects, std::vector<QRect>({QRect(10, 10, 50, 50)}));  // put on screen, and only that
    EXPECT_EQ(Pixel(20, 20), 0x00FF00u);
    EXPECT_EQ(Pixel(110, 20), 0x0000FFu);  // not dirty, not repainted
    EXPECT_EQ(b->paints, paintsOfB);
    EXPECT_EQ(window->paintRectArguments, Lines({"10,10,50,50"}));
}

TEST_F(HostPaintTest, LockedUpdatesRepaintTheirBoundingBoxOnce)
{
    auto p = Add("p", 0, 0, 10, 10, kRed);
    auto q = Add("q", 100, 100, 10, 10, kRed);
    PaintAll();

    SCOPED_TRACE("a second lock keeps what the first collected; a far-off request wraps nothing");
    const int paintsOfP = p->paints;
    const int paintsOfQ = q->paints;
    p->color = kBlue;
    q->color = kBlue;
    window->LockUpdate();
    p->refresh();
    window->LockUpdate();
    q->refresh();
    window->UpdateRect(VR2Rect::Create(INT32_MIN + 5, 0, 10, 10), nullptr);
    EXPECT_EQ(Pixel(5, 5), 0xFF0000u);  // nothing drawn before the unlock
    EXPECT_EQ(p->paints, paintsOfP);
    window->UnlockUpdate();
    EXPECT_EQ(window->paintRectArguments, Lines({",,110,110"}));
    EXPECT_EQ(p->paints, paintsOfP + 1);
    EXPECT_EQ(q->paints, paintsOfQ + 1);
    EXPECT_EQ(Pixel(5, 5), 0x0000FFu);
    EXPECT_EQ(Pixel(105, 105), 0x0000FFu);
    window->paintRectArguments.clear();

    SCOPED_TRACE("nothing collected, no lock, empty or outside");
    window->LockUpdate();
    window->UnlockUpdate();
    window->UnlockUpdate();
    window->UpdateRect(VR2Rect::Create(5, 5, 0, 10), nullptr);
    window->UpdateRect(VR2Rect::Create(500, 10, 20, 20), nullptr);
    window->UpdateRect(VR2Rect::Create(INT32_MAX - 5, 0, 100000, 10), nullptr);  // would wrap into the window
    EXPECT_TRUE(window->paintRectArguments.empty());

    SCOPED_TRACE("larger than the window");
    window->UpdateRect(VR2Rect::Create(-100000, -100000, 1000000, 1000000), nullptr);
    EXPECT_EQ(window->paintRectArguments, Lines({",,400,300"}));
    EXPECT_THROW(window->UpdateRect(nullptr, nullptr), platform::NilObjectException);
}

TEST_F(HostPaintTest, RequestsDuringAPaintAreDroppedAndAFailedPaintEndsTheDrawing)
{
    auto a = Add("a", 10, 10, 50, 50, kRed);
    auto b = Add("b", 100, 10, 50, 50, kBlue);

    SCOPED_TRACE("a refresh from paint code");
    const int paintsOfB = b->paints;
    a->onPaint = [&] { b->refresh(); };
    a->refresh();
    EXPECT_EQ(b->paints, paintsOfB);
    a->onPaint = nullptr;

    SCOPED_TRACE("a paint that raises, then the next request");
    window->onPaintRect = [](const VR2Graphics::Ref&, const VR2Rect::Ref&) {
        throw platform::NilObjectException();
    };
    EXPECT_THROW(a->refresh(), platform::NilObjectException);
    window->onPaintRect = nullptr;
    a->color = kGreen;
    a->refresh();
    EXPECT_EQ(Pixel(20, 20), 0x00FF00u);
}

TEST_F(HostPaintTest, WindowBackgroundIsDrawnFromTheDirtyCorner)
{
    PaintAll();
    window->onPaintRect = [](const VR2Graphics::Ref& g, const VR2Rect::Ref&) {
        g->SetForeColor(platform::Color{0x000000});
        g->FillRect(0, 0, 3, 3);
    };
    window->UpdateRect(VR2Rect::Create(200, 150, 20, 20), nullptr);
    EXPECT_EQ(Pixel(201, 151), 0x000000u);
    EXPECT_EQ(Pixel(199, 149), 0xEFEFEFu);
    EXPECT_EQ(Pixel(204, 154), 0xEFEFEFu);
}

TEST_F(HostPaintTest, DesktopPaintDrawsEverythingEvenWhileLocked)
{
    Add("a", 10, 10, 50, 50, kRed);
    window->LockUpdate();
    const auto picture = platform::Picture::NewPicture(400, 300);
    window->OnPaint(picture->Graphics());
    picture->EndPainting();
    EXPECT_EQ(picture->ImageForReading().pixel(20, 20) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(picture->ImageForReading().pixel(80, 80) & 0xFFFFFF, 0xEFEFEFu);
    EXPECT_EQ(window->paintRectArguments.back(), ",,400,300");
    window->UnlockUpdate();
}

TEST_F(HostPaintTest, AMessageLeftUnhandledWithNoApplicationKeepsItsResult)
{
    ASSERT_EQ(toolkit::App(), nullptr);
    auto message = VR2Message::Create("probe", platform::FourCC("prob"));
    window->Action(nullptr, message);
    EXPECT_EQ(Take(), Lines({"window HandleMessage probe"}));
    EXPECT_EQ(message->result, codes::kResultNone);
}
