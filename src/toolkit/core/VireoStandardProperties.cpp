#include "toolkit/core/VireoStandardProperties.h"

#include "platform/Codes.h"
#include "toolkit/core/VR2Message.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/core/Vireo2Extends.h"

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

}  // namespace VireoStandardProperties
