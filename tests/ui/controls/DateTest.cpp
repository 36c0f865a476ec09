#include "TestEnv.h"
#include "ZuUi.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const char* const KZones[] = {"UTC", "Asia/Shanghai", "America/Los_Angeles", "Pacific/Kiritimati"};

TZuDate Date(int year, int month, int day)
{
    return TZuDate{year, month, day};
}

std::string Show(const TZuDate& date)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d", date.iYear, date.iMonth, date.iDay);
    return text;
}
} // namespace

TEST(DateTest, LeapYearsFollowTheGregorianRule)
{
    EXPECT_TRUE(TZuDate::IsLeapYear(2000));
    EXPECT_TRUE(TZuDate::IsLeapYear(2012));
    EXPECT_TRUE(TZuDate::IsLeapYear(2400));
    EXPECT_FALSE(TZuDate::IsLeapYear(2013));
    EXPECT_FALSE(TZuDate::IsLeapYear(2100));
    EXPECT_FALSE(TZuDate::IsLeapYear(1900));
    EXPECT_EQ(TZuDate::DaysInMonth(2000, 2), 29);
    EXPECT_EQ(TZuDate::DaysInMonth(2012, 2), 29);
    EXPECT_EQ(TZuDate::DaysInMonth(2013, 2), 28);
    EXPECT_EQ(TZuDate::DaysInMonth(2100, 2), 28);
    EXPECT_EQ(TZuDate::DaysInMonth(2013, 4), 30);
    EXPECT_EQ(TZuDate::DaysInMonth(2013, 12), 31);
    EXPECT_EQ(TZuDate::DaysInMonth(2013, 0), 0);
    EXPECT_EQ(TZuDate::DaysInMonth(2013, 13), 0);
}

TEST(DateTest, ValidDatesAndTheirLimits)
{
    EXPECT_TRUE(Date(2012, 2, 29).IsValid());
    EXPECT_FALSE(Date(2013, 2, 29).IsValid());
    EXPECT_FALSE(Date(2100, 2, 29).IsValid());
    EXPECT_FALSE(Date(2013, 4, 31).IsValid());
    EXPECT_FALSE(Date(2013, 1, 0).IsValid());
    EXPECT_TRUE(Date(1, 1, 1).IsValid());
    EXPECT_TRUE(Date(9999, 12, 31).IsValid());
    EXPECT_FALSE(Date(0, 12, 31).IsValid());
    EXPECT_FALSE(Date(10000, 1, 1).IsValid());
    EXPECT_FALSE(TZuDate::Make(2013, 2, 29).IsValid());
    EXPECT_EQ(TZuDate::Make(2012, 2, 29), Date(2012, 2, 29));
}

TEST(DateTest, WeekdaysOfKnownDays)
{
    EXPECT_EQ(Date(1970, 1, 1).WeekDay(), 4);
    EXPECT_EQ(Date(1969, 12, 31).WeekDay(), 3);
    EXPECT_EQ(Date(2000, 1, 1).WeekDay(), 6);
    EXPECT_EQ(Date(2000, 2, 29).WeekDay(), 2);
    EXPECT_EQ(Date(2012, 3, 5).WeekDay(), 1);
    EXPECT_EQ(Date(2013, 2, 1).WeekDay(), 5);
    EXPECT_EQ(Date(2038, 1, 19).WeekDay(), 2);
    EXPECT_EQ(Date(2100, 3, 1).WeekDay(), 1);
    EXPECT_EQ(Date(1, 1, 1).WeekDay(), 1);
    EXPECT_EQ(Date(9999, 12, 31).WeekDay(), 5);
    // A month whose first day is a Wednesday.
    EXPECT_EQ(Date(2012, 2, 1).WeekDay(), 3);
}

TEST(DateTest, DayNumbersCountWholeDaysBothWays)
{
    EXPECT_EQ(Date(1970, 1, 1).DayNumber(), 0);
    EXPECT_EQ(Date(1969, 12, 31).DayNumber(), -1);
    EXPECT_EQ(Date(2000, 3, 1).DayNumber() - Date(2000, 2, 28).DayNumber(), 2);
    EXPECT_EQ(Date(2100, 3, 1).DayNumber() - Date(2100, 2, 28).DayNumber(), 1);
    // Every day from 1 January 1600 to the end of 2499 and back, each one day after the other.
    TZuDate previous = Date(1599, 12, 31);
    for (long long day = Date(1600, 1, 1).DayNumber(); day <= Date(2499, 12, 31).DayNumber(); ++day)
    {
        const TZuDate date = TZuDate::FromDayNumber(day);
        ASSERT_TRUE(date.IsValid()) << day;
        ASSERT_EQ(date.DayNumber(), day);
        const bool nextDay =
            date.iYear == previous.iYear && date.iMonth == previous.iMonth && date.iDay == previous.iDay + 1;
        const bool nextMonth =
            date.iDay == 1 && previous.iDay == previous.DaysInMonth() &&
            (date.iMonth == previous.iMonth + 1 || (date.iMonth == 1 && previous.iMonth == 12));
        ASSERT_TRUE(nextDay || nextMonth) << Show(previous) << " " << Show(date);
        previous = date;
    }
    EXPECT_FALSE(TZuDate::FromDayNumber(Date(1, 1, 1).DayNumber() - 1).IsValid());
    EXPECT_FALSE(TZuDate::FromDayNumber(Date(9999, 12, 31).DayNumber() + 1).IsValid());
}

TEST(DateTest, StepsByDaysAndMonthsAcrossYearEnds)
{
    EXPECT_EQ(Date(2012, 12, 31).AddDays(1), Date(2013, 1, 1));
    EXPECT_EQ(Date(2013, 1, 1).AddDays(-1), Date(2012, 12, 31));
    EXPECT_EQ(Date(2012, 2, 28).AddDays(1), Date(2012, 2, 29));
    EXPECT_EQ(Date(2013, 2, 28).AddDays(1), Date(2013, 3, 1));
    EXPECT_EQ(Date(2012, 12, 15).AddMonths(1), Date(2013, 1, 15));
    EXPECT_EQ(Date(2013, 1, 15).AddMonths(-1), Date(2012, 12, 15));
    EXPECT_EQ(Date(2012, 1, 31).AddMonths(1), Date(2012, 2, 29));
    EXPECT_EQ(Date(2013, 1, 31).AddMonths(1), Date(2013, 2, 28));
    EXPECT_EQ(Date(2100, 1, 31).AddMonths(1), Date(2100, 2, 28));
    EXPECT_EQ(Date(2000, 3, 31).AddMonths(-1), Date(2000, 2, 29));
    EXPECT_EQ(Date(2012, 2, 29).AddMonths(12), Date(2013, 2, 28));
    EXPECT_EQ(Date(2012, 2, 29).AddMonths(48), Date(2016, 2, 29));
    EXPECT_EQ(Date(1970, 1, 1).AddMonths(-1), Date(1969, 12, 1));
    EXPECT_EQ(Date(2038, 1, 19).AddMonths(1), Date(2038, 2, 19));
    EXPECT_FALSE(Date(9999, 12, 1).AddMonths(1).IsValid());
    EXPECT_FALSE(Date(1, 1, 1).AddMonths(-1).IsValid());
    EXPECT_FALSE(Date(2013, 2, 30).AddMonths(1).IsValid());
}

TEST(DateTest, TimesCarryTheirDateInEveryTimeZone)
{
    const TZuDate dates[] = {Date(2000, 2, 1),  Date(2000, 2, 29),  Date(2012, 2, 1),   Date(2012, 2, 29),
                             Date(2013, 2, 1),  Date(2013, 2, 28),  Date(2100, 2, 1),   Date(2100, 2, 28),
                             Date(1970, 1, 1),  Date(1969, 12, 31), Date(1901, 12, 14), Date(2038, 1, 19),
                             Date(2038, 1, 20), Date(2106, 2, 8),   Date(2200, 6, 15),  Date(2012, 12, 31),
                             Date(2013, 1, 1)};
    for (const char* zone : KZones)
    {
        ASSERT_TRUE(CScopedTimeZone::Known(zone)) << zone;
        CScopedTimeZone in(zone);
        for (const TZuDate& date : dates)
        {
            CZuTime time;
            ASSERT_TRUE(date.ToTime(time)) << zone << " " << Show(date);
            EXPECT_EQ(Show(TZuDate::FromTime(time)), Show(date)) << zone;
        }
    }
}

TEST(DateTest, TheInstantIsTheLocalTimeOfDay)
{
    {
        CScopedTimeZone in("Asia/Shanghai");
        CZuTime time;
        ASSERT_TRUE(Date(1970, 1, 1).ToTime(time, 8, 0, 0));
        EXPECT_EQ(time.GetTimeHigh(), 0u);
        EXPECT_EQ(time.GetTimeLow(), 0u);
        // 01:02:03 in China is the evening before in UTC: a negative count, both halves written.
        ASSERT_TRUE(Date(1970, 1, 1).ToTime(time));
        EXPECT_EQ(time.GetTimeHigh(), 0xFFFFFFFFu);
        EXPECT_EQ(time.GetTimeLow(), static_cast<unsigned>(3723 - 8 * 3600));
    }
    {
        CScopedTimeZone in("UTC");
        CZuTime time;
        ASSERT_TRUE(Date(2012, 3, 5).ToTime(time, 0, 0, 0));
        EXPECT_EQ(time.GetTimeLow(), 1330905600u);
        // Past 2106 the high half carries on.
        ASSERT_TRUE(Date(2200, 1, 1).ToTime(time, 0, 0, 0));
        EXPECT_EQ(time.GetTimeHigh(), 1u);
    }
}

TEST(DateTest, ATimeWithAHighHalfOfZeroIsItsUnsignedLowHalf)
{
    CScopedTimeZone in("UTC");
    // 2 147 483 648 seconds: past 2038 for a signed count.
    EXPECT_EQ(TZuDate::FromTime(CZuTime(0u, 0x80000000u)), Date(2038, 1, 19));
    EXPECT_EQ(TZuDate::FromTime(CZuTime(0u, 0xFFFFFFFFu)), Date(2106, 2, 7));
    EXPECT_EQ(TZuDate::FromTime(CZuTime(0xFFFFFFFFu, 0xFFFFFFFFu)), Date(1969, 12, 31));
    // Beyond year 9999: no date.
    EXPECT_FALSE(TZuDate::FromTime(CZuTime(0x7FFFFFFFu, 0)).IsValid());
}

TEST(DateTest, TodayIsTheLocalDate)
{
    for (const char* zone : KZones)
    {
        CScopedTimeZone in(zone);
        const std::time_t now = std::time(nullptr);
        std::tm local = {};
        localtime_r(&now, &local);
        const TZuDate today = TZuDate::Today();
        // The day may turn between the two readings; it never differs by more than that.
        const TZuDate expected = Date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
        EXPECT_TRUE(today == expected || today == expected.AddDays(1)) << zone << " " << Show(today);
    }
}
