#include "store/DPDailyRecord.h"

void DPDailyRecord::initWithRecord(const platform::RecordSet::Ref& rs)
{
    if (!rs)
        return;
    CalGoalReached = rs->Field("cal_goal_reached").BooleanValue();
    CalorieGoal = rs->Field("cal_goal").IntegerValue();
    CalorieTotal = rs->Field("calorie_total").IntegerValue();
    EntryDate = rs->Field("entry_date").DateValue();
    id = rs->Field("id").IntegerValue();
    Steps = rs->Field("steps").IntegerValue();
    StepsGoal = rs->Field("step_goal").IntegerValue();
    StepsGoalReached = rs->Field("steps_goal_reached").BooleanValue();
}
