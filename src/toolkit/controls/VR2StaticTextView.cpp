#include "toolkit/controls/VR2StaticTextView.h"

#include "platform/Exceptions.h"
#include "toolkit/controls/Vireo2TextLine.h"
#include "toolkit/geometry/VR2Graphics.h"

using platform::Variant;
using platform::VariantType;

namespace {

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
    port.SetUnderline(underline);
    Vireo2TextLine::Draw(port, text, alignment, width(), height());
    return true;
}

void VR2StaticTextView::AutoSizeForText() { Vireo2TextLine::SizeToText(*this, text); }

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
