#include "toolkit/controls/VR2ProgressBar.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/geometry/VR2Graphics.h"
#include "toolkit/geometry/VireoColor.h"

#include <algorithm>

using platform::Variant;
using platform::VariantType;

bool VR2ProgressBar::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& /*rect*/)
{
    auto& port = platform::Require(g);
    port.FillGradientRect(0, 0, port.Width, port.Height, emptyColor, VireoColor::Lighten(emptyColor, 0.5), false);

    const int32_t w = std::max(width(), 0);
    const int32_t h = height();
    if (value > 0) {
        // In 64 bits: value - maximum overflows Int32 for a negative maximum.
        const int64_t over = allowOverMax ? std::max<int64_t>(int64_t{value} - maximum, 0) : 0;
        double fraction = 0.0;
        if (allowOverMax)
            fraction = static_cast<double>(value - over) / std::max(value, maximum);
        else
            // A value at or above a maximum of 0 or less fills the bar, as any value above the maximum does.
            fraction = maximum > 0 ? static_cast<double>(std::min(maximum, value)) / maximum : 1.0;
        // A negative maximum gives a negative part: the fill stays inside the bar.
        const int32_t fillWidth = platform::DoubleToInt32(std::clamp(fraction, 0.0, 1.0) * w);
        if (fillWidth > 0)
            port.FillGradientRect(0, 0, fillWidth, h, valueColor, VireoColor::Darken(valueColor, 0.3), false);
        if (over > 0 && fillWidth < w)
            port.FillGradientRect(fillWidth, 0, w - fillWidth, h, overColor, VireoColor::Darken(overColor, 0.3),
                                  false);
    }

    port.SetForeColor(platform::Color{0x000000});
    port.DrawRect(0, 0, port.Width, port.Height);
    return true;
}

Variant VR2ProgressBar::Field(const Variant& key) const
{
    if (key.Type() != VariantType::String)
        return nullptr;
    const auto name = key.StringValue();
    if (name == "int")
        return value;
    if (name == "max")
        return maximum;
    if (name == "over_max")
        return allowOverMax;
    if (name == "empty_color")
        return emptyColor;
    if (name == "value_color")
        return valueColor;
    if (name == "over_color")
        return overColor;
    return nullptr;
}

bool VR2ProgressBar::SetField(const Variant& key, const Variant& newValue)
{
    if (Field(key).IsNil())
        return false;
    const auto name = key.StringValue();
    if (name == "int")
        value = newValue.Int32Value();
    else if (name == "max")
        maximum = newValue.Int32Value();
    else if (name == "over_max")
        allowOverMax = newValue.BooleanValue();
    else if (name == "empty_color")
        emptyColor = newValue.ColorValue();
    else if (name == "value_color")
        valueColor = newValue.ColorValue();
    else
        overColor = newValue.ColorValue();
    return true;
}

bool VR2ProgressBar::PropertyCheck(const std::vector<Variant>& keys)
{
    for (const auto& key : keys)
        if (key.Type() == VariantType::String && Field(key).IsNil())
            return false;
    return true;
}

bool VR2ProgressBar::PropertyGet(const std::vector<Variant>& keys, const platform::Dictionary::Ref& values)
{
    for (const auto& key : keys) {
        const auto field = Field(key);
        if (field.IsNil())
            return false;
        values->SetValue(key, field);
    }
    return true;
}

bool VR2ProgressBar::PropertySet(const platform::Dictionary::Ref& values)
{
    bool known = true;
    for (const auto& key : values->Keys())
        known = SetField(key, values->Value(key)) && known;
    refresh();
    return known;
}
