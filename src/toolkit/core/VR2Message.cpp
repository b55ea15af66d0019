#include "toolkit/core/VR2Message.h"

#include "platform/Exceptions.h"
#include "platform/FourCC.h"
#include "platform/Text.h"

namespace {

std::string TextOf(const platform::Variant& value)
{
    try {
        return value.StringValue();
    } catch (const platform::TypeMismatchException&) {
        return "__Unknown";
    }
}

}  // namespace

VR2Message::Ref VR2Message::Create()
{
    Ref message(new VR2Message());
    message->params = platform::Dictionary::Create();
    return message;
}

VR2Message::Ref VR2Message::Create(std::string category, int32_t selector)
{
    auto message = Create();
    message->category = std::move(category);
    message->selector = selector;
    return message;
}

std::string VR2Message::description() const
{
    platform::Require(params);
    std::string text = category + ": '" + platform::FourCCText(selector) + "'=" + platform::Format(selector, "#") + " (";
    bool first = true;
    for (const auto& key : params->Keys()) {
        if (!first)
            text += ", ";
        first = false;
        text += TextOf(key) + ":" + TextOf(params->Lookup(key, {}));
    }
    return text + " )";
}
