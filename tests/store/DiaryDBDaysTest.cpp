#include "store/StoreFixture.h"

namespace {

// Writes a daily row straight into the file.
void PutDay(PlainSQL& plain, const std::string& date, int total, bool calReached, int steps, bool stepsReached,
            int calGoal = 2000, int stepGoal = 10000)
{
    plain.Exec("INSERT INTO daily (entry_date, calorie_total, cal_goal_reached, steps, steps_goal_reached, cal_goal, "
               "step_goal) VALUES ('" +
               date + "', " + std::to_string(total) + ", " + std::to_string(calReached) + ", " +
               std::to_string(steps) + ", " + std::to_string(stepsReached) + ", " + std::to_string(calGoal) + ", " +
               std::to_string(stepGoal) + ")");
}

std::vector<int32_t> Counts(const DPMonthyStats::Ref& stats)
{
    if (!stats)
        return {};
    return {stats->CalHit, stats->CalMiss, stats->CalEmpty, stats->StepHit, stats->StepMissed, stats->StepEmpty};
}

// id, CalorieGoal, CalorieTotal, StepsGoal, Steps, CalGoalReached, StepsGoalReached.
std::vector<int32_t> Fields(const DPDailyRecord::Ref& day)
{
    if (!day)
        return {};
    return {day->id, day->CalorieGoal, day->CalorieTotal, day->StepsGoal, day->Steps, day->CalGoalReached,
            day->StepsGoalReached};
}

}  // namespace

TEST_F(StoreTest, FirstViewOfADayCreatesItsRowWithDefaultGoals)
{
    const auto viewed = platform::Date::Create(2026, 12, 6, 15, 30, 0);
    auto record = DiaryDB::GetDaily(viewed);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(Fields(record), (std::vector<int32_t>{1, 2000, 0, 10000, 0, false, false}));
    ASSERT_NE(record->EntryDate, nullptr);
    EXPECT_NE(record->EntryDate, viewed) << "a copy, not the caller's date";
    EXPECT_TRUE(*record->EntryDate == *viewed);
    EXPECT_EQ(Plain().Query("SELECT id, entry_date, cal_goal_reached, cal_goal, calorie_total, steps, step_goal, "
                           "steps_goal_reached FROM daily"),
              (Rows{{"1", "2026-12-06", "0", "2000", PlainSQL::kNull, "0", "10000", "0"}}));

    // Seen again: read, not inserted; the time of day plays no part.
    auto again = DiaryDB::GetDaily(platform::Date::Create(2026, 12, 6, 8, 0, 0));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->id, 1);
    EXPECT_EQ(again->EntryDate->SQLDateTime(), "2026-12-06 00:00:00");
    EXPECT_EQ(Plain().Count("daily"), 1);
}

TEST_F(StoreTest, ADayAddedTwiceKeepsOneRow)
{
    // Two copies of the diary both found no row for the day and both add it.
    auto view = [](int32_t goal) {
        auto day = DPDailyRecord::Create();
        day->EntryDate = Day(2026, 12, 6);
        day->CalorieGoal = goal;
        return day;
    };
    EXPECT_EQ(DiaryDB::AddDaily(view(1800)), 1);
    auto second = view(2500);
    EXPECT_EQ(DiaryDB::AddDaily(second), 1);
    EXPECT_EQ(second->CalorieGoal, 1800) << "the second takes the row that is there";
    EXPECT_EQ(Plain().Count("daily"), 1);
}

TEST_F(StoreTest, EveryDayRoundTripsAndDatesWithoutTextAreRefused)
{
    for (const auto& date : {Day(2026, 1, 31), Day(2024, 2, 29), Day(1969, 12, 31), Day(9999, 12, 31)}) {
        SCOPED_TRACE(date->SQLDate());
        ASSERT_NE(DiaryDB::GetDaily(date), nullptr);
        auto again = DiaryDB::GetDaily(date);  // read back from its row
        ASSERT_TRUE(again && again->EntryDate);
        EXPECT_EQ(again->EntryDate->SQLDate(), date->SQLDate());
        EXPECT_TRUE(DiaryDB::Remove_Food(DiaryDB::AddFood(Food("plum", 30, date)))) << "an item can be removed";
        EXPECT_EQ(DiaryDB::GetDaily(date)->CalorieTotal, 0);
    }
    const auto daily = Plain().Query("SELECT * FROM daily");
    for (const auto& date : {Day(10000, 1, 1), Day(-1, 12, 31)}) {
        EXPECT_EQ(DiaryDB::GetDaily(date), nullptr);
        EXPECT_EQ(DiaryDB::AddFood(Food("plum", 30, date)), -1);
    }
    EXPECT_EQ(Plain().Query("SELECT * FROM daily"), daily);
    EXPECT_EQ(Plain().Count("food"), 0);
}

TEST_F(StoreTest, NewDaysCarryTheGoalsOfTheLatestDate)
{
    PutDay(Plain(), "2026-12-20", 0, false, 0, false, 1500, 7000);
    PutDay(Plain(), "2026-12-01", 0, false, 0, false, 2500, 12000);
    EXPECT_EQ(Fields(DiaryDB::GetDaily(Day(2026, 12, 10))), (std::vector<int32_t>{3, 1500, 0, 7000, 0, false, false}))
        << "the goals of the latest date, though it lies after the viewed day";
    EXPECT_EQ(Plain().Query("SELECT cal_goal, step_goal FROM daily WHERE entry_date = '2026-12-10'"),
              (Rows{{"1500", "7000"}}));
}

TEST_F(StoreTest, StepsReachTheirGoalAtOrAboveIt)
{
    const auto day = Day(2026, 12, 6);
    ASSERT_NE(DiaryDB::GetDaily(day), nullptr);
    EXPECT_TRUE(DiaryDB::AddTo_Steps(day, 9999));
    EXPECT_EQ(Steps("2026-12-06"), (Rows{{"9999", "0"}}));
    EXPECT_TRUE(DiaryDB::AddTo_Steps(day, 1));
    EXPECT_EQ(Steps("2026-12-06"), (Rows{{"10000", "1"}}));
    EXPECT_TRUE(DiaryDB::AddTo_Steps(day, -500));
    EXPECT_EQ(Steps("2026-12-06"), (Rows{{"9500", "0"}}));

    ASSERT_TRUE(DiaryDB::Update_Goal_Steps(day, 0));
    EXPECT_EQ(Steps("2026-12-06"), (Rows{{"9500", "0"}})) << "a goal edit leaves the flag as it was";
    EXPECT_TRUE(DiaryDB::AddTo_Steps(day, -9500));
    EXPECT_EQ(Steps("2026-12-06"), (Rows{{"0", "1"}})) << "zero steps meet a zero goal";
}

TEST_F(StoreTest, ChangesForADayWithoutARowCreateOneWithOnlyThatValue)
{
    EXPECT_TRUE(DiaryDB::AddTo_Steps(Day(2026, 12, 1), 4000));
    EXPECT_TRUE(DiaryDB::Update_Goal_Food(Day(2026, 12, 2), 1800));
    EXPECT_TRUE(DiaryDB::Update_Goal_Steps(Day(2026, 12, 3), 6000));
    EXPECT_TRUE(DiaryDB::AddTo_Calorie_Total(Day(2026, 12, 4), 250));
    const auto n = PlainSQL::kNull;
    EXPECT_EQ(Plain().Query("SELECT entry_date, cal_goal_reached, cal_goal, calorie_total, steps, step_goal, "
                           "steps_goal_reached FROM daily ORDER BY id"),
              (Rows{{"2026-12-01", n, n, n, "4000", n, n},
                    {"2026-12-02", n, "1800", n, n, n, n},
                    {"2026-12-03", n, n, n, n, "6000", n},
                    {"2026-12-04", n, n, "250", n, n, n}}));

    EXPECT_EQ(Fields(DiaryDB::GetDaily(Day(2026, 12, 2))), (std::vector<int32_t>{2, 1800, 0, 0, 0, false, false}))
        << "missing numbers read as 0 and missing flags as false";

    // A second change finds the row instead of adding another.
    EXPECT_TRUE(DiaryDB::Update_Goal_Food(Day(2026, 12, 2), 1700));
    EXPECT_EQ(Plain().Count("daily"), 4);
    EXPECT_EQ(Plain().Text("SELECT cal_goal FROM daily WHERE entry_date = '2026-12-02'"), "1700");
}

TEST_F(StoreTest, HistoryComesNewestFirstAndFoodInOrderOfEntry)
{
    for (int day : {3, 1, 2})
        ASSERT_NE(DiaryDB::GetDaily(Day(2026, 12, day)), nullptr);
    auto history = DiaryDB::GetAllDaily();
    ASSERT_NE(history, nullptr);
    std::vector<std::string> dates;
    for (; !history->IsEOF(); history->MoveNext())
        dates.push_back(history->Field("entry_date").StringValue());
    EXPECT_EQ(dates, (std::vector<std::string>{"2026-12-03", "2026-12-02", "2026-12-01"}));

    ASSERT_EQ(DiaryDB::AddFood(Food("b", 2, Day(2026, 12, 2))), 1);
    ASSERT_EQ(DiaryDB::AddFood(Food("a", 1, Day(2026, 12, 1))), 2);
    auto food = DiaryDB::GetAllFood();
    ASSERT_NE(food, nullptr);
    std::vector<std::string> items;
    for (; !food->IsEOF(); food->MoveNext())
        items.push_back(food->Field("id").StringValue() + food->Field("caloric_item").StringValue() +
                        food->Field("cal_val").StringValue() + food->Field("eaten_date").StringValue());
    EXPECT_EQ(items, (std::vector<std::string>{"1b22026-12-02", "2a12026-12-01"}));
}

TEST_F(StoreTest, MonthStatisticsCountTheDaysBeforeTheGivenOne)
{
    Plain();
    EXPECT_EQ(Counts(DiaryDB::GetMonthlyStats(Day(2026, 12, 10))), (std::vector<int32_t>{0, 0, 0, 0, 0, 0}))
        << "no rows: no misses either";

    PutDay(Plain(), "2026-12-03", 1500, true, 0, false);
    PutDay(Plain(), "2026-12-05", 0, true, 0, false);  // its items were all removed
    PutDay(Plain(), "2026-12-10", 100, true, 12000, true);  // the given day itself
    PutDay(Plain(), "2026-11-30", 100, true, 12000, true);  // the month before
    EXPECT_EQ(Counts(DiaryDB::GetMonthlyStats(Day(2026, 12, 10))), (std::vector<int32_t>{1, 8, 0, 0, 9, 0}));
    EXPECT_EQ(Counts(DiaryDB::GetMonthlyStats(Day(2026, 12, 1))), (std::vector<int32_t>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Counts(DiaryDB::GetMonthlyStats(Day(2026, 12, 11))), (std::vector<int32_t>{2, 8, 0, 1, 9, 0}));

    // A NULL total is no hit, whatever the flag says.
    Plain().Exec("INSERT INTO daily (entry_date, cal_goal_reached, steps_goal_reached) VALUES ('2026-12-04', 1, 1)");
    EXPECT_EQ(Counts(DiaryDB::GetMonthlyStats(Day(2026, 12, 10))), (std::vector<int32_t>{1, 8, 0, 0, 9, 0}));
}
