#include "toolkit/controls/VR2Theme.h"


namespace {

// The information every theme has for the part "text".
bool BuiltInTextInfo(int32_t selector, platform::Variant& value)
{
    switch (selector) {
    case VR2Theme::kRegularFontName:
        value = "System";
        return true;
    case VR2Theme::kSmallFontName:
        value = "SmallSystem";
        return true;
    case VR2Theme::kRegularFontSize:
    case VR2Theme::kSmallFontSize:
        value = int32_t{0};
        return true;
    default:
        return false;
    }
}

}  // namespace

VR2Theme::VR2Theme() : mCacheObjectTable(platform::Dictionary::Create()) {}

platform::Variant VR2Theme::getParam(const Params& params, int32_t index)
{
    if (index < 0 || static_cast<size_t>(index) >= params.size())
        return {};
    return params[static_cast<size_t>(index)];
}

void VR2Theme::FlushCache() { mCacheObjectTable = platform::Dictionary::Create(); }

bool VR2Theme::getPartInfo(const std::string& part, int32_t selector, platform::Variant& value)
{
    auto partTable = mCacheObjectTable->Lookup(part, {}).As<platform::Dictionary>();
    if (partTable && partTable->HasKey(selector)) {
        value = partTable->Value(selector);
        return true;
    }
    platform::Variant found;
    if (!ProvidePartInfo(part, selector, found) && !(part == themeparts::kText && BuiltInTextInfo(selector, found)))
        return false;
    if (!partTable) {
        partTable = platform::Dictionary::Create();
        mCacheObjectTable->SetValue(part, partTable);
    }
    partTable->SetValue(selector, found);
    value = found;
    return true;
}

bool VR2Theme::DrawPart(const std::shared_ptr<VR2Graphics>& g, const std::string& part, int32_t state,
                        const Params& params)
{
    return PerformDrawPart(g, part, state, params);
}
