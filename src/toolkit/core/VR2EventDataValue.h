#pragma once

#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2EventData.h"

#include <cstdint>
#include <memory>

// A recipe with a fixed value.
class VR2EventDataValue : public VR2EventData {
public:
    using Ref = std::shared_ptr<VR2EventDataValue>;
    static Ref Create() { return Ref(new VR2EventDataValue()); }

    platform::Variant value;

    int32_t type() override { return codes::kDataValue; }
    void Release() override {}

private:
    VR2EventDataValue() = default;
};
