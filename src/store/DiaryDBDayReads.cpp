// The reads behind the window's food and history lists. They give the rows
// that filtering GetAllFood and GetAllDaily gives, but look only near the
// day through an index on the date column.
//
// Date text that starts with a whole "YYYY-MM-DD" reads as that day, moved
// by what follows it: a day past its month's end moves up to 3 days on, a
// time of day as odd as 99:99:99 less than 5 days on, and one as -9:-9:-9
// less than one back. So every such row that can read as a day lies within
// 9 days before it and 2 days after it in text order. Any other value that
// reads as a date (blanks, signs or short fields) is in a partial index of
// uncommon dates, empty in a diary that only this program wrote.
#include "store/DiaryDB.h"

using platform::Date;
using platform::REALSQLDatabase;
using platform::RecordSet;

namespace DiaryDB {

namespace {

#define DIARY_COMMON_DATE "GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*'"

constexpr int32_t kReachBefore = 9;
constexpr int32_t kReachAfter = 2;

// An older copy of the diary and other SQLite clients keep these up to date
// without knowing them. Made on first use; a file that cannot take them is
// only read more slowly.
bool MakeIndexes(REALSQLDatabase& db)
{
    // Looking them up costs less than parsing their statements on every read.
    const auto present = db.SQLSelect("SELECT count(*) AS present FROM sqlite_master WHERE type = 'index' AND name IN "
                                      "('food_eaten_date', 'food_uncommon_eaten_date', 'daily_entry_date', "
                                      "'daily_uncommon_entry_date')");
    if (present && !present->IsEOF() && present->Field("present").IntegerValue() == 4)
        return true;
    return db.SQLExecute("CREATE INDEX IF NOT EXISTS food_eaten_date ON food(eaten_date);"
                  "CREATE INDEX IF NOT EXISTS food_uncommon_eaten_date ON food(eaten_date) "
                  "WHERE NOT (eaten_date " DIARY_COMMON_DATE ");"
                  "CREATE INDEX IF NOT EXISTS daily_entry_date ON daily(entry_date);"
                  "CREATE INDEX IF NOT EXISTS daily_uncommon_entry_date ON daily(entry_date) "
                  "WHERE NOT (entry_date " DIARY_COMMON_DATE ")");
}

// The date text `days` from `day`. Beyond the years that have date text:
// "" before every text and ":" after every text that starts with a digit.
std::string TextFrom(const Date& day, int32_t days)
{
    auto moved = day.copy();
    moved->SetDay(moved->Day() + days);
    const std::string text = moved->SQLDate();
    return !text.empty() || moved->Year() < 0 ? text : std::string(":");
}

// The query's rows; with `scan` instead when the indexes are not there: the
// order of equal dates in GetAllDaily follows from how it reads them.
RecordSet::Ref Select(const std::string& sql, const std::vector<platform::SQLValue>& values, const char* scan)
{
    REALSQLDatabase::Ref db;
    if (!Init(db))
        return nullptr;
    if (!MakeIndexes(*db))
        return db->SQLSelect(scan);
    return db->SQLSelect(sql, values);
}

bool SameDay(const Date& a, const Date& b)
{
    return a.Year() == b.Year() && a.Month() == b.Month() && a.Day() == b.Day();
}

}  // namespace

std::optional<std::vector<DPFoodRecord::Ref>> GetFoodOfDay(const Date::Ref& day)
{
    if (!day)
        return std::nullopt;
    // A plain "YYYY-MM-DD" of a day up to the 28th is the day it names: only
    // the day's own text of that kind is read.
    auto rs = Select("SELECT * FROM food WHERE id IN ("
                     "SELECT id FROM food WHERE eaten_date >= ? AND eaten_date < ? AND "
                     "(length(eaten_date) <> 10 OR substr(eaten_date, 9, 2) > '28' OR eaten_date = ?) "
                     "UNION ALL SELECT id FROM food WHERE NOT (eaten_date " DIARY_COMMON_DATE ")) "
                     "ORDER BY id",
                     {TextFrom(*day, -kReachBefore), TextFrom(*day, kReachAfter), day->SQLDate()},
                     "select * from food");
    if (!rs)
        return std::nullopt;
    std::vector<DPFoodRecord::Ref> items;
    for (; !rs->IsEOF(); rs->MoveNext()) {
        auto eaten = rs->Field("eaten_date").DateValue();
        if (!eaten || !SameDay(*eaten, *day))
            continue;
        auto item = DPFoodRecord::Create();
        item->id = rs->Field("id").IntegerValue();
        item->EatenDate = std::move(eaten);
        item->CaloricItem = rs->Field("caloric_item").StringValue();
        item->CalVal = rs->Field("cal_val").IntegerValue();
        items.push_back(std::move(item));
    }
    return items;
}

std::optional<std::vector<DPDailyRecord::Ref>> GetDaysOfMonthBefore(const Date::Ref& day)
{
    if (!day)
        return std::nullopt;
    const auto first = day->copy();
    first->SetDay(1);
    const std::string shortDate = day->ShortDate();
    const std::string dateText = day->SQLDate();
    // Equal dates come out as GetAllDaily's walk of the index gives them.
    auto rs = Select("SELECT * FROM daily WHERE id IN ("
                     "SELECT id FROM daily WHERE entry_date >= ? AND entry_date < ? AND "
                     "(length(entry_date) <> 10 OR substr(entry_date, 9, 2) > '28' OR "
                     "(entry_date >= ? AND entry_date < ?)) "
                     "UNION ALL SELECT id FROM daily WHERE NOT (entry_date " DIARY_COMMON_DATE ")) "
                     "ORDER BY entry_date DESC, id DESC",
                     {TextFrom(*first, -kReachBefore), TextFrom(*day, kReachAfter), first->SQLDate(), dateText},
                     "select * from daily ORDER BY entry_date DESC");
    if (!rs)
        return std::nullopt;
    std::vector<DPDailyRecord::Ref> days;
    for (; !rs->IsEOF(); rs->MoveNext()) {
        auto record = DPDailyRecord::Create();
        record->initWithRecord(rs);
        const auto& date = record->EntryDate;
        if (!date || date->ShortDate() == shortDate || date->SQLDate() > dateText || date->Year() != day->Year() ||
            date->Month() != day->Month())
            continue;
        days.push_back(std::move(record));
    }
    return days;
}

#undef DIARY_COMMON_DATE

}  // namespace DiaryDB
