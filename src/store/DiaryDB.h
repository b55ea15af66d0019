#pragma once

#include "platform/Date.h"
#include "platform/sql/REALSQLDatabase.h"
#include "platform/sql/RecordSet.h"
#include "store/DPDailyRecord.h"
#include "store/DPFoodRecord.h"
#include "store/DPMonthyStats.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The diary's data store: one SQLite file with the tables daily and food.
// Every operation opens its own connection and drops it before it returns,
// with its changes in the file; failures show only in the result (-1, false
// or nullptr), nothing throws. An operation that changes an item and its
// day's total does both in one transaction: both or neither. Dates are
// bound as their date text; a date without one (a year beyond 9999) is
// refused, and a row whose id would not fit 32 bits is never made.
namespace DiaryDB {

// The diary's file: "devuser" beside the program when that folder exists,
// else the Documents folder.
platform::FolderItem::Ref DatabaseFile();

// Opens a connection to the file, creating it with both tables when it is
// missing ("devuser" beside the program when that folder exists, else the
// Documents folder); the new file appears only once it is complete. False
// leaves db nil.
bool Init(platform::REALSQLDatabase::Ref& db);

// Stores the item and raises its day's total; the new id, also written into
// item->id, or -1 with nothing written.
int32_t AddFood(const DPFoodRecord::Ref& item);
// Deletes the item and lowers its day's total; false leaves both as they were.
bool Remove_Food(int32_t id);
bool Update_Food(int32_t id, const std::string& name);
// Sets the item's calories and moves its day's total by the difference.
bool Update_Food(int32_t id, int32_t calories);

// Each adds to (or sets) the day's value, creating the day's row with only
// that value when there is none.
bool AddTo_Calorie_Total(const platform::Date::Ref& day, int32_t amount);
bool AddTo_Steps(const platform::Date::Ref& day, int32_t amount);
bool Update_Goal_Food(const platform::Date::Ref& day, int32_t goal);
bool Update_Goal_Steps(const platform::Date::Ref& day, int32_t goal);

// Inserts the day; the new id, also written into day->id, 0 when the insert
// failed and -1 when the file could not be opened. When the date has a row
// already (another copy of the diary added it), the record takes that row.
int32_t AddDaily(const DPDailyRecord::Ref& day);
// The day's record; its row is created (goals carried over from the latest
// day) when missing.
DPDailyRecord::Ref GetDaily(const platform::Date::Ref& day);
platform::RecordSet::Ref GetAllFood();
platform::RecordSet::Ref GetAllDaily();  // newest entry_date first
DPMonthyStats::Ref GetMonthlyStats(const platform::Date::Ref& day);

// What the window shows of a day, read through indexes (made when missing)
// instead of whole tables, so that their cost does not grow with the diary.
// The day's items: the rows of GetAllFood whose eaten_date is on the day's
// calendar day, at any time of it, in the same order; EatenDate as read.
std::optional<std::vector<DPFoodRecord::Ref>> GetFoodOfDay(const platform::Date::Ref& day);
// The month's days before the day: the rows of GetAllDaily of the day's year
// and month dated before it, in the same order (newest first).
std::optional<std::vector<DPDailyRecord::Ref>> GetDaysOfMonthBefore(const platform::Date::Ref& day);

}  // namespace DiaryDB
