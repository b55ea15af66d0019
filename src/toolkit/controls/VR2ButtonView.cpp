#include "toolkit/controls/VR2ButtonView.h"

#include "platform/Exceptions.h"
#include "toolkit/geometry/VR2TagRect.h"

VR2Rect::Ref VR2ButtonView::FindHotSpotAtPoint(const VR2Point::Ref& point) const
{
    const auto& where = platform::Require(point);
    for (auto spot = HotSpot.rbegin(); spot != HotSpot.rend(); ++spot)
        if (platform::Require(*spot).containsPoint(where.x, where.y))
            return *spot;
    return nullptr;
}

VR2Rect::Ref VR2ButtonView::FindHotSpotWithTag(const platform::Variant& tag) const
{
    for (const auto& spot : HotSpot)
        if (const auto tagged = std::dynamic_pointer_cast<VR2TagRect>(spot); tagged && tagged->Tag == tag)
            return spot;
    return nullptr;
}

std::string VR2ButtonView::TagOf(const VR2Rect::Ref& hotSpot)
{
    const auto tagged = std::dynamic_pointer_cast<VR2TagRect>(hotSpot);
    return tagged && tagged->Tag.Type() == platform::VariantType::String ? tagged->Tag.StringValue() : std::string();
}

void VR2ButtonView::Open()
{
    ButtonOpen();
    if (HotSpot.empty())
        HotSpot.push_back(frame());
}

bool VR2ButtonView::MouseDown(int32_t x, int32_t y)
{
    DownFrame = FindHotSpotAtPoint(VR2Point::Create(x, y));
    MouseWithin = true;
    const auto pressed = DownFrame;
    ButtonMouseDown(x, y, pressed);
    if (!pressed)
        return false;
    if (AutoRefresh)
        refresh();
    return true;
}

void VR2ButtonView::MouseDrag(int32_t x, int32_t y)
{
    const auto pressed = DownFrame;
    if (!pressed) {
        ButtonMouseDrag(x, y, nullptr);
        return;
    }
    if (pressed->containsPoint(x, y) || ShouldDeliverMouseDrag(pressed)) {
        ButtonMouseDrag(x, y, pressed);
        if (AutoRefresh && !MouseWithin) {
            MouseWithin = true;
            refresh();
        }
    } else if (AutoRefresh && MouseWithin) {
        MouseWithin = false;
        refresh();
    }
}

void VR2ButtonView::MouseUp(int32_t x, int32_t y)
{
    const auto pressed = DownFrame;
    if (pressed && pressed->containsPoint(x, y)) {
        Action(pressed, x, y);
        ButtonMouseUp(x, y, pressed);
    } else {
        ButtonMouseUp(x, y, nullptr);
    }
    // Every release ends the press, also one outside that came without a drag
    // out before it (touch screens, synthetic input): no pressed look stays.
    DownFrame = nullptr;
    MouseWithin = false;
    if (pressed && AutoRefresh)
        refresh();
}
