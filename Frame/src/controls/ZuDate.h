#ifndef ZUDATE_H
#define ZUDATE_H

class CZuTime;

// A day of the Gregorian calendar, counted in whole days: leap years (every fourth, not every hundredth,
// again every four hundredth), month lengths, weekdays and steps by days and months never pass through
// seconds or a time zone. Years 1 to 9999 are valid. Only FromTime, ToTime and Today meet the clock: a
// CZuTime is an instant, and its date is the date at that instant where the program runs (the TZ setting).
struct TZuDate
{
    static const int KFirstYear = 1;
    static const int KLastYear = 9999;

    int iYear;
    int iMonth; // 1-12
    int iDay;   // 1-31

    static bool IsLeapYear(int year);
    // 28 to 31; 0 for a month outside 1-12.
    static int DaysInMonth(int year, int month);
    // The date, or an invalid one (IsValid() false) when there is no such day.
    static TZuDate Make(int year, int month, int day);
    // The date of an instant where the program runs; invalid outside years 1 to 9999. The instant is
    // read with both halves of the time, as a signed 64-bit count, so that dates before 1970 and after
    // 2106 are not wrapped; a time whose high half is 0 is the unsigned count of its low half.
    static TZuDate FromTime(const CZuTime& time);
    static TZuDate Today();
    // The day counted from 1 January 1970 (negative before it).
    static TZuDate FromDayNumber(long long days);

    bool IsValid() const;
    long long DayNumber() const;
    // 0 Sunday to 6 Saturday.
    int WeekDay() const;
    int DaysInMonth() const { return DaysInMonth(iYear, iMonth); }
    // Days later (earlier when negative); invalid when that leaves years 1 to 9999.
    TZuDate AddDays(long long days) const;
    // The same day of a month months later (earlier when negative), or that month's last day when it is
    // shorter; invalid outside years 1 to 9999.
    TZuDate AddMonths(int months) const;
    // The instant of this day at the given local time of day, written to both halves of time (the high
    // half 0 from 1970 to 2106). A day the local clock skipped (a zone that moved across the date line)
    // gives the instant the system makes of it, on a day that exists. False, with time unchanged, for an
    // invalid date or one the system cannot convert.
    bool ToTime(CZuTime& time, int hour = 1, int minute = 2, int second = 3) const;

    bool operator==(const TZuDate& other) const;
    bool operator!=(const TZuDate& other) const { return !(*this == other); }
};

#endif // ZUDATE_H
