#pragma once

#include "platform/Dictionary.h"
#include "platform/Object.h"
#include "toolkit/core/VR2EventHandler.h"
#include "toolkit/core/VR2Object.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// A view's map from an event code to at most one handler. One handler may be
// stored under several codes. Codes keep the order in which they were added.
class VR2EventHandlerTable : public platform::Object {
public:
    using Ref = std::shared_ptr<VR2EventHandlerTable>;
    static Ref Create() { return Ref(new VR2EventHandlerTable()); }

    // Releases a different handler stored under code, then stores handler.
    // A nil handler raises NilObjectException.
    void addHandler(int32_t code, const VR2EventHandler::Ref& handler);
    void removeAllHandlers();
    // Removes the entry of the first code that holds handler, and releases it.
    void removeHandler(const VR2EventHandler::Ref& handler);
    void removeHandler(int32_t code);
    VR2EventHandler::Ref findHandler(int32_t code) const;

    // Builds the handler's message for code and sends it to the receiver its
    // target code names, relative to sender. True when a handler and a
    // receiver were found and the message was sent (handled or not).
    bool triggerHandler(int32_t code, const VR2Object::Ref& sender, const platform::Dictionary::Ref& params);

    void Release() { removeAllHandlers(); }

private:
    VR2EventHandlerTable() = default;

    std::vector<std::pair<int32_t, VR2EventHandler::Ref>> mTable;
};
