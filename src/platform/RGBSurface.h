#pragma once

#include "platform/Color.h"
#include "platform/Object.h"

#include <cstdint>
#include <vector>

namespace platform {

class Picture;

// Pixel access to a picture; got from Picture::RGBSurface().
class RGBSurface : public Object {
public:
    explicit RGBSurface(Picture& picture) : mPicture(picture) {}

    // Black outside the picture.
    Color Pixel(int32_t x, int32_t y) const;
    // Ignored outside the picture.
    void SetPixel(int32_t x, int32_t y, Color color);
    // Replaces every pixel's red, green and blue level v by map[v]. A map of
    // another length than 256 raises OutOfBoundsException; entries are
    // brought into 0-255.
    void Transform(const std::vector<int32_t>& map);

private:
    Picture& mPicture;
};

}  // namespace platform
