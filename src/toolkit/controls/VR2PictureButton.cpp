#include "toolkit/controls/VR2PictureButton.h"

#include "platform/Exceptions.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/geometry/VR2Graphics.h"
#include "toolkit/geometry/VR2PictureExtras.h"

namespace {

constexpr int32_t kOwnSize = -1;

}  // namespace

void VR2PictureButton::initWithPictureAndMask(const platform::Picture::Ref& picture)
{
    Image = VR2PictureExtras::PictureAndMask(picture);
    AutoSize();
}

void VR2PictureButton::AutoSize()
{
    const auto& image = platform::Require(Image);
    resize(image.Width(), image.Height(), false);
}

bool VR2PictureButton::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&)
{
    if (!Image)
        return true;
    const auto face = !Enabled                   ? VR2PictureExtras::Disabled(Image)
                      : DownFrame && MouseWithin ? VR2PictureExtras::Pressed(Image)
                                                 : Image;
    platform::Require(g).DrawPicture(face, 0, 0, kOwnSize, kOwnSize, 0, 0, kOwnSize, kOwnSize);
    return true;
}

void VR2PictureButton::Action(const VR2Rect::Ref&, int32_t, int32_t)
{
    platform::Require(EventHandlerTable).triggerHandler(codes::kEventAction, Self(), nullptr);
}
