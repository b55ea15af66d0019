#include "platform/Dictionary.h"

#include "platform/Exceptions.h"

#include <algorithm>

namespace platform {

Variant Dictionary::Value(const Variant& key) const
{
    const auto found = mIndex.find(key);
    if (found == mIndex.end())
        throw KeyNotFoundException();
    return found->second;
}

Variant Dictionary::Lookup(const Variant& key, const Variant& fallback) const
{
    const auto found = mIndex.find(key);
    return found == mIndex.end() ? fallback : found->second;
}

void Dictionary::SetValue(const Variant& key, const Variant& value)
{
    const auto [entry, inserted] = mIndex.insert_or_assign(key, value);
    if (inserted)
        mKeys.push_back(key);
}

void Dictionary::Remove(const Variant& key)
{
    if (mIndex.erase(key) == 0)
        throw KeyNotFoundException();
    mKeys.erase(std::find(mKeys.begin(), mKeys.end(), key));
}

void Dictionary::Clear()
{
    mKeys.clear();
    mIndex.clear();
}

std::vector<Variant> Dictionary::Values() const
{
    std::vector<Variant> values;
    values.reserve(mKeys.size());
    for (const auto& key : mKeys)
        values.push_back(mIndex.at(key));
    return values;
}

Variant Dictionary::Key(int32_t index) const
{
    if (index < 0 || index >= Count())
        throw OutOfBoundsException();
    return mKeys[static_cast<size_t>(index)];
}

}  // namespace platform
