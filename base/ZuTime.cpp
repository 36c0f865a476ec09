#include "ZuTime.h"

#include <chrono>
#include <ctime>

namespace
{

long SteadyClockMs()
{
    using namespace std::chrono;
    return static_cast<long>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

CZuTime::TClockSource gClockSource = nullptr;

} // namespace

CZuTime::CZuTime() : iHigh(0), iLow(0) {}

CZuTime::CZuTime(unsigned int low) : iHigh(0), iLow(low) {}

CZuTime::CZuTime(unsigned int high, unsigned int low) : iHigh(high), iLow(low) {}

CZuTime::CZuTime(int year, int month, int day, int hour, int minute, int second) : iHigh(0), iLow(0)
{
    Set(year, month, day, hour, minute, second);
}

void CZuTime::Set(unsigned int low)
{
    iHigh = 0;
    iLow = low;
}

void CZuTime::Set(unsigned int high, unsigned int low)
{
    iHigh = high;
    iLow = low;
}

void CZuTime::Set(int year, int month, int day, int hour, int minute, int second)
{
    std::tm calendar = {};
    calendar.tm_year = year - 1900;
    calendar.tm_mon = month - 1;
    calendar.tm_mday = day;
    calendar.tm_hour = hour;
    calendar.tm_min = minute;
    calendar.tm_sec = second;
    calendar.tm_isdst = 0;
    iHigh = 0;
    iLow = static_cast<unsigned int>(std::mktime(&calendar));
}

void CZuTime::UtcTime()
{
    iLow = static_cast<unsigned int>(std::time(nullptr));
}

void CZuTime::HomeTime()
{
    std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_r(&now, &local);
    iLow = static_cast<unsigned int>(std::mktime(&local));
}

TZuTime CZuTime::GetTime() const
{
    std::time_t seconds = static_cast<std::time_t>(iLow);
    std::tm utc = {};
    gmtime_r(&seconds, &utc);
    TZuTime time;
    time.iSecond = utc.tm_sec;
    time.iMinute = utc.tm_min;
    time.iHour = utc.tm_hour;
    time.iDay = utc.tm_mday;
    time.iMonth = utc.tm_mon + 1;
    time.iYear = utc.tm_year + 1900;
    time.iWeekDay = utc.tm_wday;
    time.iYearDay = utc.tm_yday;
    time.iDaylightSaving = utc.tm_isdst;
    return time;
}

long CZuTime::Clock()
{
    return gClockSource ? gClockSource() : SteadyClockMs();
}

void CZuTime::SetClockSource(TClockSource source)
{
    gClockSource = source;
}
