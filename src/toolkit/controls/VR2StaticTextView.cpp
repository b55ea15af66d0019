#include "toolkit/controls/VR2StaticTextView.h"

#include "platform/Exceptions.h"
#include "toolkit/controls/Vireo2TextLine.h"
#include "toolkit/geometry/VR2Graphics.h"

using platform::Variant;
using VireoStandardProperties::kColorKey;
using VireoStandardProperties::kTextKey;
using VireoStandardProperties::PropertyTable;

bool VR2StaticTextView::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& /*rect*/)
{
    auto& port = platform::Require(g);
    port.SetForeColor(textColor);
    port.SetUnderline(underline);
    Vireo2TextLine::Draw(port, text, alignment, width(), height());
    return true;
}

void VR2StaticTextView::AutoSizeForText() { Vireo2TextLine::SizeToText(*this, text); }

PropertyTable VR2StaticTextView::Properties()
{
    return {{kTextKey, [this] { return Variant(text); },
             [this](const Variant& value) {
                 text = value.StringValue();
                 refresh();
             }},
            {kColorKey, [this] { return Variant(textColor); },
             [this](const Variant& value) {
                 textColor = value.ColorValue();
                 refresh();
             }}};
}

bool VR2StaticTextView::PropertyCheck(const std::vector<Variant>& keys)
{
    return VireoStandardProperties::CheckProperties(Properties(), keys);
}

bool VR2StaticTextView::PropertyGet(const std::vector<Variant>& keys, const platform::Dictionary::Ref& values)
{
    return VireoStandardProperties::GetProperties(Properties(), keys, values);
}

bool VR2StaticTextView::PropertySet(const platform::Dictionary::Ref& values)
{
    return VireoStandardProperties::SetProperties(Properties(), values);
}
