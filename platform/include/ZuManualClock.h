#ifndef ZUMANUALCLOCK_H
#define ZUMANUALCLOCK_H

#include "ZuTimerBackend.h"

#include <vector>

// A timer back-end whose time moves only when the test advances it (see ZuTimerBackend.h). It installs
// itself as the current back-end on construction and restores the SDL one when destroyed.
class CZuManualClock : public IZuTimerBackend
{
public:
    CZuManualClock();
    ~CZuManualClock() override;

    int CreateTimer(int intervalMs) override;
    void DestroyTimer(int nativeId) override;
    unsigned NowMs() override { return iNow; }

    // Moves the time forward by ms and fires, one by one in the order of their due times (equal times in
    // the order the timers were made), every expiry that falls within it. Timers made or destroyed by an
    // observer during the advance take part from that moment on.
    void Advance(int ms);
    // Advances just far enough for the next expiry to fire; false when no timer exists.
    bool FireNext();
    // Timers that exist now.
    int TimerCount() const { return static_cast<int>(iTimers.size()); }

private:
    struct TTimer
    {
        int iNativeId;
        int iIntervalMs;
        unsigned iDueMs;
    };

    CZuManualClock(const CZuManualClock&) = delete;
    CZuManualClock& operator=(const CZuManualClock&) = delete;
    // The index of the timer due first, -1 when there is none.
    int NextDue() const;
    void FireAt(int index);

    std::vector<TTimer> iTimers;
    unsigned iNow;
    int iLastNativeId;
};

#endif // ZUMANUALCLOCK_H
