#pragma once

#include "platform/Variant.h"

#include <cstdint>
#include <optional>

// Numbers the user typed, read strictly, so that a typo is refused instead of
// being stored as 0 or as the digits before it.
namespace DPTypedNumber {

// Text: surrounding blanks trimmed, then an optional sign and decimal digits
// within Int32; empty text (and nil) reads 0. A whole number value within
// Int32 reads as itself. Anything else gives nothing.
std::optional<int32_t> Read(const platform::Variant& value);

}  // namespace DPTypedNumber
