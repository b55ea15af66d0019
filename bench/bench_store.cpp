// Times every DiaryDB operation on a ten-year diary against its floor: the
// same statements issued straight through SQLite, one connection per
// operation as the store opens them. Prints each median and its ratio.
#include "BenchTiming.h"
#include "DiaryGenerator.h"

#include "platform/Files.h"
#include "platform/sql/REALSQLDatabase.h"
#include "store/DiaryDB.h"

#include <QCoreApplication>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kDays = 3650;
constexpr int kItemsPerDay = 20;

std::string gFile;
int64_t gSink = 0;  // keeps the reads from being optimised away
// A new value on every call: SQLite skips writing a row that does not change.
int32_t gTick = 0;
// The floor runs each statement to its end, as the store's record sets do;
// with --first-row it stops a day lookup at the row it uses.
bool gFirstRowOnly = false;

// The floor: plain SQLite calls.
class Direct {
public:
    Direct()
    {
        sqlite3_open_v2(gFile.c_str(), &mDb, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
        sqlite3_busy_timeout(mDb, platform::REALSQLDatabase::DefaultBusyTimeout());
    }
    ~Direct() { sqlite3_close_v2(mDb); }
    Direct(const Direct&) = delete;
    Direct& operator=(const Direct&) = delete;

    void Exec(const char* sql)
    {
        if (sqlite3_exec(mDb, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            std::fprintf(stderr, "floor: %s\n", sqlite3_errmsg(mDb));
    }
    sqlite3_stmt* Prepare(const std::string& sql)
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(mDb, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            std::fprintf(stderr, "floor: %s\n", sqlite3_errmsg(mDb));
        return statement;
    }
    // Reads every column of every row, as a caller walking the rows would.
    int64_t ReadAll(const std::string& sql)
    {
        sqlite3_stmt* statement = Prepare(sql);
        int64_t rows = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            ++rows;
            for (int column = 0; column < sqlite3_column_count(statement); ++column) {
                if (sqlite3_column_type(statement, column) == SQLITE_TEXT)
                    gSink += sqlite3_column_bytes(statement, column) + *sqlite3_column_text(statement, column);
                else
                    gSink += sqlite3_column_int64(statement, column);
            }
        }
        sqlite3_finalize(statement);
        return rows;
    }
    // Runs a statement with integer and text parameters.
    void Run(const std::string& sql, const std::vector<int64_t>& integers, const std::vector<std::string>& texts = {})
    {
        sqlite3_stmt* statement = Prepare(sql);
        int index = 1;
        for (const auto& text : texts)
            sqlite3_bind_text(statement, index++, text.c_str(), -1, SQLITE_STATIC);
        for (int64_t integer : integers)
            sqlite3_bind_int64(statement, index++, integer);
        if (sqlite3_step(statement) != SQLITE_DONE)
            std::fprintf(stderr, "floor: %s\n", sqlite3_errmsg(mDb));
        sqlite3_finalize(statement);
    }
    int64_t LastRowID() { return sqlite3_last_insert_rowid(mDb); }

    // The day's (rowid, goal, total or steps) through the store's query.
    bool Day(const std::string& sql, int64_t& rowid, int64_t& goal, int64_t& value)
    {
        sqlite3_stmt* statement = Prepare(sql);
        const bool found = sqlite3_step(statement) == SQLITE_ROW;
        if (found) {
            rowid = sqlite3_column_int64(statement, 0);
            goal = sqlite3_column_int64(statement, 1);
            value = sqlite3_column_int64(statement, 2);
        }
        while (found && !gFirstRowOnly && sqlite3_step(statement) == SQLITE_ROW) {
        }
        sqlite3_finalize(statement);
        return found;
    }
    void AddToCalorieTotal(const std::string& date, int64_t amount)
    {
        int64_t rowid = 0, goal = 0, total = 0;
        if (!Day("SELECT rowid, cal_goal,calorie_total,cal_goal_reached FROM daily WHERE entry_date = '" + date + "'",
                 rowid, goal, total)) {
            Run("INSERT INTO daily (entry_date, calorie_total) VALUES (?, ?)", {amount}, {date});
            return;
        }
        Run("UPDATE daily SET cal_goal_reached = ?, calorie_total = ? WHERE rowid = ?",
            {total + amount < goal, total + amount, rowid});
    }

private:
    sqlite3* mDb = nullptr;
};

// Removes a row that a timed run inserted, outside the timing.
void Cleanup(const std::string& sql)
{
    Direct direct;
    direct.Exec(sql.c_str());
}

using Clock = std::chrono::steady_clock;

double Micros(const std::function<void()>& work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

struct Result {
    std::string name;
    double ours;
    double floor;
};

// Runs `ours` and `floor` alternately, `rounds` times after three warm-ups each;
// `after`, untimed, follows each run.
Result Measure(const std::string& name, int rounds, const std::function<void(int)>& ours,
               const std::function<void(int)>& floor, const std::function<void()>& after = [] {})
{
    for (int warmUp = 0; warmUp < 3; ++warmUp) {
        ours(-1);
        after();
        floor(-1);
        after();
    }
    std::vector<double> oursTimes, floorTimes;
    for (int round = 0; round < rounds; ++round) {
        oursTimes.push_back(Micros([&] { ours(round); }));
        after();
        floorTimes.push_back(Micros([&] { floor(round); }));
        after();
    }
    return {name, Median(oursTimes), Median(floorTimes)};
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    int rounds = 61;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--first-row")
            gFirstRowOnly = true;
        else
            rounds = std::max(3, std::atoi(argv[i]));
    }

    std::string folderPattern = (std::filesystem::temp_directory_path() / "diary-bench-XXXXXX").string();
    if (!mkdtemp(folderPattern.data()))
        return 1;
    const std::filesystem::path folder = folderPattern;
    std::filesystem::create_directory(folder / "devuser");
    platform::SetApplicationFolderForTesting(folder.string());
    gFile = (folder / "devuser" / "Di Rizezoz Database").string();

    const auto today = platform::Date::Create(2026, 12, 28);
    {
        platform::REALSQLDatabase::Ref db;
        if (!DiaryDB::Init(db))
            return 1;
    }
    const auto generateStart = Clock::now();
    GenerateDiary(gFile, today, kDays, kItemsPerDay);
    ::sync();  // the generated file's write-back must not land on the first timed commits
    std::printf("diary: %d days, %d items, %.0f KiB, generated in %.0f ms; %d rounds each; floor %s\n\n", kDays,
                kDays * kItemsPerDay, std::filesystem::file_size(gFile) / 1024.0,
                std::chrono::duration<double, std::milli>(Clock::now() - generateStart).count(), rounds,
                gFirstRowOnly ? "stops day lookups at their first row" : "runs each statement to its end");

    const std::string todayText = today->SQLDate();
    const auto day = platform::Date::Create(2021, 6, 15);  // a day in the middle, with a row
    const std::string dayText = day->SQLDate();
    const auto newDay = platform::Date::Create(2027, 3, 1);
    const std::string newDayText = newDay->SQLDate();
    const auto monthDay = platform::Date::Create(2026, 11, 28);
    const std::string first = "2026-11-01";
    const int foodId = 1000;  // an item of the generated diary

    std::vector<Result> results;

    // Adding and removing an item: the two undo each other.
    std::vector<int64_t> oursIds, floorIds;
    results.push_back(Measure(
        "AddFood", rounds,
        [&](int) {
            auto item = DPFoodRecord::Create();
            item->CaloricItem = "muffin";
            item->CalVal = 350;
            item->EatenDate = day;
            oursIds.push_back(DiaryDB::AddFood(item));
        },
        [&](int) {
            Direct direct;
            direct.Exec("BEGIN IMMEDIATE");
            direct.Run("INSERT INTO food (eaten_date, caloric_item, cal_val) VALUES (?, ?, ?)", {350},
                       {dayText, "muffin"});
            floorIds.push_back(direct.LastRowID());
            direct.AddToCalorieTotal(dayText, 350);
            direct.Exec("COMMIT");
        }));
    size_t oursNext = 0, floorNext = 0;
    results.push_back(Measure(
        "Remove_Food", rounds,
        [&](int) { DiaryDB::Remove_Food(static_cast<int32_t>(oursIds.at(oursNext++))); },
        [&](int) {
            Direct direct;
            direct.Exec("BEGIN IMMEDIATE");
            int64_t rowid = 0, calories = 0;
            sqlite3_stmt* statement = direct.Prepare("SELECT rowid, cal_val, eaten_date, id FROM food WHERE id = " +
                                                     std::to_string(floorIds.at(floorNext++)) + " LIMIT 1");
            std::string date;
            if (sqlite3_step(statement) == SQLITE_ROW) {
                rowid = sqlite3_column_int64(statement, 0);
                calories = sqlite3_column_int64(statement, 1);
                date = reinterpret_cast<const char*>(sqlite3_column_text(statement, 2));
            }
            sqlite3_finalize(statement);
            direct.AddToCalorieTotal(date, -calories);
            direct.Run("DELETE FROM food WHERE rowid = ?", {rowid});
            direct.Exec("COMMIT");
        }));

    results.push_back(Measure(
        "Update_Food(name)", rounds,
        [&](int) { DiaryDB::Update_Food(foodId, "apple " + std::to_string(++gTick)); },
        [&](int) {
            Direct direct;
            direct.Exec("BEGIN IMMEDIATE");
            int64_t rowid = 0, unused = 0;
            direct.Day("Select rowid, caloric_item,cal_val from food where id=" + std::to_string(foodId) + " limit 1",
                       rowid, unused, unused);
            direct.Run("UPDATE food SET caloric_item = ? WHERE rowid = ?", {rowid}, {"apple " + std::to_string(++gTick)});
            direct.Exec("COMMIT");
        }));

    results.push_back(Measure(
        "Update_Food(calories)", rounds,
        [&](int) { DiaryDB::Update_Food(foodId, 100 + ++gTick % 100); },
        [&](int) {
            Direct direct;
            direct.Exec("BEGIN IMMEDIATE");
            sqlite3_stmt* statement = direct.Prepare("Select rowid, eaten_date, caloric_item,cal_val from food where id=" +
                                                     std::to_string(foodId) + " limit 1");
            sqlite3_step(statement);
            const int64_t rowid = sqlite3_column_int64(statement, 0);
            const std::string date = reinterpret_cast<const char*>(sqlite3_column_text(statement, 1));
            const int64_t old = sqlite3_column_int64(statement, 3);
            sqlite3_finalize(statement);
            const int64_t calories = 100 + ++gTick % 100;
            direct.Run("UPDATE food SET cal_val = ? WHERE rowid = ?", {calories, rowid});
            direct.AddToCalorieTotal(date, calories - old);
            direct.Exec("COMMIT");
        }));

    results.push_back(Measure(
        "AddTo_Calorie_Total", rounds, [&](int round) { DiaryDB::AddTo_Calorie_Total(day, round % 2 ? -25 : 25); },
        [&](int round) {
            Direct direct;
            direct.Exec("BEGIN IMMEDIATE");
            direct.AddToCalorieTotal(dayText, round % 2 ? -25 : 25);
            direct.Exec("COMMIT");
        }));

    results.push_back(Measure(
        "AddTo_Steps", rounds, [&](int round) { DiaryDB::AddTo_Steps(day, round % 2 ? -500 : 500); },
        [&](int round) {
            Direct direct;
            direct.Exec("BEGIN IMMEDIATE");
            int64_t rowid = 0, goal = 0, steps = 0;
            direct.Day("SELECT rowid, step_goal ,steps_goal_reached ,steps, entry_date FROM daily WHERE entry_date = '" +
                           dayText + "'",
                       rowid, goal, steps);
            const int64_t now = steps + (round % 2 ? -500 : 500);
            direct.Run("UPDATE daily SET steps = ?, steps_goal_reached = ? WHERE rowid = ?", {now, goal <= now, rowid});
            direct.Exec("COMMIT");
        }));

    for (const auto& [name, column] :
         {std::pair<std::string, std::string>{"Update_Goal_Food", "cal_goal"}, {"Update_Goal_Steps", "step_goal"}}) {
        const bool food = column == "cal_goal";
        results.push_back(Measure(
            name, rounds,
            [&](int) { food ? DiaryDB::Update_Goal_Food(day, 2000 + ++gTick) : DiaryDB::Update_Goal_Steps(day, 9000 + ++gTick); },
            [&](int) {
                Direct direct;
                direct.Exec("BEGIN IMMEDIATE");
                int64_t rowid = 0, unused = 0;
                direct.Day("SELECT rowid, " + column + ", entry_date FROM daily WHERE entry_date = '" + dayText + "'",
                           rowid, unused, unused);
                direct.Run("UPDATE daily SET " + column + " = ? WHERE rowid = ?",
                           {(food ? 2000 : 9000) + ++gTick, rowid});
                direct.Exec("COMMIT");
            }));
    }

    // A first view of a day inserts its row; the row is removed again untimed.
    results.push_back(Measure(
        "GetDaily(new day)", rounds,
        [&](int) { gSink += DiaryDB::GetDaily(newDay)->id; },
        [&](int) {
            int64_t calorieGoal = 0, stepGoal = 0;
            {
                Direct direct;
                gSink += direct.ReadAll("SELECT * FROM daily WHERE entry_date = '" + newDayText + "' LIMIT 1");
                sqlite3_stmt* statement = direct.Prepare("SELECT * FROM daily ORDER BY entry_date DESC LIMIT 1");
                if (sqlite3_step(statement) == SQLITE_ROW) {
                    calorieGoal = sqlite3_column_int64(statement, 2);
                    stepGoal = sqlite3_column_int64(statement, 6);
                }
                sqlite3_finalize(statement);
            }
            // The insert looks for the day again under the write lock.
            Direct direct;
            direct.Exec("BEGIN IMMEDIATE");
            gSink += direct.ReadAll("SELECT * FROM daily WHERE entry_date = '" + newDayText + "' LIMIT 1");
            direct.Run("INSERT INTO daily (entry_date, cal_goal_reached, cal_goal, steps, step_goal, "
                       "steps_goal_reached) VALUES (?, ?, ?, ?, ?, ?)",
                       {0, calorieGoal, 0, stepGoal, 0}, {newDayText});
            gSink += direct.LastRowID();
            direct.Exec("COMMIT");
        },
        [&] { Cleanup("DELETE FROM daily WHERE entry_date = '" + newDayText + "'"); }));

    // The four reads of one refresh of the window.
    auto getDaily = [&] { gSink += DiaryDB::GetDaily(today)->id; };
    auto getAllFood = [&] { gSink += DiaryDB::GetAllFood()->IsEOF(); };
    auto getAllDaily = [&] { gSink += DiaryDB::GetAllDaily()->IsEOF(); };
    auto getMonthlyStats = [&] { gSink += DiaryDB::GetMonthlyStats(monthDay)->CalHit; };
    auto directDaily = [&] {
        Direct direct;
        gSink += direct.ReadAll("SELECT * FROM daily WHERE entry_date = '" + todayText + "' LIMIT 1");
    };
    auto directAllFood = [&] {
        Direct direct;
        gSink += direct.ReadAll("select * from food");
    };
    auto directAllDaily = [&] {
        Direct direct;
        gSink += direct.ReadAll("select * from daily ORDER BY entry_date DESC");
    };
    auto directMonthlyStats = [&] {
        Direct direct;
        gSink += direct.ReadAll("SELECT * FROM daily WHERE entry_date < '" + monthDay->SQLDate() +
                                "' and entry_date >= '" + first + "'");
    };
    DiaryDB::GetDaily(today);  // the day on view has its row from here on
    results.push_back(Measure("GetDaily", rounds, [&](int) { getDaily(); }, [&](int) { directDaily(); }));
    results.push_back(Measure("GetAllFood", rounds, [&](int) { getAllFood(); }, [&](int) { directAllFood(); }));
    results.push_back(Measure("GetAllDaily", rounds, [&](int) { getAllDaily(); }, [&](int) { directAllDaily(); }));
    results.push_back(
        Measure("GetMonthlyStats", rounds, [&](int) { getMonthlyStats(); }, [&](int) { directMonthlyStats(); }));
    const Result refresh = Measure(
        "one refresh (4 reads)", rounds,
        [&](int) {
            getDaily();
            getAllFood();
            getAllDaily();
            getMonthlyStats();
        },
        [&](int) {
            directDaily();
            directAllFood();
            directAllDaily();
            directMonthlyStats();
        });

    std::printf("%-24s %12s %12s %7s\n", "operation", "median us", "floor us", "ratio");
    bool met = true;
    for (const auto& result : results) {
        const double ratio = result.ours / result.floor;
        met = met && ratio <= 1.5;
        std::printf("%-24s %12.1f %12.1f %7.2f\n", result.name.c_str(), result.ours, result.floor, ratio);
    }
    const double refreshRatio = refresh.ours / refresh.floor;
    std::printf("%-24s %12.1f %12.1f %7.2f\n", refresh.name.c_str(), refresh.ours, refresh.floor, refreshRatio);
    std::printf("\ngoals (each ratio <= 1.5, refresh <= 1.3): %s\n", met && refreshRatio <= 1.3 ? "met" : "NOT met");

    platform::SetApplicationFolderForTesting(std::nullopt);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return gSink == 42 ? 2 : 0;
}
