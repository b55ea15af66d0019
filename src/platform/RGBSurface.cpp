#include "platform/RGBSurface.h"

#include "platform/Exceptions.h"
#include "platform/Picture.h"

#include <QImage>

#include <algorithm>

namespace platform {

Color RGBSurface::Pixel(int32_t x, int32_t y) const
{
    const QImage& image = mPicture.ImageForReading();
    if (!image.valid(x, y))
        return Color{};
    return Color{static_cast<int32_t>(image.pixel(x, y) & 0xFFFFFF)};
}

void RGBSurface::SetPixel(int32_t x, int32_t y, Color color)
{
    if (x < 0 || y < 0 || x >= mPicture.Width() || y >= mPicture.Height())
        return;
    mPicture.Image().setPixel(x, y, qRgb(color.Red(), color.Green(), color.Blue()));
}

void RGBSurface::Transform(const std::vector<int32_t>& map)
{
    if (map.size() != 256)
        throw OutOfBoundsException("a level map has 256 entries");
    uint8_t levels[256];
    for (size_t i = 0; i < 256; ++i)
        levels[i] = static_cast<uint8_t>(std::clamp(map[i], 0, 255));

    const int32_t uniform = mPicture.UniformLevel();
    QImage& image = mPicture.Image();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb(levels[qRed(line[x])], levels[qGreen(line[x])], levels[qBlue(line[x])]);
    }
    if (uniform >= 0)
        mPicture.SetUniformLevel(levels[uniform]);
}

}  // namespace platform
