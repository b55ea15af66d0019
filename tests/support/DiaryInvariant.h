#pragma once

namespace testsupport {

// The diary's invariant as one query over its file: each row it gives names
// what is broken ("two rows", "total", "no day") and on which date. Each day's
// calorie_total is the sum of its items' cal_val, every item's date has a day
// row, and no date has two.
inline constexpr const char* kBrokenDiaryRows =
    "SELECT 'two rows' AS what, entry_date AS date FROM daily GROUP BY entry_date HAVING count(*) > 1 "
    "UNION ALL SELECT 'total', d.entry_date FROM daily d LEFT JOIN "
    "(SELECT eaten_date, sum(cal_val) s FROM food GROUP BY eaten_date) f ON f.eaten_date = d.entry_date "
    "WHERE ifnull(d.calorie_total, 0) <> ifnull(f.s, 0) "
    "UNION ALL SELECT 'no day', eaten_date FROM food WHERE eaten_date NOT IN (SELECT entry_date FROM daily)";

}  // namespace testsupport
