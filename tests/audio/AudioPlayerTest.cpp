#include "AmrClips.h"
#include "ZuAudio.h"
#include "ZuBuffer.h"
#include "ZuString.h"

#include <gtest/gtest.h>

using namespace AmrClips;

namespace
{

// Keeps every image handed over, and what would be heard now: the last one, unless stopped.
class CRecordingOutput : public IZuSoundOutput
{
public:
    void PlayWav(const unsigned char* image, int size) override
    {
        iImages.push_back(TBytes(image, image + size));
    }
    bool IsPlaying() override { return !iImages.empty(); }
    bool HasDevice() override { return true; }

    std::vector<TBytes> iImages;
};

class CCountingObserver : public MZuAudioPlayerObserver
{
public:
    void HandleAudioPlayerEvent(int event) override { iEvents.push_back(event); }
    std::vector<int> iEvents;
};

class AudioPlayer : public ::testing::Test
{
protected:
    void SetUp() override { iPrevious = IZuSoundOutput::Replace(&iOutput); }
    void TearDown() override { IZuSoundOutput::Replace(iPrevious); }

    static TBytes Image(const TBytes& clip)
    {
        CZuBuffer image;
        CZuAmrDecoder decoder;
        decoder.DecodeToWav(reinterpret_cast<const char*>(clip.data()), static_cast<int>(clip.size()), image);
        return TBytes(image.Data(), image.Data() + image.Size());
    }
    static const char* Data(const TBytes& clip) { return reinterpret_cast<const char*>(clip.data()); }
    static int Size(const TBytes& clip) { return static_cast<int>(clip.size()); }

    CRecordingOutput iOutput;
    IZuSoundOutput* iPrevious = nullptr;
    TBytes iHello = Clip({Frame(7, 1), Frame(7, 2), Frame(6, 3)});
    TBytes iWorld = Clip({Frame(4, 4), Frame(8, 5)});
};

} // namespace

TEST_F(AudioPlayer, ANewPlayerHasNoModeAndAnIdleStreamSide)
{
    CZuAudioPlayer player(nullptr);
    EXPECT_EQ(player.Mode(), CZuAudioPlayer::EModeNone);
    EXPECT_EQ(player.GetState(), CZuAudioPlayer::EIdle);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(player.GetVolume(), 0xFFFF);
    EXPECT_TRUE(iOutput.iImages.empty());
}

TEST_F(AudioPlayer, AmrDataPlayHandsTheWavImageOver)
{
    CZuAudioPlayer player(nullptr);
    player.AmrDataPlay(Data(iHello), Size(iHello));
    ASSERT_EQ(iOutput.iImages.size(), 1u);
    EXPECT_EQ(iOutput.iImages[0], Image(iHello));
    EXPECT_EQ(iOutput.iImages[0].size(), 44u + 3 * 320u);
    EXPECT_EQ(player.Mode(), CZuAudioPlayer::EModeAmr);
}

TEST_F(AudioPlayer, EachAppendPlaysItsClipFromTheStart)
{
    // As the word screens do: the first clip played, the later ones cleared and appended.
    CZuAudioPlayer player(nullptr);
    player.AmrDataPlay(Data(iHello), Size(iHello));
    player.AmrDataClear();
    player.AmrDataAppend(Data(iWorld), Size(iWorld));
    player.AmrDataClear();
    player.AmrDataAppend(Data(iHello), Size(iHello));
    ASSERT_EQ(iOutput.iImages.size(), 3u);
    EXPECT_EQ(iOutput.iImages[1], Image(iWorld));
    EXPECT_EQ(iOutput.iImages[2], Image(iHello));
}

TEST_F(AudioPlayer, StopLeavesSpeechPlayingAndTheNextAppendReplacesIt)
{
    CZuAudioPlayer player(nullptr);
    player.AmrDataPlay(Data(iHello), Size(iHello));
    player.Stop();
    ASSERT_EQ(iOutput.iImages.size(), 1u);
    EXPECT_EQ(player.Mode(), CZuAudioPlayer::EModeAmr);
    EXPECT_EQ(player.GetState(), CZuAudioPlayer::EIdle);
    player.AmrDataAppend(Data(iWorld), Size(iWorld));
    ASSERT_EQ(iOutput.iImages.size(), 2u);
    EXPECT_EQ(iOutput.iImages.back(), Image(iWorld));
}

TEST_F(AudioPlayer, AmrDataClearChangesNothing)
{
    CZuAudioPlayer player(nullptr);
    player.AmrDataClear();
    EXPECT_EQ(player.Mode(), CZuAudioPlayer::EModeNone);
    player.AmrDataPlay(Data(iHello), Size(iHello));
    player.AmrDataClear();
    EXPECT_EQ(iOutput.iImages.size(), 1u);
    EXPECT_EQ(player.Mode(), CZuAudioPlayer::EModeAmr);
    EXPECT_EQ(player.GetState(), CZuAudioPlayer::EIdle);
}

TEST_F(AudioPlayer, AppendSetsTheModeOnlyWhenItMakesTheAmrPlayer)
{
    CZuAudioPlayer fresh(nullptr);
    fresh.Mp3DataPlay("x", 1);
    ASSERT_EQ(fresh.Mode(), CZuAudioPlayer::EModeStream);
    fresh.AmrDataAppend(Data(iHello), Size(iHello));
    EXPECT_EQ(fresh.Mode(), CZuAudioPlayer::EModeAmr);

    CZuAudioPlayer used(nullptr);
    used.AmrDataPlay(Data(iHello), Size(iHello));
    used.Open(CZuString("song.mp3"));
    ASSERT_EQ(used.Mode(), CZuAudioPlayer::EModeStream);
    used.AmrDataAppend(Data(iWorld), Size(iWorld));
    EXPECT_EQ(used.Mode(), CZuAudioPlayer::EModeStream);
    EXPECT_EQ(iOutput.iImages.back(), Image(iWorld));
    used.AmrDataPlay(Data(iWorld), Size(iWorld));
    EXPECT_EQ(used.Mode(), CZuAudioPlayer::EModeAmr);
}

TEST_F(AudioPlayer, DamagedClipsStillHandOverAWellFormedImage)
{
    CZuAudioPlayer player(nullptr);
    player.AmrDataPlay(nullptr, 0);
    player.AmrDataAppend("#!AMR\n", 6);
    TBytes cut(iHello.begin(), iHello.end() - 7);
    player.AmrDataAppend(Data(cut), Size(cut));
    ASSERT_EQ(iOutput.iImages.size(), 3u);
    EXPECT_EQ(iOutput.iImages[0].size(), 44u);
    EXPECT_EQ(iOutput.iImages[1].size(), 44u);
    EXPECT_EQ(iOutput.iImages[2].size(), 44u + 3 * 320u);
    EXPECT_EQ(Le32(iOutput.iImages[0], 4), 36u);
}

TEST_F(AudioPlayer, StopStopsTheStreamSideWhenItWasUsedLast)
{
    CZuAudioPlayer player(nullptr);
    EXPECT_FALSE(player.Open(CZuString("radio.mp3")));
    EXPECT_EQ(player.GetState(), CZuAudioPlayer::EIdle);
    player.Stop();
    EXPECT_EQ(player.GetState(), CZuAudioPlayer::EStopped);
    EXPECT_FALSE(player.IsPlaying());

    CZuAudioPlayer speech(nullptr);
    speech.Mp3DataPlay("x", 1);
    speech.AmrDataPlay(Data(iHello), Size(iHello));
    speech.Stop();
    EXPECT_EQ(speech.GetState(), CZuAudioPlayer::EIdle);
}

TEST_F(AudioPlayer, StreamSideAnswersAsAnIdlePlayer)
{
    CZuAudioPlayer player(nullptr);
    player.Play();
    player.Pause();
    player.Resume();
    player.Close();
    player.Mp3DataClear();
    player.SetPosition(500);
    EXPECT_EQ(player.GetPosition(), 0);
    EXPECT_EQ(player.Duration(), 1);
    EXPECT_EQ(player.MaxVolume(), 10);
    EXPECT_EQ(player.GetNumberOfMetaDataEntries(), 0);
    EXPECT_EQ(player.GetMetaDataEntry(0), nullptr);
    EXPECT_EQ(player.GetMetaDataList(), nullptr);
    EXPECT_EQ(player.Mode(), CZuAudioPlayer::EModeNone);
    EXPECT_TRUE(iOutput.iImages.empty());
}

TEST_F(AudioPlayer, TheVolumeIsKeptUntilTheStreamPlayerExists)
{
    CZuAudioPlayer player(nullptr);
    player.SetVolume(1234);
    EXPECT_EQ(player.GetVolume(), 1234);
    player.Mp3DataAppend("x", 1);
    EXPECT_EQ(player.GetVolume(), 1234);
    player.SetVolume(0x12345);
    EXPECT_EQ(player.GetVolume(), 0x2345);
}

TEST(AmrPlayerShape, NotifyTellsTheObserverWithOne)
{
    CCountingObserver observer;
    CZuAmrPlayer amr(&observer);
    CZuMp3StreamPlayerWrap stream(&observer);
    amr.Notify();
    stream.Notify();
    EXPECT_EQ(observer.iEvents, (std::vector<int>{1, 1}));
    CZuAmrPlayer silent(nullptr);
    silent.Notify();
    EXPECT_EQ(observer.iEvents.size(), 2u);
    EXPECT_EQ(amr.Volume(), 0xFFFF);
    EXPECT_EQ(stream.Volume(), 0xFFFF);
    EXPECT_EQ(amr.State(), CZuAudioPlayer::EIdle);
}

TEST(AmrPlayerShape, TheStreamWrapKeepsTheNameAndStops)
{
    CZuMp3StreamPlayerWrap stream(nullptr);
    EXPECT_FALSE(stream.Open(CZuString("/no/such/radio.mp3")));
    EXPECT_EQ(stream.Name(), "/no/such/radio.mp3");
    stream.Stop();
    EXPECT_EQ(stream.State(), CZuAudioPlayer::EStopped);
}
