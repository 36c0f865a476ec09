// Plays random bytes as a speech clip and checks the WAV image that reaches the sound output.
#include "ZuAudio.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{

uint32_t Le32(const unsigned char* at)
{
    return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

uint16_t Le16(const unsigned char* at)
{
    return static_cast<uint16_t>(at[0] | (at[1] << 8));
}

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

class CCheckingOutput : public IZuSoundOutput
{
public:
    void PlayWav(const unsigned char* image, int size) override
    {
        ++iImages;
        Require(image != nullptr && size >= 44);
        Require(std::memcmp(image, "RIFF", 4) == 0 && std::memcmp(image + 8, "WAVEfmt ", 8) == 0);
        Require(Le32(image + 4) == static_cast<uint32_t>(size) - 8);
        Require(Le32(image + 16) == 16 && Le16(image + 20) == 1 && Le16(image + 22) == 1);
        Require(Le32(image + 24) == 8000 && Le32(image + 28) == 16000);
        Require(Le16(image + 32) == 2 && Le16(image + 34) == 16);
        Require(std::memcmp(image + 36, "data", 4) == 0);
        Require(Le32(image + 40) == static_cast<uint32_t>(size) - 44);
        Require(Le32(image + 40) == static_cast<uint32_t>(iExpectedFrames) * 320);
    }
    bool IsPlaying() override { return iImages > 0; }
    bool HasDevice() override { return true; }

    int iExpectedFrames = 0;
    int iImages = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    const char* clip = reinterpret_cast<const char*>(data);
    int length = static_cast<int>(size);

    CCheckingOutput output;
    output.iExpectedFrames = CZuAmrDecoder::CountFrames(clip, length);
    Require(output.iExpectedFrames <= (length > 6 ? length - 6 : 0));
    IZuSoundOutput* previous = IZuSoundOutput::Replace(&output);
    CZuAudioPlayer player(nullptr);
    player.AmrDataPlay(clip, length);
    player.AmrDataClear();
    player.AmrDataAppend(clip, length);
    player.Stop();
    IZuSoundOutput::Replace(previous);
    Require(output.iImages == 2);
    return 0;
}
