#include "platform/Exceptions.h"
#include "platform/Graphics.h"
#include "toolkit/geometry/VR2PictureExtras.h"

#include "support/Pixels.h"

#include <gtest/gtest.h>

using platform::Color;
using platform::Picture;
using platform::RGB;

namespace {

using testsupport::PixelAt;

// A picture whose mask hides its right half.
Picture::Ref HalfMasked(Color colour)
{
    auto picture = Picture::NewPicture(4, 2);
    picture->Graphics()->SetForeColor(colour);
    picture->Graphics()->FillRect(0, 0, 4, 2);
    auto mask = picture->Mask()->Graphics();
    mask->SetForeColor(RGB(255, 255, 255));
    mask->FillRect(2, 0, 2, 2);
    return picture;
}

}  // namespace

TEST(VR2PictureExtras, PictureAndMaskSplitsImageAboveMask)
{
    auto source = Picture::NewPicture(20, 41);
    auto port = source->Graphics();
    port->SetForeColor(RGB(200, 30, 30));
    port->FillRect(0, 0, 20, 20);
    port->SetForeColor(RGB(0, 0, 0));
    port->FillRect(0, 20, 10, 21);  // left half of the mask shows

    auto result = VR2PictureExtras::PictureAndMask(source);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->Width(), 20);
    EXPECT_EQ(result->Height(), 20);  // 41 / 2 truncates
    EXPECT_EQ(PixelAt(result, 0, 0), RGB(200, 30, 30));
    EXPECT_EQ(PixelAt(result, 19, 19), RGB(200, 30, 30));
    EXPECT_EQ(PixelAt(result->Mask(), 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(result->Mask(), 19, 19), RGB(255, 255, 255));

    EXPECT_THROW(VR2PictureExtras::PictureAndMask(nullptr), platform::NilObjectException);
    EXPECT_EQ(VR2PictureExtras::PictureAndMask(Picture::NewPicture(5, 1)), nullptr);
}

TEST(VR2PictureExtras, PressedDarkensTheImageAndKeepsTheMask)
{
    auto source = HalfMasked(RGB(255, 10, 5));
    auto pressed = VR2PictureExtras::Pressed(source);
    ASSERT_NE(pressed, nullptr);
    EXPECT_EQ(PixelAt(pressed, 0, 0), RGB(153, 6, 3));
    EXPECT_EQ(PixelAt(pressed->Mask(), 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(pressed->Mask(), 3, 1), RGB(255, 255, 255));
    // The source is unchanged, pixels and mask alike.
    EXPECT_EQ(PixelAt(source, 0, 0), RGB(255, 10, 5));
    EXPECT_EQ(PixelAt(source->Mask(), 3, 1), RGB(255, 255, 255));

    // A source without a mask stays without one, and its copy shows every pixel.
    auto plain = Picture::NewPicture(2, 2);
    auto plainPressed = VR2PictureExtras::Pressed(plain);
    EXPECT_FALSE(plain->HasMask());
    EXPECT_EQ(PixelAt(plainPressed, 1, 1), RGB(153, 153, 153));
    EXPECT_EQ(PixelAt(plainPressed->Mask(), 1, 1), RGB(0, 0, 0));
    EXPECT_THROW(VR2PictureExtras::Pressed(nullptr), platform::NilObjectException);
}

TEST(VR2PictureExtras, DisabledRaisesEveryMaskLevelToAtLeast150)
{
    auto source = HalfMasked(RGB(0, 0, 0));
    source->Mask()->RGBSurface()->SetPixel(0, 0, RGB(200, 200, 200));
    auto disabled = VR2PictureExtras::Disabled(source);
    ASSERT_NE(disabled, nullptr);
    EXPECT_EQ(PixelAt(disabled->Mask(), 1, 1), RGB(150, 150, 150));
    EXPECT_EQ(PixelAt(disabled->Mask(), 0, 0), RGB(200, 200, 200));
    EXPECT_EQ(PixelAt(disabled->Mask(), 3, 0), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(disabled, 1, 1), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(source->Mask(), 1, 1), RGB(0, 0, 0));

    // A plain source: the whole fresh mask is raised.
    auto plainDisabled = VR2PictureExtras::Disabled(Picture::NewPicture(2, 2));
    EXPECT_EQ(PixelAt(plainDisabled->Mask(), 0, 1), RGB(150, 150, 150));
}
