#include "ZuTimerBackend.h"

#include "ZuSdlTimerBackend.h"

namespace
{

IZuTimerBackend* gInstalledBackend = nullptr;

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
}
