#include "store/StoreFixture.h"

#include "../bench/DiaryGenerator.h"

namespace {

std::string Text(const platform::Date::Ref& date) { return date ? date->SQLDateTime() : "<nil>"; }

std::vector<std::string> Describe(const std::vector<DPFoodRecord::Ref>& items)
{
    std::vector<std::string> rows;
    for (const auto& item : items)
        rows.push_back(std::to_string(item->id) + " " + item->CaloricItem + " " + std::to_string(item->CalVal) + " " +
                       Text(item->EatenDate));
    return rows;
}

std::vector<std::string> Describe(const std::vector<DPDailyRecord::Ref>& days)
{
    std::vector<std::string> rows;
    for (const auto& day : days)
        rows.push_back(std::to_string(day->id) + " " + Text(day->EntryDate) + " " + std::to_string(day->CalorieGoal) +
                       " " + std::to_string(day->CalorieTotal) + " " + std::to_string(day->CalGoalReached) + " " +
                       std::to_string(day->Steps) + " " + std::to_string(day->StepsGoal) + " " +
                       std::to_string(day->StepsGoalReached));
    return rows;
}

// The window's lists the long way: every row, kept as the controller keeps them.
std::vector<DPFoodRecord::Ref> FoodByScan(const platform::Date& day)
{
    std::vector<DPFoodRecord::Ref> items;
    for (auto rs = DiaryDB::GetAllFood(); !rs->IsEOF(); rs->MoveNext()) {
        const auto eaten = rs->Field("eaten_date").DateValue();
        if (!eaten || eaten->Year() != day.Year() || eaten->Month() != day.Month() || eaten->Day() != day.Day())
            continue;
        auto item = DPFoodRecord::Create();
        item->id = rs->Field("id").IntegerValue();
        item->EatenDate = eaten;
        item->CaloricItem = rs->Field("caloric_item").StringValue();
        item->CalVal = rs->Field("cal_val").IntegerValue();
        items.push_back(item);
    }
    return items;
}

std::vector<DPDailyRecord::Ref> DaysByScan(const platform::Date& day)
{
    std::vector<DPDailyRecord::Ref> days;
    for (auto rs = DiaryDB::GetAllDaily(); !rs->IsEOF(); rs->MoveNext()) {
        auto record = DPDailyRecord::Create();
        record->initWithRecord(rs);
        const auto& date = record->EntryDate;
        if (date && date->ShortDate() != day.ShortDate() && date->SQLDate() <= day.SQLDate() &&
            date->Year() == day.Year() && date->Month() == day.Month())
            days.push_back(record);
    }
    return days;
}

}  // namespace

// Every form of date text that reads as a date, and some that do not, beside
// a generated diary: the indexed reads give what the scans give, day by day.
TEST_F(StoreTest, DayReadsGiveWhatTheScansGive)
{
    Plain();
    GenerateDiary(File().string(), Day(2027, 1, 6), 1200, 3);
    const std::vector<std::string> odd = {
        "'2026-12-07 10:30:00'", "'2026-12-07T23:59:59'", "'2026-11-31'",         "'2024-02-30 12:00'",
        "'2026-12-02 99:99:99'", "'2026-12-08 -9:00:00'", "' 2026-12-07'",        "'2026-12- 7'",
        "'2026-1-+7'",           "'+026-12-07'",          "'2026-13-01'",         "'2026-12-00'",
        "20261207",              "NULL",                  "'garbage'",            "''",
        "'2026-12-05'",          "'2026-12-05 08:00'",    "'2026-12-31 23:59:59'", "'2027-01-01 -1:00'"};
    for (const auto& date : odd) {
        Plain().Exec("INSERT INTO food (caloric_item, cal_val, eaten_date) VALUES ('odd', 7, " + date +
                     ")");
        Plain().Exec("INSERT INTO daily (entry_date, calorie_total, steps) VALUES (" + date + ", 7, 70)");
    }

    std::vector<platform::Date::Ref> days = {Day(2024, 2, 29), Day(2024, 3, 1), Day(2024, 3, 2), Day(26, 12, 7),
                                             platform::Date::Create(2026, 12, 7, 15, 30), Day(2027, 3, 1)};
    for (auto day = Day(2026, 11, 22); day->SQLDate() <= "2027-01-08"; day->SetDay(day->Day() + 1))
        days.push_back(day->copy());
    for (const auto& day : days) {
        SCOPED_TRACE(Text(day));
        const auto food = DiaryDB::GetFoodOfDay(day);
        const auto history = DiaryDB::GetDaysOfMonthBefore(day);
        ASSERT_TRUE(food && history);
        EXPECT_EQ(Describe(*food), Describe(FoodByScan(*day)));
        EXPECT_EQ(Describe(*history), Describe(DaysByScan(*day)));
    }
    EXPECT_EQ(Plain().Query("SELECT count(*) FROM sqlite_master WHERE type = 'index'"), (Rows{{"4"}}));
    // The generated days are there; so are the odd ones that read as the day.
    EXPECT_EQ(DiaryDB::GetFoodOfDay(Day(2026, 12, 7))->size(), 3u + 4u);
    EXPECT_EQ(DiaryDB::GetDaysOfMonthBefore(Day(2026, 12, 7))->size(), 6u + 4u);
    EXPECT_EQ(Describe(*DiaryDB::GetFoodOfDay(Day(2027, 3, 1))), std::vector<std::string>{});
}
