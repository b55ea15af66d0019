#include "platform/Date.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace platform {

namespace {

std::optional<int64_t> gNowForTesting;

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's algorithm).
constexpr int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day)
{
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t days, int64_t& year, int64_t& month, int64_t& day)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    year = yearOfEra + era * 400 + (month <= 2);
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Constant, so that dates made during static initialisation see it.
constexpr int64_t kEpochOffset = -DaysFromCivil(1904, 1, 1) * 86400;  // 1970 minus 1904, in seconds

constexpr std::array<const char*, 7> kDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonthNames = {"January", "February", "March",     "April",
                                                     "May",     "June",     "July",      "August",
                                                     "September", "October", "November", "December"};

}  // namespace

Date::Ref Date::Now()
{
    if (gNowForTesting) {
        Ref date(new Date());
        date->SetTotalSeconds(*gNowForTesting);
        return date;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Create(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                  local.tm_sec);
}

Date::Ref Date::Create(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second)
{
    Ref date(new Date());
    date->mYear = year;
    date->mMonth = month;
    date->mDay = day;
    date->mHour = hour;
    date->mMinute = minute;
    date->mSecond = second;
    date->Normalize();
    return date;
}

Date::Ref Date::copy() const
{
    return Create(Year(), Month(), Day(), Hour(), Minute(), Second());
}

void Date::SetMonth(int32_t month) { mMonth = month; Normalize(); }
void Date::SetDay(int32_t day) { mDay = day; Normalize(); }

void Date::Normalize()
{
    // Months first (they decide the month's length), then everything through seconds.
    mYear += FloorDiv(mMonth - 1, 12);
    mMonth = mMonth - 1 - FloorDiv(mMonth - 1, 12) * 12 + 1;
    SetTotalSeconds(TotalSeconds());
}

int32_t Date::DayOfWeek() const
{
    const int64_t days = DaysFromCivil(mYear, mMonth, mDay);  // 1970-01-01 was a Thursday
    return static_cast<int32_t>(((days + 4) % 7 + 7) % 7 + 1);
}

std::string Date::SQLDate() const
{
    // Date text compares as dates only with four-digit years, and reads back only so.
    if (mYear < 0 || mYear > 9999)
        return {};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04lld-%02lld-%02lld", static_cast<long long>(mYear),
                  static_cast<long long>(mMonth), static_cast<long long>(mDay));
    return buffer;
}

std::string Date::SQLDateTime() const
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, " %02lld:%02lld:%02lld", static_cast<long long>(mHour),
                  static_cast<long long>(mMinute), static_cast<long long>(mSecond));
    const std::string date = SQLDate();
    return date.empty() ? date : date + buffer;
}

bool Date::SetSQLDate(std::string_view text)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, consumed = 0;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "%4d-%2d-%2d%n", &year, &month, &day, &consumed) != 3 || consumed != 10)
        return false;
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    if (copy.size() > 10)
        std::sscanf(copy.c_str() + 10, " %2d:%2d:%2d", &hour, &minute, &second);
    mYear = year;
    mMonth = month;
    mDay = day;
    mHour = hour;
    mMinute = minute;
    mSecond = second;
    Normalize();
    return true;
}

std::string Date::ShortDate() const
{
    return std::to_string(mMonth) + "/" + std::to_string(mDay) + "/" + std::to_string(mYear);
}

std::string Date::LongDate() const
{
    return std::string(kDayNames[DayOfWeek() - 1]) + ", " + kMonthNames[mMonth - 1] + " " + std::to_string(mDay) +
           ", " + std::to_string(mYear);
}

int64_t Date::TotalSeconds() const
{
    return DaysFromCivil(mYear, mMonth, 1) * 86400 + (mDay - 1) * 86400 + mHour * 3600 + mMinute * 60 + mSecond +
           kEpochOffset;
}

void Date::SetTotalSeconds(int64_t seconds)
{
    const int64_t sinceEpoch = seconds - kEpochOffset;
    const int64_t days = FloorDiv(sinceEpoch, 86400);
    int64_t inDay = sinceEpoch - days * 86400;
    CivilFromDays(days, mYear, mMonth, mDay);
    mHour = inDay / 3600;
    inDay %= 3600;
    mMinute = inDay / 60;
    mSecond = inDay % 60;
}

void Date::SetNowForTesting(std::optional<int64_t> totalSeconds) { gNowForTesting = totalSeconds; }

}  // namespace platform
