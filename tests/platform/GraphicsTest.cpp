#include "platform/ArcShape.h"
#include "platform/Exceptions.h"
#include "platform/Graphics.h"

#include "support/Pixels.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>
#include <utility>

using platform::Color;
using platform::Picture;
using platform::RGB;

namespace {

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kInk = RGB(200, 0, 0);
constexpr int32_t kOwn = platform::Graphics::kOwnSize;
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

class GraphicsTest : public testing::Test, protected testsupport::Canvas {
protected:
    GraphicsTest() : Canvas(60, 40), port(picture->Graphics()) { port->SetForeColor(kInk); }

    platform::Graphics::Ref port;
};

}  // namespace

TEST_F(GraphicsTest, RectanglesCoverExactlyTheirBoxAndFrameItWithThePenInside)
{
    port->FillRect(5, 6, 10, 4);
    EXPECT_EQ(InkIn(5, 6, 10, 4), 40);
    EXPECT_EQ(Ink(), 40);
    port->FillRect(30, 30, 0, 5);
    port->FillRect(30, 30, 5, -5);
    port->FillRect(-5, -5, 6, 6);  // clipped to the one pixel at (0, 0)
    port->FillRect(kMax, 0, kMax, 5);
    port->FillRect(std::numeric_limits<int32_t>::min(), 0, kMax, 5);
    EXPECT_EQ(Ink(), 41);
    port->ClearRect(0, 0, 60, 40);
    EXPECT_EQ(Ink(), 0);

    port->DrawRect(10, 10, 8, 5);
    EXPECT_EQ(InkIn(10, 10, 8, 5), 2 * 8 + 2 * 3);
    EXPECT_EQ(InkIn(11, 11, 6, 3), 0);
    EXPECT_EQ(Ink(), 22);

    Clear();
    port->SetPenWidth(2);
    port->SetPenHeight(3);
    port->DrawRect(10, 10, 10, 10);
    EXPECT_EQ(Ink(), 100 - 6 * 4);
    EXPECT_EQ(InkIn(12, 13, 6, 4), 0);

    // A box narrower than two pens is filled.
    Clear();
    port->DrawRect(0, 0, 3, 10);
    EXPECT_EQ(Ink(), 30);
}

TEST_F(GraphicsTest, LinesIncludeBothEndsAndThePenHangsRightAndBelow)
{
    port->DrawLine(3, 5, 12, 5);
    EXPECT_EQ(InkIn(3, 5, 10, 1), 10);
    EXPECT_EQ(Ink(), 10);

    Clear();
    port->DrawLine(10, 30, 10, 20);
    EXPECT_EQ(InkIn(10, 20, 1, 11), 11);
    EXPECT_EQ(Ink(), 11);

    Clear();
    port->DrawLine(0, 0, 9, 9);
    EXPECT_EQ(Ink(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(At(i, i), kInk) << i;

    Clear();
    port->DrawLine(20, 10, 0, 0);  // shallow, drawn backwards
    EXPECT_EQ(At(20, 10), kInk);
    EXPECT_EQ(At(0, 0), kInk);
    EXPECT_EQ(Ink(), 21);

    Clear();
    port->SetPenWidth(2);
    port->SetPenHeight(2);
    port->DrawLine(5, 5, 10, 5);
    EXPECT_EQ(InkIn(5, 5, 7, 2), 14);
    EXPECT_EQ(Ink(), 14);
}

TEST_F(GraphicsTest, CurvesStayInsideTheirBox)
{
    port->FillOval(10, 10, 20, 12);
    EXPECT_EQ(At(20, 16), kInk);
    EXPECT_EQ(At(10, 10), kWhite);
    EXPECT_EQ(InkIn(10, 10, 20, 12), Ink());

    Clear();
    port->DrawOval(10, 10, 20, 12);
    EXPECT_EQ(At(20, 16), kWhite);
    EXPECT_NE(At(20, 10), kWhite);
    EXPECT_EQ(InkIn(10, 10, 20, 12), Ink());

    Clear();
    port->FillRoundRect(5, 5, 30, 20, 10, 10);
    EXPECT_EQ(At(20, 5), kInk);
    EXPECT_EQ(At(5, 15), kInk);
    EXPECT_EQ(At(5, 5), kWhite);
    EXPECT_EQ(InkIn(5, 5, 30, 20), Ink());

    Clear();
    port->DrawRoundRect(5, 5, 30, 20, 10, 10);
    EXPECT_EQ(At(20, 15), kWhite);
    EXPECT_EQ(InkIn(5, 5, 30, 20), Ink());
}

TEST_F(GraphicsTest, PolygonsUseThePlatformPointForm)
{
    // Element 0 is not a coordinate.
    port->FillPolygon({99, 0, 0, 7, 0, 3, 7});
    EXPECT_EQ(InkIn(0, 0, 7, 1), 7);
    EXPECT_EQ(At(3, 5), kInk);
    EXPECT_EQ(At(0, 5), kWhite);
    EXPECT_EQ(InkIn(0, 0, 8, 8), Ink());

    Clear();
    port->DrawPolygon({0, 10, 10, 20, 10, 20, 20, 10, 20});
    EXPECT_EQ(Ink(), 4 * 10);
    EXPECT_EQ(At(15, 15), kWhite);

    Clear();
    port->FillPolygon({0});
    port->FillPolygon({0, 1, 1, 5});
    port->DrawPolygon({});
    EXPECT_EQ(Ink(), 0);
}

TEST_F(GraphicsTest, DrawPictureScalesCropsAndTakesTheOwnSizeMarker)
{
    auto source = Picture::NewPicture(4, 2);
    auto sourcePort = source->Graphics();
    sourcePort->SetForeColor(RGB(0, 0, 255));
    sourcePort->FillRect(0, 0, 2, 2);
    sourcePort->SetForeColor(RGB(0, 255, 0));
    sourcePort->FillRect(2, 0, 2, 2);

    port->DrawPicture(source, 10, 10, kOwn, kOwn, 0, 0, kOwn, kOwn);
    EXPECT_EQ(At(10, 10), RGB(0, 0, 255));
    EXPECT_EQ(At(13, 11), RGB(0, 255, 0));
    EXPECT_EQ(At(14, 11), kWhite);

    port->DrawPicture(source, 20, 20, 8, 4, 0, 0, 4, 2);
    EXPECT_EQ(At(23, 23), RGB(0, 0, 255));
    EXPECT_EQ(At(24, 20), RGB(0, 255, 0));
    EXPECT_EQ(At(28, 23), kWhite);

    port->DrawPicture(source, 40, 0, 2, 2, 2, 0, 2, 2);
    EXPECT_EQ(At(40, 0), RGB(0, 255, 0));
    EXPECT_EQ(At(42, 0), kWhite);

    const int before = Ink();
    port->DrawPicture(source, 0, 0, 0, 0, 0, 0, 0, 0);
    port->DrawPicture(source, kMax, 0, kOwn, kOwn, 0, 0, kOwn, kOwn);
    EXPECT_EQ(Ink(), before);
    EXPECT_THROW(port->DrawPicture(nullptr, 0, 0, kOwn, kOwn, 0, 0, kOwn, kOwn), platform::NilObjectException);

    // A picture drawn into itself reads what it held before.
    port->DrawPicture(picture, 1, 0, kOwn, kOwn, 0, 0, kOwn, kOwn);
    EXPECT_EQ(At(11, 10), RGB(0, 0, 255));
    EXPECT_EQ(At(14, 11), RGB(0, 255, 0));
}

TEST_F(GraphicsTest, MasksAndOpacityBlendTheSourceButNeverTouchTheTargetsMask)
{
    auto source = Picture::NewPicture(4, 1);
    source->Graphics()->SetForeColor(RGB(0, 0, 0));
    source->Graphics()->FillRect(0, 0, 4, 1);
    auto mask = source->Mask()->Graphics();
    auto targetMask = picture->Mask();
    auto fillMask = [&](Color level, int x, int width) {
        mask->SetForeColor(level);
        mask->FillRect(x, 0, width, 1);
    };

    // Level 0 shows, 255 hides, 128 blends about half and half; an opacity multiplies.
    fillMask(kWhite, 1, 1);
    fillMask(RGB(128, 128, 128), 2, 1);
    port->DrawPicture(source, 0, 0, kOwn, kOwn, 0, 0, kOwn, kOwn);
    port->DrawPicture(source, 10, 0, 0.5);
    const std::pair<int, int> expected[] = {{0, 0},   {1, 255},  {2, 128},  {3, 0},
                                            {10, 128}, {11, 255}, {12, 191}, {13, 128}};
    for (const auto& [x, red] : expected)
        EXPECT_NEAR(At(x, 0).Red(), red, 2) << x;

    // A changed mask is seen at the next draw.
    fillMask(RGB(0, 0, 0), 1, 1);
    port->DrawPicture(source, 20, 0, 1.0);
    EXPECT_EQ(At(21, 0), RGB(0, 0, 0));

    // A mask of one level throughout acts as a plain opacity.
    fillMask(RGB(191, 191, 191), 0, 4);
    port->DrawPicture(source, 30, 0, 1.0);
    EXPECT_NEAR(At(30, 0).Red(), 191, 2);
    fillMask(kWhite, 0, 4);
    port->DrawPicture(source, 40, 0, 1.0);
    port->DrawPicture(source, 50, 0, 0.0);
    EXPECT_EQ(InkIn(40, 0, 20, 1), 0);

    for (int x = 0; x < 60; ++x)
        EXPECT_EQ(testsupport::PixelAt(targetMask, x, 0), RGB(0, 0, 0)) << x;
}

TEST_F(GraphicsTest, TextIsMeasuredInTheStandardFontsWithoutAWindow)
{
    auto measure = Picture::NewPicture(1, 1)->Graphics();
    const int32_t systemWidth = measure->StringWidth("Calories eaten");
    measure->SetTextSize(13);
    EXPECT_EQ(measure->StringWidth("Calories eaten"), systemWidth);
    measure->SetTextFont("DejaVu Sans");
    EXPECT_EQ(measure->StringWidth("Calories eaten"), systemWidth);
    measure->SetTextFont("No Such Font At All");
    EXPECT_EQ(measure->StringWidth("Calories eaten"), systemWidth);

    measure->SetTextFont("SmallSystem");
    measure->SetTextSize(0);
    EXPECT_LT(measure->StringWidth("Calories eaten"), systemWidth);
    measure->SetTextFont("System");
    EXPECT_LT(measure->TextAscent(), measure->TextHeight());
    measure->SetBold(true);
    EXPECT_GT(measure->StringWidth("Calories eaten"), systemWidth);
    measure->SetBold(false);

    const int32_t line = measure->TextHeight();
    EXPECT_EQ(measure->StringHeight("one two three", 0), line);
    EXPECT_EQ(measure->StringHeight("one two three", 1000), line);
    EXPECT_EQ(measure->StringHeight("one two three", measure->StringWidth("one two")), 2 * line);
    EXPECT_EQ(measure->StringHeight("one\ntwo", 1000), 2 * line);
    EXPECT_EQ(measure->StringHeight("abcdefghij", measure->StringWidth("abc")), 4 * line);
}

TEST_F(GraphicsTest, DrawStringSitsOnItsBaselineWrapsAndCondenses)
{
    const int32_t ascent = port->TextAscent();
    const int32_t line = port->TextHeight();
    port->DrawString("Steps", 5, 20);
    EXPECT_GT(InkIn(5, 20 - ascent, 40, ascent), 10);
    EXPECT_EQ(InkIn(0, 0, 60, 20 - ascent), 0);
    EXPECT_EQ(InkIn(0, 0, 4, 40), 0);

    Clear();
    const int32_t wrap = port->StringWidth("abc");
    port->DrawString("abc abc", 0, ascent, wrap, false);
    EXPECT_GT(InkIn(0, line, 60, line), 5);
    EXPECT_EQ(InkIn(wrap + 2, 0, 60 - wrap - 2, 40), 0);

    Clear();
    port->DrawString("a long line of text", 0, ascent, 30, true);
    EXPECT_GT(Ink(), 5);
    EXPECT_EQ(InkIn(31, 0, 29, 40), 0);
    EXPECT_EQ(InkIn(0, line + 1, 60, 40 - line - 1), 0);
}

TEST_F(GraphicsTest, FontChangesReachTheNextStringEvenAcrossPaintings)
{
    auto inkRows = [&] {
        int rows = 0;
        for (int y = 0; y < 40; ++y)
            rows += InkIn(0, y, 60, 1) > 0 ? 1 : 0;
        return rows;
    };
    port->SetTextSize(10);
    port->DrawString("H", 0, 35);
    const int small = inkRows();
    Clear();
    port->SetTextSize(30);
    port->DrawString("H", 0, 35);
    const int large = inkRows();
    EXPECT_GT(large, 2 * small);

    // A new painter (after the image was read) must still get the current font.
    picture->Image();
    Clear();
    port->DrawString("H", 0, 35);
    EXPECT_EQ(inkRows(), large);
}

TEST_F(GraphicsTest, ArcShapesAndIconsDrawInTheirOwnPlace)
{
    auto arc = platform::ArcShape::Create();
    arc->Width = 20;
    arc->Height = 20;
    arc->ArcAngle = std::numbers::pi / 2;  // right to bottom: the lower-right quarter
    arc->FillColor = kInk;
    port->DrawObject(arc, 30, 20);
    EXPECT_EQ(At(34, 24), kInk);
    EXPECT_EQ(At(25, 24), kWhite);
    EXPECT_EQ(At(34, 15), kWhite);
    EXPECT_EQ(InkIn(30, 20, 11, 11), Ink());
    EXPECT_THROW(port->DrawObject(nullptr, 0, 0), platform::NilObjectException);

    // Alert icons fill their own 32-by-32 square from its top-left corner.
    auto large = Picture::NewPicture(120, 40);
    auto icons = large->Graphics();
    icons->DrawCautionIcon(4, 4);
    icons->DrawNoteIcon(44, 4);
    icons->DrawStopIcon(84, 4);
    for (int left : {4, 44, 84}) {
        EXPECT_GT(testsupport::InkIn(large, left, 4, 32, 32), 100) << left;
        EXPECT_EQ(testsupport::InkIn(large, left, 4, 32, 32), testsupport::InkIn(large, left - 4, 0, 40, 40));
    }
}
