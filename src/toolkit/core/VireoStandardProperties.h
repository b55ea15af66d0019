#pragma once

#include "platform/Dictionary.h"
#include "platform/Variant.h"
#include "toolkit/core/VR2Object.h"

#include <functional>
#include <string_view>
#include <vector>

// The property protocol: category "vr2o_property", selectors 'getp', 'setp'
// and 'hasp', sent straight to the object with no sender (along the responder
// chain when the object is nil). Only a result of 1 counts as an answer.
namespace VireoStandardProperties {

inline constexpr const char* kCategory = "vr2o_property";

// Property keys. Every view answers the first five itself.
inline constexpr const char* kLeftKey = "left";
inline constexpr const char* kTopKey = "top";
inline constexpr const char* kWidthKey = "width";
inline constexpr const char* kHeightKey = "height";
inline constexpr const char* kVisibleKey = "visible";
// The labels', text fields' and links' text, and the colour it is drawn in.
inline constexpr const char* kTextKey = "text";
inline constexpr const char* kColorKey = "color";
inline constexpr const char* kPictureKey = "pict";
inline constexpr const char* kUrlKey = "url";
inline constexpr const char* kEmptyCountKey = "emptyCount";
// The state button's value, and the progress bar's value ("int" too).
inline constexpr const char* kBoolKey = "bool";
inline constexpr const char* kIntKey = "int";
inline constexpr const char* kMaxKey = "max";
inline constexpr const char* kOverMaxKey = "over_max";
inline constexpr const char* kEmptyColorKey = "empty_color";
inline constexpr const char* kValueColorKey = "value_color";
inline constexpr const char* kOverColorKey = "over_color";

// True when key is the String name; a key of any other type names nothing.
bool IsKey(const platform::Variant& key, std::string_view name);

// One property of a control: its key, how to read it and how to write it.
struct Property {
    const char* key;
    std::function<platform::Variant()> get;
    std::function<void(const platform::Variant&)> set;
};
using PropertyTable = std::vector<Property>;

// The entry key names, or nullptr.
const Property* FindProperty(const PropertyTable& table, const platform::Variant& key);

// The answers of a control that knows only its table. Check: every key names
// an entry. Get: each key's value in turn, false at the first key that names
// none (the values before it stay). Set: each key that names an entry, in the
// dictionary's order; other keys are passed over and the answer is true.
bool CheckProperties(const PropertyTable& table, const std::vector<platform::Variant>& keys);
bool GetProperties(const PropertyTable& table, const std::vector<platform::Variant>& keys,
                   const platform::Dictionary::Ref& values);
bool SetProperties(const PropertyTable& table, const platform::Dictionary::Ref& values);

// The value for key; fallback when nobody answers or the reply Dictionary
// lacks the key. A reply that is not a Dictionary is the value itself.
platform::Variant VR2ObjectGetProperty(const VR2Object::Ref& object, const platform::Variant& key,
                                       const platform::Variant& fallback);

// The answer is not read: an unknown key changes nothing and reports nothing.
void VR2ObjectSetProperty(const VR2Object::Ref& object, const platform::Variant& key,
                          const platform::Variant& value);

// True only when the object answers with the Boolean True.
bool VR2ObjectHasProperty(const VR2Object::Ref& object, const std::vector<platform::Variant>& keys);

}  // namespace VireoStandardProperties
