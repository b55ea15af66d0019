#pragma once

// Reading a picture's pixels in drawing tests.
#include "platform/Color.h"
#include "platform/Picture.h"
#include "platform/RGBSurface.h"

namespace testsupport {

inline platform::Color PixelAt(const platform::Picture::Ref& picture, int x, int y)
{
    return picture->RGBSurface()->Pixel(x, y);
}

// How many pixels of the window differ from the background (white unless said).
inline int InkIn(const platform::Picture::Ref& picture, int left, int top, int width, int height,
                 platform::Color background = platform::RGB(255, 255, 255))
{
    const auto surface = picture->RGBSurface();
    int count = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            count += surface->Pixel(x, y) != background ? 1 : 0;
    return count;
}

inline int Ink(const platform::Picture::Ref& picture)
{
    return InkIn(picture, 0, 0, picture->Width(), picture->Height());
}

}  // namespace testsupport
