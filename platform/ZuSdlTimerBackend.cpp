#include "ZuSdlTimerBackend.h"

#include "ZuEventLoop.h"
#include "ZuTimer.h"

#include <SDL.h>
#include <cstdint>

CZuSdlTimerBackend& CZuSdlTimerBackend::Instance()
{
    // Never destroyed: SDL's timer thread may still call into it while the program exits.
    static CZuSdlTimerBackend* instance = new CZuSdlTimerBackend();
    return *instance;
}

CZuSdlTimerBackend::CZuSdlTimerBackend() : iLastNativeId(0) {}

int CZuSdlTimerBackend::CreateTimer(int intervalMs)
{
    const Uint32 subsystems = SDL_INIT_TIMER | SDL_INIT_EVENTS;
    if (intervalMs <= 0)
        return 0;
    if (SDL_WasInit(subsystems) != subsystems && SDL_InitSubSystem(subsystems) != 0)
        return 0;
    // The event type must exist before the timer thread posts its first expiry.
    CZuEventLoop::TimerEventType();
    int nativeId;
    {
        std::lock_guard<std::mutex> guard(iLock);
        nativeId = ++iLastNativeId;
        iTimers[nativeId] = TEntry{0, false};
    }
    void* param = reinterpret_cast<void*>(static_cast<intptr_t>(nativeId));
    SDL_TimerID sdlId = SDL_AddTimer(static_cast<Uint32>(intervalMs), &CZuSdlTimerBackend::OnSdlTimer, param);
    std::lock_guard<std::mutex> guard(iLock);
    if (sdlId == 0)
    {
        iTimers.erase(nativeId);
        return 0;
    }
    auto entry = iTimers.find(nativeId);
    if (entry != iTimers.end())
        entry->second.iSdlId = sdlId;
    return nativeId;
}

void CZuSdlTimerBackend::DestroyTimer(int nativeId)
{
    int sdlId = 0;
    {
        std::lock_guard<std::mutex> guard(iLock);
        auto entry = iTimers.find(nativeId);
        if (entry == iTimers.end())
            return;
        sdlId = entry->second.iSdlId;
        iTimers.erase(entry);
    }
    // Outside the lock: SDL may be running this timer's callback, which takes the lock.
    if (sdlId != 0)
        SDL_RemoveTimer(sdlId);
}

unsigned CZuSdlTimerBackend::NowMs()
{
    return SDL_GetTicks();
}

void CZuSdlTimerBackend::Deliver(int nativeId)
{
    {
        std::lock_guard<std::mutex> guard(iLock);
        auto entry = iTimers.find(nativeId);
        if (entry == iTimers.end())
            return;
        entry->second.iQueued = false;
    }
    CZuTimer::HandleExpiry(nativeId);
}

unsigned CZuSdlTimerBackend::OnSdlTimer(unsigned intervalMs, void* param)
{
    return Instance().Expire(static_cast<int>(reinterpret_cast<intptr_t>(param)), intervalMs);
}

// Runs on SDL's timer thread.
unsigned CZuSdlTimerBackend::Expire(int nativeId, unsigned intervalMs)
{
    std::lock_guard<std::mutex> guard(iLock);
    auto entry = iTimers.find(nativeId);
    // A destroyed timer ends its SDL timer by returning 0.
    if (entry == iTimers.end())
        return 0;
    if (entry->second.iQueued)
        return intervalMs;
    SDL_Event event;
    SDL_zero(event);
    event.type = CZuEventLoop::TimerEventType();
    event.user.code = nativeId;
    if (SDL_PushEvent(&event) == 1)
        entry->second.iQueued = true;
    return intervalMs;
}
