#pragma once

#include "platform/Object.h"

#include <cstdint>
#include <memory>

// The goal counts of a month up to the day before a given day.
class DPMonthyStats : public platform::Object {
public:
    using Ref = std::shared_ptr<DPMonthyStats>;
    static Ref Create() { return Ref(new DPMonthyStats()); }

    int32_t CalHit = 0;
    int32_t CalMiss = 0;
    int32_t CalEmpty = 0;
    int32_t StepHit = 0;
    int32_t StepMissed = 0;
    int32_t StepEmpty = 0;

private:
    DPMonthyStats() = default;
};
