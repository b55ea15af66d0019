#pragma once

#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2EventData.h"

#include <cstdint>
#include <memory>
#include <string>

// A recipe whose value is a property of another object, found by target code
// (and name) relative to the view that triggers the event. A nil
// messageDataKey stores the value under propertyKey.
class VR2EventDataSpecifier : public VR2EventData {
public:
    using Ref = std::shared_ptr<VR2EventDataSpecifier>;
    static Ref Create() { return Ref(new VR2EventDataSpecifier()); }

    int32_t targetCode = 0;
    std::string targetName;
    platform::Variant propertyKey;

    int32_t type() override { return codes::kDataSpecifier; }
    // Empties the target and the property; messageDataKey stays.
    void Release() override;

private:
    VR2EventDataSpecifier() = default;
};
