#include "ZuTimer.h"

#include "ZuObjectList.h"
#include "ZuTimerBackend.h"
#include "ZuTimerObserver.h"

namespace
{

// The shortest interval a timer runs at; shorter ones are raised to it.
const int KMinimumIntervalMs = 10;

IZuTimerManager* gTimerManager = nullptr;

} // namespace

IZuTimer::IZuTimer(MZuTimerObserver* observer)
    : iObserver(observer), iId(0), iMode(EZuTimerRepeating), iNativeId(0), iRunning(false)
{
}

IZuTimer::~IZuTimer() {}

CZuTimer::CZuTimer(MZuTimerObserver* observer) : IZuTimer(observer) {}

CZuTimer::~CZuTimer()
{
    if (iRunning)
        Stop();
}

void CZuTimer::StartTimer(int id, int intervalMs)
{
    Arm(id, intervalMs, EZuTimerRepeating);
}

void CZuTimer::After(int id, int delayMs)
{
    Arm(id, delayMs, EZuTimerOneShot);
}

void CZuTimer::Arm(int id, int intervalMs, TZuTimerMode mode)
{
    // A native timer left behind would keep waking the program for nothing.
    if (iRunning)
        Stop();
    iMode = mode;
    iId = id;
    iNativeId = IZuTimerBackend::Current()->CreateTimer(intervalMs < KMinimumIntervalMs ? KMinimumIntervalMs
                                                                                        : intervalMs);
    iRunning = true;
}

void CZuTimer::Stop()
{
    if (iNativeId != 0)
        IZuTimerBackend::Current()->DestroyTimer(iNativeId);
    // Clearing the id keeps an expiry that was already on its way from reaching this timer.
    iNativeId = 0;
    iRunning = false;
}

void CZuTimer::HandleExpiry(int nativeId)
{
    if (!gTimerManager || nativeId == 0)
        return;
    CZuObjectList* timers = gTimerManager->GetTimerList();
    if (!timers)
        return;
    for (int i = 0; i < timers->GetCount(); ++i)
    {
        IZuTimer* timer = static_cast<IZuTimer*>(timers->GetAt(i));
        if (!timer || timer->GetNativeId() != nativeId)
            continue;
        if (timer->GetMode() != EZuTimerRepeating)
            timer->Stop();
        // The observer may delete the timer: nothing of it is touched afterwards.
        if (MZuTimerObserver* observer = timer->GetObserver())
            observer->OnTimer(timer->GetId());
        return;
    }
}

void IZuTimerManager::SetTimerManager(IZuTimerManager* manager)
{
    gTimerManager = manager;
}

IZuTimerManager* IZuTimerManager::GetTimerManager()
{
    return gTimerManager;
}
