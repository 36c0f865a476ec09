#include "ZuSynWait.h"

#include "ZuEventLoop.h"

#include <SDL.h>

namespace
{

// Set when a wait took the program's quit request; from then on no wait runs.
bool sQuitRequested = false;

} // namespace

IZuSynWait::IZuSynWait() : iWaiting(false) {}

IZuSynWait::~IZuSynWait() {}

CZuSynWait::CZuSynWait() {}

CZuSynWait::~CZuSynWait() {}

void CZuSynWait::StartWait()
{
    SetWaiting(true);
    // Once the learner has closed the window, nothing could answer a wait: it ends at once.
    if (sQuitRequested)
    {
        SetWaiting(false);
        return;
    }
    // Without the event subsystem nothing could ever arrive to end the wait.
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0 && SDL_InitSubSystem(SDL_INIT_EVENTS) != 0)
    {
        SetWaiting(false);
        return;
    }
    SDL_Event event;
    while (IsWaiting() && !sQuitRequested)
    {
        // Sleeps until something arrives, as the program's own loop does: an idle wait costs nothing.
        if (!SDL_WaitEvent(&event))
            break;
        if (event.type == SDL_QUIT)
        {
            // The quit ends this wait and every wait around it, and goes back to the queue so that the
            // program's own loop takes it and the program ends as it does on its exit command.
            sQuitRequested = true;
            CZuEventLoop::PostQuit();
            break;
        }
        CZuEventLoop::Dispatch(event);
    }
    SetWaiting(false);
}

void CZuSynWait::StopWait()
{
    SetWaiting(false);
}

bool CZuSynWait::IsQuitRequested()
{
    return sQuitRequested;
}

void CZuSynWait::ClearQuitRequest()
{
    sQuitRequested = false;
}
