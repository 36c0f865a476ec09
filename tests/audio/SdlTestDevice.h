#ifndef SDLTESTDEVICE_H
#define SDLTESTDEVICE_H

// The SDL output as the tests use it: on SDL's dummy driver (the test environment sets it), which plays
// in real time to nowhere, and shared, since the device can be open once only.
#include "ZuSdlSoundOutput.h"

#include <SDL.h>
#include <cstdlib>

inline bool DummyDriver()
{
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    return driver != nullptr && SDL_strcmp(driver, "dummy") == 0;
}

inline CZuSdlSoundOutput& SdlOutput()
{
    return dynamic_cast<CZuSdlSoundOutput&>(IZuSoundOutput::Current());
}

#endif // SDLTESTDEVICE_H
