#include "ZuTimerManager.h"

namespace
{

// Automatic ids run from just above this value ...
const int KLastFixedId = 10000;
// ... up to this one, then start over.
const int KLastAutomaticId = 0x7FFFFFF0;

} // namespace

CZuTimerManager::CZuTimerManager() : iTimers(true), iLastId(KLastFixedId)
{
    IZuTimerManager::SetTimerManager(this);
}

CZuTimerManager::~CZuTimerManager()
{
    // Unregistered first, so that no expiry can reach a timer while the list is torn down.
    if (IZuTimerManager::GetTimerManager() == this)
        IZuTimerManager::SetTimerManager(nullptr);
    for (int i = 0; i < iTimers.GetCount(); ++i)
    {
        CZuTimer* timer = static_cast<CZuTimer*>(iTimers.GetAt(i));
        if (timer && timer->IsRunning())
            timer->Stop();
    }
    iTimers.DeleteAll();
}

int CZuTimerManager::GetNextIdleId()
{
    do
    {
        iLastId = iLastId >= KLastAutomaticId ? KLastFixedId + 1 : iLastId + 1;
    } while (Find(iLastId));
    return iLastId;
}

int CZuTimerManager::StartTimer(int id, int intervalMs, MZuTimerObserver* observer)
{
    return Arm(id, intervalMs, observer, EZuTimerRepeating);
}

int CZuTimerManager::After(int id, int delayMs, MZuTimerObserver* observer)
{
    return Arm(id, delayMs, observer, EZuTimerOneShot);
}

int CZuTimerManager::Arm(int id, int intervalMs, MZuTimerObserver* observer, TZuTimerMode mode)
{
    if (id <= 0)
        id = GetNextIdleId();
    CZuTimer* timer = Find(id);
    if (timer)
    {
        timer->Stop();
        timer->SetObserver(observer);
    }
    else
    {
        timer = new CZuTimer(observer);
        iTimers.Append(timer);
    }
    if (mode == EZuTimerRepeating)
        timer->StartTimer(id, intervalMs);
    else
        timer->After(id, intervalMs);
    return id;
}

void CZuTimerManager::Stop(int id)
{
    CZuTimer* timer = Find(id);
    if (!timer)
        return;
    timer->Stop();
    iTimers.Remove(iTimers.Find(timer));
    delete timer;
}

bool CZuTimerManager::IsRunning(int id) const
{
    CZuTimer* timer = Find(id);
    return timer && timer->IsRunning();
}

CZuTimer* CZuTimerManager::Find(int id) const
{
    for (int i = 0; i < iTimers.GetCount(); ++i)
    {
        CZuTimer* timer = static_cast<CZuTimer*>(iTimers.GetAt(i));
        if (timer && timer->GetId() == id)
            return timer;
    }
    return nullptr;
}
