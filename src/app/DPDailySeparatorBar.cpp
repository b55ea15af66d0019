#include "app/DPDailySeparatorBar.h"

#include "platform/Exceptions.h"
#include "toolkit/geometry/VR2Graphics.h"

bool DPDailySeparatorBar::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& /*rect*/)
{
    auto& port = platform::Require(g);
    port.SetForeColor(platform::Color{0xEEEEEE});
    port.FillRect(0, 0, port.Width, port.Height);
    return true;
}
