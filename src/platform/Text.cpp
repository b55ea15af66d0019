#include "platform/Text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include <locale.h>
#include <stdlib.h>

namespace platform {

int32_t DoubleToInt32(double value) noexcept
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<int32_t>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

double Round(double value) noexcept { return std::round(value); }

std::string Str(int64_t value) { return std::to_string(value); }
std::string Str(int32_t value) { return std::to_string(value); }

std::string Str(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

namespace {

// A number too large or too small for a Double: infinity of its sign, which
// the Int32 rule saturates, or zero, as strtod gives (in the C locale).
double OutOfRange(std::string_view number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const std::string copy(number);
    return cLocale ? strtod_l(copy.c_str(), nullptr, cLocale) : 0;
}

}  // namespace

double Val(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i + 1 < text.size() && text[i] == '&' && (text[i + 1] == 'h' || text[i + 1] == 'H')) {
        uint64_t result = 0;
        size_t j = i + 2;
        for (; j < text.size() && j < i + 2 + 16; ++j) {
            const char c = text[j];
            int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (digit < 0)
                break;
            result = result * 16 + static_cast<uint64_t>(digit);
        }
        return static_cast<double>(result);
    }
    // Take the longest prefix that is a decimal number; from_chars is locale-independent.
    size_t start = i;
    if (i < text.size() && text[i] == '+')
        start = ++i;
    else if (i < text.size() && text[i] == '-')
        ++i;
    // from_chars would also read "inf" and "nan": typed text such as "Infinity" is no number.
    if (i == text.size() || !(std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.'))
        return 0;
    double result = 0;
    const char* const first = text.data() + start;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), result, std::chars_format::general);
    if (end == first)
        return 0;
    if (error == std::errc::result_out_of_range)
        return OutOfRange(std::string_view(first, static_cast<size_t>(end - first)));
    return error == std::errc() ? result : 0;
}

std::string_view TrimBlanks(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<int32_t> ParseTypedInt32(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty())
        return 0;
    const bool negative = text.front() == '-';
    if (negative || text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int64_t magnitude = 0;
    for (const char digit : text) {
        magnitude = magnitude * 10 + (digit - '0');
        if (magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1)
            return std::nullopt;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

namespace {

// Formats the magnitude of a value into one mask section.
std::string FormatSection(double magnitude, std::string_view section)
{
    if (section.find('%') != std::string_view::npos)
        magnitude *= 100;

    size_t digitSlots = 0, forcedDigits = 0, firstSlot = std::string_view::npos, lastSlot = 0;
    for (size_t i = 0; i < section.size(); ++i) {
        if (section[i] == '#' || section[i] == '0') {
            ++digitSlots;
            if (section[i] == '0')
                ++forcedDigits;
            if (firstSlot == std::string_view::npos)
                firstSlot = i;
            lastSlot = i;
        }
    }
    if (digitSlots == 0)
        return std::string(section);

    const double rounded = std::round(magnitude);
    std::string digits;
    if (rounded >= 1) {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.0f", rounded);
        digits = buffer;
    }
    while (digits.size() < forcedDigits)
        digits.insert(digits.begin(), '0');

    return std::string(section.substr(0, firstSlot)) + digits + std::string(section.substr(lastSlot + 1));
}

std::vector<std::string_view> MaskSections(std::string_view mask)
{
    std::vector<std::string_view> sections;
    size_t start = 0;
    for (size_t i = 0; i <= mask.size(); ++i) {
        if (i == mask.size() || mask[i] == ';') {
            sections.push_back(mask.substr(start, i - start));
            start = i + 1;
        }
    }
    return sections;
}

}  // namespace

std::string Format(double value, std::string_view mask)
{
    if (std::isnan(value))
        return "NAN";
    const auto sections = MaskSections(mask);
    const double scale = mask.find('%') != std::string_view::npos ? 100 : 1;
    const bool isZero = std::round(std::fabs(value) * scale) == 0;
    if (isZero && sections.size() >= 3)
        return FormatSection(0, sections[2]);
    if (value < 0 && !isZero) {
        if (sections.size() >= 2)
            return FormatSection(-value, sections[1]);
        return "-" + FormatSection(-value, sections[0]);
    }
    return FormatSection(std::fabs(value), sections[0]);
}

std::vector<std::string> Split(std::string_view text, std::string_view delimiter)
{
    std::vector<std::string> parts;
    if (text.empty())
        return parts;
    if (delimiter.empty()) {
        parts.emplace_back(text);
        return parts;
    }
    size_t start = 0;
    while (true) {
        const size_t found = text.find(delimiter, start);
        if (found == std::string_view::npos) {
            parts.emplace_back(text.substr(start));
            return parts;
        }
        parts.emplace_back(text.substr(start, found - start));
        start = found + delimiter.size();
    }
}

std::string Join(const std::vector<std::string>& parts, std::string_view delimiter)
{
    std::string result;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            result += delimiter;
        result += parts[i];
    }
    return result;
}

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offset of the code point with 0-based index `index` (or the end).
size_t ByteOffset(std::string_view text, int64_t index)
{
    size_t offset = 0;
    for (int64_t counted = 0; offset < text.size() && counted < index; ++counted) {
        ++offset;
        while (offset < text.size() && IsContinuationByte(text[offset]))
            ++offset;
    }
    return offset;
}

}  // namespace

int32_t Len(std::string_view text)
{
    int32_t count = 0;
    for (char c : text)
        if (!IsContinuationByte(c))
            ++count;
    return count;
}

std::string Mid(std::string_view text, int32_t start)
{
    if (start < 1)
        start = 1;
    return std::string(text.substr(ByteOffset(text, start - 1)));
}

std::string Mid(std::string_view text, int32_t start, int32_t length)
{
    if (start < 1)
        start = 1;
    if (length <= 0)
        return {};
    const size_t begin = ByteOffset(text, start - 1);
    const std::string_view rest = text.substr(begin);
    return std::string(rest.substr(0, ByteOffset(rest, length)));
}

std::string Chr(int32_t codePoint)
{
    std::string result;
    const auto c = static_cast<uint32_t>(codePoint);
    if (c < 0x80) {
        result += static_cast<char>(c);
    } else if (c < 0x800) {
        result += static_cast<char>(0xC0 | (c >> 6));
        result += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        result += static_cast<char>(0xE0 | (c >> 12));
        result += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        result += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
        result += static_cast<char>(0xF0 | (c >> 18));
        result += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        result += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        result += static_cast<char>(0x80 | (c & 0x3F));
    }
    return result;
}

}  // namespace platform
