#ifndef ZUTIMER_H
#define ZUTIMER_H

#include "ZuObject.h"

class CZuObjectList;
class MZuTimerObserver;

// Timer modes.
enum TZuTimerMode
{
    EZuTimerRepeating = 1,
    EZuTimerOneShot = 2
};

// A timer that calls its observer on the UI thread. The toolkit's timer manager (CZuTimerManager) owns
// the timers and gives them their ids; expiries arrive through HandleExpiry from the timer back-end
// (IZuTimerBackend: SDL timers in the program, a clock that the test advances in tests).
class IZuTimer : public CZuObject
{
public:
    explicit IZuTimer(MZuTimerObserver* observer);
    ~IZuTimer() override;
    // Repeats every intervalMs (at least 10) until stopped. A running timer is stopped first.
    virtual void StartTimer(int id, int intervalMs) = 0;
    // Fires once, after delayMs (at least 10). A running timer is stopped first.
    virtual void After(int id, int delayMs) = 0;
    virtual void Stop() = 0;

    bool IsRunning() const { return iRunning; }
    int GetId() const { return iId; }
    int GetMode() const { return iMode; }
    // The back-end's id of the running timer; 0 when stopped.
    int GetNativeId() const { return iNativeId; }
    MZuTimerObserver* GetObserver() const { return iObserver; }
    void SetObserver(MZuTimerObserver* observer) { iObserver = observer; }

protected:
    MZuTimerObserver* iObserver;
    int iId;
    int iMode;
    int iNativeId;
    bool iRunning;
};

// IZuTimer on the current timer back-end.
class CZuTimer : public IZuTimer
{
public:
    explicit CZuTimer(MZuTimerObserver* observer);
    // Stops a running timer.
    ~CZuTimer() override;
    void StartTimer(int id, int intervalMs) override;
    void After(int id, int delayMs) override;
    void Stop() override;

    // The shared timer callback, run by the back-end on the UI thread when its timer nativeId expires: the
    // first timer of the registered manager's list with that native id is found, stopped first when it is
    // a one-shot timer, and its observer gets OnTimer(id). Unknown ids and a missing manager are ignored.
    static void HandleExpiry(int nativeId);

private:
    void Arm(int id, int intervalMs, TZuTimerMode mode);
};

// The timer manager whose list HandleExpiry searches. One is registered for the whole process.
class IZuTimerManager
{
public:
    // Every live timer (IZuTimer objects).
    virtual CZuObjectList* GetTimerList() = 0;
    virtual ~IZuTimerManager() {}

    static void SetTimerManager(IZuTimerManager* manager);
    static IZuTimerManager* GetTimerManager();
};

#endif // ZUTIMER_H
