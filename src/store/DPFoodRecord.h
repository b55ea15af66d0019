#pragma once

#include "platform/Date.h"
#include "platform/Object.h"

#include <cstdint>
#include <memory>
#include <string>

// One eaten item.
class DPFoodRecord : public platform::Object {
public:
    using Ref = std::shared_ptr<DPFoodRecord>;
    static Ref Create() { return Ref(new DPFoodRecord()); }

    int32_t id = 0;  // row id in food; 0 until stored
    platform::Date::Ref EatenDate;
    std::string CaloricItem;
    int32_t CalVal = 0;

private:
    DPFoodRecord() = default;
};
