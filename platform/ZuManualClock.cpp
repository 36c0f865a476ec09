#include "ZuManualClock.h"

#include "ZuTimer.h"

#include <cstddef>

CZuManualClock::CZuManualClock() : iNow(0), iLastNativeId(0)
{
    IZuTimerBackend::SetCurrent(this);
}

CZuManualClock::~CZuManualClock()
{
    if (IZuTimerBackend::Current() == this)
        IZuTimerBackend::SetCurrent(nullptr);
}

int CZuManualClock::CreateTimer(int intervalMs)
{
    if (intervalMs <= 0)
        return 0;
    ++iLastNativeId;
    iTimers.push_back(TTimer{iLastNativeId, intervalMs, iNow + static_cast<unsigned>(intervalMs)});
    return iLastNativeId;
}

void CZuManualClock::DestroyTimer(int nativeId)
{
    for (std::size_t i = 0; i < iTimers.size(); ++i)
    {
        if (iTimers[i].iNativeId == nativeId)
        {
            iTimers.erase(iTimers.begin() + static_cast<long>(i));
            return;
        }
    }
}

void CZuManualClock::Advance(int ms)
{
    if (ms <= 0)
        return;
    unsigned end = iNow + static_cast<unsigned>(ms);
    for (;;)
    {
        // Observers may make and destroy timers: the next one due is looked up afresh each time.
        int next = NextDue();
        if (next < 0 || iTimers[next].iDueMs > end)
            break;
        FireAt(next);
    }
    iNow = end;
}

bool CZuManualClock::FireNext()
{
    int next = NextDue();
    if (next < 0)
        return false;
    FireAt(next);
    return true;
}

int CZuManualClock::NextDue() const
{
    int next = -1;
    for (std::size_t i = 0; i < iTimers.size(); ++i)
    {
        // Timers were appended in the order they were made, so the earliest made wins a tie.
        if (next < 0 || iTimers[i].iDueMs < iTimers[next].iDueMs)
            next = static_cast<int>(i);
    }
    return next;
}

void CZuManualClock::FireAt(int index)
{
    TTimer& timer = iTimers[index];
    iNow = timer.iDueMs;
    timer.iDueMs += static_cast<unsigned>(timer.iIntervalMs);
    CZuTimer::HandleExpiry(timer.iNativeId);
}
