#include "SpeechClip.h"

#include <opencore-amrnb/interf_dec.h>
#include <opencore-amrnb/interf_enc.h>
#include <samplerate.h>

#include <cmath>

namespace
{

// Below -40 dBFS counts as silence; 20 ms of it stay at each end so that no sound starts abruptly.
const float KSilence = 0.01f;
const int KSilenceMargin = CSpeechClip::KClipRate / 50;
// A peak of -3 dBFS leaves room for the codec's overshoot; no more than 24 dB of gain, so that a
// near-silent recording is not blown up into noise.
const float KTargetPeak = 0.708f;
const float KMaxGain = 16.0f;
// The largest AMR-NB frame.
const int KMaxFrameBytes = 32;
// A clip whose decoded sound would clip is encoded again this much quieter (1 dB), a few times at most.
const float KQuieter = 0.891f;
const int KMaxLevelTries = 6;

// True when decoding clip (plain, magic first) gives a sample at full scale.
bool DecodesClipped(const TClipBytes& clip)
{
    void* decoder = Decoder_Interface_init();
    if (decoder == nullptr)
        return false;
    bool clipped = false;
    size_t pos = CAmrFormat::KMagicSize;
    while (pos < clip.size() && !clipped)
    {
        short out[CAmrFormat::KFrameSamples];
        Decoder_Interface_Decode(decoder, &clip[pos], out, 0);
        for (short sample : out)
            clipped = clipped || sample >= 32767 || sample <= -32767;
        pos += static_cast<size_t>(CAmrFormat::FrameSize(clip[pos]));
    }
    Decoder_Interface_exit(decoder);
    return clipped;
}

} // namespace

CSpeechClip::CSpeechClip() {}

CSpeechClip::~CSpeechClip() {}

bool CSpeechClip::Resample(const std::vector<float>& in, int rate, std::vector<float>& out,
                           std::string& error)
{
    if (rate == KClipRate)
    {
        out = in;
        return true;
    }
    double ratio = static_cast<double>(KClipRate) / rate;
    out.assign(static_cast<size_t>(std::ceil(in.size() * ratio)) + 16, 0.0f);
    SRC_DATA data = {};
    data.data_in = in.data();
    data.input_frames = static_cast<long>(in.size());
    data.data_out = out.data();
    data.output_frames = static_cast<long>(out.size());
    data.src_ratio = ratio;
    data.end_of_input = 1;
    int result = src_simple(&data, SRC_SINC_FASTEST, 1);
    if (result != 0)
    {
        error = std::string("resampling failed: ") + src_strerror(result);
        return false;
    }
    out.resize(static_cast<size_t>(data.output_frames_gen));
    return true;
}

void CSpeechClip::TrimSilence(std::vector<float>& samples)
{
    size_t first = 0;
    while (first < samples.size() && std::fabs(samples[first]) < KSilence)
        ++first;
    if (first == samples.size())
    {
        samples.clear();
        return;
    }
    size_t end = samples.size();
    while (end > first && std::fabs(samples[end - 1]) < KSilence)
        --end;
    first = first > static_cast<size_t>(KSilenceMargin) ? first - KSilenceMargin : 0;
    end = end + KSilenceMargin < samples.size() ? end + KSilenceMargin : samples.size();
    samples = std::vector<float>(samples.begin() + static_cast<long>(first),
                                 samples.begin() + static_cast<long>(end));
}

void CSpeechClip::Normalise(std::vector<float>& samples)
{
    float peak = 0.0f;
    for (float sample : samples)
        peak = std::fmax(peak, std::fabs(sample));
    if (peak <= 0.0f)
        return;
    float gain = std::fmin(KTargetPeak / peak, KMaxGain);
    for (float& sample : samples)
        sample = std::fmax(-1.0f, std::fmin(1.0f, sample * gain));
}

bool CSpeechClip::Encode(const std::vector<float>& samples, TClipBytes& clip)
{
    // A fresh encoder for every clip: the player decodes each clip from a fresh state.
    void* encoder = Encoder_Interface_init(0);
    if (encoder == nullptr)
        return false;
    size_t frames = (samples.size() + CAmrFormat::KFrameSamples - 1) / CAmrFormat::KFrameSamples;
    clip.assign(CAmrFormat::KMagic, CAmrFormat::KMagic + CAmrFormat::KMagicSize);
    clip.reserve(clip.size() + frames * KMaxFrameBytes);
    short frame[CAmrFormat::KFrameSamples];
    for (size_t f = 0; f < frames; ++f)
    {
        for (int i = 0; i < CAmrFormat::KFrameSamples; ++i)
        {
            size_t at = f * CAmrFormat::KFrameSamples + i;
            frame[i] = at < samples.size() ? static_cast<short>(std::lrint(samples[at] * 32767.0f)) : 0;
        }
        unsigned char encoded[KMaxFrameBytes * 2];
        int size = Encoder_Interface_Encode(encoder, MR122, frame, encoded, 0);
        if (size > 0)
            clip.insert(clip.end(), encoded, encoded + size);
    }
    Encoder_Interface_exit(encoder);
    return true;
}

bool CSpeechClip::Make(const std::vector<float>& samples, int rate, TClipBytes& clip)
{
    clip.clear();
    std::vector<float> resampled;
    if (!Resample(samples, rate, resampled, iError))
        return false;
    TrimSilence(resampled);
    if (resampled.empty())
    {
        iError = "the sound is silent";
        return false;
    }
    Normalise(resampled);
    for (int attempt = 0;; ++attempt)
    {
        if (!Encode(resampled, clip))
        {
            iError = "the AMR encoder could not start";
            return false;
        }
        // The codec can overshoot the levelled peak; the learner must not hear it clip.
        if (attempt + 1 == KMaxLevelTries || !DecodesClipped(clip))
            break;
        for (float& sample : resampled)
            sample *= KQuieter;
    }
    CAmrFormat::Scramble(clip);
    return true;
}
