#include "toolkit/core/VireoStandardProperties.h"

#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2Message.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/core/Vireo2Extends.h"

#include <algorithm>

namespace VireoStandardProperties {

namespace {

VR2Message::Ref Request(int32_t selector) { return VR2Message::Create(kCategory, selector); }

}  // namespace

platform::Variant VR2ObjectGetProperty(const VR2Object::Ref& object, const platform::Variant& key,
                                       const platform::Variant& fallback)
{
    auto message = Request(codes::kGetProperty);
    message->params->SetValue(key, nullptr);
    Vireo2Engine::VR2SendMessage(nullptr, object, message);
    if (message->result != codes::kResultHandled)
        return fallback;
    if (const auto values = message->reply.As<platform::Dictionary>())
        return Vireo2Extends::FindValue(values, key, fallback);
    return message->reply;
}

void VR2ObjectSetProperty(const VR2Object::Ref& object, const platform::Variant& key, const platform::Variant& value)
{
    auto message = Request(codes::kSetProperty);
    message->params->SetValue(key, value);
    Vireo2Engine::VR2SendMessage(nullptr, object, message);
}

bool VR2ObjectHasProperty(const VR2Object::Ref& object, const std::vector<platform::Variant>& keys)
{
    auto message = Request(codes::kHasProperty);
    for (const auto& key : keys)
        message->params->SetValue(key, nullptr);
    Vireo2Engine::VR2SendMessage(nullptr, object, message);
    return message->result == codes::kResultHandled &&
           message->reply.Type() == platform::VariantType::Boolean && message->reply.BooleanValue();
}

bool IsKey(const platform::Variant& key, std::string_view name)
{
    return key.Type() == platform::VariantType::String && key.StringValue() == name;
}

const Property* FindProperty(const PropertyTable& table, const platform::Variant& key)
{
    const auto entry =
        std::find_if(table.begin(), table.end(), [&key](const Property& property) { return IsKey(key, property.key); });
    return entry == table.end() ? nullptr : &*entry;
}

bool CheckProperties(const PropertyTable& table, const std::vector<platform::Variant>& keys)
{
    return std::all_of(keys.begin(), keys.end(),
                       [&table](const platform::Variant& key) { return FindProperty(table, key) != nullptr; });
}

bool GetProperties(const PropertyTable& table, const std::vector<platform::Variant>& keys,
                   const platform::Dictionary::Ref& values)
{
    for (const auto& key : keys) {
        const auto* property = FindProperty(table, key);
        if (!property)
            return false;
        values->SetValue(key, property->get());
    }
    return true;
}

bool SetProperties(const PropertyTable& table, const platform::Dictionary::Ref& values)
{
    for (const auto& key : values->Keys())
        if (const auto* property = FindProperty(table, key))
            property->set(values->Value(key));
    return true;
}

}  // namespace VireoStandardProperties
