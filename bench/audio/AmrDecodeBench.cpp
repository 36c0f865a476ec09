// A word's clip of 2 seconds (100 frames of the highest mode) made into a WAV image, beside the bare loop
// of the decoder library over the same frames: the difference is what the player adds.
#include "ZuAmrDecoder.h"
#include "ZuBuffer.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <opencore-amrnb/interf_dec.h>
#include <opencore-amrnb/interf_enc.h>
#include <vector>

namespace
{

const int KFrames = 100;

// Two syllables of a voiced sound with a gliding pitch, encoded as a clip.
const std::vector<unsigned char>& SpeechClip()
{
    static std::vector<unsigned char> clip;
    if (!clip.empty())
        return clip;
    clip = {'#', '!', 'A', 'M', 'R', '\n'};
    void* encoder = Encoder_Interface_init(0);
    for (int frame = 0; frame < KFrames; ++frame)
    {
        short samples[160];
        for (int i = 0; i < 160; ++i)
        {
            double t = (frame * 160 + i) / 8000.0;
            double envelope = std::pow(std::sin(M_PI * t), 2);
            double pitch = 130 * (1 + 0.2 * std::sin(5 * t));
            double value = 0;
            for (int harmonic = 1; harmonic < 10; ++harmonic)
                value += std::sin(2 * M_PI * pitch * harmonic * t) / harmonic;
            samples[i] = static_cast<short>(6000 * envelope * value);
        }
        unsigned char out[64];
        int bytes = Encoder_Interface_Encode(encoder, MR122, samples, out, 0);
        clip.insert(clip.end(), out, out + bytes);
    }
    Encoder_Interface_exit(encoder);
    return clip;
}

void ClipToWavImage(benchmark::State& state)
{
    const std::vector<unsigned char>& clip = SpeechClip();
    for (auto _ : state)
    {
        CZuBuffer image;
        CZuAmrDecoder decoder;
        decoder.DecodeToWav(reinterpret_cast<const char*>(clip.data()), static_cast<int>(clip.size()), image);
        benchmark::DoNotOptimize(image.Data());
    }
    state.SetLabel("100 frames");
}
BENCHMARK(ClipToWavImage)->Unit(benchmark::kMicrosecond);

void BareDecoderLoop(benchmark::State& state)
{
    const std::vector<unsigned char>& clip = SpeechClip();
    // Every frame of the clip is 32 bytes: the header and 31 payload bytes.
    static short pcm[KFrames * 160];
    if (clip.size() != 6 + KFrames * 32)
        state.SkipWithError("the clip is not made of whole frames of the highest mode");
    for (auto _ : state)
    {
        void* decoder = Decoder_Interface_init();
        const unsigned char* frame = clip.data() + 6;
        for (int i = 0; i < KFrames; ++i, frame += 32)
            Decoder_Interface_Decode(decoder, frame, pcm + i * 160, 0);
        Decoder_Interface_exit(decoder);
        benchmark::DoNotOptimize(pcm);
    }
    state.SetLabel("100 frames");
}
BENCHMARK(BareDecoderLoop)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
