#include "app/DPToolbarContainer.h"

#include "platform/Exceptions.h"
#include "toolkit/geometry/VR2Graphics.h"

bool DPToolbarContainer::ContainerPaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& /*rect*/,
                                            int32_t /*layer*/)
{
    auto& port = platform::Require(g);
    port.FillGradientRect(0, 0, port.Width, 12, platform::Color{0x6C829A}, platform::Color{0xC0D0DF}, false);
    port.FillGradientRect(0, 12, port.Width, 14, platform::Color{0xBBCCDB}, platform::Color{0x617892}, false);
    return true;
}
