#include "ToolTestUtil.h"

#include "AmrFormat.h"
#include "CourseOper.h"
#include "EspeakPhonemes.h"
#include "SpeechClip.h"
#include "SpeechSynth.h"
#include "TestBytes.h"
#include "WordInfo.h"

#include <opencore-amrnb/interf_dec.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <unistd.h>

TToolRun RunTool(const TArgs& args)
{
    char* outText = nullptr;
    char* errText = nullptr;
    size_t outSize = 0;
    size_t errSize = 0;
    FILE* out = open_memstream(&outText, &outSize);
    FILE* err = open_memstream(&errText, &errSize);
    TToolRun run;
    run.iStatus = RunCourseTool(args, TToolStreams{out, err});
    std::fclose(out);
    std::fclose(err);
    run.iOut.assign(outText, outSize);
    run.iErr.assign(errText, errSize);
    std::free(outText);
    std::free(errText);
    return run;
}

void WriteText(const std::string& path, const std::string& text)
{
    WriteFileBytes(path, std::vector<unsigned char>(text.begin(), text.end()));
}

std::vector<unsigned char> MakeWav(const std::vector<short>& samples, int rate, int channels)
{
    std::vector<unsigned char> bytes = {'R', 'I', 'F', 'F'};
    unsigned int dataSize = static_cast<unsigned int>(samples.size() * 2);
    AppendLittleEndian32(bytes, 36 + dataSize);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    AppendLittleEndian32(bytes, 16);
    AppendLittleEndian16(bytes, 1);
    AppendLittleEndian16(bytes, static_cast<unsigned int>(channels));
    AppendLittleEndian32(bytes, static_cast<unsigned int>(rate));
    AppendLittleEndian32(bytes, static_cast<unsigned int>(rate * channels * 2));
    AppendLittleEndian16(bytes, static_cast<unsigned int>(channels * 2));
    AppendLittleEndian16(bytes, 16);
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    AppendLittleEndian32(bytes, dataSize);
    for (short sample : samples)
        AppendLittleEndian16(bytes, static_cast<unsigned short>(sample));
    return bytes;
}

std::vector<float> DecodeAmr(const unsigned char* clip, int length)
{
    std::vector<float> samples;
    int frames = 0;
    if (!CAmrFormat::Validate(clip, length, frames).empty())
        return samples;
    void* decoder = Decoder_Interface_init();
    int pos = CAmrFormat::KMagicSize;
    while (pos < length)
    {
        short out[CAmrFormat::KFrameSamples];
        Decoder_Interface_Decode(decoder, clip + pos, out, 0);
        for (short sample : out)
            samples.push_back(sample / 32768.0f);
        pos += CAmrFormat::FrameSize(clip[pos]);
    }
    Decoder_Interface_exit(decoder);
    return samples;
}

std::vector<float> CourseClip(const CCourseOper& course, const CWordInfo& word)
{
    int length = 0;
    char* clip = course.ReadSpeech(word, length);
    if (clip == nullptr)
        return std::vector<float>();
    std::vector<float> decoded = DecodeAmr(reinterpret_cast<unsigned char*>(clip), length);
    delete[] clip;
    return decoded;
}

std::vector<float> SpokenClip(CSpeechSynth& synth, const std::string& word, const std::string& phonetic)
{
    std::vector<float> spoken;
    std::string phonemes;
    std::string unknown;
    bool said = CEspeakPhonemes::FromIpa(phonetic, phonemes, unknown) ? synth.SpeakPhonemes(phonemes, spoken)
                                                                      : synth.Speak(word, spoken);
    TClipBytes clip;
    CSpeechClip maker;
    if (!said || !maker.Make(spoken, synth.SampleRate(), clip))
        return std::vector<float>();
    CAmrFormat::Scramble(clip);
    return DecodeAmr(clip.data(), static_cast<int>(clip.size()));
}

std::vector<float> Envelope(const std::vector<float>& samples, int frameSamples)
{
    std::vector<float> envelope;
    for (size_t start = 0; start + frameSamples <= samples.size(); start += frameSamples)
    {
        double sum = 0;
        for (int i = 0; i < frameSamples; ++i)
            sum += samples[start + i] * samples[start + i];
        envelope.push_back(static_cast<float>(std::sqrt(sum / frameSamples)));
    }
    return envelope;
}

double Correlation(const std::vector<float>& a, const std::vector<float>& b)
{
    size_t n = a.size() < b.size() ? a.size() : b.size();
    if (n < 2)
        return 0;
    double meanA = 0, meanB = 0;
    for (size_t i = 0; i < n; ++i)
    {
        meanA += a[i];
        meanB += b[i];
    }
    meanA /= n;
    meanB /= n;
    double ab = 0, aa = 0, bb = 0;
    for (size_t i = 0; i < n; ++i)
    {
        ab += (a[i] - meanA) * (b[i] - meanB);
        aa += (a[i] - meanA) * (a[i] - meanA);
        bb += (b[i] - meanB) * (b[i] - meanB);
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

std::vector<std::vector<float>> Spectrogram(const std::vector<float>& samples)
{
    const int frameSize = 160;
    const int bands = 16;
    const int binsPerBand = frameSize / 2 / bands;
    std::vector<std::vector<float>> frames;
    for (size_t start = 0; start + frameSize <= samples.size(); start += frameSize)
    {
        std::vector<float> frame(bands, 0.0f);
        for (int bin = 0; bin < frameSize / 2; ++bin)
        {
            double re = 0, im = 0;
            for (int n = 0; n < frameSize; ++n)
            {
                double window = 0.5 - 0.5 * std::cos(2 * M_PI * n / (frameSize - 1));
                double angle = 2 * M_PI * bin * n / frameSize;
                re += window * samples[start + n] * std::cos(angle);
                im -= window * samples[start + n] * std::sin(angle);
            }
            frame[bin / binsPerBand] += static_cast<float>(re * re + im * im);
        }
        // Bands far below the frame's loudest one are noise, in which the codec and the synthesiser differ.
        float loudest = -1000.0f;
        for (float& band : frame)
        {
            band = static_cast<float>(10 * std::log10(band + 1e-2));
            loudest = std::fmax(loudest, band);
        }
        for (float& band : frame)
            band = std::fmax(band, loudest - 30.0f);
        frames.push_back(frame);
    }
    return frames;
}

double SpectralDistance(const std::vector<std::vector<float>>& a, const std::vector<std::vector<float>>& b)
{
    if (a.empty() || b.empty())
        return 1e9;
    auto frameDistance = [&](size_t i, size_t k)
    {
        double sum = 0;
        for (size_t band = 0; band < a[i].size(); ++band)
            sum += (a[i][band] - b[k][band]) * (a[i][band] - b[k][band]);
        return std::sqrt(sum);
    };
    // cost[i][k]: the cheapest alignment of a[0..i] with b[0..k]; steps[i][k]: its length.
    std::vector<std::vector<double>> cost(a.size(), std::vector<double>(b.size(), 0));
    std::vector<std::vector<int>> steps(a.size(), std::vector<int>(b.size(), 1));
    for (size_t i = 0; i < a.size(); ++i)
    {
        for (size_t k = 0; k < b.size(); ++k)
        {
            double here = frameDistance(i, k);
            if (i == 0 && k == 0)
            {
                cost[i][k] = here;
                continue;
            }
            double best = 1e18;
            int bestSteps = 0;
            auto consider = [&](size_t pi, size_t pk)
            {
                if (cost[pi][pk] < best)
                {
                    best = cost[pi][pk];
                    bestSteps = steps[pi][pk];
                }
            };
            if (i > 0)
                consider(i - 1, k);
            if (k > 0)
                consider(i, k - 1);
            if (i > 0 && k > 0)
                consider(i - 1, k - 1);
            cost[i][k] = best + here;
            steps[i][k] = bestSteps + 1;
        }
    }
    return cost.back().back() / steps.back().back();
}
