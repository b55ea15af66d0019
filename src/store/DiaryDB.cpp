#include "store/DiaryDB.h"

#include "platform/EventLoop.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "store/DiaryFileStamp.h"

#include <limits>
#include <optional>

using platform::Date;
using platform::DatabaseRecord;
using platform::REALSQLDatabase;
using platform::RecordSet;

namespace DiaryDB {

namespace {

constexpr int32_t kDefaultCalorieGoal = 2000;
constexpr int32_t kDefaultStepsGoal = 10000;

// The date text of a day; "" for nil or a date that has no such text.
std::string DayText(const Date::Ref& day) { return day ? day->SQLDate() : std::string(); }

// Inserts the record; its id, or 0 when the insert failed or the id does not
// fit the 32 bits callers keep (a row they could never find again).
int32_t InsertRow(REALSQLDatabase& db, const char* table, const DatabaseRecord::Ref& record)
{
    if (!db.InsertRecord(table, record))
        return 0;
    const int64_t id = db.LastRowID();
    return id >= 1 && id <= std::numeric_limits<int32_t>::max() ? static_cast<int32_t>(id) : 0;
}

bool CreateTables(REALSQLDatabase& db)
{
    const std::string daily = std::string("CREATE TABLE daily (") + "id Integer primary key autoincrement," +
                              "cal_goal_reached Boolean," + "cal_goal integer," + "calorie_total integer," +
                              "entry_date date," + "steps integer," + "step_goal integer," +
                              "steps_goal_reached Boolean )";
    const std::string food = std::string("CREATE TABLE food (") + "id integer primary key autoincrement," +
                             "caloric_item string," + "cal_val integer," + "eaten_date date )";
    return db.BeginTransaction() && db.SQLExecute(daily) && db.SQLExecute(food) && db.Commit();
}

// Runs `change` on a new connection inside one transaction, so that all of it
// is in the file or none; dropping the connection rolls back what failed.
template <typename Change>
bool ChangeInTransaction(Change&& change)
{
    REALSQLDatabase::Ref db;
    if (!Init(db) || !db->BeginTransaction())
        return false;
    const DiaryFileStamp::Renewal stamp(*db);
    if (!change(*db) || !db->Commit())
        return false;
    stamp.Committed();
    return true;
}

bool InsertDay(REALSQLDatabase& db, const std::string& dateText, const char* column, int32_t value)
{
    auto record = DatabaseRecord::Create();
    record->Column("entry_date", dateText);
    record->IntegerColumn(column, value);
    return InsertRow(db, "daily", record) != 0;
}

// The day's value moved by `amount`, or nothing when that leaves Int32: a
// total that wrapped would turn a huge day into a negative one, goal reached.
std::optional<int32_t> Moved(int32_t value, int64_t amount)
{
    const int64_t moved = int64_t{value} + amount;
    if (moved < std::numeric_limits<int32_t>::min() || moved > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(moved);
}

bool AddToCalorieTotal(REALSQLDatabase& db, const std::string& dateText, int64_t amount)
{
    auto rs = db.SQLSelect("SELECT cal_goal,calorie_total,cal_goal_reached FROM daily WHERE entry_date = ?",
                           {dateText});
    if (!rs)
        return false;
    const auto total = Moved(rs->IsEOF() ? 0 : rs->Field("calorie_total").IntegerValue(), amount);
    if (!total)
        return false;
    if (rs->IsEOF())
        return InsertDay(db, dateText, "calorie_total", *total);
    const int32_t goal = rs->Field("cal_goal").IntegerValue();
    if (!rs->Edit())
        return false;
    rs->Field("cal_goal_reached").SetBooleanValue(*total < goal);
    rs->Field("calorie_total").SetIntegerValue(*total);
    return rs->Update();
}

// Sets one column of the day's row, creating the row when there is none.
bool SetDayValue(const Date::Ref& day, const std::string& query, const char* column, int32_t value)
{
    const std::string dateText = DayText(day);
    if (dateText.empty())
        return false;
    return ChangeInTransaction([&](REALSQLDatabase& db) {
        auto rs = db.SQLSelect(query, {dateText});
        if (!rs)
            return false;
        if (rs->IsEOF())
            return InsertDay(db, dateText, column, value);
        if (!rs->Edit())
            return false;
        rs->Field(column).SetIntegerValue(value);
        return rs->Update();
    });
}

}  // namespace

platform::FolderItem::Ref DatabaseFile()
{
    auto devuser = platform::GetFolderItem("")->Child("devuser");
    return (devuser->Directory() ? devuser : platform::DocumentsFolder())->Child("Di Rizezoz Database");
}

bool Init(REALSQLDatabase::Ref& db)
{
    db = nullptr;
    auto file = DatabaseFile();
    auto database = REALSQLDatabase::Create();
    database->SetDatabaseFile(file);
    if (file->Exists()) {
        if (!database->Connect())
            return false;
    } else {
        // Built aside and renamed into place: a file left half made would open
        // later with its tables missing, for good.
        const bool made = file->CreateWhole([](const platform::FolderItem::Ref& partial) {
            auto building = REALSQLDatabase::Create();
            building->SetDatabaseFile(partial);
            return building->CreateDatabaseFile() && CreateTables(*building);
        });
        if (!made || !database->Connect())
            return false;
    }
    db = std::move(database);
    return true;
}

int32_t AddFood(const DPFoodRecord::Ref& item)
{
    const std::string dateText = DayText(item ? item->EatenDate : nullptr);
    if (dateText.empty())
        return -1;
    auto record = DatabaseRecord::Create();
    record->Column("eaten_date", dateText);
    record->Column("caloric_item", item->CaloricItem);
    record->IntegerColumn("cal_val", item->CalVal);

    int32_t id = -1;
    const bool stored = ChangeInTransaction([&](REALSQLDatabase& db) {
        id = InsertRow(db, "food", record);
        return id != 0 && AddToCalorieTotal(db, dateText, item->CalVal);
    });
    if (!stored)
        return -1;
    item->id = id;
    return id;
}

bool Remove_Food(int32_t id)
{
    return ChangeInTransaction([&](REALSQLDatabase& db) {
        auto rs = db.SQLSelect("SELECT cal_val, eaten_date, id FROM food WHERE id = ? LIMIT 1", {int64_t{id}});
        if (!rs || rs->IsEOF() || !rs->Edit())
            return false;
        const int32_t calories = rs->Field("cal_val").IntegerValue();
        const auto eatenDate = rs->Field("eaten_date").DateValue();
        if (!eatenDate || !AddToCalorieTotal(db, eatenDate->SQLDate(), -int64_t{calories})) {
            platform::Beep();
            return false;
        }
        return rs->DeleteRecord() && rs->Update();
    });
}

bool Update_Food(int32_t id, const std::string& name)
{
    return ChangeInTransaction([&](REALSQLDatabase& db) {
        auto rs = db.SQLSelect("Select caloric_item,cal_val from food where id=? limit 1", {int64_t{id}});
        if (!rs || rs->IsEOF() || !rs->Edit())
            return false;
        rs->Field("caloric_item").SetStringValue(name);
        return rs->Update();
    });
}

bool Update_Food(int32_t id, int32_t calories)
{
    return ChangeInTransaction([&](REALSQLDatabase& db) {
        auto rs = db.SQLSelect("Select eaten_date, caloric_item,cal_val from food where id=? limit 1", {int64_t{id}});
        if (!rs || rs->IsEOF() || !rs->Edit())
            return false;
        const int32_t old = rs->Field("cal_val").IntegerValue();
        const auto eatenDate = rs->Field("eaten_date").DateValue();
        rs->Field("cal_val").SetIntegerValue(calories);
        return eatenDate && rs->Update() &&
               AddToCalorieTotal(db, eatenDate->SQLDate(), int64_t{calories} - old);
    });
}

bool AddTo_Calorie_Total(const Date::Ref& day, int32_t amount)
{
    const std::string dateText = DayText(day);
    if (dateText.empty())
        return false;
    return ChangeInTransaction([&](REALSQLDatabase& db) { return AddToCalorieTotal(db, dateText, amount); });
}

bool AddTo_Steps(const Date::Ref& day, int32_t amount)
{
    const std::string dateText = DayText(day);
    if (dateText.empty())
        return false;
    return ChangeInTransaction([&](REALSQLDatabase& db) {
        auto rs = db.SQLSelect("SELECT step_goal ,steps_goal_reached ,steps, entry_date FROM daily WHERE "
                               "entry_date = ?",
                               {dateText});
        if (!rs)
            return false;
        if (rs->IsEOF())
            return InsertDay(db, dateText, "steps", amount);
        const auto steps = Moved(rs->Field("steps").IntegerValue(), amount);
        if (!steps || !rs->Edit())
            return false;
        const int32_t goal = rs->Field("step_goal").IntegerValue();
        rs->Field("steps").SetIntegerValue(*steps);
        rs->Field("steps_goal_reached").SetBooleanValue(goal <= *steps);
        return rs->Update();
    });
}

bool Update_Goal_Food(const Date::Ref& day, int32_t goal)
{
    return SetDayValue(day, "SELECT cal_goal, entry_date FROM daily WHERE entry_date = ?", "cal_goal", goal);
}

bool Update_Goal_Steps(const Date::Ref& day, int32_t goal)
{
    return SetDayValue(day, "SELECT step_goal, entry_date FROM daily WHERE entry_date = ?", "step_goal", goal);
}

int32_t AddDaily(const DPDailyRecord::Ref& day)
{
    const std::string dateText = DayText(day ? day->EntryDate : nullptr);
    if (dateText.empty())
        return -1;
    auto record = DatabaseRecord::Create();
    record->Column("entry_date", dateText);
    record->BooleanColumn("cal_goal_reached", day->CalGoalReached);
    record->IntegerColumn("cal_goal", day->CalorieGoal);
    record->IntegerColumn("steps", day->Steps);
    record->IntegerColumn("step_goal", day->StepsGoal);
    record->BooleanColumn("steps_goal_reached", day->StepsGoalReached);

    REALSQLDatabase::Ref db;
    if (!Init(db))
        return -1;
    // Another copy of the diary may have added the day since the caller
    // looked: look again under the write lock, so a date never gets two rows.
    int32_t id = 0;
    if (db->BeginTransaction()) {
        const DiaryFileStamp::Renewal stamp(*db);
        auto rs = db->SQLSelect("SELECT * FROM daily WHERE entry_date = ? LIMIT 1", {dateText});
        if (rs && !rs->IsEOF()) {
            day->initWithRecord(rs);
            id = day->id;
        } else if (rs) {
            id = InsertRow(*db, "daily", record);
        }
        if (id != 0 && db->Commit())
            stamp.Committed();
        else
            id = 0;
    }
    day->id = id;
    return id;
}

DPDailyRecord::Ref GetDaily(const Date::Ref& day)
{
    const std::string dateText = DayText(day);
    if (dateText.empty())
        return nullptr;
    auto record = DPDailyRecord::Create();
    record->EntryDate = day->copy();
    {
        REALSQLDatabase::Ref db;
        if (!Init(db))
            return nullptr;
        auto rs = db->SQLSelect("SELECT * FROM daily WHERE entry_date = ? LIMIT 1", {dateText});
        if (!rs)
            return nullptr;
        if (!rs->IsEOF()) {
            record->initWithRecord(rs);
            return record;
        }
        auto latest = db->SQLSelect("SELECT * FROM daily ORDER BY entry_date DESC LIMIT 1");
        if (!latest)
            return nullptr;
        if (latest->IsEOF()) {
            record->CalorieGoal = kDefaultCalorieGoal;
            record->StepsGoal = kDefaultStepsGoal;
        } else {
            auto carried = DPDailyRecord::Create();
            carried->initWithRecord(latest);
            record->CalorieGoal = carried->CalorieGoal;
            record->StepsGoal = carried->StepsGoal;
        }
    }
    if (AddDaily(record) < 1)
        return nullptr;
    return record;
}

RecordSet::Ref GetAllFood()
{
    REALSQLDatabase::Ref db;
    return Init(db) ? db->SQLSelect("select * from food") : nullptr;
}

RecordSet::Ref GetAllDaily()
{
    REALSQLDatabase::Ref db;
    return Init(db) ? db->SQLSelect("select * from daily ORDER BY entry_date DESC") : nullptr;
}

DPMonthyStats::Ref GetMonthlyStats(const Date::Ref& day)
{
    const std::string dateText = DayText(day);
    if (dateText.empty())
        return nullptr;
    const auto first = Date::Create(day->Year(), day->Month(), 1);
    auto stats = DPMonthyStats::Create();
    REALSQLDatabase::Ref db;
    if (!Init(db))
        return nullptr;
    auto rs = db->SQLSelect("SELECT * FROM daily WHERE entry_date < ? and entry_date >= ?",
                            {dateText, first->SQLDate()});
    if (!rs || db->Error())
        return nullptr;
    if (rs->IsEOF())
        return stats;
    for (; !rs->IsEOF(); rs->MoveNext()) {
        platform::YieldToEventLoop();
        if (rs->Field("calorie_total").IntegerValue() != 0 && rs->Field("cal_goal_reached").BooleanValue())
            ++stats->CalHit;
        if (rs->Field("steps").IntegerValue() != 0 && rs->Field("steps_goal_reached").BooleanValue())
            ++stats->StepHit;
    }
    stats->StepMissed = day->Day() - stats->StepHit - 1;
    stats->CalMiss = day->Day() - stats->CalHit - 1;
    return stats;
}

}  // namespace DiaryDB
