#pragma once

// Reading a picture's pixels in drawing tests.
#include "platform/Color.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "platform/RGBSurface.h"

namespace testsupport {

inline platform::Color PixelAt(const platform::Picture::Ref& picture, int x, int y)
{
    return picture->RGBSurface()->Pixel(x, y);
}

// How many pixels of the window differ from white.
inline int InkIn(const platform::Picture::Ref& picture, int left, int top, int width, int height)
{
    const auto surface = picture->RGBSurface();
    int count = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            count += surface->Pixel(x, y) != platform::RGB(255, 255, 255) ? 1 : 0;
    return count;
}

// How many pixels differ between two pictures of the same size.
inline int Differences(const platform::Picture::Ref& a, const platform::Picture::Ref& b)
{
    int count = 0;
    for (int y = 0; y < a->Height(); ++y)
        for (int x = 0; x < a->Width(); ++x)
            count += PixelAt(a, x, y) != PixelAt(b, x, y) ? 1 : 0;
    return count;
}

// A white picture to draw on, for test fixtures.
class Canvas {
public:
    Canvas(int width, int height) : picture(platform::Picture::NewPicture(width, height)) {}

    platform::Color At(int x, int y) const { return PixelAt(picture, x, y); }
    int InkIn(int left, int top, int width, int height) const
    {
        return testsupport::InkIn(picture, left, top, width, height);
    }
    int Ink() const { return InkIn(0, 0, picture->Width(), picture->Height()); }
    void Clear() { picture->Graphics()->ClearRect(0, 0, picture->Width(), picture->Height()); }

    platform::Picture::Ref picture;
};

}  // namespace testsupport
