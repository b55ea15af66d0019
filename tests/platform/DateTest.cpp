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

TEST(Date, EveryDayRoundTripsThroughItsTextAndNothingElseReads)
{
    // 1960 to 2040: every 31st, every month end, the days before 1970.
    auto read = Date::Create(2000, 1, 1, 10);  // its time of day goes too
    for (auto day = Date::Create(1960, 1, 1, 12); day->Year() < 2041; day->SetDay(day->Day() + 1)) {
        ASSERT_TRUE(read->SetSQLDate(day->SQLDate())) << day->SQLDate();
        ASSERT_EQ(read->TotalSeconds(), day->TotalSeconds() - 12 * 3600) << day->SQLDate();
    }
    EXPECT_FALSE(read->SetSQLDate("Lunch"));
    EXPECT_FALSE(read->SetSQLDate("2025-13-01"));
    EXPECT_EQ(read->SQLDateTime(), "2040-12-31 00:00:00");
    // Only four-digit years have date text: none rather than one that reads back wrong.
    EXPECT_EQ(Date::Create(10000, 1, 1)->SQLDate() + Date::Create(-1, 1, 1)->SQLDateTime(), "");
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
