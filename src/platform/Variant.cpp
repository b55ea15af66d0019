#include "platform/Variant.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"

#include <cctype>
#include <cstdio>
#include <functional>

namespace platform {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

VariantType Variant::Type() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return VariantType::Nil; },
                          [](bool) { return VariantType::Boolean; },
                          [](int32_t) { return VariantType::Int32; },
                          [](int64_t) { return VariantType::Int64; },
                          [](double) { return VariantType::Double; },
                          [](const std::string&) { return VariantType::String; },
                          [](Color) { return VariantType::Color; },
                          [](const ObjectRef& object) {
                              return std::dynamic_pointer_cast<Date>(object) ? VariantType::Date
                                                                              : VariantType::Object;
                          },
                      },
                      mValue);
}

std::string Variant::StringValue() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return std::string(); },
                          [](bool value) { return std::string(value ? "True" : "False"); },
                          [](int32_t value) { return Str(value); },
                          [](int64_t value) { return Str(value); },
                          [](double value) { return Str(value); },
                          [](const std::string& value) { return value; },
                          [](Color value) {
                              char buffer[16];
                              std::snprintf(buffer, sizeof buffer, "&h%06X", value.value & 0xFFFFFF);
                              return std::string(buffer);
                          },
                          [](const ObjectRef& object) {
                              if (auto date = std::dynamic_pointer_cast<Date>(object))
                                  return date->SQLDateTime();
                              throw TypeMismatchException("an object has no text form");
                          },
                      },
                      mValue);
}

double Variant::DoubleValue() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return 0.0; },
                          [](bool value) { return value ? 1.0 : 0.0; },
                          [](int32_t value) { return static_cast<double>(value); },
                          [](int64_t value) { return static_cast<double>(value); },
                          [](double value) { return value; },
                          [](const std::string& value) { return Val(value); },
                          [](Color value) { return static_cast<double>(value.value); },
                          [](const ObjectRef& object) -> double {
                              if (auto date = std::dynamic_pointer_cast<Date>(object))
                                  return static_cast<double>(date->TotalSeconds());
                              throw TypeMismatchException("an object is not a number");
                          },
                      },
                      mValue);
}

int32_t Variant::Int32Value() const
{
    if (const auto* value = std::get_if<int32_t>(&mValue))
        return *value;
    if (const auto* value = std::get_if<int64_t>(&mValue))
        return static_cast<int32_t>(*value);  // keeps the low 32 bits, as a 64-bit to 32-bit assignment does
    if (const auto* value = std::get_if<Color>(&mValue))
        return value->value;
    return DoubleToInt32(DoubleValue());
}

int64_t Variant::Int64Value() const
{
    if (const auto* value = std::get_if<int64_t>(&mValue))
        return *value;
    if (const auto* value = std::get_if<int32_t>(&mValue))
        return *value;
    const double value = DoubleValue();
    if (value != value)
        return 0;
    if (value >= 9.2233720368547758e18)
        return INT64_MAX;
    if (value <= -9.2233720368547758e18)
        return INT64_MIN;
    return static_cast<int64_t>(value);
}

bool Variant::BooleanValue() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return false; },
                          [](bool value) { return value; },
                          [](int32_t value) { return value != 0; },
                          [](int64_t value) { return value != 0; },
                          [](double value) { return value != 0; },
                          [](const std::string& value) { return EqualsIgnoringCase(value, "True") || Val(value) != 0; },
                          [](Color value) { return value.value != 0; },
                          [](const ObjectRef&) -> bool { throw TypeMismatchException("an object is not a Boolean"); },
                      },
                      mValue);
}

Color Variant::ColorValue() const
{
    if (const auto* value = std::get_if<Color>(&mValue))
        return *value;
    return Color{Int32Value() & 0xFFFFFF};
}

Date::Ref Variant::DateValue() const { return std::dynamic_pointer_cast<Date>(ObjectValue()); }

ObjectRef Variant::ObjectValue() const
{
    if (const auto* value = std::get_if<ObjectRef>(&mValue))
        return *value;
    return nullptr;
}

bool Variant::operator==(const Variant& other) const
{
    const bool thisInteger = std::holds_alternative<int32_t>(mValue) || std::holds_alternative<int64_t>(mValue);
    const bool otherInteger =
        std::holds_alternative<int32_t>(other.mValue) || std::holds_alternative<int64_t>(other.mValue);
    if (thisInteger && otherInteger)
        return Int64Value() == other.Int64Value();
    return mValue == other.mValue;
}

std::size_t Variant::Hash() const
{
    return std::visit(Overloaded{
                          [](std::monostate) -> std::size_t { return 0x9e3779b9u; },
                          [](bool value) -> std::size_t { return value ? 1231 : 1237; },
                          [](int32_t value) { return std::hash<int64_t>()(value); },
                          [](int64_t value) { return std::hash<int64_t>()(value); },
                          [](double value) { return std::hash<double>()(value) ^ 0x5bd1e995u; },
                          [](const std::string& value) { return std::hash<std::string>()(value); },
                          [](Color value) { return std::hash<int32_t>()(value.value) ^ 0xc2b2ae35u; },
                          [](const ObjectRef& object) { return std::hash<const Object*>()(object.get()); },
                      },
                      mValue);
}

}  // namespace platform
