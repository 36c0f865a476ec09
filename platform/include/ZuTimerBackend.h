#ifndef ZUTIMERBACKEND_H
#define ZUTIMERBACKEND_H

// Where timers come from: every CZuTimer asks the current back-end for a native timer, and the back-end
// calls CZuTimer::HandleExpiry(nativeId) on the UI thread each time one expires.
//
// The program runs on the SDL back-end (the default): SDL timers whose expiry is posted to the UI thread
// as an SDL event and delivered by CZuEventLoop::Dispatch; an expiry that is still queued when its timer is
// stopped is dropped. A timer that expires again before its last expiry was delivered does not queue a
// second one.
//
// Tests never sleep: they install a CZuManualClock and advance it, and every timer due within the advanced
// time fires at once, on the test's thread, in the order of its due time:
//
//     CZuManualClock clock;               // installs itself as the current back-end
//     manager.After(0, 500, &observer);   // a one-shot timer in 500 ms
//     clock.Advance(499);                 // nothing yet
//     clock.Advance(1);                   // observer.OnTimer(10001)
//
// Code that measures time itself (how long a press lasted) reads NowMs() of the current back-end, or
// CZuTime::Clock(), which follows an installed back-end, so that the same test clock drives it.
class IZuTimerBackend
{
public:
    // Starts a native timer that expires every intervalMs (> 0) until destroyed. Returns its id (never 0),
    // or 0 when no timer could be made.
    virtual int CreateTimer(int intervalMs) = 0;
    // Unknown ids are ignored.
    virtual void DestroyTimer(int nativeId) = 0;
    // Milliseconds since an arbitrary start; it only grows.
    virtual unsigned NowMs() = 0;
    virtual ~IZuTimerBackend() {}

    // The back-end timers are made on: the one installed, or the SDL back-end.
    static IZuTimerBackend* Current();
    // Installs a back-end (null restores the SDL one). Timers made on the previous back-end must all be
    // stopped first.
    static void SetCurrent(IZuTimerBackend* backend);
};

#endif // ZUTIMERBACKEND_H
