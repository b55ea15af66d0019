#include "toolkit/controls/VR2WebLinkView.h"

#include "platform/Exceptions.h"
#include "platform/Services.h"
#include "toolkit/controls/Vireo2TextLine.h"
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

void VR2WebLinkView::AutoSizeForText() { Vireo2TextLine::SizeToText(*this, text); }

bool VR2WebLinkView::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&)
{
    auto& context = platform::Require(g);
    context.SetForeColor(DownFrame && MouseWithin ? kPressedLinkColor : kLinkColor);
    context.SetUnderline(true);
    const auto drawn = Vireo2TextLine::Draw(context, text, alignment, width(), height());
    // Only the drawn text reacts to the mouse; a link not yet opened has no hot spot to fit.
    if (!HotSpot.empty() && HotSpot.front()) {
        HotSpot.front()->left = drawn.left;
        HotSpot.front()->width = std::min(drawn.width, width());
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
