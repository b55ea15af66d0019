#include "platform/Exceptions.h"
#include "platform/RGBSurface.h"
#include "toolkit/geometry/VR2Graphics.h"

#include "support/Pixels.h"

#include <gtest/gtest.h>

using platform::Color;
using platform::Picture;
using platform::RGB;

namespace {

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kInk = RGB(0, 90, 0);

class VR2GraphicsTest : public testing::Test {
protected:
    void SetUp() override
    {
        picture = Picture::NewPicture(80, 60);
        context = VR2Graphics::Create(picture->Graphics());
        context->SetForeColor(kInk);
    }

    Color At(int x, int y) const { return testsupport::PixelAt(picture, x, y); }
    int InkIn(int left, int top, int width, int height) const
    {
        return testsupport::InkIn(picture, left, top, width, height);
    }
    int Ink() const { return testsupport::Ink(picture); }
    void Clear() { picture->Graphics()->ClearRect(0, 0, 80, 60); }

    Picture::Ref picture;
    VR2Graphics::Ref context;
};

}  // namespace

TEST_F(VR2GraphicsTest, AnOffsetContextLandsWhereItShould)
{
    EXPECT_EQ(context->Width, 80);
    EXPECT_EQ(context->Height, 60);
    context->Offset(10, 20);

    context->DrawLine(0, 0, 5, 5);
    EXPECT_EQ(At(10, 20), kInk);
    EXPECT_EQ(At(15, 25), kInk);
    EXPECT_EQ(Ink(), 6);

    Clear();
    context->FillRect(VR2Rect::Create(1, 2, 3, 4));
    EXPECT_EQ(InkIn(11, 22, 3, 4), 12);
    EXPECT_EQ(Ink(), 12);

    Clear();
    context->DrawRect(0, 0, 5, 5);
    EXPECT_EQ(InkIn(10, 20, 5, 5), 16);
    EXPECT_EQ(Ink(), 16);

    Clear();
    context->FillOval(1, 2, 30, 20);
    EXPECT_EQ(InkIn(11, 22, 30, 20), Ink());
    EXPECT_EQ(At(26, 32), kInk);

    // Polygons move every x by the x offset and every y by the y offset; element 0 is left out.
    Clear();
    const std::vector<int32_t> square{7, 0, 0, 10, 0, 10, 10, 0, 10};
    context->FillPolygon(square);
    EXPECT_EQ(square[0], 7);
    EXPECT_EQ(InkIn(10, 20, 10, 10), 100);
    EXPECT_EQ(Ink(), 100);

    // Offsets accumulate; Reset sets them.
    context->Offset(VR2Point::Create(3, 4));
    EXPECT_EQ(context->xoffset, 13);
    EXPECT_EQ(context->yoffset, 24);
    EXPECT_THROW(context->Offset(VR2Point::Ref()), platform::NilObjectException);
    EXPECT_EQ(context->xoffset, 13);
    context->Reset(picture->Graphics(), 1, 2, nullptr);
    EXPECT_EQ(context->xoffset, 1);
    EXPECT_EQ(context->yoffset, 2);
}

TEST_F(VR2GraphicsTest, RectangleCallsSwitchTheOldRendererAroundThemselves)
{
    auto port = picture->Graphics();
    context->FillRect(0, 0, 2, 2);
    EXPECT_FALSE(port->UseOldRenderer());
    EXPECT_THROW(context->DrawRect(VR2Rect::Ref()), platform::NilObjectException);
    EXPECT_TRUE(port->UseOldRenderer());
    EXPECT_THROW(VR2Graphics::Create(platform::Graphics::Ref()), platform::NilObjectException);
}

TEST_F(VR2GraphicsTest, CopySharesThePortButNotTheOffsetsOrTheStack)
{
    context->Offset(5, 5);
    context->Width = 10;
    context->Background = Picture::NewPicture(2, 2);
    context->PushPenSize(3, 3);

    auto copy = context->Copy();
    EXPECT_EQ(copy->Port(), context->Port());
    EXPECT_EQ(copy->xoffset, 5);
    EXPECT_EQ(copy->Background, context->Background);
    EXPECT_EQ(copy->Width, 80);  // from the port, not from the copied context
    copy->Offset(10, 0);
    EXPECT_EQ(context->xoffset, 5);

    // The copy's stack holds only its seed, the pen it found (3 by 3).
    copy->PopPenSize();
    EXPECT_EQ(picture->Graphics()->PenWidth(), 3);
    EXPECT_THROW(copy->PopPenSize(), platform::OutOfBoundsException);
    context->PopPenSize();
    EXPECT_EQ(picture->Graphics()->PenWidth(), 1);
}

TEST_F(VR2GraphicsTest, PenStackUndoesPushesInOrderAndThenTheSeed)
{
    auto port = picture->Graphics();
    port->SetPenWidth(2);
    context->Reset(port, 0, 0, nullptr);  // seeds the stack with the 2-pixel pen
    context->PushPenSize(4, 5);
    context->PushPenSize(6, 7);
    EXPECT_EQ(port->PenWidth(), 6);
    EXPECT_EQ(port->PenHeight(), 7);
    context->PopPenSize();
    EXPECT_EQ(port->PenWidth(), 4);
    EXPECT_EQ(port->PenHeight(), 5);
    context->PopPenSize();
    EXPECT_EQ(port->PenWidth(), 2);
    EXPECT_EQ(port->PenHeight(), 1);
    port->SetPenWidth(9);
    context->PopPenSize();  // the unpaired pop restores the seed once
    EXPECT_EQ(port->PenWidth(), 2);
    EXPECT_THROW(context->PopPenSize(), platform::OutOfBoundsException);
    EXPECT_EQ(port->PenWidth(), 2);
}

TEST_F(VR2GraphicsTest, ArrowsPointTheFourWays)
{
    context->FillArrow(0, 0, 7, 7, 0);  // down: full top row
    EXPECT_EQ(InkIn(0, 0, 7, 1), 7);
    EXPECT_LE(InkIn(0, 5, 7, 2), 2);

    Clear();
    context->FillArrow(0, 0, 7, 7, 1);  // up: full bottom row
    EXPECT_EQ(InkIn(0, 6, 7, 1), 7);
    EXPECT_LE(InkIn(0, 0, 7, 2), 2);

    Clear();
    context->Offset(20, 20);
    context->FillArrow(0, 0, 7, 7, 2);  // left: full right column
    EXPECT_EQ(InkIn(26, 20, 1, 7), 7);
    EXPECT_LE(InkIn(20, 20, 2, 7), 2);
    EXPECT_EQ(InkIn(20, 20, 7, 7), Ink());

    Clear();
    context->FillArrow(0, 0, 7, 7, 3);  // right: full left column
    EXPECT_EQ(InkIn(20, 20, 1, 7), 7);

    Clear();
    context->FillArrow(0, 0, 7, 7, 4);
    context->DrawArrow(0, 0, 7, 7, -1);
    EXPECT_EQ(Ink(), 0);
    context->DrawArrow(0, 0, 10, 10, 0);
    EXPECT_EQ(InkIn(20, 20, 11, 1), 11);
    EXPECT_EQ(At(25, 25), kWhite);
}

TEST_F(VR2GraphicsTest, GradientRunsFromTheStartColourAndStopsShortOfTheEnd)
{
    const Color start = RGB(0, 0, 0), end = RGB(128, 128, 128);
    context->Offset(2, 3);
    context->FillGradientRect(0, 0, 4, 10, start, end, true);
    EXPECT_EQ(At(2, 3), start);
    EXPECT_EQ(At(2, 12), start);
    EXPECT_EQ(At(5, 3), RGB(96, 96, 96));  // last column: 3/4 of the way
    EXPECT_EQ(At(6, 3), kWhite);
    EXPECT_EQ(At(2, 13), kWhite);
    EXPECT_EQ(picture->Graphics()->ForeColor(), RGB(96, 96, 96));
    EXPECT_FALSE(picture->Graphics()->UseOldRenderer());

    Clear();
    context->FillGradientRect(0, 0, 10, 2, RGB(255, 0, 0), RGB(0, 0, 255), false);
    EXPECT_EQ(At(2, 3), RGB(255, 0, 0));
    EXPECT_EQ(At(11, 3), RGB(255, 0, 0));
    EXPECT_EQ(At(11, 4), RGB(127, 0, 127));
    EXPECT_EQ(At(12, 4), kWhite);
    EXPECT_EQ(Ink(), 20);

    // Nothing to draw leaves the pen colour alone.
    context->SetForeColor(kInk);
    context->FillGradientRect(0, 0, 0, 10, start, end, true);
    EXPECT_EQ(picture->Graphics()->ForeColor(), kInk);
}

TEST_F(VR2GraphicsTest, MinusOneMeansTheWholePictureOrOneUnwrappedLine)
{
    auto source = Picture::NewPicture(3, 2);
    source->Graphics()->FillRect(0, 0, 3, 2);
    context->Offset(10, 10);
    context->DrawPicture(source, 5, 5, -1, 7, 8, 9, 10, 11);
    EXPECT_EQ(InkIn(15, 15, 3, 2), 6);
    EXPECT_EQ(Ink(), 6);
    context->DrawPicture(source, 5, 5, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(Ink(), 6);

    Clear();
    context->Reset(picture->Graphics(), 0, 0, nullptr);
    const int32_t ascent = context->TextAscent();
    context->DrawString("wrapping words here", 0, ascent, -1, true);
    EXPECT_EQ(InkIn(0, context->TextHeight(), 80, 60 - context->TextHeight()), 0);
    EXPECT_GT(InkIn(60, 0, 20, context->TextHeight()), 0);  // not condensed to any width
}

TEST_F(VR2GraphicsTest, PutBackgroundCopiesWhatLiesUnderTheTarget)
{
    auto background = Picture::NewPicture(80, 60);
    background->Graphics()->SetForeColor(RGB(10, 20, 30));
    background->Graphics()->FillRect(20, 10, 5, 5);
    auto target = Picture::NewPicture(6, 6);

    context->PutBackground(target, 20, 10);  // no Background: untouched
    EXPECT_EQ(target->RGBSurface()->Pixel(0, 0), kWhite);

    context->Reset(picture->Graphics(), 1, 1, background);
    context->PutBackground(target, 18, 8);  // (19, 9) of the background once offset
    EXPECT_EQ(target->RGBSurface()->Pixel(0, 0), kWhite);
    EXPECT_EQ(target->RGBSurface()->Pixel(1, 1), RGB(10, 20, 30));
    EXPECT_EQ(target->RGBSurface()->Pixel(5, 5), RGB(10, 20, 30));
    EXPECT_EQ(target->RGBSurface()->Pixel(5, 0), kWhite);
    EXPECT_FALSE(target->Graphics()->UseOldRenderer());
}

TEST_F(VR2GraphicsTest, MeasuringContextsShareOnePicture)
{
    auto first = VR2Graphics::Create();
    auto second = VR2Graphics::Create();
    EXPECT_EQ(first->Port(), second->Port());
    EXPECT_EQ(VR2Graphics::getSharedMeasuringPic(), VR2Graphics::getSharedMeasuringPic());
    EXPECT_EQ(first->Width, 1);
    EXPECT_EQ(first->Height, 1);
    first->SetTextFont("System");
    first->SetTextSize(0);
    EXPECT_EQ(first->StringWidth("Goal"), context->StringWidth("Goal"));
    EXPECT_EQ(first->TextHeight(), context->TextHeight());

    // Reset without a port falls back to the measuring picture.
    context->Reset(nullptr, 0, 0, nullptr);
    EXPECT_EQ(context->Port(), first->Port());
}

TEST_F(VR2GraphicsTest, ArcsAnchorAtTheCornerWhenDrawnAndTheCentreWhenFilled)
{
    // A full circle of 10: FillArc centres it in its box, DrawArc centres it on the box's corner.
    context->FillArc(20, 20, 10, 10, 0, 6.3);
    EXPECT_EQ(InkIn(20, 20, 10, 10), Ink());
    EXPECT_EQ(At(25, 25), kInk);

    Clear();
    context->DrawArc(20, 20, 10, 10, 0, 6.3);
    EXPECT_EQ(At(20, 20), kWhite);
    EXPECT_GT(InkIn(15, 15, 11, 11), 0);
    EXPECT_EQ(InkIn(15, 15, 11, 11), Ink());
}
