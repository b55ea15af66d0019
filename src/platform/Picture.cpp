#include "platform/Picture.h"

#include "platform/Graphics.h"
#include "platform/RGBSurface.h"

#include <QImage>
#include <QPainter>

namespace platform {

struct Picture::Impl {
    QImage image;
    std::unique_ptr<QPainter> painter;
    QImage masked;
    uint64_t maskedImageGeneration = 0;
    uint64_t maskedMaskGeneration = 0;
    bool maskedValid = false;
};

Picture::Ref Picture::NewPicture(int32_t width, int32_t height, int32_t /*depth*/)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    auto impl = std::make_unique<Impl>();
    impl->image = QImage(width, height, QImage::Format_RGB32);
    if (impl->image.isNull())
        return nullptr;
    impl->image.fill(Qt::white);
    return Ref(new Picture(std::move(impl)));
}

Picture::Ref Picture::FromImage(const QImage& image)
{
    if (image.isNull())
        return nullptr;
    auto impl = std::make_unique<Impl>();
    impl->image = image.convertToFormat(QImage::Format_RGB32);
    return Ref(new Picture(std::move(impl)));
}

Picture::Picture(std::unique_ptr<Impl> impl)
    : mImpl(std::move(impl)), mGraphics(new platform::Graphics(*this)), mSurface(new platform::RGBSurface(*this))
{
}

Picture::~Picture() { EndPainting(); }

int32_t Picture::Width() const { return mImpl->image.width(); }
int32_t Picture::Height() const { return mImpl->image.height(); }

std::shared_ptr<Graphics> Picture::Graphics()
{
    return std::shared_ptr<platform::Graphics>(shared_from_this(), mGraphics.get());
}

std::shared_ptr<RGBSurface> Picture::RGBSurface()
{
    return std::shared_ptr<platform::RGBSurface>(shared_from_this(), mSurface.get());
}

Picture::Ref Picture::Mask()
{
    if (!mMask) {
        mMask = NewPicture(Width(), Height());
        if (mMask) {
            mMask->mImpl->image.fill(Qt::black);
            mMask->mUniformLevel = 0;
        }
    }
    return mMask;
}

int32_t Picture::GreyLevel(Color color) { return qGray(color.Red(), color.Green(), color.Blue()); }

QImage& Picture::Image()
{
    EndPainting();
    ++mGeneration;
    mUniformLevel = -1;
    return mImpl->image;
}

const QImage& Picture::ImageForReading() const { return mImpl->image; }

QPainter& Picture::BeginPainting()
{
    ++mGeneration;
    mUniformLevel = -1;
    if (!mImpl->painter) {
        mImpl->painter = std::make_unique<QPainter>(&mImpl->image);
        ++mPaintingSession;
    }
    return *mImpl->painter;
}

void Picture::EndPainting()
{
    if (mImpl->painter) {
        mImpl->painter->end();
        mImpl->painter.reset();
    }
}

const QImage& Picture::MaskedImage()
{
    if (!mMask)
        return mImpl->image;
    auto& impl = *mImpl;
    if (impl.maskedValid && impl.maskedImageGeneration == mGeneration &&
        impl.maskedMaskGeneration == mMask->Generation())
        return impl.masked;

    const QImage& mask = mMask->ImageForReading();
    if (impl.masked.size() != impl.image.size())
        impl.masked = QImage(impl.image.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < impl.image.height(); ++y) {
        const auto* colour = reinterpret_cast<const QRgb*>(impl.image.constScanLine(y));
        const auto* level = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(impl.masked.scanLine(y));
        for (int x = 0; x < impl.image.width(); ++x) {
            const int alpha = 255 - qGray(level[x]);
            out[x] = qPremultiply(qRgba(qRed(colour[x]), qGreen(colour[x]), qBlue(colour[x]), alpha));
        }
    }
    impl.maskedImageGeneration = mGeneration;
    impl.maskedMaskGeneration = mMask->Generation();
    impl.maskedValid = true;
    return impl.masked;
}

}  // namespace platform
