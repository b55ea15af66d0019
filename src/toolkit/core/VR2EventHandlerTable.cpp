#include "toolkit/core/VR2EventHandlerTable.h"

#include "platform/Exceptions.h"
#include "toolkit/core/VR2EventDataSpecifier.h"
#include "toolkit/core/VR2EventDataValue.h"
#include "toolkit/core/VR2Message.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/core/Vireo2Extends.h"
#include "toolkit/core/VireoStandardProperties.h"

#include <algorithm>

void VR2EventHandlerTable::addHandler(int32_t code, const VR2EventHandler::Ref& handler)
{
    platform::Require(handler);
    const auto entry = std::find_if(mTable.begin(), mTable.end(), [&](const auto& pair) { return pair.first == code; });
    if (entry == mTable.end()) {
        mTable.emplace_back(code, handler);
        return;
    }
    if (entry->second == handler)
        return;
    const auto previous = entry->second;
    entry->second = handler;
    previous->Release();
}

VR2EventHandler::Ref VR2EventHandlerTable::findHandler(int32_t code) const
{
    const auto entry = std::find_if(mTable.begin(), mTable.end(), [&](const auto& pair) { return pair.first == code; });
    return entry == mTable.end() ? nullptr : entry->second;
}

void VR2EventHandlerTable::removeHandler(int32_t code)
{
    const auto entry = std::find_if(mTable.begin(), mTable.end(), [&](const auto& pair) { return pair.first == code; });
    if (entry == mTable.end())
        return;
    const auto handler = entry->second;
    mTable.erase(entry);
    handler->Release();
}

void VR2EventHandlerTable::removeHandler(const VR2EventHandler::Ref& handler)
{
    const auto entry =
        std::find_if(mTable.begin(), mTable.end(), [&](const auto& pair) { return pair.second == handler; });
    if (entry != mTable.end())
        removeHandler(entry->first);
}

void VR2EventHandlerTable::removeAllHandlers()
{
    // A handler stored under several codes is released once per code.
    const auto entries = std::move(mTable);
    mTable.clear();
    for (const auto& [code, handler] : entries)
        handler->Release();
}

namespace {

// Adds one recipe's value to params, unless the key is already there.
void ApplyRecipe(const VR2EventData::Ref& recipe, const VR2Object::Ref& sender, platform::Dictionary& params)
{
    if (params.HasKey(recipe->messageDataKey))
        return;
    if (const auto specifier = std::dynamic_pointer_cast<VR2EventDataSpecifier>(recipe)) {
        const auto source = Vireo2Engine::VR2FindTargetObject(specifier->targetCode, specifier->targetName, sender);
        if (!source || !VireoStandardProperties::VR2ObjectHasProperty(source, {specifier->propertyKey}))
            return;
        const auto value = VireoStandardProperties::VR2ObjectGetProperty(source, specifier->propertyKey, nullptr);
        params.SetValue(specifier->messageDataKey.IsNil() ? specifier->propertyKey : specifier->messageDataKey, value);
    } else if (const auto fixed = std::dynamic_pointer_cast<VR2EventDataValue>(recipe)) {
        params.SetValue(fixed->messageDataKey, fixed->value);
    }
}

}  // namespace

bool VR2EventHandlerTable::triggerHandler(int32_t code, const VR2Object::Ref& sender,
                                          const platform::Dictionary::Ref& params)
{
    // Held for the whole call: receiver code may change this table.
    const auto handler = findHandler(code);
    if (!handler)
        return false;
    const auto receiver = Vireo2Engine::VR2FindTargetObject(handler->targetCode, handler->targetName, sender);
    if (!receiver)
        return false;

    // The caller's Dictionary is never changed.
    auto messageParams = params ? Vireo2Extends::Copy(params) : platform::Dictionary::Create();
    const auto recipes = handler->messageData;
    for (const auto& recipe : recipes)
        if (recipe)
            ApplyRecipe(recipe, sender, *messageParams);

    auto message = VR2Message::Create(handler->messageCategory, handler->messageSelector);
    message->params = messageParams;
    Vireo2Engine::VR2SendMessage(sender, receiver, message);
    return true;
}
