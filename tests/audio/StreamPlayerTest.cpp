// The stream side of the player on local files and memory: decoded through the plug-ins, captured from the
// output, reported through the wake-up.
#include "StreamTestSupport.h"
#include "TestFiles.h"
#include "ZuAudio.h"
#include "ZuDecoderPlugins.h"
#include "ZuNameValue.h"
#include "ZuNameValueList.h"

#include <gtest/gtest.h>
#include <random>

namespace
{

class CCountingObserver : public MZuAudioPlayerObserver
{
public:
    void HandleAudioPlayerEvent(int event) override { iEvents.push_back(event); }
    std::vector<int> iEvents;
};

class StreamPlayer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        iPrevious = IZuSoundOutput::Replace(&iOutput);
        CZuDecoderPlugins::SetFolder(PluginFolder());
    }
    void TearDown() override { IZuSoundOutput::Replace(iPrevious); }

    // Plays name to its end; false when it does not end in time.
    bool PlayFile(CZuAudioPlayer& player, const std::string& name)
    {
        player.SetWakeUp(&iWakeUps);
        if (!player.Open(CZuString(SoundFile(name).c_str())))
            return false;
        return iWakeUps.WaitUntilDone(player);
    }

    // A tone of 1000 Hz, three seconds of mono at 22050 Hz, as the mono test sounds hold.
    static void ExpectMonoTone(const CCapturingOutput& output)
    {
        EXPECT_EQ(output.Rate(), 22050);
        EXPECT_EQ(output.Channels(), 1);
        EXPECT_EQ(output.Frames(), 3 * 22050);
        EXPECT_NEAR(ToneFrequency(output.Samples(), 1, 0, 22050), 1000, 4);
    }

    CCapturingOutput iOutput;
    IZuSoundOutput* iPrevious = nullptr;
    CWakeUps iWakeUps;
};

} // namespace

TEST_F(StreamPlayer, AStereoMp3FileIsDecodedToItsLengthAndTones)
{
    CZuAudioPlayer player(nullptr);
    ASSERT_TRUE(PlayFile(player, "tone-stereo.mp3"));
    EXPECT_EQ(player.GetState(), CZuAudioPlayer::EIdle);
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENoError);
    EXPECT_EQ(iOutput.Rate(), 44100);
    EXPECT_EQ(iOutput.Channels(), 2);
    // The encoder's delay and padding are taken off by the decoder: three seconds, to the frame.
    EXPECT_EQ(iOutput.Frames(), 3 * 44100);
    std::vector<short> samples = iOutput.Samples();
    EXPECT_NEAR(ToneFrequency(samples, 2, 0, 44100), 440, 2);
    EXPECT_NEAR(ToneFrequency(samples, 2, 1, 44100), 660, 2);
    EXPECT_EQ(iOutput.Ends(), 1);
}

TEST_F(StreamPlayer, AMonoMp3FileKeepsItsRateAndChannel)
{
    CZuAudioPlayer player(nullptr);
    ASSERT_TRUE(PlayFile(player, "tone-mono.mp3"));
    ExpectMonoTone(iOutput);
}

TEST_F(StreamPlayer, AnOggFileIsDecodedToItsLengthAndTones)
{
    CZuAudioPlayer player(nullptr);
    ASSERT_TRUE(PlayFile(player, "tone-stereo.ogg"));
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENoError);
    EXPECT_EQ(iOutput.Rate(), 48000);
    EXPECT_EQ(iOutput.Channels(), 2);
    EXPECT_EQ(iOutput.Frames(), 3 * 48000);
    std::vector<short> samples = iOutput.Samples();
    EXPECT_NEAR(ToneFrequency(samples, 2, 0, 48000), 880, 3);
    EXPECT_NEAR(ToneFrequency(samples, 2, 1, 48000), 550, 3);

    CCapturingOutput monoOutput;
    IZuSoundOutput::Replace(&monoOutput);
    CZuAudioPlayer mono(nullptr);
    ASSERT_TRUE(PlayFile(mono, "tone-mono.ogg"));
    ExpectMonoTone(monoOutput);
}

TEST_F(StreamPlayer, VorbisCommentsMakeTheTitleAndTheTags)
{
    CZuAudioPlayer player(nullptr);
    ASSERT_TRUE(PlayFile(player, "tone-stereo.ogg"));
    EXPECT_EQ(Text(player.Title()), "Test Choir - Evening Tone");
    EXPECT_EQ(TagValue(player, "TITLE"), "Evening Tone");
    EXPECT_EQ(TagValue(player, "ARTIST"), "Test Choir");
    EXPECT_EQ(TagValue(player, "ALBUM"), "Tones");
    EXPECT_EQ(TagValue(player, "GENRE"), "Test");
    EXPECT_EQ(TagValue(player, "DATE"), "2024");
    EXPECT_EQ(TagValue(player, "TRACKNUMBER"), "7");
    EXPECT_EQ(TagValue(player, "COMMENT"), "made with sox");
    // Tags in the order shown, nothing else.
    ASSERT_EQ(player.GetNumberOfMetaDataEntries(), 7);
    EXPECT_EQ(Text(player.GetMetaDataEntry(0)->iName), "TITLE");
    EXPECT_EQ(player.GetMetaDataEntry(7), nullptr);
    EXPECT_EQ(player.GetMetaDataList()->GetCount(), 7);
}

TEST_F(StreamPlayer, Id3TagsOfAnMp3MakeTheTitle)
{
    CZuAudioPlayer player(nullptr);
    ASSERT_TRUE(PlayFile(player, "tone-stereo.mp3"));
    EXPECT_EQ(Text(player.Title()), "Test Choir - Morning Tone");
    EXPECT_EQ(TagValue(player, "ALBUM"), "Tones");
    EXPECT_EQ(TagValue(player, "DATE"), "2024");
    EXPECT_EQ(TagValue(player, "TRACKNUMBER"), "3");

    CZuAudioPlayer untagged(nullptr);
    ASSERT_TRUE(PlayFile(untagged, "tone-mono.mp3"));
    EXPECT_EQ(Text(untagged.Title()), "");
    EXPECT_EQ(untagged.GetNumberOfMetaDataEntries(), 0);
}

TEST_F(StreamPlayer, AChainedOggStreamChangesFormatAndTitleOnTheWay)
{
    std::vector<unsigned char> bytes = SoundBytes("tone-mono.ogg");
    std::vector<unsigned char> second = SoundBytes("tone-stereo.ogg");
    bytes.insert(bytes.end(), second.begin(), second.end());
    CZuAudioPlayer player(nullptr);
    player.SetWakeUp(&iWakeUps);
    player.Mp3DataPlay(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    ASSERT_TRUE(iWakeUps.WaitUntilDone(player));
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENoError);
    // Three seconds of mono at 22050 Hz, then three of stereo at 48000 Hz.
    EXPECT_EQ(iOutput.Samples().size(), 3u * 22050 + 3u * 48000 * 2);
    EXPECT_EQ(iOutput.Rate(), 48000);
    EXPECT_EQ(iOutput.Channels(), 2);
    EXPECT_EQ(Text(player.Title()), "Test Choir - Evening Tone");
}

TEST_F(StreamPlayer, TheObserverHearsOfTheNewsOnTheThreadThatHandlesTheWakeUp)
{
    CCountingObserver observer;
    CZuAudioPlayer player(&observer);
    ASSERT_TRUE(PlayFile(player, "tone-stereo.ogg"));
    // The tags, then the end: each arrived as a wake-up and was told as event 1.
    EXPECT_GE(iWakeUps.Count(), 2);
    ASSERT_FALSE(observer.iEvents.empty());
    EXPECT_EQ(observer.iEvents, std::vector<int>(observer.iEvents.size(), 1));
    size_t told = observer.iEvents.size();
    // Nothing new: a wake-up tells nothing.
    player.HandleWakeUp();
    EXPECT_EQ(observer.iEvents.size(), told);
}

TEST_F(StreamPlayer, Mp3DataPlaysFromMemory)
{
    std::vector<unsigned char> bytes = SoundBytes("tone-stereo.mp3");
    ASSERT_FALSE(bytes.empty());
    CZuAudioPlayer player(nullptr);
    player.SetWakeUp(&iWakeUps);
    player.Mp3DataPlay(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    EXPECT_EQ(player.Mode(), CZuAudioPlayer::EModeStream);
    ASSERT_TRUE(iWakeUps.WaitUntilDone(player));
    EXPECT_EQ(iOutput.Frames(), 3 * 44100);
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENoError);
    // Nothing is written beside the program or in the current folder.
    EXPECT_FALSE(FileExists("temp.mp3"));
}

TEST_F(StreamPlayer, Mp3DataAppendReplacesWhatPlaysWithTheNewBytes)
{
    std::vector<unsigned char> stereo = SoundBytes("tone-stereo.mp3");
    std::vector<unsigned char> mono = SoundBytes("tone-mono.mp3");
    CZuAudioPlayer player(nullptr);
    player.SetWakeUp(&iWakeUps);
    // A device that is always full: the first stream never gets far.
    iOutput.iQueuedMs = 1000000;
    player.Mp3DataPlay(reinterpret_cast<const char*>(stereo.data()), static_cast<int>(stereo.size()));
    ASSERT_TRUE(player.IsPlaying());
    player.Mp3DataAppend(reinterpret_cast<const char*>(mono.data()), static_cast<int>(mono.size()));
    EXPECT_TRUE(player.IsPlaying());
    iOutput.iQueuedMs = 0;
    ASSERT_TRUE(iWakeUps.WaitUntilDone(player));
    EXPECT_EQ(iOutput.Rate(), 22050);
    EXPECT_EQ(iOutput.Channels(), 1);
    EXPECT_GE(iOutput.Stops(), 1);
    EXPECT_EQ(iOutput.Ends(), 1);
}

TEST_F(StreamPlayer, TheVolumeIsAGainOnTheSamples)
{
    CZuAudioPlayer loud(nullptr);
    ASSERT_TRUE(PlayFile(loud, "tone-mono.ogg"));
    int fullPeak = Peak(iOutput.Samples(), 1, 0);
    ASSERT_GT(fullPeak, 10000);

    // The outputs outlive the player that plays on them.
    CCapturingOutput quieter;
    CCapturingOutput silent;
    IZuSoundOutput::Replace(&quieter);
    CZuAudioPlayer half(nullptr);
    half.SetVolume(0x8000);
    EXPECT_EQ(half.GetVolume(), 0x8000);
    half.SetWakeUp(&iWakeUps);
    ASSERT_TRUE(half.Open(CZuString(SoundFile("tone-mono.ogg").c_str())));
    ASSERT_TRUE(iWakeUps.WaitUntilDone(half));
    EXPECT_NEAR(Peak(quieter.Samples(), 1, 0), fullPeak / 2, 2);

    IZuSoundOutput::Replace(&silent);
    half.SetVolume(0);
    ASSERT_TRUE(half.Open(CZuString(SoundFile("tone-mono.ogg").c_str())));
    ASSERT_TRUE(iWakeUps.WaitUntilDone(half));
    EXPECT_GT(silent.Frames(), 0);
    EXPECT_EQ(Peak(silent.Samples(), 1, 0), 0);
}

TEST_F(StreamPlayer, StopEndsTheStreamAndSilencesIt)
{
    CZuAudioPlayer player(nullptr);
    player.SetWakeUp(&iWakeUps);
    iOutput.iQueuedMs = 1000000;
    ASSERT_TRUE(player.Open(CZuString(SoundFile("tone-stereo.mp3").c_str())));
    EXPECT_TRUE(player.IsPlaying());
    player.Stop();
    EXPECT_EQ(player.GetState(), CZuAudioPlayer::EStopped);
    EXPECT_GE(iOutput.Stops(), 1);
    // The engine's later news never turns a stopped stream back.
    iOutput.iQueuedMs = 0;
    player.HandleWakeUp();
    EXPECT_EQ(player.GetState(), CZuAudioPlayer::EStopped);
    EXPECT_LT(iOutput.Frames(), 3 * 44100);
}

TEST_F(StreamPlayer, SpeechStopsNoStreamAndStopLeavesSpeechAlone)
{
    CZuAudioPlayer player(nullptr);
    player.SetWakeUp(&iWakeUps);
    iOutput.iQueuedMs = 1000000;
    ASSERT_TRUE(player.Open(CZuString(SoundFile("tone-stereo.mp3").c_str())));
    player.AmrDataPlay("#!AMR\n", 6);
    EXPECT_EQ(player.Mode(), CZuAudioPlayer::EModeAmr);
    // Stop acts on the side used last: the speech, which it leaves alone, so the stream plays on.
    player.Stop();
    EXPECT_TRUE(player.IsPlaying());
    EXPECT_EQ(iOutput.SpeechImages(), 1);
}

TEST_F(StreamPlayer, DeletingThePlayerWhilePlayingJoinsItsThread)
{
    iOutput.iQueuedMs = 1000000;
    {
        CZuAudioPlayer player(nullptr);
        ASSERT_TRUE(player.Open(CZuString(SoundFile("tone-stereo.ogg").c_str())));
        EXPECT_TRUE(player.IsPlaying());
    }
    // The thread is gone with the player: what it handed over no longer changes.
    long frames = iOutput.Frames();
    EXPECT_LT(frames, 3 * 48000);
    EXPECT_EQ(iOutput.Frames(), frames);
    EXPECT_GE(iOutput.Stops(), 1);
}

TEST_F(StreamPlayer, AMissingFileIsReported)
{
    CZuAudioPlayer player(nullptr);
    EXPECT_FALSE(player.Open(CZuString("/no/such/folder/song.mp3")));
    EXPECT_EQ(player.GetState(), CZuAudioPlayer::EIdle);
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENotFound);
    // A folder is no sound file either, nor is an address of another kind.
    EXPECT_FALSE(player.Open(CZuString("/tmp")));
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENotFound);
    EXPECT_FALSE(player.Open(CZuString("ftp://127.0.0.1/song.mp3")));
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::EBadAddress);
    EXPECT_FALSE(player.Open(CZuString()));
    EXPECT_FALSE(player.IsPlaying());
}

TEST_F(StreamPlayer, RandomBytesAreNoSound)
{
    std::mt19937 random(17);
    std::vector<char> bytes(20000);
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    CTempFolder folder;
    WriteFileBytes(folder.File("noise.mp3"), std::vector<unsigned char>(bytes.begin(), bytes.end()));
    CZuAudioPlayer player(nullptr);
    EXPECT_FALSE(player.Open(CZuString(folder.File("noise.mp3").c_str())));
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::EUnknownFormat);
    player.Mp3DataPlay(bytes.data(), static_cast<int>(bytes.size()));
    EXPECT_EQ(player.GetState(), CZuAudioPlayer::EIdle);
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::EUnknownFormat);
    player.Mp3DataPlay(nullptr, 0);
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::EUnknownFormat);
    EXPECT_EQ(iOutput.Frames(), 0);
}

TEST_F(StreamPlayer, NoiseAfterAGoodStartEndsTheStreamWithoutHarm)
{
    for (const char* name : {"tone-stereo.mp3", "tone-stereo.ogg"})
    {
        std::vector<unsigned char> bytes = SoundBytes(name);
        std::mt19937 random(5);
        // Ogg pages here hold a second of sound each: the first two stay whole.
        for (size_t i = bytes.size() * 3 / 4; i < bytes.size(); ++i)
            bytes[i] = static_cast<unsigned char>(random());
        CCapturingOutput output;
        IZuSoundOutput::Replace(&output);
        CZuAudioPlayer player(nullptr);
        player.SetWakeUp(&iWakeUps);
        player.Mp3DataPlay(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
        ASSERT_TRUE(iWakeUps.WaitUntilDone(player)) << name;
        EXPECT_EQ(player.GetState(), CZuAudioPlayer::EIdle) << name << " error " << player.LastError();
        EXPECT_GT(output.Frames(), 0) << name;
        IZuSoundOutput::Replace(&iOutput);
    }
}

TEST_F(StreamPlayer, ATruncatedFilePlaysWhatItHas)
{
    for (const char* name : {"tone-stereo.mp3", "tone-stereo.ogg"})
    {
        std::vector<unsigned char> bytes = SoundBytes(name);
        bytes.resize(bytes.size() * 3 / 4);
        CTempFolder folder;
        WriteFileBytes(folder.File(name), bytes);
        CCapturingOutput output;
        IZuSoundOutput::Replace(&output);
        CZuAudioPlayer player(nullptr);
        player.SetWakeUp(&iWakeUps);
        ASSERT_TRUE(player.Open(CZuString(folder.File(name).c_str()))) << name;
        ASSERT_TRUE(iWakeUps.WaitUntilDone(player)) << name;
        EXPECT_EQ(player.GetState(), CZuAudioPlayer::EIdle) << name << " error " << player.LastError();
        // The whole pages or frames before the cut: more than a second, less than the three.
        double seconds = output.Frames() / static_cast<double>(output.Rate());
        EXPECT_GT(seconds, 1.0) << name;
        EXPECT_LT(seconds, 2.5) << name;
        IZuSoundOutput::Replace(&iOutput);
    }
}

TEST_F(StreamPlayer, WithoutADeviceNothingPlays)
{
    iOutput.iHasDevice = false;
    CZuAudioPlayer player(nullptr);
    EXPECT_FALSE(player.Open(CZuString(SoundFile("tone-stereo.mp3").c_str())));
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENoDevice);
    EXPECT_FALSE(player.IsPlaying());
}

TEST(StreamPlayerPlugins, AMissingPluginFolderIsReported)
{
    CCapturingOutput output;
    IZuSoundOutput* previous = IZuSoundOutput::Replace(&output);
    CZuDecoderPlugins::SetFolder("/no/such/plugins");
    {
        CZuAudioPlayer player(nullptr);
        EXPECT_FALSE(player.Open(CZuString(SoundFile("tone-stereo.mp3").c_str())));
        EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENoPlugins);
        EXPECT_EQ(player.GetState(), CZuAudioPlayer::EIdle);
        std::vector<unsigned char> bytes = SoundBytes("tone-stereo.mp3");
        player.Mp3DataPlay(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
        EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENoPlugins);
    }
    EXPECT_EQ(output.Frames(), 0);
    IZuSoundOutput::Replace(previous);
}

TEST(StreamPlayerPlugins, SpeechAloneLooksForNoPlugins)
{
    CCapturingOutput output;
    IZuSoundOutput* previous = IZuSoundOutput::Replace(&output);
    CZuDecoderPlugins::SetFolder(PluginFolder());
    CZuAudioPlayer player(nullptr);
    player.AmrDataPlay("#!AMR\n", 6);
    player.SetVolume(100);
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_FALSE(CZuDecoderPlugins::Searched());
    // The first stream looks.
    EXPECT_TRUE(player.Open(CZuString(SoundFile("tone-mono.ogg").c_str())));
    EXPECT_TRUE(CZuDecoderPlugins::Searched());
    EXPECT_EQ(CZuDecoderPlugins::Count(), 2);
    player.Stop();
    IZuSoundOutput::Replace(previous);
}
