#ifndef ZUSDLSOUNDOUTPUT_H
#define ZUSDLSOUNDOUTPUT_H

#include "ZuSoundOutput.h"

#include <SDL_audio.h>

// The sound output on an SDL audio device of 8000 Hz, 16-bit, mono, opened on first use (SDL converts to
// whatever the hardware takes). Only SDL's audio subsystem is started, and only then. Without a device
// (no sound hardware, no server, the dummy driver missing) every call does nothing.
class CZuSdlSoundOutput : public IZuSoundOutput
{
public:
    CZuSdlSoundOutput();
    ~CZuSdlSoundOutput() override;

    void PlayWav(const unsigned char* image, int size) override;
    bool IsPlaying() override;
    bool HasDevice() override;

    // Bytes of device-format sound still queued (0 without a device).
    int QueuedBytes();

private:
    CZuSdlSoundOutput(const CZuSdlSoundOutput&) = delete;
    CZuSdlSoundOutput& operator=(const CZuSdlSoundOutput&) = delete;

    // Opens the device the first time; later calls only answer whether that worked.
    bool OpenDevice();
    void QueueConverted(const SDL_AudioSpec& spec, const Uint8* samples, Uint32 bytes);

    enum TDevice
    {
        ENotTried,
        EOpen,
        EUnavailable,
    };

    TDevice iDeviceState;
    SDL_AudioDeviceID iDevice;
    SDL_AudioSpec iSpec;
};

#endif // ZUSDLSOUNDOUTPUT_H
