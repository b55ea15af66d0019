#include "platform/Date.h"

#include <gtest/gtest.h>

using platform::Date;

TEST(Date, RollsOverMonthAndYearEnds)
{
    auto date = Date::Create(2026, 12, 31);
    date->SetDay(32);
    EXPECT_EQ(date->SQLDate(), "2027-01-01");
    date->SetMonth(0);
    EXPECT_EQ(date->SQLDate(), "2026-12-01");
    date->SetDay(0);
    EXPECT_EQ(date->SQLDate(), "2026-11-30");
    auto leap = Date::Create(2024, 2, 28);
    leap->SetDay(leap->Day() + 1);
    EXPECT_EQ(leap->SQLDate(), "2024-02-29");
    auto march = Date::Create(2026, 3, 31);
    march->SetMonth(2);  // February has no 31st
    EXPECT_EQ(march->SQLDate(), "2026-03-03");
}

TEST(Date, TextFormsAndWeekday)
{
    auto date = Date::Create(2026, 12, 6, 14, 5, 9);
    EXPECT_EQ(date->DayOfWeek(), 1);  // a Sunday
    EXPECT_EQ(date->SQLDate(), "2026-12-06");
    EXPECT_EQ(date->SQLDateTime(), "2026-12-06 14:05:09");
    EXPECT_EQ(date->ShortDate(), "12/6/2026");
    EXPECT_EQ(date->LongDate(), "Sunday, December 6, 2026");
    EXPECT_EQ(Date::Create(1904, 1, 1)->TotalSeconds(), 0);
    EXPECT_EQ(Date::Create(1904, 1, 2)->TotalSeconds(), 86400);
}

TEST(Date, SQLDateParsesAndRejects)
{
    auto date = Date::Create(2026, 12, 6, 10, 0, 0);
    EXPECT_TRUE(date->SetSQLDate("2025-02-03"));
    EXPECT_EQ(date->SQLDateTime(), "2025-02-03 00:00:00");
    EXPECT_FALSE(date->SetSQLDate("Lunch"));
    EXPECT_FALSE(date->SetSQLDate("2025-13-01"));
    EXPECT_EQ(date->SQLDate(), "2025-02-03");
}

TEST(Date, EveryDayRoundTripsThroughItsTextAndSeconds)
{
    // Every day from 1960 to 2040: the 31sts, the month ends and the days before 1970 among them.
    auto day = Date::Create(1960, 1, 1, 12, 0, 0);
    auto read = Date::Create(2000, 1, 1);
    int32_t thirtyFirsts = 0;
    for (int64_t seconds = day->TotalSeconds(); day->Year() < 2041; seconds += 86400) {
        day->SetTotalSeconds(seconds);
        SCOPED_TRACE(day->SQLDateTime());
        ASSERT_TRUE(read->SetSQLDate(day->SQLDate()));
        ASSERT_EQ(read->TotalSeconds(), seconds - 12 * 3600);
        ASSERT_EQ(Date::Create(day->Year(), day->Month(), day->Day(), 12)->TotalSeconds(), seconds);
        thirtyFirsts += day->Day() == 31;
    }
    EXPECT_EQ(thirtyFirsts, 81 * 7);

    // Date text has four-digit years only: others have none, rather than one that reads back wrong.
    EXPECT_EQ(Date::Create(9999, 12, 31)->SQLDate(), "9999-12-31");
    EXPECT_EQ(Date::Create(0, 1, 1)->SQLDate(), "0000-01-01");
    EXPECT_EQ(Date::Create(10000, 1, 1)->SQLDate(), "");
    EXPECT_EQ(Date::Create(-1, 1, 1)->SQLDateTime(), "");
    EXPECT_FALSE(read->SetSQLDate("10000-01-01"));
}

TEST(Date, SharedAndCopiedAndTestableNow)
{
    auto date = Date::Create(2026, 1, 1);
    auto alias = date;
    auto copy = date->copy();
    alias->SetDay(15);
    EXPECT_EQ(date->Day(), 15);
    EXPECT_EQ(copy->Day(), 1);

    Date::SetNowForTesting(Date::Create(2030, 5, 17, 8)->TotalSeconds());
    EXPECT_EQ(Date::Now()->SQLDateTime(), "2030-05-17 08:00:00");
    Date::SetNowForTesting(std::nullopt);
    EXPECT_GE(Date::Now()->Year(), 2024);
}
