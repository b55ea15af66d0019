#pragma once

#include "platform/Variant.h"
#include "toolkit/core/VR2Object.h"

#include <vector>

// The property protocol: category "vr2o_property", selectors 'getp', 'setp'
// and 'hasp', sent straight to the object with no sender (along the responder
// chain when the object is nil). Only a result of 1 counts as an answer.
namespace VireoStandardProperties {

inline constexpr const char* kCategory = "vr2o_property";

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
