// Random bytes for every decoder plug-in, as a file that can seek and as a network stream that cannot:
// each must refuse or decode them within the descriptor's promises, without a crash or a hang.
#include "ZuDecoderPlugins.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{

// Enough to finish any input a fuzzer makes; a decoder that makes more is caught.
const long KMaxFrames = 1L << 24;
const int KChunkFrames = 4096;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

struct TInput
{
    const uint8_t* iData;
    size_t iSize;
    size_t iAt;
};

long Read(void* context, void* buffer, long size)
{
    TInput* input = static_cast<TInput*>(context);
    Require(size >= 0);
    size_t take = std::min(static_cast<size_t>(size), input->iSize - input->iAt);
    if (take > 0)
        std::memcpy(buffer, input->iData + input->iAt, take);
    input->iAt += take;
    return static_cast<long>(take);
}

long long Seek(void* context, long long offset, int whence)
{
    TInput* input = static_cast<TInput*>(context);
    long long base = whence == SEEK_SET   ? 0
                     : whence == SEEK_CUR ? static_cast<long long>(input->iAt)
                                          : static_cast<long long>(input->iSize);
    long long target = base + offset;
    if (target < 0 || target > static_cast<long long>(input->iSize))
        return -1;
    input->iAt = static_cast<size_t>(target);
    return target;
}

long long CannotSeek(void*, long long, int)
{
    return -1;
}

void CheckTags(const TZuDecoder* decoder, void* handle)
{
    const char* name = nullptr;
    const char* value = nullptr;
    for (int i = 0; i < 1000 && decoder->GetTag(handle, i, &name, &value) != 0; ++i)
        Require(name != nullptr && value != nullptr && std::strlen(name) + std::strlen(value) < (1 << 20));
}

void DecodeAll(const TZuDecoder* decoder, const uint8_t* data, size_t size, bool seekable)
{
    TInput state = {data, size, 0};
    TZuDecoderInput input = {&state, Read, seekable ? Seek : CannotSeek,
                             seekable ? static_cast<long long>(size) : -1};
    void* handle = decoder->Open(&input);
    if (handle == nullptr)
        return;
    std::vector<short> pcm(static_cast<size_t>(KChunkFrames) * ZU_DECODER_MAX_CHANNELS);
    long total = 0;
    for (;;)
    {
        TZuDecodedFormat format = {0, 0, 0};
        int frames = decoder->Decode(handle, pcm.data(), KChunkFrames, &format);
        if (format.iTagsChanged != 0)
            CheckTags(decoder, handle);
        if (frames <= 0)
            break;
        Require(frames <= KChunkFrames);
        Require(format.iChannels >= 1 && format.iChannels <= ZU_DECODER_MAX_CHANNELS);
        Require(format.iSampleRate > 0);
        total += frames;
        Require(total <= KMaxFrames);
    }
    decoder->Close(handle);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool ready = []
    {
        CZuDecoderPlugins::SetFolder(ZU_FUZZ_PLUGIN_DIR);
        return CZuDecoderPlugins::Count() > 0;
    }();
    Require(ready);
    if (size > (1 << 20))
        return 0;
    for (int i = 0; i < CZuDecoderPlugins::Count(); ++i)
    {
        const TZuDecoder* decoder = CZuDecoderPlugins::Get(i);
        int score = decoder->Probe(data, static_cast<int>(std::min<size_t>(size, ZU_DECODER_PROBE_BYTES)));
        Require(score >= 0 && score <= 100);
        DecodeAll(decoder, data, size, true);
        DecodeAll(decoder, data, size, false);
    }
    return 0;
}
