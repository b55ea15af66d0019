#include "platform/sql/SQLValue.h"

#include "platform/Text.h"

#include <algorithm>
#include <cctype>

namespace platform {

int32_t SQLIntegerOf(const SQLValueView& value)
{
    if (const auto* integer = std::get_if<int64_t>(&value))
        return static_cast<int32_t>(static_cast<uint32_t>(*integer));
    if (const auto* real = std::get_if<double>(&value))
        return DoubleToInt32(*real);
    if (const auto* text = std::get_if<std::string_view>(&value))
        return DoubleToInt32(Val(*text));
    return 0;
}

std::string SQLStringOf(const SQLValueView& value)
{
    if (const auto* integer = std::get_if<int64_t>(&value))
        return Str(*integer);
    if (const auto* real = std::get_if<double>(&value))
        return Str(*real);
    if (const auto* text = std::get_if<std::string_view>(&value))
        return std::string(*text);
    return {};
}

bool SQLBooleanOf(const SQLValueView& value)
{
    if (const auto* integer = std::get_if<int64_t>(&value))
        return *integer != 0;
    if (const auto* real = std::get_if<double>(&value))
        return *real != 0;
    if (const auto* text = std::get_if<std::string_view>(&value)) {
        std::string lower(*text);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return lower == "true" || Val(lower) != 0;
    }
    return false;
}

Date::Ref SQLDateOf(const SQLValueView& value)
{
    const auto* text = std::get_if<std::string_view>(&value);
    if (!text)
        return nullptr;
    auto date = Date::Create(1904, 1, 1);
    if (!date->SetSQLDate(*text))
        return nullptr;
    return date;
}

}  // namespace platform
