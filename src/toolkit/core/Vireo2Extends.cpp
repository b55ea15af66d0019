#include "toolkit/core/Vireo2Extends.h"

#include "platform/Exceptions.h"

namespace Vireo2Extends {

platform::Variant FindValue(const platform::Dictionary::Ref& d, const platform::Variant& key,
                            const platform::Variant& fallback)
{
    return d ? d->Lookup(key, fallback) : fallback;
}

platform::Dictionary::Ref Copy(const platform::Dictionary::Ref& d)
{
    platform::Require(d);
    auto copy = platform::Dictionary::Create();
    for (const auto& key : d->Keys())
        copy->SetValue(key, d->Value(key));
    return copy;
}

bool keysExist(const platform::Dictionary::Ref& d, const std::vector<std::string>& keys)
{
    for (const auto& key : keys) {
        platform::Require(d);
        if (!d->HasKey(platform::Variant(key)))
            return false;
    }
    return true;
}

}  // namespace Vireo2Extends
