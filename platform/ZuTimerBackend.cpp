#include "ZuTimerBackend.h"

#include "ZuSdlTimerBackend.h"
#include "ZuTime.h"

namespace
{

IZuTimerBackend* gInstalledBackend = nullptr;

long InstalledBackendMs()
{
    return gInstalledBackend ? static_cast<long>(gInstalledBackend->NowMs()) : 0;
}

} // namespace

IZuTimerBackend* IZuTimerBackend::Current()
{
    if (gInstalledBackend)
        return gInstalledBackend;
    return &CZuSdlTimerBackend::Instance();
}

void IZuTimerBackend::SetCurrent(IZuTimerBackend* backend)
{
    gInstalledBackend = backend;
    // What measures time itself (a double tap's interval) runs on the same clock as the timers.
    CZuTime::SetClockSource(backend ? &InstalledBackendMs : nullptr);
}
