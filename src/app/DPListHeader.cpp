#include "app/DPListHeader.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/geometry/VR2Graphics.h"

using platform::WrapSub;

bool DPListHeader::ContainerPaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& /*rect*/,
                                      int32_t /*layer*/)
{
    auto& port = platform::Require(g);
    const int32_t right = WrapSub(port.Width, 1);
    const int32_t bottom = WrapSub(port.Height, 1);
    port.FillGradientRect(0, 0, port.Width, port.Height, platform::Color{0xDBDBDB}, platform::Color{0xBBBBBB}, false);
    port.SetForeColor(platform::Color{0x999999});
    port.DrawLine(0, 0, 0, bottom);
    port.DrawLine(0, 0, right, 0);
    port.DrawLine(right, 0, right, bottom);
    return true;
}
