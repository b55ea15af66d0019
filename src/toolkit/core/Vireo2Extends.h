#pragma once

#include "platform/Dictionary.h"
#include "platform/Variant.h"

#include <string>
#include <vector>

// Operations on the platform Dictionary.
namespace Vireo2Extends {

// d's value for key; fallback when d is nil or lacks the key.
platform::Variant FindValue(const platform::Dictionary::Ref& d, const platform::Variant& key,
                            const platform::Variant& fallback);

// A new Dictionary with d's entries in d's key order; the values are shared.
// A nil d raises NilObjectException.
platform::Dictionary::Ref Copy(const platform::Dictionary::Ref& d);

// True when d has every text of keys as a key (True for no keys, without
// touching d). A nil d with keys raises NilObjectException.
bool keysExist(const platform::Dictionary::Ref& d, const std::vector<std::string>& keys);

}  // namespace Vireo2Extends
