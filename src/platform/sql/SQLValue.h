#pragma once

#include "platform/Date.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace platform {

// One column value as SQLite keeps it: NULL, integer, real or text (a blob
// is kept as its bytes). The view form reads text where it lies.
using SQLValue = std::variant<std::monostate, int64_t, double, std::string>;
using SQLValueView = std::variant<std::monostate, int64_t, double, std::string_view>;

// Readings of a value. NULL reads as 0, "", false and a nil date; text reads
// as the number it starts with; an integer wider than 32 bits wraps.
int32_t SQLIntegerOf(const SQLValueView& value);
std::string SQLStringOf(const SQLValueView& value);
// Non-zero numbers and the text "true" (any case) or a non-zero number.
bool SQLBooleanOf(const SQLValueView& value);
// Date text "YYYY-MM-DD" (a time after it is read too); nil for anything else.
Date::Ref SQLDateOf(const SQLValueView& value);

}  // namespace platform
