#include "toolkit/controls/VR2PushButtonView.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <algorithm>

namespace {

constexpr int32_t kTextMargin = 18;
constexpr double kMinimumHeight = 22.0;

}  // namespace

// The hot spot is the frame as it is now: empty until the first resize.
void VR2PushButtonView::Created() { HotSpot.push_back(frame()); }

void VR2PushButtonView::Resized(const VR2Rect::Ref&)
{
    if (HotSpot.empty())
        HotSpot.push_back(frame());
    else
        HotSpot.front() = frame();
}

bool VR2PushButtonView::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&)
{
    return Vireo2Theme::VR2Theme_DrawPart(g, themeparts::kPushButton, 0, {Self(), DownFrame, MouseWithin});
}

void VR2PushButtonView::Action(const VR2Rect::Ref& hotSpot, int32_t x, int32_t y)
{
    if (!platform::Require(EventHandlerTable).triggerHandler(codes::kEventAction, Self(), nullptr))
        ButtonAction(hotSpot, x, y);
}

void VR2PushButtonView::AutoSizeForText()
{
    auto g = VR2Graphics::Create();
    g->SetTextFont("System");
    g->SetTextSize(0);
    const int32_t width = platform::WrapAdd(g->StringWidth(text), kTextMargin);
    const int32_t height = platform::DoubleToInt32(std::max(static_cast<double>(g->TextHeight()), kMinimumHeight));
    resize(width, height, false);
}
