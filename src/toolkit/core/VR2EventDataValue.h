#pragma once

#include "platform/FourCC.h"
#include "toolkit/core/VR2EventData.h"

#include <cstdint>
#include <memory>

// A recipe with a fixed value.
class VR2EventDataValue : public VR2EventData {
public:
    using Ref = std::shared_ptr<VR2EventDataValue>;
    static constexpr int32_t kType = platform::FourCC("valu");
    static Ref Create() { return Ref(new VR2EventDataValue()); }

    platform::Variant value;

    int32_t type() override { return kType; }
    void Release() override {}

private:
    VR2EventDataValue() = default;
};
