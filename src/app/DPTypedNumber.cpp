#include "app/DPTypedNumber.h"

#include <limits>
#include <string>
#include <string_view>

using platform::VariantType;

namespace {

std::optional<int32_t> ReadText(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return 0;
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    const bool negative = text.front() == '-';
    if (text.front() == '-' || text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    int64_t magnitude = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (digit - '0');
        if (magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1)
            return std::nullopt;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace

std::optional<int32_t> DPTypedNumber::Read(const platform::Variant& value)
{
    switch (value.Type()) {
    case VariantType::Nil:
        return 0;
    case VariantType::String:
        return ReadText(value.StringValue());
    case VariantType::Int32:
        return value.Int32Value();
    case VariantType::Int64: {
        const int64_t wide = value.Int64Value();
        if (wide < std::numeric_limits<int32_t>::min() || wide > std::numeric_limits<int32_t>::max())
            return std::nullopt;
        return static_cast<int32_t>(wide);
    }
    default:
        return std::nullopt;
    }
}
