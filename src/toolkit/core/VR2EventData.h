#pragma once

#include "platform/Object.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>

// A parameter recipe of an event handler: adds one value to the message it
// builds, under messageDataKey.
class VR2EventData : public platform::Object {
public:
    using Ref = std::shared_ptr<VR2EventData>;

    platform::Variant messageDataKey;

    virtual int32_t type() { return 0; }
    virtual void Release() {}

protected:
    VR2EventData() = default;
};
