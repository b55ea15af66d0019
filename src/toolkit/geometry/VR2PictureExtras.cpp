#include "toolkit/geometry/VR2PictureExtras.h"

#include "platform/Exceptions.h"
#include "platform/Graphics.h"
#include "platform/RGBSurface.h"
#include "platform/Text.h"

#include <algorithm>
#include <vector>

using platform::Graphics;
using platform::Require;
using platform::Picture;

namespace VR2PictureExtras {

namespace {

// A new picture holding the source's image and a copy of its mask.
Picture::Ref CopyWithMask(const Picture::Ref& source)
{
    auto result = Picture::NewPicture(source->Width(), source->Height(), 32);
    if (!result)
        return nullptr;
    constexpr int32_t own = Graphics::kOwnSize;
    result->Graphics()->DrawPicture(source, 0, 0, own, own, 0, 0, own, own);
    // A source without a mask shows every pixel, as the fresh mask of the result does.
    if (source->HasMask())
        result->Mask()->Graphics()->DrawPicture(source->Mask(), 0, 0, own, own, 0, 0, own, own);
    return result;
}

std::vector<int32_t> LevelMap(double (*level)(double))
{
    std::vector<int32_t> map(256);
    for (int32_t i = 0; i < 256; ++i)
        map[static_cast<size_t>(i)] = platform::DoubleToInt32(level(i));
    return map;
}

}  // namespace

Picture::Ref PictureAndMask(const Picture::Ref& picture)
{
    const auto& source = Require(picture);
    const int32_t width = source.Width();
    const int32_t half = platform::DoubleToInt32(source.Height() / 2.0);
    auto result = Picture::NewPicture(width, half, 32);
    if (!result)
        return nullptr;
    result->Graphics()->DrawPicture(picture, 0, 0, width, half, 0, 0, width, half);
    result->Mask()->Graphics()->DrawPicture(picture, 0, 0, width, half, 0, half, width, half);
    return result;
}

Picture::Ref Pressed(const Picture::Ref& picture)
{
    Require(picture);
    auto result = CopyWithMask(picture);
    if (result)
        result->RGBSurface()->Transform(LevelMap([](double i) { return std::max(i - i * 0.4, 0.0); }));
    return result;
}

Picture::Ref Disabled(const Picture::Ref& picture)
{
    Require(picture);
    auto result = CopyWithMask(picture);
    if (result)
        result->Mask()->RGBSurface()->Transform(LevelMap([](double i) { return std::max(i, 150.0); }));
    return result;
}

}  // namespace VR2PictureExtras
