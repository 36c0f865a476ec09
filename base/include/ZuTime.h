#ifndef ZUTIME_H
#define ZUTIME_H

// A calendar time broken down.
struct TZuTime
{
    int iSecond;
    int iMinute;
    int iHour;
    int iDay;     // 1-31
    int iMonth;   // 1-12
    int iYear;    // full year
    int iWeekDay; // 0 = Sunday
    int iYearDay; // 0-365
    int iDaylightSaving;
};

// Seconds since 1 January 1970 UTC, as a high and a low 32-bit half. Calendar and current times are written
// to the low half only, and GetTime reads the low half only.
class CZuTime
{
public:
    CZuTime();
    CZuTime(unsigned int low);
    CZuTime(unsigned int high, unsigned int low);
    // Local calendar time, month 1-12, daylight saving off.
    CZuTime(int year, int month, int day, int hour, int minute, int second);

    void Set(unsigned int low);
    void Set(unsigned int high, unsigned int low);
    void Set(int year, int month, int day, int hour, int minute, int second);

    // The current time into the low half.
    void UtcTime();
    void HomeTime();

    // The low half broken down as UTC calendar time.
    TZuTime GetTime() const;
    unsigned int GetTimeLow() const { return iLow; }
    unsigned int GetTimeHigh() const { return iHigh; }

    // Where Clock() reads its time: a function returning milliseconds that only grow.
    typedef long (*TClockSource)();

    // Milliseconds since an arbitrary start on a monotonic clock: the installed source (the platform
    // installs its timer back-end's time, so that a test clock drives both timers and Clock), else the
    // system's steady clock.
    static long Clock();
    // Null restores the steady clock.
    static void SetClockSource(TClockSource source);

private:
    unsigned int iHigh;
    unsigned int iLow;
};

#endif // ZUTIME_H
