#pragma once

#include "platform/Color.h"
#include "platform/Object.h"

#include <cstdint>
#include <memory>

class QImage;
class QPainter;

namespace platform {

class Graphics;
class RGBSurface;

// A 32-bit off-screen image with an optional mask. New pictures are white.
//
// The mask is a grey picture of the same size, made (all black) on first use
// of Mask(): level 0 shows the pixel, 255 hides it, levels between blend.
// Whenever a picture is drawn its own mask applies; drawing into a picture
// never writes that picture's mask.
class Picture : public Object {
public:
    using Ref = std::shared_ptr<Picture>;

    // Nil when either size is 0 or less or the memory is not there. Every
    // picture is 32 bits deep whatever the depth asked for.
    static Ref NewPicture(int32_t width, int32_t height, int32_t depth = 32);
    // A picture holding image, in the pictures' own format; nil for a null image.
    static Ref FromImage(const QImage& image);
    ~Picture() override;

    int32_t Width() const;
    int32_t Height() const;

    // The picture's drawing port, the same object on every call; holding it
    // keeps the picture alive.
    std::shared_ptr<platform::Graphics> Graphics();
    Ref Mask();
    bool HasMask() const { return mMask != nullptr; }
    // Pixel access; holding it keeps the picture alive.
    std::shared_ptr<platform::RGBSurface> RGBSurface();

    // For the platform layer only (window back buffers, the drawing port).
    // Image() finishes any painting in progress before handing the image out.
    QImage& Image();
    const QImage& ImageForReading() const;
    // Starts (or continues) painting and marks the picture changed.
    QPainter& BeginPainting();
    void EndPainting();
    // Counts changes, so that derived images know when to rebuild.
    uint64_t Generation() const { return mGeneration; }
    // Counts the painters begun, so that a port knows when its painter state is new.
    uint64_t PaintingSession() const { return mPaintingSession; }
    // When the whole picture holds one grey level (a fresh or wholly filled
    // mask): that level, else -1. Lets a mask act as a plain opacity.
    int32_t UniformLevel() const { return mUniformLevel; }
    void SetUniformLevel(int32_t level) { mUniformLevel = level; }
    // The grey level a colour stands for in a mask.
    static int32_t GreyLevel(Color color);
    // The image with the mask applied as premultiplied alpha (or the image
    // itself when there is no mask), rebuilt only after either changed.
    const QImage& MaskedImage();

private:
    struct Impl;
    explicit Picture(std::unique_ptr<Impl> impl);

    std::unique_ptr<Impl> mImpl;
    std::unique_ptr<platform::Graphics> mGraphics;
    std::unique_ptr<platform::RGBSurface> mSurface;
    Ref mMask;
    uint64_t mGeneration = 0;
    uint64_t mPaintingSession = 0;
    int32_t mUniformLevel = -1;
};

}  // namespace platform
