// A decoder plug-in for the tests, built several times over: as it should be, and with each fault the
// loader must refuse (ZU_TEST_FAULT). It decodes inputs of the form "ZUTONE <rate> <channels> <frames>
// <mode>" into a square wave of 100 Hz; mode "badformat" hands over an impossible format, "fail" stops
// with an error after the first chunk, "tags" names a title and artist.
#include "ZuDecoderPlugin.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace
{

struct TTone
{
    int iRate = 0;
    int iChannels = 0;
    long iFrames = 0;
    long iMade = 0;
    char iMode[16] = {};
    bool iTagsTold = false;
};

int Probe(const unsigned char* head, int size)
{
    return size >= 6 && std::memcmp(head, "ZUTONE", 6) == 0 ? 100 : 0;
}

void* Open(const TZuDecoderInput* input)
{
    char text[128] = {};
    long got = input->iRead(input->iContext, text, sizeof text - 1);
    if (got <= 0)
        return nullptr;
    TTone* tone = new (std::nothrow) TTone;
    if (tone == nullptr)
        return nullptr;
    if (std::sscanf(text, "ZUTONE %d %d %ld %15s", &tone->iRate, &tone->iChannels, &tone->iFrames,
                    tone->iMode) != 4)
    {
        delete tone;
        return nullptr;
    }
    return tone;
}

int Decode(void* handle, short* pcm, int maxFrames, TZuDecodedFormat* format)
{
    TTone* tone = static_cast<TTone*>(handle);
    bool bad = std::strcmp(tone->iMode, "badformat") == 0;
    format->iSampleRate = bad ? 12 : tone->iRate;
    format->iChannels = bad ? 7 : tone->iChannels;
    format->iTagsChanged = !tone->iTagsTold && std::strcmp(tone->iMode, "tags") == 0;
    tone->iTagsTold = true;
    if (std::strcmp(tone->iMode, "fail") == 0 && tone->iMade > 0)
        return -1;
    long left = tone->iFrames - tone->iMade;
    int frames = left < maxFrames ? static_cast<int>(left) : maxFrames;
    int halfPeriod = tone->iRate / 200;
    for (int i = 0; i < frames; ++i)
    {
        short value = ((tone->iMade + i) / halfPeriod) % 2 == 0 ? 8000 : -8000;
        for (int c = 0; c < tone->iChannels; ++c)
            *pcm++ = value;
    }
    tone->iMade += frames;
    return frames;
}

int GetTag(void* handle, int index, const char** name, const char** value)
{
    TTone* tone = static_cast<TTone*>(handle);
    if (std::strcmp(tone->iMode, "tags") != 0 || index > 1)
        return 0;
    *name = index == 0 ? "TITLE" : "ARTIST";
    *value = index == 0 ? "Square" : "Tester";
    return 1;
}

void Close(void* handle)
{
    delete static_cast<TTone*>(handle);
}

#if ZU_TEST_FAULT == 1
const TZuDecoder KDecoder = {256, ZU_DECODER_TYPE_AUDIO, "Old version", Probe, Open, Decode, GetTag, Close};
#elif ZU_TEST_FAULT == 2
const TZuDecoder KDecoder = {ZU_DECODER_VERSION, 1, "Wrong type", Probe, Open, Decode, GetTag, Close};
#elif ZU_TEST_FAULT == 3
const TZuDecoder KDecoder = {
    ZU_DECODER_VERSION, ZU_DECODER_TYPE_AUDIO, "No close", Probe, Open, Decode, GetTag, nullptr};
#else
const TZuDecoder KDecoder = {
    ZU_DECODER_VERSION, ZU_DECODER_TYPE_AUDIO, "Test tone", Probe, Open, Decode, GetTag, Close};
#endif

} // namespace

#if ZU_TEST_FAULT == 4
// No entry point at all: the library is something else that happens to carry a plug-in's name.
extern "C" __attribute__((visibility("default"))) const TZuDecoder* otherFunction()
{
    return &KDecoder;
}
#elif ZU_TEST_FAULT == 5
extern "C" __attribute__((visibility("default"))) const TZuDecoder* mapGetDecoder()
{
    return nullptr;
}
#else
extern "C" __attribute__((visibility("default"))) const TZuDecoder* mapGetDecoder()
{
    return &KDecoder;
}
#endif
