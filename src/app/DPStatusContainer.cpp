#include "app/DPStatusContainer.h"

#include "app/ResourcePictures.h"
#include "platform/Exceptions.h"
#include "toolkit/geometry/VR2Graphics.h"

using platform::Picture;

namespace {

Picture::Ref tPic;
bool fetched = false;
Picture::Ref (*headerSource)() = headerBackgroundPic;

}  // namespace

void DPStatusContainer::FetchHeaderFrom(Picture::Ref (*source)())
{
    tPic = nullptr;
    fetched = false;
    headerSource = source;
}

bool DPStatusContainer::ContainerPaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& /*rect*/,
                                           int32_t /*layer*/)
{
    auto& port = platform::Require(g);
    // Marked first: a missing picture is not looked for on every paint.
    if (!fetched) {
        fetched = true;
        tPic = headerSource();
    }
    using platform::Graphics;
    if (tPic)
        port.DrawPicture(tPic, 0, 0, Graphics::kOwnSize, Graphics::kOwnSize, Graphics::kOwnSize, Graphics::kOwnSize,
                         Graphics::kOwnSize, Graphics::kOwnSize);
    return true;
}
