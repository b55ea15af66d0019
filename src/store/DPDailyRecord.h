#pragma once

#include "platform/Date.h"
#include "platform/Object.h"
#include "platform/sql/RecordSet.h"

#include <cstdint>
#include <memory>

// One calendar day of the diary.
class DPDailyRecord : public platform::Object {
public:
    using Ref = std::shared_ptr<DPDailyRecord>;
    static Ref Create() { return Ref(new DPDailyRecord()); }

    // Fills every field from the current row of a record set over daily.
    void initWithRecord(const platform::RecordSet::Ref& rs);

    platform::Date::Ref EntryDate;
    int32_t CalorieGoal = 0;
    int32_t Steps = 0;
    int32_t StepsGoal = 0;
    bool CalGoalReached = false;
    bool StepsGoalReached = false;
    int32_t CalorieTotal = 0;
    int32_t id = 0;  // row id in daily; 0 until stored

private:
    DPDailyRecord() = default;
};
