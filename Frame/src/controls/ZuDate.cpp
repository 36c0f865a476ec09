#include "ZuDate.h"

#include "ZuTime.h"

#include <cerrno>
#include <cstdint>
#include <ctime>

namespace
{
const TZuDate KInvalid = {0, 0, 0};

// Days from 1 January 1970 to the date, in the proleptic Gregorian calendar, by eras of 400 years (146 097
// days each), so that no year is walked through one by one.
long long DaysFromCivil(long long year, unsigned month, unsigned day)
{
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

int64_t Seconds(const CZuTime& time)
{
    if (time.GetTimeHigh() == 0)
        return static_cast<int64_t>(time.GetTimeLow());
    return static_cast<int64_t>((static_cast<uint64_t>(time.GetTimeHigh()) << 32) | time.GetTimeLow());
}
} // namespace

bool TZuDate::IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int TZuDate::DaysInMonth(int year, int month)
{
    static const int KLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : KLengths[month - 1];
}

TZuDate TZuDate::Make(int year, int month, int day)
{
    const TZuDate date = {year, month, day};
    return date.IsValid() ? date : KInvalid;
}

bool TZuDate::IsValid() const
{
    return iYear >= KFirstYear && iYear <= KLastYear && iDay >= 1 && iDay <= DaysInMonth(iYear, iMonth);
}

long long TZuDate::DayNumber() const
{
    return DaysFromCivil(iYear, static_cast<unsigned>(iMonth), static_cast<unsigned>(iDay));
}

TZuDate TZuDate::FromDayNumber(long long days)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shifted = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * shifted + 2) / 5 + 1;
    const unsigned month = shifted < 10 ? shifted + 3 : shifted - 9;
    const long long year = static_cast<long long>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
    if (year < KFirstYear || year > KLastYear)
        return KInvalid;
    return TZuDate{static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

int TZuDate::WeekDay() const
{
    // 1 January 1970 was a Thursday.
    const long long weekDay = (DayNumber() + 4) % 7;
    return static_cast<int>(weekDay < 0 ? weekDay + 7 : weekDay);
}

TZuDate TZuDate::AddDays(long long days) const
{
    if (!IsValid())
        return KInvalid;
    return FromDayNumber(DayNumber() + days);
}

TZuDate TZuDate::AddMonths(int months) const
{
    if (!IsValid())
        return KInvalid;
    const long long index = static_cast<long long>(iYear) * 12 + (iMonth - 1) + months;
    const long long year = index >= 0 ? index / 12 : (index - 11) / 12;
    if (year < KFirstYear || year > KLastYear)
        return KInvalid;
    const int month = static_cast<int>(index - year * 12) + 1;
    const int last = DaysInMonth(static_cast<int>(year), month);
    return TZuDate{static_cast<int>(year), month, iDay < last ? iDay : last};
}

TZuDate TZuDate::FromTime(const CZuTime& time)
{
    const std::time_t seconds = static_cast<std::time_t>(Seconds(time));
    std::tm local = {};
    if (!localtime_r(&seconds, &local))
        return KInvalid;
    return Make(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

TZuDate TZuDate::Today()
{
    const uint64_t now = static_cast<uint64_t>(static_cast<int64_t>(std::time(nullptr)));
    return FromTime(CZuTime(static_cast<unsigned>(now >> 32), static_cast<unsigned>(now)));
}

bool TZuDate::ToTime(CZuTime& time, int hour, int minute, int second) const
{
    if (!IsValid())
        return false;
    std::tm local = {};
    local.tm_year = iYear - 1900;
    local.tm_mon = iMonth - 1;
    local.tm_mday = iDay;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    // The zone's own rule for that day decides whether summer time applies.
    local.tm_isdst = -1;
    errno = 0;
    const std::time_t seconds = std::mktime(&local);
    if (seconds == static_cast<std::time_t>(-1) && errno != 0)
        return false;
    const uint64_t bits = static_cast<uint64_t>(static_cast<int64_t>(seconds));
    time.Set(static_cast<unsigned>(bits >> 32), static_cast<unsigned>(bits));
    return true;
}

bool TZuDate::operator==(const TZuDate& other) const
{
    return iYear == other.iYear && iMonth == other.iMonth && iDay == other.iDay;
}
