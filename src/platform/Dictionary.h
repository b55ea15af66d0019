#pragma once

#include "platform/Object.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace platform {

// Variant-keyed map. String and Int32 keys stay distinct, object keys compare
// by identity, a nil key is legal; Keys come in insertion order, as a copy.
class Dictionary : public Object {
public:
    using Ref = std::shared_ptr<Dictionary>;
    static Ref Create() { return Ref(new Dictionary()); }

    int32_t Count() const { return static_cast<int32_t>(mKeys.size()); }
    bool HasKey(const Variant& key) const { return mIndex.count(key) != 0; }
    // Raises KeyNotFoundException for a key it does not hold.
    Variant Value(const Variant& key) const;
    Variant Lookup(const Variant& key, const Variant& fallback) const;
    void SetValue(const Variant& key, const Variant& value);
    void Remove(const Variant& key);
    void Clear();
    std::vector<Variant> Keys() const { return mKeys; }
    std::vector<Variant> Values() const;
    Variant Key(int32_t index) const;

private:
    Dictionary() = default;

    std::vector<Variant> mKeys;
    std::unordered_map<Variant, Variant> mIndex;
};

}  // namespace platform
