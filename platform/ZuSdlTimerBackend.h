#ifndef ZUSDLTIMERBACKEND_H
#define ZUSDLTIMERBACKEND_H

#include "ZuTimerBackend.h"

#include <map>
#include <mutex>

// The program's timer back-end: SDL timers whose expiries SDL's timer thread posts to the UI thread as
// events (CZuEventLoop::TimerEventType, the native id in the event's code); Dispatch hands them to Deliver.
class CZuSdlTimerBackend : public IZuTimerBackend
{
public:
    static CZuSdlTimerBackend& Instance();

    int CreateTimer(int intervalMs) override;
    void DestroyTimer(int nativeId) override;
    unsigned NowMs() override;

    // Runs the expiry of nativeId on the UI thread; expiries of destroyed timers are dropped.
    void Deliver(int nativeId);

private:
    struct TEntry
    {
        int iSdlId;
        // An expiry event is on its way: further expiries are not posted until it is delivered.
        bool iQueued;
    };

    CZuSdlTimerBackend();
    static unsigned OnSdlTimer(unsigned intervalMs, void* param);
    unsigned Expire(int nativeId, unsigned intervalMs);

    // Guards iTimers against SDL's timer thread.
    std::mutex iLock;
    std::map<int, TEntry> iTimers;
    int iLastNativeId;
};

#endif // ZUSDLTIMERBACKEND_H
