#pragma once

#include "platform/Object.h"
#include "toolkit/core/VR2EventData.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One rule of an event handler table, written as data: the receiver (a target
// code, with a view name or dotted path for the codes that need one), the
// message to send, and the recipes that fill its parameters, first to last.
class VR2EventHandler : public platform::Object {
public:
    using Ref = std::shared_ptr<VR2EventHandler>;
    static Ref Create() { return Ref(new VR2EventHandler()); }

    int32_t targetCode = 0;
    std::string messageCategory;
    int32_t messageSelector = 0;
    std::string targetName;
    std::vector<VR2EventData::Ref> messageData;

    // Empties the rule for good: its recipes are released last to first and
    // dropped, and a released rule resolves no receiver.
    void Release();

private:
    VR2EventHandler() = default;
};
