#include "platform/ResourceFork.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <future>
#include <map>

namespace platform {

namespace {

// Read as the PNG it is: guessing the format would load every image plugin to ask each.
QImage Decode(int32_t id)
{
    QImageReader reader(QStringLiteral(":/pictures/%1.png").arg(id), "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

struct ResourceFork::Decoded {
    std::future<std::map<int32_t, QImage>> decoding;
    std::map<int32_t, QImage> images;
};

ResourceFork::ResourceFork() : mDecoded(std::make_unique<Decoded>()) {}
ResourceFork::~ResourceFork() = default;

ResourceFork::Ref ResourceFork::Program()
{
    // Lives as long as the process, like the resources it reads.
    static auto* fork = new Ref(new ResourceFork());
    return *fork;
}

void ResourceFork::Preload(std::vector<int32_t> ids)
{
    if (mDecoded->decoding.valid())
        return;
    mDecoded->decoding = std::async(std::launch::async, [ids = std::move(ids)] {
        std::map<int32_t, QImage> images;
        for (const int32_t id : ids)
            images[id] = Decode(id);
        return images;
    });
}

Picture::Ref ResourceFork::GetPicture(int32_t id)
{
    if (mDecoded->decoding.valid())
        mDecoded->images.merge(mDecoded->decoding.get());
    QImage image;
    if (const auto found = mDecoded->images.find(id); found != mDecoded->images.end()) {
        image = std::move(found->second);
        mDecoded->images.erase(found);
    } else {
        image = Decode(id);
    }
    return Picture::FromImage(image);
}

}  // namespace platform
