#pragma once

// Fills an empty diary file (both tables made, no rows) with `days` days
// ending the day before `today`, `itemsPerDay` eaten items each, the totals
// and flags in step with the items. Deterministic for a given seed.
#include "platform/Date.h"

#include <sqlite3.h>

#include <array>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>

inline void GenerateDiary(const std::string& file, const platform::Date::Ref& today, int days, int itemsPerDay,
                          uint32_t seed = 20261206)
{
    static constexpr std::array<const char*, 12> kNames = {"porridge", "toast", "apple", "banana", "coffee",
                                                           "sandwich", "salad", "pasta", "rice", "chicken",
                                                           "yoghurt", "chocolate"};
    sqlite3* db = nullptr;
    auto check = [&](int code) {
        if (code != SQLITE_OK && code != SQLITE_DONE && code != SQLITE_ROW)
            throw std::runtime_error(std::string("generator: ") + sqlite3_errmsg(db));
    };
    check(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr));
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr));
    sqlite3_stmt* day = nullptr;
    sqlite3_stmt* item = nullptr;
    check(sqlite3_prepare_v2(db,
                             "INSERT INTO daily (entry_date, cal_goal_reached, cal_goal, calorie_total, steps, "
                             "step_goal, steps_goal_reached) VALUES (?, ?, ?, ?, ?, ?, ?)",
                             -1, &day, nullptr));
    check(sqlite3_prepare_v2(db, "INSERT INTO food (caloric_item, cal_val, eaten_date) VALUES (?, ?, ?)", -1, &item,
                             nullptr));

    std::mt19937 random(seed);
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto date = today->copy();
    date->SetDay(date->Day() - days);
    for (int d = 0; d < days; ++d, date->SetDay(date->Day() + 1)) {
        const std::string text = date->SQLDate();
        int total = 0;
        for (int i = 0; i < itemsPerDay; ++i) {
            const int calories = between(10, 200);
            total += calories;
            sqlite3_bind_text(item, 1, kNames[static_cast<size_t>(between(0, kNames.size() - 1))], -1, SQLITE_STATIC);
            sqlite3_bind_int(item, 2, calories);
            sqlite3_bind_text(item, 3, text.c_str(), -1, SQLITE_TRANSIENT);
            check(sqlite3_step(item));
            sqlite3_reset(item);
        }
        const int calorieGoal = 2000;
        const int steps = between(0, 16000);
        const int stepGoal = 10000;
        sqlite3_bind_text(day, 1, text.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(day, 2, total < calorieGoal);
        sqlite3_bind_int(day, 3, calorieGoal);
        sqlite3_bind_int(day, 4, total);
        sqlite3_bind_int(day, 5, steps);
        sqlite3_bind_int(day, 6, stepGoal);
        sqlite3_bind_int(day, 7, stepGoal <= steps);
        check(sqlite3_step(day));
        sqlite3_reset(day);
    }
    sqlite3_finalize(day);
    sqlite3_finalize(item);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr));
    sqlite3_close(db);
}
