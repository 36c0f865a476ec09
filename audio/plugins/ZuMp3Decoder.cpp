// The MP3 decoder plug-in: MPEG audio layers 2 and 3 through libmpg123, with the ID3 tags as the player's
// tags. Built as zu-decoder-mp3.so.
#include "ZuDecoderPlugin.h"
#include "ZuPluginTags.h"

#include <cerrno>
#include <cstdio>
#include <mpg123.h>
#include <new>
#include <string>

namespace
{

// MPEG-1 and MPEG-2 layer 3 rates; MPEG-2.5 halves the MPEG-2 ones again.
const int KSampleRates[3][3] = {{44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}};
// kbit/s by [MPEG-1 or not][layer 1, 2, 3][index 1..14].
const int KBitrates[2][3][15] = {{{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
                                  {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
                                  {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
                                 {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
                                  {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
                                  {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};

// The length of the MPEG audio frame whose header starts at bytes, or 0 when these are no frame header.
// Free-format frames (bit rate index 0) are not recognised: they are rare and their length is unknown.
int FrameLength(const unsigned char* bytes)
{
    if (bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0)
        return 0;
    int version = (bytes[1] >> 3) & 3; // 0 MPEG-2.5, 1 reserved, 2 MPEG-2, 3 MPEG-1
    int layerBits = (bytes[1] >> 1) & 3;
    int bitrateIndex = bytes[2] >> 4;
    int rateIndex = (bytes[2] >> 2) & 3;
    if (version == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return 0;
    int layer = 4 - layerBits;
    bool mpeg1 = version == 3;
    int rate = KSampleRates[mpeg1 ? 0 : version == 2 ? 1 : 2][rateIndex];
    int bitrate = KBitrates[mpeg1 ? 0 : 1][layer - 1][bitrateIndex] * 1000;
    int padding = (bytes[2] >> 1) & 1;
    if (layer == 1)
        return (12 * bitrate / rate + padding) * 4;
    int perSample = layer == 3 && !mpeg1 ? 72 : 144;
    return perSample * bitrate / rate + padding;
}

// A tagged file starts with "ID3"; untagged sound (a radio stream joined midway) shows frames that follow
// each other, found by their headers.
int Probe(const unsigned char* head, int size)
{
    if (size >= 10 && head[0] == 'I' && head[1] == 'D' && head[2] == '3' && head[3] < 0xFF && head[4] < 0xFF)
        return 60;
    for (int at = 0; at + 4 <= size; ++at)
    {
        int length = FrameLength(head + at);
        if (length < 4)
            continue;
        int next = at + length;
        if (next + 4 <= size && FrameLength(head + next) > 0 &&
            (head[next + 1] & 0xFE) == (head[at + 1] & 0xFE))
            return 80;
    }
    return 0;
}

ssize_t ReadInput(void* handle, void* buffer, size_t size)
{
    const TZuDecoderInput* input = static_cast<const TZuDecoderInput*>(handle);
    long got = input->iRead(input->iContext, buffer, static_cast<long>(size));
    if (got < 0)
    {
        errno = EIO;
        return -1;
    }
    return got;
}

off_t SeekInput(void* handle, off_t offset, int whence)
{
    const TZuDecoderInput* input = static_cast<const TZuDecoderInput*>(handle);
    return static_cast<off_t>(input->iSeek(input->iContext, offset, whence));
}

struct TMp3Decoder
{
    mpg123_handle* iHandle = nullptr;
    int iRate = 0;
    int iChannels = 0;
    CZuPluginTags iTags;
};

// ID3 version 1 fields are Latin-1 of a fixed width, padded with NULs or spaces.
std::string Latin1Field(const char* field, int width)
{
    std::string text;
    for (int i = 0; i < width && field[i] != '\0'; ++i)
    {
        unsigned char ch = static_cast<unsigned char>(field[i]);
        if (ch < 0x80)
        {
            text += static_cast<char>(ch);
            continue;
        }
        text += static_cast<char>(0xC0 | (ch >> 6));
        text += static_cast<char>(0x80 | (ch & 0x3F));
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string Text(const mpg123_string* text)
{
    if (text == nullptr || text->p == nullptr || text->fill == 0)
        return std::string();
    return std::string(text->p, text->fill - 1);
}

void ReadVersion2(const mpg123_id3v2& tag, CZuPluginTags& tags)
{
    tags.Set("TITLE", Text(tag.title));
    tags.Set("ARTIST", Text(tag.artist));
    tags.Set("ALBUM", Text(tag.album));
    tags.Set("GENRE", Text(tag.genre));
    tags.Set("DATE", Text(tag.year));
    tags.Set("COMMENT", Text(tag.comment));
    for (size_t i = 0; i < tag.texts; ++i)
    {
        const mpg123_text& text = tag.text[i];
        if (text.id[0] == 'T' && text.id[1] == 'R' && text.id[2] == 'C' && text.id[3] == 'K')
            tags.Set("TRACKNUMBER", Text(&text.text));
    }
}

void ReadVersion1(const mpg123_id3v1& tag, CZuPluginTags& tags)
{
    tags.Set("TITLE", Latin1Field(tag.title, 30));
    tags.Set("ARTIST", Latin1Field(tag.artist, 30));
    tags.Set("ALBUM", Latin1Field(tag.album, 30));
    tags.Set("DATE", Latin1Field(tag.year, 4));
    // Version 1.1 keeps the track number in the comment's last byte, behind a NUL.
    bool hasTrack = tag.comment[28] == '\0' && tag.comment[29] != '\0';
    tags.Set("COMMENT", Latin1Field(tag.comment, hasTrack ? 28 : 30));
    if (hasTrack)
        tags.Set("TRACKNUMBER", std::to_string(static_cast<unsigned char>(tag.comment[29])));
}

// Answers whether the tags changed. The library finds a version 2 tag at the start and a version 1 tag at
// the end; the fuller version 2 is kept when the file has both.
bool TakeTags(TMp3Decoder& decoder)
{
    if ((mpg123_meta_check(decoder.iHandle) & MPG123_NEW_ID3) == 0)
        return false;
    mpg123_id3v1* version1 = nullptr;
    mpg123_id3v2* version2 = nullptr;
    if (mpg123_id3(decoder.iHandle, &version1, &version2) != MPG123_OK)
        return false;
    decoder.iTags.Clear();
    if (version2 != nullptr)
        ReadVersion2(*version2, decoder.iTags);
    if (decoder.iTags.Empty() && version1 != nullptr)
        ReadVersion1(*version1, decoder.iTags);
    return true;
}

bool ReadFormat(TMp3Decoder& decoder)
{
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(decoder.iHandle, &rate, &channels, &encoding) != MPG123_OK)
        return false;
    if (encoding != MPG123_ENC_SIGNED_16 || channels < 1 || channels > ZU_DECODER_MAX_CHANNELS)
        return false;
    decoder.iRate = static_cast<int>(rate);
    decoder.iChannels = channels;
    return true;
}

void Close(void* handle)
{
    TMp3Decoder* decoder = static_cast<TMp3Decoder*>(handle);
    if (decoder == nullptr)
        return;
    if (decoder->iHandle != nullptr)
    {
        mpg123_close(decoder->iHandle);
        mpg123_delete(decoder->iHandle);
    }
    delete decoder;
}

mpg123_handle* NewHandle()
{
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    if (handle == nullptr)
        return nullptr;
    // Damaged input is expected (radio streams, cut files): the library must not print about it.
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_format_none(handle);
    const long* rates = nullptr;
    size_t count = 0;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i)
        mpg123_format(handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    return handle;
}

void* Open(const TZuDecoderInput* input)
{
    TMp3Decoder* decoder = new (std::nothrow) TMp3Decoder;
    if (decoder == nullptr)
        return nullptr;
    decoder->iHandle = NewHandle();
    if (decoder->iHandle == nullptr ||
        mpg123_replace_reader_handle(decoder->iHandle, ReadInput, SeekInput, nullptr) != MPG123_OK ||
        mpg123_open_handle(decoder->iHandle, const_cast<TZuDecoderInput*>(input)) != MPG123_OK ||
        !ReadFormat(*decoder))
    {
        Close(decoder);
        return nullptr;
    }
    return decoder;
}

int Decode(void* handle, short* pcm, int maxFrames, TZuDecodedFormat* format)
{
    TMp3Decoder* decoder = static_cast<TMp3Decoder*>(handle);
    format->iTagsChanged = 0;
    // A new format comes with no sound; more than a few in a row means the input is not sound any more.
    for (int attempt = 0; attempt < 8; ++attempt)
    {
        size_t wanted = static_cast<size_t>(maxFrames) * decoder->iChannels * sizeof(short);
        size_t done = 0;
        int result = mpg123_read(decoder->iHandle, pcm, wanted, &done);
        if (TakeTags(*decoder))
            format->iTagsChanged = 1;
        format->iSampleRate = decoder->iRate;
        format->iChannels = decoder->iChannels;
        int frames = static_cast<int>(done / (decoder->iChannels * sizeof(short)));
        if (frames > 0)
            return frames;
        if (result == MPG123_NEW_FORMAT)
        {
            if (!ReadFormat(*decoder))
                return -1;
            continue;
        }
        if (result == MPG123_DONE)
            return 0;
        if (result != MPG123_OK)
            return -1;
    }
    return -1;
}

int GetTag(void* handle, int index, const char** name, const char** value)
{
    return static_cast<TMp3Decoder*>(handle)->iTags.Get(index, name, value);
}

const TZuDecoder KDecoder = {
    ZU_DECODER_VERSION, ZU_DECODER_TYPE_AUDIO, "MP3", Probe, Open, Decode, GetTag, Close};

} // namespace

extern "C" __attribute__((visibility("default"))) const TZuDecoder* mapGetDecoder()
{
    return &KDecoder;
}
