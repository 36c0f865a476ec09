#ifndef ZUSDLSOUNDOUTPUT_H
#define ZUSDLSOUNDOUTPUT_H

#include "ZuSoundOutput.h"

#include <SDL_audio.h>
#include <atomic>
#include <mutex>
#include <vector>

// The sound output on an SDL audio device of 48000 Hz, 16-bit stereo, opened on first use (SDL converts to
// whatever the hardware takes). Two voices are mixed into it: the speech, which each new image replaces,
// and the stream, which the stream engine feeds. Only SDL's audio subsystem is started, and only then.
// Without a device (no sound hardware, no server, the dummy driver missing) every call does nothing.
class CZuSdlSoundOutput : public IZuSoundOutput
{
public:
    CZuSdlSoundOutput();
    ~CZuSdlSoundOutput() override;

    void PlayWav(const unsigned char* image, int size) override;
    bool IsPlaying() override;
    bool HasDevice() override;

    void WriteStream(const short* frames, int count, int rate, int channels) override;
    void EndStream() override;
    int StreamQueuedMs() override;
    void StopStream() override;

    // Speech still to be heard, counted in bytes of the speech's own format (8000 Hz, 16-bit mono); 0
    // without a device.
    int QueuedBytes();

private:
    CZuSdlSoundOutput(const CZuSdlSoundOutput&) = delete;
    CZuSdlSoundOutput& operator=(const CZuSdlSoundOutput&) = delete;

    // A voice's samples in the device's format, with the place the device has reached.
    struct TVoice
    {
        std::vector<Sint16> iSamples;
        size_t iPlayed = 0;

        size_t Left() const { return iSamples.size() - iPlayed; }
        void Clear();
    };

    // Opens the device the first time; later calls only answer whether that worked.
    bool OpenDevice();
    bool ConvertSpeech(const SDL_AudioSpec& spec, const Uint8* samples, Uint32 bytes,
                       std::vector<Sint16>& out);
    // Makes the stream converter take this format, letting through what the old one held.
    bool UseStreamFormat(int rate, int channels);
    void MoveConverted();
    void Mix(Sint16* out, int samples);
    static void SDLCALL Fill(void* self, Uint8* stream, int bytes);

    enum TDevice
    {
        ENotTried,
        EOpen,
        EUnavailable,
    };

    // Guards the device's opening; the state is read without it.
    std::mutex iDeviceLock;
    std::atomic<TDevice> iDeviceState;
    SDL_AudioDeviceID iDevice;
    SDL_AudioSpec iSpec;

    // Guards the voices and the converter; the device's own thread takes it to mix.
    std::mutex iVoiceLock;
    TVoice iSpeech;
    TVoice iStream;
    SDL_AudioStream* iConverter;
    int iConverterRate;
    int iConverterChannels;
};

#endif // ZUSDLSOUNDOUTPUT_H
