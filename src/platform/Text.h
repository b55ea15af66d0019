#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The one Double-to-Int32 rule of the whole system: truncate toward zero,
// saturate at the Int32 limits, NaN gives 0.
int32_t DoubleToInt32(double value) noexcept;

// The nearest whole number; halves go away from zero.
double Round(double value) noexcept;

// Int32 arithmetic that wraps as 32-bit two's complement instead of overflowing.
constexpr int32_t WrapAdd(int32_t a, int32_t b) noexcept
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
constexpr int32_t WrapSub(int32_t a, int32_t b) noexcept
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
constexpr int32_t WrapMul(int32_t a, int32_t b) noexcept
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
constexpr int32_t WrapNeg(int32_t a) noexcept { return WrapSub(0, a); }

// A sum or difference worked in 64 bits, brought back into Int32 by saturating at its limits.
constexpr int32_t ClampToInt32(int64_t value) noexcept
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// Decimal text of a number: "-12", "0"; a Double in its shortest round-trip form.
std::string Str(int64_t value);
std::string Str(int32_t value);
std::string Str(double value);

// The numeric prefix of text as a Double, independent of the locale: leading
// blanks, a sign, digits, a fraction and an exponent; "&h" hexadecimal too.
// Text without a number gives 0; a number beyond a Double's range gives
// infinity of its sign (the Int32 rule saturates it), one too small gives 0.
double Val(std::string_view text);

// Text without the blanks (spaces, tabs, line breaks) around it.
std::string_view TrimBlanks(std::string_view text);

// A whole number typed by the user, read strictly: blanks around it are
// trimmed, then an optional sign and decimal digits, within Int32. Empty (or
// blank) text reads 0. Anything else (letters, a fraction, grouping, a value
// beyond Int32) is no number: nullopt.
std::optional<int32_t> ParseTypedInt32(std::string_view text);

// Masks print whole numbers: up to three sections "positive;negative;zero".
// '#' is an optional digit, '0' a forced digit, '%' scales by 100; text before
// the first and after the last digit place is kept (no grouping, no decimals).
// Format(0, "#") is "", Format(-5, "#;- #;0") is "- 5", Format(0.75, "#%") is "75%".
std::string Format(double value, std::string_view mask);

// Split("") gives no parts; Split("a,,b", ",") gives "a", "", "b".
std::vector<std::string> Split(std::string_view text, std::string_view delimiter = " ");
std::string Join(const std::vector<std::string>& parts, std::string_view delimiter = " ");

// Lengths and positions count code points of UTF-8 text; Mid is 1-based.
int32_t Len(std::string_view text);
std::string Mid(std::string_view text, int32_t start);
std::string Mid(std::string_view text, int32_t start, int32_t length);
std::string Chr(int32_t codePoint);

}  // namespace platform
