#include "platform/Exceptions.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "platform/RGBSurface.h"

#include "support/Pixels.h"

#include <gtest/gtest.h>

#include <vector>

using platform::Color;
using platform::Picture;
using platform::RGB;
using testsupport::PixelAt;

namespace {

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kBlack = RGB(0, 0, 0);

}  // namespace

TEST(Picture, NewPicturesAreWhiteWithOnePortAndAMaskMadeOnFirstUse)
{
    EXPECT_EQ(Picture::NewPicture(0, 10), nullptr);
    EXPECT_EQ(Picture::NewPicture(10, -1), nullptr);

    auto picture = Picture::NewPicture(20, 10, 32);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 20);
    EXPECT_EQ(picture->Height(), 10);
    EXPECT_EQ(testsupport::InkIn(picture, 0, 0, 20, 10), 0);
    EXPECT_EQ(picture->Graphics(), picture->Graphics());
    EXPECT_EQ(picture->Graphics()->Width(), 20);

    EXPECT_FALSE(picture->HasMask());
    auto mask = picture->Mask();
    EXPECT_EQ(mask, picture->Mask());
    EXPECT_EQ(mask->Width(), 20);
    EXPECT_EQ(PixelAt(mask, 0, 0), kBlack);
    EXPECT_EQ(PixelAt(mask, 19, 9), kBlack);

    // The port and the surface keep the picture alive.
    std::weak_ptr<Picture> watch = picture;
    auto port = picture->Graphics();
    picture.reset();
    mask.reset();
    ASSERT_FALSE(watch.expired());
    port->SetForeColor(RGB(255, 0, 0));
    port->FillRect(0, 0, 4, 4);
    EXPECT_EQ(watch.lock()->RGBSurface()->Pixel(3, 3), RGB(255, 0, 0));
    port.reset();
    EXPECT_TRUE(watch.expired());
}

TEST(Picture, TransformMapsEveryChannelThroughTheLevelMap)
{
    auto picture = Picture::NewPicture(3, 1);
    auto surface = picture->RGBSurface();
    surface->SetPixel(0, 0, RGB(10, 20, 30));
    surface->SetPixel(1, 0, RGB(255, 0, 128));
    surface->SetPixel(7, 0, RGB(1, 1, 1));  // outside: ignored
    std::vector<int32_t> invert(256);
    for (int i = 0; i < 256; ++i)
        invert[static_cast<size_t>(i)] = 255 - i;
    surface->Transform(invert);
    EXPECT_EQ(surface->Pixel(0, 0), RGB(245, 235, 225));
    EXPECT_EQ(surface->Pixel(1, 0), RGB(0, 255, 127));
    EXPECT_EQ(surface->Pixel(2, 0), kBlack);
    EXPECT_EQ(surface->Pixel(-1, 0), kBlack);

    surface->Transform(std::vector<int32_t>(256, 400));
    EXPECT_EQ(surface->Pixel(0, 0), kWhite);
    EXPECT_THROW(surface->Transform(std::vector<int32_t>(255, 0)), platform::OutOfBoundsException);
}
