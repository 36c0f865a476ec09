#include "AmrClips.h"
#include "SdlTestDevice.h"
#include "ZuAmrDecoder.h"
#include "ZuAudioPlayer.h"
#include "ZuBuffer.h"
#include "ZuSdlSoundOutput.h"

#include <SDL.h>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace AmrClips;

namespace
{

// A WAV image of the given length of sound.
TBytes Image(int frames)
{
    std::vector<TBytes> list;
    for (int i = 0; i < frames; ++i)
        list.push_back(Frame(7, i));
    TBytes clip = Clip(list);
    CZuBuffer image;
    CZuAmrDecoder decoder;
    decoder.DecodeToWav(reinterpret_cast<const char*>(clip.data()), static_cast<int>(clip.size()), image);
    return TBytes(image.Data(), image.Data() + image.Size());
}

} // namespace

// These run on SDL's dummy driver (the test environment sets it), which plays in real time to nowhere.

TEST(SdlSoundOutput, ANewSoundReplacesTheOnePlaying)
{
    if (!DummyDriver())
        GTEST_SKIP() << "needs SDL_AUDIODRIVER=dummy";
    CZuSdlSoundOutput& output = SdlOutput();
    ASSERT_TRUE(output.HasDevice());
    // 20 s, then 0.4 s: what is queued afterwards is no more than the second sound.
    TBytes longSound = Image(1000);
    TBytes shortSound = Image(20);
    output.PlayWav(longSound.data(), static_cast<int>(longSound.size()));
    EXPECT_TRUE(output.IsPlaying());
    EXPECT_GT(output.QueuedBytes(), static_cast<int>(shortSound.size()));
    output.PlayWav(shortSound.data(), static_cast<int>(shortSound.size()));
    EXPECT_LE(output.QueuedBytes(), static_cast<int>(shortSound.size()) - 44);
    // An image without samples silences what was playing.
    TBytes empty = Image(0);
    output.PlayWav(longSound.data(), static_cast<int>(longSound.size()));
    output.PlayWav(empty.data(), static_cast<int>(empty.size()));
    EXPECT_FALSE(output.IsPlaying());
}

TEST(SdlSoundOutput, SpeechPlaysOnAfterStop)
{
    if (!DummyDriver())
        GTEST_SKIP() << "needs SDL_AUDIODRIVER=dummy";
    CZuSdlSoundOutput& output = SdlOutput();
    ASSERT_TRUE(output.HasDevice());
    std::vector<TBytes> frames;
    for (int i = 0; i < 500; ++i)
        frames.push_back(Frame(7, i));
    TBytes clip = Clip(frames);
    CZuAudioPlayer player(nullptr);
    player.AmrDataPlay(reinterpret_cast<const char*>(clip.data()), static_cast<int>(clip.size()));
    player.Stop();
    EXPECT_TRUE(output.IsPlaying());
    player.AmrDataClear();
    EXPECT_TRUE(output.IsPlaying());
}

TEST(SdlSoundOutput, DamagedImagesAreNotPlayed)
{
    if (!DummyDriver())
        GTEST_SKIP() << "needs SDL_AUDIODRIVER=dummy";
    CZuSdlSoundOutput& output = SdlOutput();
    TBytes sound = Image(50);
    output.PlayWav(sound.data(), static_cast<int>(sound.size()));
    TBytes garbage(sound.begin(), sound.begin() + 30);
    output.PlayWav(garbage.data(), static_cast<int>(garbage.size()));
    output.PlayWav(nullptr, 0);
    EXPECT_FALSE(output.IsPlaying());
}

TEST(SdlSoundOutput, OtherFormatsAreConvertedForTheDevice)
{
    if (!DummyDriver())
        GTEST_SKIP() << "needs SDL_AUDIODRIVER=dummy";
    // One second of 16000 Hz stereo: at the device's 8000 Hz mono it is a quarter of the bytes.
    TBytes image(44 + 16000 * 4, 0);
    CZuAmrDecoder::WriteWavHeader(image.data(), 16000 * 4);
    image[22] = 2;
    image[24] = 0x80, image[25] = 0x3E;
    image[28] = 0x00, image[29] = 0xFA;
    image[32] = 4;
    CZuSdlSoundOutput& output = SdlOutput();
    output.PlayWav(image.data(), static_cast<int>(image.size()));
    EXPECT_GT(output.QueuedBytes(), 8000);
    EXPECT_LE(output.QueuedBytes(), 16000);
}

TEST(SdlSoundOutputDeathTest, WithoutADeviceNothingHappens)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // A driver that does not exist: the subsystem cannot start, as on a machine without sound.
            setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            CZuSdlSoundOutput output;
            TBytes sound = Image(10);
            output.PlayWav(sound.data(), static_cast<int>(sound.size()));
            bool quiet = !output.HasDevice() && !output.IsPlaying() && output.QueuedBytes() == 0;
            output.PlayWav(sound.data(), static_cast<int>(sound.size()));
            std::exit(quiet ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
