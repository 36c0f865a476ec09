// Random WAV files, and what is read from them made into a clip.
#include "AmrFormat.h"
#include "SpeechClip.h"
#include "WaveFile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CWaveFile wave;
    if (!wave.Parse(std::vector<unsigned char>(data, data + size)))
        return 0;
    if (wave.Samples().empty() || wave.SampleRate() < 1000 || wave.Samples().size() > size)
        abort();
    for (float sample : wave.Samples())
    {
        if (!(std::fabs(sample) <= 1.0f))
            abort();
    }
    CSpeechClip maker;
    TClipBytes clip;
    if (!maker.Make(wave.Samples(), wave.SampleRate(), clip))
        return 0;
    CAmrFormat::Scramble(clip);
    int frames = 0;
    if (!CAmrFormat::Validate(clip.data(), static_cast<int>(clip.size()), frames).empty())
        abort();
    return 0;
}
