// WAV files in, AMR clips out: reading sounds, resampling, trimming, levelling, encoding and scrambling.
#include "AmrFormat.h"
#include "SpeechClip.h"
#include "ToolTestUtil.h"
#include "WaveFile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

std::vector<short> Sine(int rate, double seconds, double frequency, double amplitude)
{
    std::vector<short> samples(static_cast<size_t>(rate * seconds));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] =
            static_cast<short>(std::lrint(amplitude * 32767 * std::sin(2 * M_PI * frequency * i / rate)));
    return samples;
}

float Peak(const std::vector<float>& samples)
{
    float peak = 0;
    for (float s : samples)
        peak = std::fmax(peak, std::fabs(s));
    return peak;
}

} // namespace

TEST(WaveFile, Reads16BitStereoMixedToMono)
{
    std::vector<short> frames = {1000, 3000, -16384, 0, 32767, 32767};
    CWaveFile wave;
    ASSERT_TRUE(wave.Parse(MakeWav(frames, 44100, 2))) << wave.Error();
    EXPECT_EQ(44100, wave.SampleRate());
    ASSERT_EQ(3u, wave.Samples().size());
    EXPECT_NEAR(2000 / 32768.0, wave.Samples()[0], 1e-6);
    EXPECT_NEAR(-0.25, wave.Samples()[1], 1e-6);
    EXPECT_NEAR(32767 / 32768.0, wave.Samples()[2], 1e-6);
}

TEST(WaveFile, Reads8And24BitAndFloat)
{
    std::vector<unsigned char> wav = MakeWav({}, 8000, 1);
    // Rewrite as 8-bit: two samples 0x00 and 0xC0.
    wav[34] = 8;
    wav[32] = 1;
    wav.insert(wav.end(), {0x00, 0xC0});
    wav[40] = 2;
    CWaveFile wave;
    ASSERT_TRUE(wave.Parse(wav)) << wave.Error();
    ASSERT_EQ(2u, wave.Samples().size());
    EXPECT_FLOAT_EQ(-1.0f, wave.Samples()[0]);
    EXPECT_FLOAT_EQ(0.5f, wave.Samples()[1]);

    wav = MakeWav({}, 8000, 1);
    wav[34] = 24;
    wav[32] = 3;
    wav.insert(wav.end(), {0x00, 0x00, 0xC0});
    wav[40] = 3;
    ASSERT_TRUE(wave.Parse(wav)) << wave.Error();
    ASSERT_EQ(1u, wave.Samples().size());
    EXPECT_FLOAT_EQ(-0.5f, wave.Samples()[0]);

    wav = MakeWav({}, 16000, 1);
    wav[20] = 3; // float
    wav[34] = 32;
    wav[32] = 4;
    float values[] = {0.25f, 7.0f};
    const unsigned char* raw = reinterpret_cast<const unsigned char*>(values);
    wav.insert(wav.end(), raw, raw + 8);
    wav[40] = 8;
    ASSERT_TRUE(wave.Parse(wav)) << wave.Error();
    ASSERT_EQ(2u, wave.Samples().size());
    EXPECT_FLOAT_EQ(0.25f, wave.Samples()[0]);
    EXPECT_FLOAT_EQ(1.0f, wave.Samples()[1]);
}

TEST(WaveFile, SkipsOtherChunksAndReadsACutDataChunk)
{
    std::vector<unsigned char> wav = MakeWav({100, 200, 300, 400}, 8000, 1);
    // A LIST chunk of odd size (padded) before the data.
    std::vector<unsigned char> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    wav.insert(wav.begin() + 36, list.begin(), list.end());
    wav.resize(wav.size() - 3);
    CWaveFile wave;
    ASSERT_TRUE(wave.Parse(wav)) << wave.Error();
    EXPECT_EQ(2u, wave.Samples().size());
}

TEST(WaveFile, RefusesWhatItCannotRead)
{
    CWaveFile wave;
    EXPECT_FALSE(wave.Parse({}));
    EXPECT_EQ("not a WAV file", wave.Error());
    std::vector<unsigned char> wav = MakeWav({1, 2}, 8000, 1);
    std::vector<unsigned char> noData(wav.begin(), wav.begin() + 36);
    EXPECT_FALSE(wave.Parse(noData));
    EXPECT_EQ("WAV file without sound data", wave.Error());
    wav[20] = 2; // ADPCM
    EXPECT_FALSE(wave.Parse(wav));
    EXPECT_NE(std::string::npos, wave.Error().find("unsupported"));
    wav = MakeWav({1, 2}, 8000, 1);
    wav[22] = 0; // no channels
    EXPECT_FALSE(wave.Parse(wav));
    EXPECT_FALSE(wave.Load("/nonexistent.wav"));
    EXPECT_EQ("cannot be read", wave.Error());
}

TEST(AmrFormat, ValidatesFramesAndScrambles)
{
    std::vector<unsigned char> clip(CAmrFormat::KMagic, CAmrFormat::KMagic + 6);
    int frames = 0;
    EXPECT_NE("", CAmrFormat::Validate(clip.data(), static_cast<int>(clip.size()), frames));
    clip.push_back(0x3C); // 12.2 kbit/s frame: 32 bytes
    clip.resize(clip.size() + 31);
    clip.push_back(0x44); // comfort noise: 6 bytes
    clip.resize(clip.size() + 5);
    EXPECT_EQ("", CAmrFormat::Validate(clip.data(), static_cast<int>(clip.size()), frames));
    EXPECT_EQ(2, frames);
    EXPECT_NE("", CAmrFormat::Validate(clip.data(), static_cast<int>(clip.size()) - 1, frames));
    clip.push_back(0x4C); // type 9: never used
    EXPECT_NE("", CAmrFormat::Validate(clip.data(), static_cast<int>(clip.size()), frames));

    std::vector<unsigned char> bytes = {0x55, 0xBB, 0x33, 0xDD, 0x00};
    CAmrFormat::Scramble(bytes);
    EXPECT_EQ(std::vector<unsigned char>({0xAA, 0xBB, 0xCC, 0xDD, 0xFF}), bytes);
}

TEST(SpeechClip, ResamplesToEightKilohertz)
{
    std::vector<short> sine = Sine(22050, 1.0, 440, 0.5);
    std::vector<float> in(sine.begin(), sine.end());
    for (float& s : in)
        s /= 32768.0f;
    std::vector<float> out;
    std::string error;
    ASSERT_TRUE(CSpeechClip::Resample(in, 22050, out, error)) << error;
    EXPECT_NEAR(8000, static_cast<int>(out.size()), 2);
    EXPECT_NEAR(0.5, Peak(out), 0.02);
}

TEST(SpeechClip, TrimsSilenceButKeepsAMargin)
{
    std::vector<float> samples(8000, 0.0f);
    for (int i = 3000; i < 4000; ++i)
        samples[i] = 0.5f;
    CSpeechClip::TrimSilence(samples);
    EXPECT_EQ(1000u + 2 * 160, samples.size());
    EXPECT_FLOAT_EQ(0.0f, samples.front());
    EXPECT_FLOAT_EQ(0.5f, samples[160]);

    std::vector<float> silent(800, 0.001f);
    CSpeechClip::TrimSilence(silent);
    EXPECT_TRUE(silent.empty());
}

TEST(SpeechClip, LevelsThePeakWithLimitedGain)
{
    std::vector<float> loud = {0.1f, -0.5f, 0.25f};
    CSpeechClip::Normalise(loud);
    EXPECT_NEAR(0.708f, Peak(loud), 1e-3);
    EXPECT_NEAR(0.1416f, loud[0], 1e-3);
    std::vector<float> quiet = {0.001f, -0.002f};
    CSpeechClip::Normalise(quiet);
    EXPECT_NEAR(0.032f, Peak(quiet), 1e-4);
}

TEST(SpeechClip, MakesAScrambledAmrClipThatDecodesToTheSound)
{
    std::vector<short> tone = Sine(16000, 0.5, 300, 0.3);
    std::vector<float> in(tone.begin(), tone.end());
    for (float& s : in)
        s /= 32768.0f;
    CSpeechClip maker;
    TClipBytes clip;
    ASSERT_TRUE(maker.Make(in, 16000, clip)) << maker.Error();
    // Stored scrambled: the magic's even bytes are complemented.
    EXPECT_EQ(static_cast<unsigned char>(~'#'), clip[0]);
    EXPECT_EQ('!', clip[1]);
    CAmrFormat::Scramble(clip);
    int frames = 0;
    ASSERT_EQ("", CAmrFormat::Validate(clip.data(), static_cast<int>(clip.size()), frames));
    // 0.5 s is 25 frames of 20 ms; every one a 12.2 kbit/s frame.
    EXPECT_EQ(25, frames);
    EXPECT_EQ(6u + 25 * 32, clip.size());
    std::vector<float> decoded = DecodeAmr(clip.data(), static_cast<int>(clip.size()));
    EXPECT_EQ(25u * 160, decoded.size());
    EXPECT_GT(Peak(decoded), 0.5f);
    EXPECT_LT(Peak(decoded), 1.0f);

    std::vector<float> silence(16000, 0.0f);
    EXPECT_FALSE(maker.Make(silence, 16000, clip));
    EXPECT_EQ("the sound is silent", maker.Error());
}

TEST(SpeechClip, LoudSoundsAreNotClippedByTheCodec)
{
    // A full-scale square wave: the codec overshoots such edges the most.
    std::vector<float> square(16000);
    for (size_t i = 0; i < square.size(); ++i)
        square[i] = (i / 40) % 2 == 0 ? 0.9f : -0.9f;
    CSpeechClip maker;
    TClipBytes clip;
    ASSERT_TRUE(maker.Make(square, 16000, clip)) << maker.Error();
    CAmrFormat::Scramble(clip);
    std::vector<float> decoded = DecodeAmr(clip.data(), static_cast<int>(clip.size()));
    ASSERT_FALSE(decoded.empty());
    int clipped = 0;
    for (float s : decoded)
        clipped += std::fabs(s) >= 32767 / 32768.0f;
    EXPECT_EQ(0, clipped);
    EXPECT_GT(Peak(decoded), 0.3f);
}
