#include "toolkit/controls/VR2WebLinkView.h"

#include "platform/Exceptions.h"
#include "platform/Services.h"
#include "platform/Text.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <algorithm>

namespace {

const std::string kText = "text";
const std::string kUrl = "url";
constexpr platform::Color kLinkColor{0x0000FF};
constexpr platform::Color kPressedLinkColor{0xDE00DE};

bool IsKnownKey(const platform::Variant& key)
{
    return key.Type() == platform::VariantType::String && (key.StringValue() == kText || key.StringValue() == kUrl);
}

}  // namespace

void VR2WebLinkView::AutoSizeForText()
{
    auto g = VR2Graphics::Create();
    g->SetTextFont("System");
    g->SetTextSize(0);
    resize(g->StringWidth(text), g->TextHeight(), false);
}

bool VR2WebLinkView::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&)
{
    auto& context = platform::Require(g);
    context.SetForeColor(DownFrame && MouseWithin ? kPressedLinkColor : kLinkColor);
    context.SetTextFont("System");
    context.SetTextSize(0);
    context.SetUnderline(true);
    const int32_t y = platform::DoubleToInt32(height() / 2.0 - context.TextHeight() / 2.0 + context.TextAscent());
    const int32_t textWidth = context.StringWidth(text);
    int32_t x = 0;
    if (alignment == kAlignRight)
        x = platform::DoubleToInt32(std::max(static_cast<double>(width()) - textWidth, 0.0));
    else if (alignment == kAlignCentre)
        x = platform::DoubleToInt32(std::max(width() / 2.0 - textWidth / 2.0, 0.0));
    context.DrawString(text, x, y, width(), true);
    // Only the drawn text reacts to the mouse; a link not yet opened has no hot spot to fit.
    if (!HotSpot.empty() && HotSpot.front()) {
        HotSpot.front()->left = x;
        HotSpot.front()->width = std::min(textWidth, width());
    }
    return true;
}

void VR2WebLinkView::Action(const VR2Rect::Ref&, int32_t, int32_t)
{
    if (url.empty())
        platform::Beep();
    else
        platform::ShowURL(url);
}

bool VR2WebLinkView::PropertyCheck(const std::vector<platform::Variant>& keys)
{
    return std::all_of(keys.begin(), keys.end(), IsKnownKey);
}

bool VR2WebLinkView::PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values)
{
    for (const auto& key : keys) {
        if (!IsKnownKey(key))
            return false;
        values->SetValue(key, key.StringValue() == kText ? text : url);
    }
    return true;
}

bool VR2WebLinkView::PropertySet(const platform::Dictionary::Ref& values)
{
    for (const auto& key : values->Keys()) {
        if (!IsKnownKey(key))
            continue;
        if (key.StringValue() == kText) {
            text = values->Value(key).StringValue();
            refresh();
        } else {
            url = values->Value(key).StringValue();
        }
    }
    return true;
}
