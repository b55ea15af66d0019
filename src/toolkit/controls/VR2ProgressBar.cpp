#include "toolkit/controls/VR2ProgressBar.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/geometry/VR2Graphics.h"
#include "toolkit/geometry/VireoColor.h"

#include <algorithm>

using platform::Variant;
using platform::VariantType;
using VireoStandardProperties::FindProperty;
using VireoStandardProperties::kEmptyColorKey;
using VireoStandardProperties::kIntKey;
using VireoStandardProperties::kMaxKey;
using VireoStandardProperties::kOverColorKey;
using VireoStandardProperties::kOverMaxKey;
using VireoStandardProperties::kValueColorKey;

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

VireoStandardProperties::PropertyTable VR2ProgressBar::Properties()
{
    return {{kIntKey, [this] { return Variant(value); },
             [this](const Variant& newValue) { value = newValue.Int32Value(); }},
            {kMaxKey, [this] { return Variant(maximum); },
             [this](const Variant& newValue) { maximum = newValue.Int32Value(); }},
            {kOverMaxKey, [this] { return Variant(allowOverMax); },
             [this](const Variant& newValue) { allowOverMax = newValue.BooleanValue(); }},
            {kEmptyColorKey, [this] { return Variant(emptyColor); },
             [this](const Variant& newValue) { emptyColor = newValue.ColorValue(); }},
            {kValueColorKey, [this] { return Variant(valueColor); },
             [this](const Variant& newValue) { valueColor = newValue.ColorValue(); }},
            {kOverColorKey, [this] { return Variant(overColor); },
             [this](const Variant& newValue) { overColor = newValue.ColorValue(); }}};
}

bool VR2ProgressBar::PropertyCheck(const std::vector<Variant>& keys)
{
    const auto properties = Properties();
    for (const auto& key : keys)
        if (key.Type() == VariantType::String && !FindProperty(properties, key))
            return false;
    return true;
}

bool VR2ProgressBar::PropertyGet(const std::vector<Variant>& keys, const platform::Dictionary::Ref& values)
{
    return VireoStandardProperties::GetProperties(Properties(), keys, values);
}

bool VR2ProgressBar::PropertySet(const platform::Dictionary::Ref& values)
{
    const auto properties = Properties();
    bool known = true;
    for (const auto& key : values->Keys()) {
        if (const auto* property = FindProperty(properties, key))
            property->set(values->Value(key));
        else
            known = false;
    }
    refresh();
    return known;
}
