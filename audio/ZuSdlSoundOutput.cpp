#include "ZuSdlSoundOutput.h"

#include <SDL.h>
#include <cstring>
#include <string>

namespace
{

const int KSampleRate = 8000;
// 128 ms of sound per device buffer: short enough that a new word cuts in at once.
const int KDeviceSamples = 1024;

// Starts SDL's audio subsystem. When nothing of SDL runs yet, SDL is kept from taking over the process's
// interrupt signals, which a program that only plays sounds (a command-line tool) must keep.
bool StartAudioSubsystem()
{
    if (SDL_WasInit(SDL_INIT_EVENTS) != 0)
        return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    const char* previous = SDL_GetHint(SDL_HINT_NO_SIGNAL_HANDLERS);
    std::string kept = previous != nullptr ? previous : "";
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    bool started = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, previous != nullptr ? kept.c_str() : nullptr);
    return started;
}

} // namespace

CZuSdlSoundOutput::CZuSdlSoundOutput() : iDeviceState(ENotTried), iDevice(0)
{
    std::memset(&iSpec, 0, sizeof iSpec);
}

CZuSdlSoundOutput::~CZuSdlSoundOutput()
{
    if (iDeviceState != EOpen)
        return;
    // The program may have shut SDL down already, closing every device with it.
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0)
        return;
    SDL_CloseAudioDevice(iDevice);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool CZuSdlSoundOutput::OpenDevice()
{
    if (iDeviceState != ENotTried)
        return iDeviceState == EOpen;
    iDeviceState = EUnavailable;
    if (!StartAudioSubsystem())
        return false;
    SDL_AudioSpec wanted;
    std::memset(&wanted, 0, sizeof wanted);
    wanted.freq = KSampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = KDeviceSamples;
    // No changes allowed: SDL converts the 8000 Hz mono samples to what the hardware takes.
    iDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, &iSpec, 0);
    if (iDevice == 0)
    {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(iDevice, 0);
    iDeviceState = EOpen;
    return true;
}

bool CZuSdlSoundOutput::HasDevice()
{
    return OpenDevice();
}

void CZuSdlSoundOutput::PlayWav(const unsigned char* image, int size)
{
    if (!OpenDevice())
        return;
    SDL_ClearQueuedAudio(iDevice);
    if (image == nullptr || size <= 0)
        return;
    SDL_RWops* source = SDL_RWFromConstMem(image, size);
    if (source == nullptr)
        return;
    SDL_AudioSpec spec;
    Uint8* samples = nullptr;
    Uint32 bytes = 0;
    if (SDL_LoadWAV_RW(source, 1, &spec, &samples, &bytes) == nullptr)
        return;
    QueueConverted(spec, samples, bytes);
    SDL_FreeWAV(samples);
}

void CZuSdlSoundOutput::QueueConverted(const SDL_AudioSpec& spec, const Uint8* samples, Uint32 bytes)
{
    if (bytes == 0)
        return;
    SDL_AudioCVT cvt;
    int needed = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, iSpec.format, iSpec.channels,
                                   iSpec.freq);
    if (needed < 0)
        return;
    if (needed == 0)
    {
        SDL_QueueAudio(iDevice, samples, bytes);
        return;
    }
    if (bytes > static_cast<Uint32>(SDL_MAX_SINT32 / cvt.len_mult))
        return;
    cvt.len = static_cast<int>(bytes);
    cvt.buf = static_cast<Uint8*>(SDL_malloc(static_cast<size_t>(cvt.len) * cvt.len_mult));
    if (cvt.buf == nullptr)
        return;
    std::memcpy(cvt.buf, samples, bytes);
    if (SDL_ConvertAudio(&cvt) == 0)
        SDL_QueueAudio(iDevice, cvt.buf, static_cast<Uint32>(cvt.len_cvt));
    SDL_free(cvt.buf);
}

bool CZuSdlSoundOutput::IsPlaying()
{
    return QueuedBytes() > 0;
}

int CZuSdlSoundOutput::QueuedBytes()
{
    if (iDeviceState != EOpen)
        return 0;
    return static_cast<int>(SDL_GetQueuedAudioSize(iDevice));
}
