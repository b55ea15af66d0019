#pragma once

#include "platform/Object.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A calendar moment in local time, shared and mutable like every system object:
// setting Month or Day beyond their range rolls over into the next (or
// previous) month and year.
class Date : public Object {
public:
    using Ref = std::shared_ptr<Date>;

    static Ref Now();
    static Ref Create(int32_t year, int32_t month, int32_t day, int32_t hour = 0, int32_t minute = 0,
                      int32_t second = 0);
    Ref copy() const;

    int32_t Year() const { return static_cast<int32_t>(mYear); }
    int32_t Month() const { return static_cast<int32_t>(mMonth); }
    int32_t Day() const { return static_cast<int32_t>(mDay); }
    int32_t Hour() const { return static_cast<int32_t>(mHour); }
    int32_t Minute() const { return static_cast<int32_t>(mMinute); }
    int32_t Second() const { return static_cast<int32_t>(mSecond); }
    void SetMonth(int32_t month);
    void SetDay(int32_t day);

    // 1 = Sunday ... 7 = Saturday.
    int32_t DayOfWeek() const;

    // "YYYY-MM-DD"; "" for a year outside 0...9999, which has no such text.
    // Setting parses that form (a time part after it is read too) and leaves
    // the date unchanged when the text is not a date.
    std::string SQLDate() const;
    bool SetSQLDate(std::string_view text);
    std::string SQLDateTime() const;

    std::string ShortDate() const;  // "12/6/2026"
    std::string LongDate() const;   // "Sunday, December 6, 2026"

    // Seconds since 1904-01-01 00:00:00 of the same calendar.
    int64_t TotalSeconds() const;
    void SetTotalSeconds(int64_t seconds);

    bool operator==(const Date& other) const { return TotalSeconds() == other.TotalSeconds(); }

    // Test seam: while set, Now() answers this moment.
    static void SetNowForTesting(std::optional<int64_t> totalSeconds);

private:
    Date() = default;
    void Normalize();

    int64_t mYear = 1904;
    int64_t mMonth = 1;
    int64_t mDay = 1;
    int64_t mHour = 0;
    int64_t mMinute = 0;
    int64_t mSecond = 0;
};

}  // namespace platform
