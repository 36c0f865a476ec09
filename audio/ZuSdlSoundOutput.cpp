#include "ZuSdlSoundOutput.h"

#include <SDL.h>
#include <cstring>
#include <string>

namespace
{

// The device's format: SDL converts it to what the hardware takes.
const int KDeviceRate = 48000;
const int KDeviceChannels = 2;
// 21 ms of sound per device buffer: a new word cuts in at once, and a stream keeps going on a busy machine.
const int KDeviceSamples = 1024;
const int KSpeechRate = 8000;

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

void CZuSdlSoundOutput::TVoice::Clear()
{
    iSamples.clear();
    iPlayed = 0;
}

CZuSdlSoundOutput::CZuSdlSoundOutput()
    : iDeviceState(ENotTried), iDevice(0), iConverter(nullptr), iConverterRate(0), iConverterChannels(0)
{
    std::memset(&iSpec, 0, sizeof iSpec);
}

CZuSdlSoundOutput::~CZuSdlSoundOutput()
{
    if (iConverter != nullptr)
        SDL_FreeAudioStream(iConverter);
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
    std::lock_guard<std::mutex> hold(iDeviceLock);
    if (iDeviceState != ENotTried)
        return iDeviceState == EOpen;
    iDeviceState = EUnavailable;
    if (!StartAudioSubsystem())
        return false;
    SDL_AudioSpec wanted;
    std::memset(&wanted, 0, sizeof wanted);
    wanted.freq = KDeviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = KDeviceChannels;
    wanted.samples = KDeviceSamples;
    wanted.callback = Fill;
    wanted.userdata = this;
    // No changes allowed: SDL converts the mixed sound to what the hardware takes.
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
    std::vector<Sint16> speech;
    SDL_RWops* source = image != nullptr && size > 0 ? SDL_RWFromConstMem(image, size) : nullptr;
    SDL_AudioSpec spec;
    Uint8* samples = nullptr;
    Uint32 bytes = 0;
    if (source != nullptr && SDL_LoadWAV_RW(source, 1, &spec, &samples, &bytes) != nullptr)
    {
        if (!ConvertSpeech(spec, samples, bytes, speech))
            speech.clear();
        SDL_FreeWAV(samples);
    }
    // Whatever the image holds, the speech that was playing ends here.
    std::lock_guard<std::mutex> hold(iVoiceLock);
    iSpeech.iSamples.swap(speech);
    iSpeech.iPlayed = 0;
}

bool CZuSdlSoundOutput::ConvertSpeech(const SDL_AudioSpec& spec, const Uint8* samples, Uint32 bytes,
                                      std::vector<Sint16>& out)
{
    if (bytes == 0)
        return true;
    SDL_AudioCVT cvt;
    int needed = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, iSpec.format, iSpec.channels,
                                   iSpec.freq);
    if (needed < 0 || bytes > static_cast<Uint32>(SDL_MAX_SINT32 / cvt.len_mult))
        return false;
    cvt.len = static_cast<int>(bytes);
    cvt.buf = static_cast<Uint8*>(SDL_malloc(static_cast<size_t>(cvt.len) * cvt.len_mult));
    if (cvt.buf == nullptr)
        return false;
    std::memcpy(cvt.buf, samples, bytes);
    bool converted = needed == 0 || SDL_ConvertAudio(&cvt) == 0;
    int length = needed == 0 ? cvt.len : cvt.len_cvt;
    if (converted)
    {
        const Sint16* first = reinterpret_cast<const Sint16*>(cvt.buf);
        out.assign(first, first + length / static_cast<int>(sizeof(Sint16)));
    }
    SDL_free(cvt.buf);
    return converted;
}

bool CZuSdlSoundOutput::IsPlaying()
{
    return QueuedBytes() > 0;
}

int CZuSdlSoundOutput::QueuedBytes()
{
    if (iDeviceState != EOpen)
        return 0;
    std::lock_guard<std::mutex> hold(iVoiceLock);
    long long frames = static_cast<long long>(iSpeech.Left()) / iSpec.channels;
    return static_cast<int>(frames * KSpeechRate / iSpec.freq * 2);
}

void CZuSdlSoundOutput::WriteStream(const short* frames, int count, int rate, int channels)
{
    if (count <= 0 || rate < 1000 || rate > 384000 || channels < 1 || channels > 2 || !OpenDevice())
        return;
    std::lock_guard<std::mutex> hold(iVoiceLock);
    if (!UseStreamFormat(rate, channels))
        return;
    SDL_AudioStreamPut(iConverter, frames, count * channels * static_cast<int>(sizeof(short)));
    MoveConverted();
}

bool CZuSdlSoundOutput::UseStreamFormat(int rate, int channels)
{
    if (iConverter != nullptr && rate == iConverterRate && channels == iConverterChannels)
        return true;
    if (iConverter != nullptr)
    {
        SDL_AudioStreamFlush(iConverter);
        MoveConverted();
        SDL_FreeAudioStream(iConverter);
    }
    iConverter = SDL_NewAudioStream(AUDIO_S16SYS, static_cast<Uint8>(channels), rate, iSpec.format,
                                    iSpec.channels, iSpec.freq);
    iConverterRate = rate;
    iConverterChannels = channels;
    return iConverter != nullptr;
}

void CZuSdlSoundOutput::MoveConverted()
{
    int available = SDL_AudioStreamAvailable(iConverter);
    if (available <= 0)
        return;
    // What has been heard is dropped before the vector grows again.
    if (iStream.iPlayed > 0 && iStream.iPlayed >= iStream.Left())
    {
        iStream.iSamples.erase(iStream.iSamples.begin(), iStream.iSamples.begin() + iStream.iPlayed);
        iStream.iPlayed = 0;
    }
    size_t end = iStream.iSamples.size();
    iStream.iSamples.resize(end + available / sizeof(Sint16));
    int got = SDL_AudioStreamGet(iConverter, iStream.iSamples.data() + end, available);
    iStream.iSamples.resize(end + (got > 0 ? got / sizeof(Sint16) : 0));
}

void CZuSdlSoundOutput::EndStream()
{
    std::lock_guard<std::mutex> hold(iVoiceLock);
    if (iConverter == nullptr)
        return;
    SDL_AudioStreamFlush(iConverter);
    MoveConverted();
}

int CZuSdlSoundOutput::StreamQueuedMs()
{
    if (iDeviceState != EOpen)
        return 0;
    std::lock_guard<std::mutex> hold(iVoiceLock);
    long long frames = static_cast<long long>(iStream.Left()) / iSpec.channels;
    return static_cast<int>(frames * 1000 / iSpec.freq);
}

void CZuSdlSoundOutput::StopStream()
{
    std::lock_guard<std::mutex> hold(iVoiceLock);
    iStream.Clear();
    if (iConverter != nullptr)
        SDL_AudioStreamClear(iConverter);
}

void CZuSdlSoundOutput::Mix(Sint16* out, int samples)
{
    for (int i = 0; i < samples; ++i)
    {
        int value = 0;
        if (iSpeech.iPlayed < iSpeech.iSamples.size())
            value += iSpeech.iSamples[iSpeech.iPlayed++];
        if (iStream.iPlayed < iStream.iSamples.size())
            value += iStream.iSamples[iStream.iPlayed++];
        out[i] = static_cast<Sint16>(value > 32767 ? 32767 : value < -32768 ? -32768 : value);
    }
}

void SDLCALL CZuSdlSoundOutput::Fill(void* self, Uint8* stream, int bytes)
{
    CZuSdlSoundOutput* output = static_cast<CZuSdlSoundOutput*>(self);
    std::lock_guard<std::mutex> hold(output->iVoiceLock);
    output->Mix(reinterpret_cast<Sint16*>(stream), bytes / static_cast<int>(sizeof(Sint16)));
}
