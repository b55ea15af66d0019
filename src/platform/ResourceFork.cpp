#include "platform/ResourceFork.h"

#include <QImage>
#include <QString>

namespace platform {

ResourceFork::Ref ResourceFork::Program()
{
    // Lives as long as the process, like the resources it reads.
    static auto* fork = new Ref(new ResourceFork());
    return *fork;
}

Picture::Ref ResourceFork::GetPicture(int32_t id)
{
    const QImage image(QStringLiteral(":/pictures/%1.png").arg(id));
    if (image.isNull())
        return nullptr;
    auto picture = Picture::NewPicture(image.width(), image.height());
    if (picture)
        picture->Image() = image.convertToFormat(QImage::Format_RGB32);
    return picture;
}

}  // namespace platform
