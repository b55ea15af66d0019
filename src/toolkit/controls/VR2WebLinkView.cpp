#include "toolkit/controls/VR2WebLinkView.h"

#include "platform/Exceptions.h"
#include "platform/Services.h"
#include "toolkit/controls/Vireo2TextLine.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <algorithm>

namespace {

constexpr platform::Color kLinkColor{0x0000FF};
constexpr platform::Color kPressedLinkColor{0xDE00DE};

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

VireoStandardProperties::PropertyTable VR2WebLinkView::Properties()
{
    return {{VireoStandardProperties::kTextKey, [this] { return platform::Variant(text); },
             [this](const platform::Variant& value) {
                 text = value.StringValue();
                 refresh();
             }},
            {VireoStandardProperties::kUrlKey, [this] { return platform::Variant(url); },
             [this](const platform::Variant& value) { url = value.StringValue(); }}};
}

bool VR2WebLinkView::PropertyCheck(const std::vector<platform::Variant>& keys)
{
    return VireoStandardProperties::CheckProperties(Properties(), keys);
}

bool VR2WebLinkView::PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values)
{
    return VireoStandardProperties::GetProperties(Properties(), keys, values);
}

bool VR2WebLinkView::PropertySet(const platform::Dictionary::Ref& values)
{
    return VireoStandardProperties::SetProperties(Properties(), values);
}
