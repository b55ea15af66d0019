#include "toolkit/controls/VR2StaticTextView.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <algorithm>

using platform::Variant;
using platform::VariantType;

namespace {

constexpr const char* kTextFont = "System";
constexpr int32_t kAlignRight = 1;
constexpr int32_t kAlignCentre = 2;

bool IsTextKey(const Variant& key)
{
    if (key.Type() != VariantType::String)
        return false;
    const auto name = key.StringValue();
    return name == "text" || name == "color";
}

}  // namespace

bool VR2StaticTextView::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& /*rect*/)
{
    auto& port = platform::Require(g);
    port.SetForeColor(textColor);
    port.SetTextFont(kTextFont);
    port.SetTextSize(0);
    port.SetUnderline(underline);
    const int32_t baseline = platform::DoubleToInt32(height() / 2.0 - port.TextHeight() / 2.0 + port.TextAscent());
    const double textWidth = port.StringWidth(text);
    int32_t x = 0;
    if (alignment == kAlignRight)
        x = platform::DoubleToInt32(std::max(width() - textWidth, 0.0));
    else if (alignment == kAlignCentre)
        x = platform::DoubleToInt32(std::max(width() / 2.0 - textWidth / 2.0, 0.0));
    port.DrawString(text, x, baseline, width(), true);
    return true;
}

void VR2StaticTextView::AutoSizeForText()
{
    const auto measure = VR2Graphics::Create();
    measure->SetTextFont(kTextFont);
    measure->SetTextSize(0);
    resize(measure->StringWidth(text), measure->TextHeight(), false);
}

bool VR2StaticTextView::PropertyCheck(const std::vector<Variant>& keys)
{
    return std::all_of(keys.begin(), keys.end(), IsTextKey);
}

bool VR2StaticTextView::PropertyGet(const std::vector<Variant>& keys, const platform::Dictionary::Ref& values)
{
    for (const auto& key : keys) {
        if (!IsTextKey(key))
            return false;
        if (key.StringValue() == "text")
            values->SetValue(key, text);
        else
            values->SetValue(key, textColor);
    }
    return true;
}

bool VR2StaticTextView::PropertySet(const platform::Dictionary::Ref& values)
{
    for (const auto& key : values->Keys()) {
        if (!IsTextKey(key))
            continue;
        if (key.StringValue() == "text")
            text = values->Value(key).StringValue();
        else
            textColor = values->Value(key).ColorValue();
        refresh();
    }
    return true;
}
