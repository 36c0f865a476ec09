// The Ogg Vorbis decoder plug-in, through libvorbisfile: files and chained radio streams, with the
// Vorbis comments as the player's tags. Built as zu-decoder-ogg.so.
#define OV_EXCLUDE_STATIC_CALLBACKS
#include "ZuDecoderPlugin.h"
#include "ZuPluginTags.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <vorbis/vorbisfile.h>

namespace
{

// The comments the player shows, in the order they are shown.
const char* const KCommentNames[] = {"TITLE", "ARTIST", "ALBUM", "GENRE", "DATE", "TRACKNUMBER", "COMMENT"};
// Gaps in a damaged stream are skipped; this many in one call mean there is no sound left to find.
const int KMaxHolesInARow = 64;

// The first page of a Vorbis stream carries the identification header: packet type 1 and "vorbis".
int Probe(const unsigned char* head, int size)
{
    if (size < 28 || std::memcmp(head, "OggS", 4) != 0)
        return 0;
    int segments = head[26];
    int packet = 27 + segments;
    if (packet + 7 > size)
        return 0;
    return std::memcmp(head + packet, "\x01vorbis", 7) == 0 ? 100 : 0;
}

size_t ReadInput(void* buffer, size_t size, size_t count, void* handle)
{
    const TZuDecoderInput* input = static_cast<const TZuDecoderInput*>(handle);
    if (size == 0)
        return 0;
    long got = input->iRead(input->iContext, buffer, static_cast<long>(size * count));
    return got > 0 ? static_cast<size_t>(got) / size : 0;
}

struct TOggDecoder
{
    OggVorbis_File iFile;
    // The chained stream now decoded; -1 before the first sound.
    int iLink = -1;
    CZuPluginTags iTags;
};

void ReadComments(TOggDecoder& decoder)
{
    decoder.iTags.Clear();
    vorbis_comment* comments = ov_comment(&decoder.iFile, -1);
    if (comments == nullptr)
        return;
    for (const char* name : KCommentNames)
    {
        const char* value = vorbis_comment_query(comments, name, 0);
        if (value != nullptr)
            decoder.iTags.Set(name, value);
    }
}

short ToSample(float value)
{
    float scaled = std::nearbyint(value * 32767.0f);
    if (scaled > 32767.0f)
        return 32767;
    if (scaled < -32768.0f)
        return -32768;
    return static_cast<short>(scaled);
}

// Vorbis orders wider sound front left, centre, front right, ... (four channels: front left, front right,
// rear left, rear right); the front pair is kept.
int RightChannel(int channels)
{
    if (channels == 1)
        return 0;
    return channels == 2 || channels == 4 ? 1 : 2;
}

// Every input is read front to back, as a stream: the player never seeks, and a seekable open would look
// for the ends of chained streams across the whole file, which fails on a file damaged or cut short.
void* Open(const TZuDecoderInput* input)
{
    TOggDecoder* decoder = new (std::nothrow) TOggDecoder;
    if (decoder == nullptr)
        return nullptr;
    ov_callbacks callbacks = {ReadInput, nullptr, nullptr, nullptr};
    if (ov_open_callbacks(const_cast<TZuDecoderInput*>(input), &decoder->iFile, nullptr, 0, callbacks) != 0)
    {
        delete decoder;
        return nullptr;
    }
    return decoder;
}

int Decode(void* handle, short* pcm, int maxFrames, TZuDecodedFormat* format)
{
    TOggDecoder* decoder = static_cast<TOggDecoder*>(handle);
    format->iTagsChanged = 0;
    for (int holes = 0; holes < KMaxHolesInARow; ++holes)
    {
        float** channels = nullptr;
        int link = 0;
        long frames = ov_read_float(&decoder->iFile, &channels, maxFrames, &link);
        if (frames == OV_HOLE)
            continue;
        if (frames < 0)
            return -1;
        if (frames == 0)
            return 0;
        vorbis_info* info = ov_info(&decoder->iFile, -1);
        if (info == nullptr || info->channels < 1)
            return -1;
        if (link != decoder->iLink)
        {
            decoder->iLink = link;
            ReadComments(*decoder);
            format->iTagsChanged = 1;
        }
        format->iSampleRate = static_cast<int>(info->rate);
        format->iChannels = info->channels == 1 ? 1 : 2;
        int right = RightChannel(info->channels);
        for (long i = 0; i < frames; ++i)
        {
            *pcm++ = ToSample(channels[0][i]);
            if (format->iChannels == 2)
                *pcm++ = ToSample(channels[right][i]);
        }
        return static_cast<int>(frames);
    }
    return -1;
}

int GetTag(void* handle, int index, const char** name, const char** value)
{
    return static_cast<TOggDecoder*>(handle)->iTags.Get(index, name, value);
}

void Close(void* handle)
{
    TOggDecoder* decoder = static_cast<TOggDecoder*>(handle);
    if (decoder == nullptr)
        return;
    ov_clear(&decoder->iFile);
    delete decoder;
}

const TZuDecoder KDecoder = {
    ZU_DECODER_VERSION, ZU_DECODER_TYPE_AUDIO, "Ogg Vorbis", Probe, Open, Decode, GetTag, Close};

} // namespace

extern "C" __attribute__((visibility("default"))) const TZuDecoder* mapGetDecoder()
{
    return &KDecoder;
}
