#include "ZuSynWait.h"

#include "ZuEventLoop.h"

#include <SDL.h>

namespace
{

const Uint32 KIdleSleepMs = 10;

} // namespace

IZuSynWait::IZuSynWait() : iWaiting(false) {}

IZuSynWait::~IZuSynWait() {}

CZuSynWait::CZuSynWait() {}

CZuSynWait::~CZuSynWait() {}

void CZuSynWait::StartWait()
{
    SetWaiting(true);
    // Without the event subsystem nothing could ever arrive to end the wait.
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0 && SDL_InitSubSystem(SDL_INIT_EVENTS) != 0)
    {
        SetWaiting(false);
        return;
    }
    SDL_Event event;
    while (IsWaiting())
    {
        if (!SDL_PollEvent(&event))
        {
            SDL_Delay(KIdleSleepMs);
            continue;
        }
        // A quit request while waiting is dropped, so it neither ends the wait nor the program.
        if (event.type == SDL_QUIT)
            continue;
        CZuEventLoop::Dispatch(event);
    }
}

void CZuSynWait::StopWait()
{
    SetWaiting(false);
}
