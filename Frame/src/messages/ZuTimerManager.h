#ifndef ZUTIMERMANAGER_H
#define ZUTIMERMANAGER_H

#include "ZuObjectList.h"
#include "ZuTimer.h"

class MZuTimerObserver;

// The toolkit's numbered timers, periodic and one-shot, all on the UI thread. Id 1 belongs to the message
// processor; ids of 0 or less ask for an automatic id (10001 on). A one-shot timer that has fired stays in
// the list, stopped, so that starting its id again reuses it. In tests the timers run on a CZuManualClock
// (see ZuTimerBackend.h).
class CZuTimerManager : public IZuTimerManager
{
public:
    // Registers itself as the platform's timer manager.
    CZuTimerManager();
    // Stops and deletes every timer and unregisters itself.
    ~CZuTimerManager() override;

    CZuObjectList* GetTimerList() override { return &iTimers; }

    // The next automatic id that no timer has.
    int GetNextIdleId();
    // Starts a periodic timer and returns its id. A timer with this id is stopped and started again with
    // the new interval and observer.
    int StartTimer(int id, int intervalMs, MZuTimerObserver* observer);
    // The same for a one-shot timer.
    int After(int id, int delayMs, MZuTimerObserver* observer);
    // Stops the timer with this id and deletes it; unknown ids are ignored.
    void Stop(int id);
    // False for an unknown id.
    bool IsRunning(int id) const;

private:
    CZuTimerManager(const CZuTimerManager&) = delete;
    CZuTimerManager& operator=(const CZuTimerManager&) = delete;
    int Arm(int id, int intervalMs, MZuTimerObserver* observer, TZuTimerMode mode);
    // The first timer with this id, or null.
    CZuTimer* Find(int id) const;

    CZuObjectList iTimers;
    int iLastId;
};

#endif // ZUTIMERMANAGER_H
