#pragma once

#include "platform/Color.h"
#include "platform/Object.h"

#include <cstdint>
#include <memory>
#include <vector>

// A colour pair yielding the colours of a linear gradient; the creator sets
// both fields.
class VR2Gradient : public platform::Object {
public:
    using Ref = std::shared_ptr<VR2Gradient>;
    static Ref Create() { return Ref(new VR2Gradient()); }

    platform::Color StartColor;
    platform::Color EndColor;

    // n colours, entry i lying i/n of the way from StartColor to EndColor:
    // entry 0 is StartColor and EndColor itself is never reached. Empty for n <= 0.
    std::vector<platform::Color> Steps(int32_t n) const;
    // Entry i of Steps(n), without making the others.
    platform::Color Step(int32_t i, int32_t n) const;

private:
    VR2Gradient() = default;
};
