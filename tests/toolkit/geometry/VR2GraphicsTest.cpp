#include "platform/ArcShape.h"
#include "platform/Exceptions.h"
#include "toolkit/geometry/VR2Gradient.h"
#include "toolkit/geometry/VR2Graphics.h"

#include "support/Pixels.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

using platform::Color;
using platform::Picture;
using platform::RGB;

namespace {

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kInk = RGB(0, 90, 0);
constexpr int32_t kOwn = platform::Graphics::kOwnSize;

// A context over one picture, and a plain port over another of the same size
// on which the test draws what the context should have passed on.
class VR2GraphicsTest : public testing::Test, protected testsupport::Canvas {
protected:
    VR2GraphicsTest()
        : Canvas(200, 140), context(VR2Graphics::Create(picture->Graphics())),
          expected(Picture::NewPicture(200, 140)), port(expected->Graphics())
    {
        context->SetForeColor(kInk);
        port->SetForeColor(kInk);
    }

    int Differences() const { return testsupport::Differences(picture, expected); }

    VR2Graphics::Ref context;
    Picture::Ref expected;
    platform::Graphics::Ref port;
};

// The process's peak memory so far.
long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

TEST_F(VR2GraphicsTest, EveryCallReachesThePortMovedByTheOffsets)
{
    auto source = Picture::NewPicture(2, 2);
    source->Graphics()->SetForeColor(RGB(0, 0, 200));
    source->Graphics()->FillRect(0, 1, 2, 1);
    auto arc = platform::ArcShape::Create();
    arc->Width = arc->Height = 16;
    arc->ArcAngle = 2;
    arc->FillColor = kInk;

    // The calls both take the same way; (x, y) is where the context's origin should land.
    auto scene = [&](auto& g, int32_t x, int32_t y) {
        g.DrawRect(x + 10, y, 6, 5);
        g.DrawLine(x + 35, y, x + 40, y + 6);
        g.DrawOval(x + 45, y, 12, 8);
        g.FillOval(x + 60, y, 12, 8);
        g.DrawRoundRect(x + 75, y, 14, 10, 6, 6);
        g.FillRoundRect(x + 92, y, 14, 10, 6, 4);
        g.DrawPolygon({0, x + 110, y, x + 118, y, x + 114, y + 8});
        g.FillPolygon({0, x + 122, y, x + 130, y, x + 126, y + 8});
        g.FillRect(x + 135, y, 10, 10);
        g.ClearRect(x + 137, y + 2, 4, 5);
        g.DrawPicture(source, x + 150, y, 4, 6, 1, 0, 1, 2);
        g.DrawString("one two", x + 30, y + 40, 20, false);
        g.DrawString("a long line", x + 150, y + 95, 30, true);
        g.DrawObject(arc, x + 90, y + 40);
        g.DrawStopIcon(x, y + 60);
        g.DrawCautionIcon(x + 100, y + 60);
        g.DrawNoteIcon(x + 150, y + 40);
    };
    context->Offset(10, 20);
    scene(*context, 0, 0);
    context->FillRect(VR2Rect::Create(20, 0, 3, 3));
    context->DrawRect(VR2Rect::Create(26, 0, 5, 6));
    context->DrawPicture(source, 160, 0, -1, 7, 8, 9, 10, 11);
    context->DrawString("Hi", 0, 40, -1, true);
    context->DrawArc(60, 100, 10, 14, 0, 6.3);
    context->FillArc(80, 100, 10, 15, 1, 4);

    scene(*port, 10, 20);
    port->FillRect(30, 20, 3, 3);
    port->DrawRect(36, 20, 5, 6);
    port->DrawPicture(source, 170, 20, kOwn, kOwn, 0, 0, kOwn, kOwn);
    port->DrawString("Hi", 10, 60, 0, false);
    // DrawArc places the arc's centre on the box's corner, FillArc in the box's centre.
    auto arcShape = [](double width, double height, double start, double angle, int32_t fill) {
        auto shape = platform::ArcShape::Create();
        shape->Width = width;
        shape->Height = height;
        shape->StartAngle = start;
        shape->ArcAngle = angle;
        shape->Fill = fill;
        shape->Border = 100;
        shape->FillColor = shape->BorderColor = kInk;
        return shape;
    };
    port->DrawObject(arcShape(10, 14, 0, 6.3, 0), 70, 120);
    port->DrawObject(arcShape(10, 15, 1, 4, 100), 95, 127);  // 80 + 5 + 10, 100 + 7.5 + 20 truncated

    EXPECT_GT(Ink(), 1000);
    EXPECT_EQ(Differences(), 0);
}

TEST_F(VR2GraphicsTest, ArrowsAreTrianglesInTheirBoxWithHalvesTruncated)
{
    // Box 7 wide and 9 high: the tip lies at 3 across or 4 down.
    context->Offset(10, 20);
    for (int direction = 0; direction < 4; ++direction) {
        context->FillArrow(20 * direction, 0, 7, 9, direction);
        context->DrawArrow(20 * direction, 30, 7, 9, direction);
    }
    context->FillArrow(100, 0, 7, 9, 4);
    context->DrawArrow(100, 0, 7, 9, -1);

    const int32_t left = 10, top = 20, right = 17, bottom = 29;
    const std::vector<std::vector<int32_t>> triangles{{0, left, top, right, top, left + 3, bottom},
                                                      {0, left, bottom, right, bottom, left + 3, top},
                                                      {0, right, top, right, bottom, left, top + 4},
                                                      {0, left, top, left, bottom, right, top + 4}};
    for (int direction = 0; direction < 4; ++direction) {
        auto moved = triangles[static_cast<size_t>(direction)];
        for (size_t i = 1; i < moved.size(); i += 2)
            moved[i] += 20 * direction;
        port->FillPolygon(moved);
        for (size_t i = 2; i < moved.size(); i += 2)
            moved[i] += 30;
        port->DrawPolygon(moved);
    }
    EXPECT_EQ(Differences(), 0);
    EXPECT_GT(Ink(), 100);
}

TEST_F(VR2GraphicsTest, OffsetsAccumulateUntilResetAndCopiesMoveOnTheirOwn)
{
    context->Offset(3, 4);
    context->Offset(VR2Point::Create(3, 4));
    EXPECT_EQ(context->xoffset, 6);
    EXPECT_EQ(context->yoffset, 8);
    EXPECT_THROW(context->Offset(VR2Point::Ref()), platform::NilObjectException);
    EXPECT_EQ(context->xoffset, 6);

    context->Width = 10;
    context->Background = Picture::NewPicture(2, 2);
    auto copy = context->Copy();
    EXPECT_EQ(copy->Port(), context->Port());
    EXPECT_EQ(copy->yoffset, 8);
    EXPECT_EQ(copy->Background, context->Background);
    EXPECT_EQ(copy->Width, 200);  // from the port, not from the copied context
    copy->Offset(10, 0);
    EXPECT_EQ(context->xoffset, 6);

    context->Reset(picture->Graphics(), 1, 2, nullptr);
    EXPECT_EQ(context->xoffset, 1);
    EXPECT_EQ(context->yoffset, 2);
    EXPECT_EQ(context->Background, nullptr);
    // Without a port, Reset falls back to the measuring picture.
    context->Reset(nullptr, 0, 0, nullptr);
    EXPECT_EQ(context->Port(), VR2Graphics::getSharedMeasuringPic()->Graphics());
    EXPECT_EQ(context->Width, 1);
    EXPECT_THROW(VR2Graphics::Create(platform::Graphics::Ref()), platform::NilObjectException);

    context->Reset(picture->Graphics(), 0, 0, nullptr);
    EXPECT_THROW(context->DrawRect(VR2Rect::Ref()), platform::NilObjectException);
}

TEST_F(VR2GraphicsTest, PenStackUndoesPushesInOrderAndThenTheSeedOnce)
{
    auto own = picture->Graphics();
    own->SetPenWidth(2);
    context->Reset(own, 0, 0, nullptr);  // seeds the stack with the 2-by-1 pen
    context->PushPenSize(4, 5);
    context->PushPenSize(6, 7);
    EXPECT_EQ(own->PenWidth(), 6);
    EXPECT_EQ(own->PenHeight(), 7);

    // A copy's stack holds only its seed, the pen it found.
    auto copy = context->Copy();
    copy->PopPenSize();
    EXPECT_EQ(own->PenWidth(), 6);
    EXPECT_THROW(copy->PopPenSize(), platform::OutOfBoundsException);

    context->PopPenSize();
    EXPECT_EQ(own->PenWidth(), 4);
    EXPECT_EQ(own->PenHeight(), 5);
    context->PopPenSize();
    own->SetPenWidth(9);
    context->PopPenSize();  // the unpaired pop restores the seed
    EXPECT_EQ(own->PenWidth(), 2);
    EXPECT_EQ(own->PenHeight(), 1);
    EXPECT_THROW(context->PopPenSize(), platform::OutOfBoundsException);
    EXPECT_EQ(own->PenWidth(), 2);
}

TEST_F(VR2GraphicsTest, GradientRunsFromTheStartColourAndStopsShortOfTheEnd)
{
    const Color start = RGB(0, 0, 0), end = RGB(128, 128, 128);
    context->Offset(2, 3);
    context->FillGradientRect(0, 0, 4, 10, start, end, true);
    EXPECT_EQ(At(2, 3), start);
    EXPECT_EQ(At(2, 12), start);
    EXPECT_EQ(At(5, 3), RGB(96, 96, 96));  // last column: 3/4 of the way
    EXPECT_EQ(InkIn(2, 3, 4, 10), Ink());
    EXPECT_EQ(picture->Graphics()->ForeColor(), RGB(96, 96, 96));

    Clear();
    context->FillGradientRect(0, 0, 10, 2, RGB(255, 0, 0), RGB(0, 0, 255), false);
    EXPECT_EQ(At(11, 3), RGB(255, 0, 0));
    EXPECT_EQ(At(2, 4), RGB(127, 0, 127));
    EXPECT_EQ(InkIn(2, 3, 10, 2), 20);
    EXPECT_EQ(Ink(), 20);

    // Nothing to draw leaves the pen colour alone.
    context->SetForeColor(kInk);
    context->FillGradientRect(0, 0, 0, 10, start, end, true);
    EXPECT_EQ(picture->Graphics()->ForeColor(), kInk);

    // Far larger than the port: the lines that land show their place in the whole
    // run, and the cost follows the port. The pen is 3 wide.
    auto gradient = VR2Gradient::Create();
    gradient->EndColor = RGB(0, 0, 255);
    context->Reset(picture->Graphics(), 0, 0, nullptr);
    context->PushPenSize(3, 1);
    struct Fill {
        const char* what;
        int32_t x, y, width, height;
        bool columns;
        int32_t probeX, probeY, step;
    };
    for (const auto& fill : {Fill{"columns from far left", -10'000'000, 0, 20'000'000, 2, true, 199, 1, 10'000'199},
                             Fill{"rows from above", 0, -5, 1, 1'000'000, false, 0, 139, 144},
                             Fill{"a line left of the port that the pen brings in", -1000, 10, 999, 1, true, 0, 10, 998},
                             Fill{"a width near the Int32 limit", 0, 20, INT32_MAX, 1, true, 199, 20, 199}}) {
        SCOPED_TRACE(fill.what);
        const long before = PeakKilobytes();
        context->FillGradientRect(fill.x, fill.y, fill.width, fill.height, start, gradient->EndColor, fill.columns);
        EXPECT_LT(PeakKilobytes() - before, 100'000) << "memory in proportion to the size";
        const int32_t count = fill.columns ? fill.width : fill.height;
        EXPECT_EQ(At(fill.probeX, fill.probeY), gradient->Step(fill.step, count));
        EXPECT_EQ(picture->Graphics()->ForeColor(), gradient->Step(count - 1, count));
    }
    Clear();
    context->FillGradientRect(INT32_MAX - 5, 30, 100, 1, kInk, kInk, true);  // columns that wrap past the limit
    EXPECT_EQ(Ink(), 0);
}

TEST_F(VR2GraphicsTest, PutBackgroundCopiesWhatLiesUnderTheTarget)
{
    auto background = Picture::NewPicture(80, 60);
    background->Graphics()->SetForeColor(RGB(10, 20, 30));
    background->Graphics()->FillRect(20, 10, 5, 5);
    auto target = Picture::NewPicture(6, 6);

    context->PutBackground(target, 20, 10);  // no Background: untouched
    EXPECT_EQ(testsupport::InkIn(target, 0, 0, 6, 6), 0);

    context->Reset(picture->Graphics(), 1, 1, background);
    context->PutBackground(target, 18, 8);  // (19, 9) of the background once offset
    EXPECT_EQ(testsupport::PixelAt(target, 0, 0), kWhite);
    EXPECT_EQ(testsupport::PixelAt(target, 1, 1), RGB(10, 20, 30));
    EXPECT_EQ(testsupport::InkIn(target, 1, 1, 5, 5), 25);
    EXPECT_EQ(testsupport::InkIn(target, 0, 0, 6, 6), 25);
}

TEST_F(VR2GraphicsTest, MeasuringContextsShareOnePicture)
{
    auto first = VR2Graphics::Create();
    auto second = VR2Graphics::Create();
    EXPECT_EQ(first->Port(), second->Port());
    EXPECT_EQ(first->Width, 1);
    EXPECT_EQ(first->Height, 1);
    first->SetTextFont("System");
    first->SetTextSize(0);
    EXPECT_EQ(first->StringWidth("Goal"), context->StringWidth("Goal"));
    EXPECT_EQ(first->TextHeight(), context->TextHeight());
    EXPECT_EQ(first->StringHeight("Goal", 0), context->TextHeight());

    // Each starts from the defaults, whatever the one before it set.
    first->SetTextSize(30);
    first->SetUnderline(true);
    EXPECT_EQ(VR2Graphics::Create()->StringWidth("Goal"), context->StringWidth("Goal"));
    EXPECT_FALSE(first->Port()->Underline());
}
