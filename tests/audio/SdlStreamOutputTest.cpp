// The stream side of the SDL output on SDL's dummy driver (the test environment sets it), which plays in
// real time to nowhere; and speech and streams taking turns on it through the player.
#include "SdlTestDevice.h"
#include "StreamTestSupport.h"
#include "TestFiles.h"
#include "ZuAudio.h"
#include "ZuDecoderPlugins.h"
#include "ZuSdlSoundOutput.h"

#include <SDL.h>
#include <cstdlib>
#include <gtest/gtest.h>

namespace
{

std::vector<short> Tone(int frames, int channels)
{
    std::vector<short> samples(static_cast<size_t>(frames) * channels);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<short>((i / channels) % 100 < 50 ? 4000 : -4000);
    return samples;
}

// A speech image of about two seconds.
std::vector<unsigned char> SpeechImage()
{
    std::vector<unsigned char> image(44 + 32000, 0);
    CZuAmrDecoder::WriteWavHeader(image.data(), 32000);
    return image;
}

} // namespace

TEST(SdlStreamOutput, StreamSoundIsQueuedInTimeAndStopped)
{
    if (!DummyDriver())
        GTEST_SKIP() << "needs SDL_AUDIODRIVER=dummy";
    CZuSdlSoundOutput& output = SdlOutput();
    ASSERT_TRUE(output.HasDevice());
    std::vector<short> second = Tone(44100, 2);
    output.WriteStream(second.data(), 44100, 44100, 2);
    output.EndStream();
    // A second handed over; the device has taken a little of it since.
    EXPECT_GT(output.StreamQueuedMs(), 700);
    EXPECT_LE(output.StreamQueuedMs(), 1010);
    output.StopStream();
    EXPECT_EQ(output.StreamQueuedMs(), 0);
    // Formats that cannot be played are dropped.
    output.WriteStream(second.data(), 100, 44100, 3);
    output.WriteStream(second.data(), 100, 10, 2);
    EXPECT_EQ(output.StreamQueuedMs(), 0);
}

TEST(SdlStreamOutput, AFormatChangeKeepsTheSoundBeforeIt)
{
    if (!DummyDriver())
        GTEST_SKIP() << "needs SDL_AUDIODRIVER=dummy";
    CZuSdlSoundOutput& output = SdlOutput();
    ASSERT_TRUE(output.HasDevice());
    std::vector<short> mono = Tone(22050, 1);
    std::vector<short> stereo = Tone(48000, 2);
    output.WriteStream(mono.data(), 22050, 22050, 1);
    output.WriteStream(stereo.data(), 48000, 48000, 2);
    output.EndStream();
    EXPECT_GT(output.StreamQueuedMs(), 1700);
    EXPECT_LE(output.StreamQueuedMs(), 2010);
    output.StopStream();
}

TEST(SdlStreamOutput, SpeechAndStreamPlayBesideEachOther)
{
    if (!DummyDriver())
        GTEST_SKIP() << "needs SDL_AUDIODRIVER=dummy";
    CZuSdlSoundOutput& output = SdlOutput();
    ASSERT_TRUE(output.HasDevice());
    std::vector<short> stream = Tone(44100, 2);
    output.WriteStream(stream.data(), 44100, 44100, 2);
    std::vector<unsigned char> speech = SpeechImage();
    output.PlayWav(speech.data(), static_cast<int>(speech.size()));
    EXPECT_TRUE(output.IsPlaying());
    EXPECT_GT(output.StreamQueuedMs(), 500);
    // A new clip replaces the speech only; stopping the stream leaves the speech.
    output.PlayWav(nullptr, 0);
    EXPECT_FALSE(output.IsPlaying());
    EXPECT_GT(output.StreamQueuedMs(), 500);
    output.PlayWav(speech.data(), static_cast<int>(speech.size()));
    output.StopStream();
    EXPECT_TRUE(output.IsPlaying());
    EXPECT_GT(output.QueuedBytes(), 16000);
    output.PlayWav(nullptr, 0);
}

TEST(SdlStreamOutput, AStreamAndASpeechClipPlayOneAfterTheOther)
{
    if (!DummyDriver())
        GTEST_SKIP() << "needs SDL_AUDIODRIVER=dummy";
    CTempFolder plugins;
    WriteFileBytes(
        plugins.File("zu-decoder-tone.so"),
        ReadFileBytes(std::string(ZU_TEST_BINARY_DIR) + "/tests/test-plugins/test-decoder-good.so"));
    CZuDecoderPlugins::SetFolder(plugins.Path());
    CZuSdlSoundOutput& output = SdlOutput();
    CWakeUps wakeUps;
    CZuAudioPlayer player(nullptr);
    player.SetWakeUp(&wakeUps);
    // A fifth of a second of stream, heard to its end on the device.
    std::string stream = "ZUTONE 8000 1 1600 ok";
    player.Mp3DataPlay(stream.data(), static_cast<int>(stream.size()));
    ASSERT_TRUE(player.IsPlaying());
    ASSERT_TRUE(wakeUps.WaitUntilDone(player));
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENoError);
    EXPECT_EQ(output.StreamQueuedMs(), 0);
    std::vector<unsigned char> speech = SpeechImage();
    output.PlayWav(speech.data(), static_cast<int>(speech.size()));
    EXPECT_TRUE(output.IsPlaying());
    // And a stream after the speech: the speech goes on beside it.
    player.Mp3DataPlay(stream.data(), static_cast<int>(stream.size()));
    ASSERT_TRUE(wakeUps.WaitUntilDone(player));
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENoError);
    EXPECT_TRUE(output.IsPlaying());
    output.PlayWav(nullptr, 0);
    CZuDecoderPlugins::SetFolder(PluginFolder());
}
