#pragma once

#include "platform/Color.h"
#include "platform/Date.h"
#include "platform/Object.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <variant>

namespace platform {

enum class VariantType { Nil, Boolean, Int32, Int64, Double, String, Color, Date, Object };

// A dynamically typed value. Objects (and dates, which are objects) are held
// by reference and compared by identity.
class Variant {
public:
    Variant() = default;
    Variant(std::nullptr_t) {}
    Variant(bool value) : mValue(value) {}
    Variant(int32_t value) : mValue(value) {}
    Variant(int64_t value) : mValue(value) {}
    Variant(double value) : mValue(value) {}
    Variant(const char* text) : mValue(std::string(text)) {}
    Variant(std::string text) : mValue(std::move(text)) {}
    Variant(std::string_view text) : mValue(std::string(text)) {}
    Variant(Color color) : mValue(color) {}
    template <typename T, typename = std::enable_if_t<std::is_base_of_v<Object, T>>>
    Variant(std::shared_ptr<T> object)
    {
        if (object)
            mValue = std::static_pointer_cast<Object>(std::move(object));
    }

    VariantType Type() const;
    bool IsNil() const { return Type() == VariantType::Nil; }

    // Conversions. Text: nil "", Booleans "True"/"False", numbers in decimal,
    // colours "&hRRGGBB", dates their SQL date-time; an object has no text
    // form (TypeMismatchException). Int32: numbers by the one Double rule,
    // text by Val, Booleans 1/0, nil 0. Boolean: numbers non-zero, text
    // "True" (any case) or a non-zero number, nil false. Objects convert to
    // no number or Boolean (TypeMismatchException).
    std::string StringValue() const;
    int32_t Int32Value() const;
    int64_t Int64Value() const;
    double DoubleValue() const;
    bool BooleanValue() const;
    Color ColorValue() const;
    Date::Ref DateValue() const;           // nil unless a Date
    ObjectRef ObjectValue() const;         // nil unless an object or a Date

    template <typename T>
    std::shared_ptr<T> As() const
    {
        return std::dynamic_pointer_cast<T>(ObjectValue());
    }

    // Same type and value; objects by identity. Int32 and Int64 of one value
    // are equal; a String never equals a number.
    bool operator==(const Variant& other) const;

    std::size_t Hash() const;

private:
    std::variant<std::monostate, bool, int32_t, int64_t, double, std::string, Color, ObjectRef> mValue;
};

// The hash the toolkit keeps to recognise an object clicked twice.
inline int32_t VariantHash(const Variant& value) { return static_cast<int32_t>(value.Hash()); }

}  // namespace platform

template <>
struct std::hash<platform::Variant> {
    std::size_t operator()(const platform::Variant& value) const { return value.Hash(); }
};
