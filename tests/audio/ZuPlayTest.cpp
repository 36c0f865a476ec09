// The example program zu_play, run as a user runs it: on SDL's dummy sound driver, or on its disk driver
// where what it plays is heard.
#include "ProgramRun.h"
#include "StreamTestServer.h"
#include "TestFiles.h"

#include <cstring>
#include <gtest/gtest.h>

namespace
{

// The sound device's format: 48000 stereo frames a second.
const int KDeviceRate = 48000;

TProgramRun Play(const std::string& arguments)
{
    return RunProgram(Quoted(ZU_PLAY_PROGRAM) + " " + arguments);
}

// Plays on SDL's disk driver, which writes the device's frames to soundFile as they are played, in time.
TProgramRun PlayToFile(const std::string& soundFile, const std::string& arguments)
{
    return RunProgram("SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=" + Quoted(soundFile) + " " +
                      Quoted(ZU_PLAY_PROGRAM) + " " + arguments);
}

// The frames the disk driver wrote (16-bit stereo), without the silence the device plays before, between
// and after sounds.
std::vector<short> HeardFrames(const std::string& soundFile)
{
    std::vector<unsigned char> bytes = ReadFileBytes(soundFile);
    std::vector<short> heard;
    for (size_t at = 0; at + 2 * sizeof(short) <= bytes.size(); at += 2 * sizeof(short))
    {
        short frame[2];
        std::memcpy(frame, bytes.data() + at, sizeof frame);
        if (frame[0] != 0 || frame[1] != 0)
            heard.insert(heard.end(), frame, frame + 2);
    }
    return heard;
}

bool Shows(const TProgramRun& run, const std::string& text)
{
    return run.iOutput.find(text) != std::string::npos;
}

} // namespace

TEST(ZuPlay, PlaysAFileAndShowsItsTitleAndTags)
{
    TProgramRun run = Play("--volume 50 " + Quoted(SoundFile("tone-mono.ogg")));
    EXPECT_EQ(run.iExitCode, 0) << run.iOutput;
    run = Play("--seconds 1 " + Quoted(SoundFile("tone-stereo.mp3")));
    EXPECT_EQ(run.iExitCode, 0) << run.iOutput;
    EXPECT_NE(run.iOutput.find("Playing: Test Choir - Morning Tone"), std::string::npos) << run.iOutput;
    EXPECT_NE(run.iOutput.find("  ALBUM: Tones"), std::string::npos) << run.iOutput;
    EXPECT_NE(run.iOutput.find("Stopped."), std::string::npos) << run.iOutput;
}

TEST(ZuPlay, SaysWhyNothingPlays)
{
    TProgramRun missing = Play("/no/such/song.mp3");
    EXPECT_EQ(missing.iExitCode, 1);
    EXPECT_NE(missing.iOutput.find("there is no such file"), std::string::npos) << missing.iOutput;
    TProgramRun address = Play("'http://127.0.0.1/a b'");
    EXPECT_EQ(address.iExitCode, 1);
    EXPECT_NE(address.iOutput.find("only http and https addresses"), std::string::npos) << address.iOutput;
}

TEST(ZuPlay, WrongArgumentsShowTheUsage)
{
    for (const char* arguments : {"", "--volume 200 x.mp3", "--seconds", "a.mp3 b.mp3", "--loud a.mp3"})
    {
        TProgramRun run = Play(arguments);
        EXPECT_EQ(run.iExitCode, 2) << arguments;
        EXPECT_NE(run.iOutput.find("usage: zu_play"), std::string::npos) << arguments;
    }
}

TEST(ZuPlay, PlaysAFileToItsEndAtTheVolumeAsked)
{
    CTempFolder folder;
    // The time limit only keeps a broken build from playing on: the file ends long before.
    TProgramRun run = PlayToFile(folder.File("heard.raw"),
                                 "--volume 50 --seconds 60 " + Quoted(SoundFile("tone-stereo.ogg")));
    EXPECT_EQ(run.iExitCode, 0) << run.iOutput;
    EXPECT_TRUE(Shows(run, "Opening " + SoundFile("tone-stereo.ogg"))) << run.iOutput;
    EXPECT_TRUE(Shows(run, "Playing: Test Choir - Evening Tone")) << run.iOutput;
    EXPECT_TRUE(Shows(run, "  ALBUM: Tones")) << run.iOutput;
    EXPECT_TRUE(Shows(run, "  TRACKNUMBER: 7")) << run.iOutput;
    EXPECT_TRUE(Shows(run, "Ended.")) << run.iOutput;
    EXPECT_FALSE(Shows(run, "Stopped.")) << run.iOutput;
    // The three seconds of the tone were heard, each channel at its pitch, at half the tone's strength
    // (made at half of full scale).
    std::vector<short> heard = HeardFrames(folder.File("heard.raw"));
    EXPECT_NEAR(heard.size() / 2.0 / KDeviceRate, 3.0, 0.05);
    EXPECT_NEAR(ToneFrequency(heard, 2, 0, KDeviceRate), 880, 4);
    EXPECT_NEAR(ToneFrequency(heard, 2, 1, KDeviceRate), 550, 4);
    EXPECT_NEAR(Peak(heard, 2, 0), 32767 / 4, 32767 / 40);
}

TEST(ZuPlay, PlaysARadioStreamToItsEndWithTheRadiosTitles)
{
    CTestServer server;
    CTempFolder folder;
    std::string url = server.Url("/radio");
    TProgramRun run = PlayToFile(folder.File("heard.raw"), "--seconds 60 " + Quoted(url));
    EXPECT_EQ(run.iExitCode, 0) << run.iOutput;
    EXPECT_TRUE(Shows(run, "Opening " + url)) << run.iOutput;
    EXPECT_TRUE(Shows(run, "  icy-name: Loopback FM")) << run.iOutput;
    EXPECT_TRUE(Shows(run, "  icy-genre: Test")) << run.iOutput;
    // The radio's last title is the last one shown.
    EXPECT_TRUE(Shows(run, "  StreamTitle: Second Song")) << run.iOutput;
    size_t lastTitle = run.iOutput.rfind("Playing: ");
    ASSERT_NE(lastTitle, std::string::npos) << run.iOutput;
    EXPECT_EQ(run.iOutput.compare(lastTitle, 21, "Playing: Second Song\n"), 0) << run.iOutput;
    EXPECT_TRUE(Shows(run, "Ended.")) << run.iOutput;
    EXPECT_FALSE(Shows(run, "Stopped.")) << run.iOutput;
    EXPECT_EQ(server.LastHeader("Icy-MetaData"), "1");
    // All three seconds were heard, no metadata among them: a byte of it would break the tones.
    std::vector<short> heard = HeardFrames(folder.File("heard.raw"));
    EXPECT_NEAR(heard.size() / 2.0 / KDeviceRate, 3.0, 0.05);
    EXPECT_NEAR(ToneFrequency(heard, 2, 0, KDeviceRate), 440, 2);
    EXPECT_NEAR(ToneFrequency(heard, 2, 1, KDeviceRate), 660, 2);
}

TEST(ZuPlay, SaysHowABrokenStreamEnded)
{
    CTestServer server;
    // A body cut short ends as a file cut short does.
    TProgramRun cut = Play("--seconds 60 " + Quoted(server.Url("/truncated")));
    EXPECT_EQ(cut.iExitCode, 0) << cut.iOutput;
    EXPECT_TRUE(Shows(cut, "Playing: Test Choir - Morning Tone")) << cut.iOutput;
    EXPECT_TRUE(Shows(cut, "Ended.")) << cut.iOutput;
    // A connection closed early plays what came, then says why it ended.
    TProgramRun dropped = Play("--seconds 60 " + Quoted(server.Url("/dropped")));
    EXPECT_EQ(dropped.iExitCode, 1) << dropped.iOutput;
    EXPECT_TRUE(Shows(dropped, "Playing: Test Choir - Morning Tone")) << dropped.iOutput;
    EXPECT_TRUE(Shows(dropped, "the transfer failed")) << dropped.iOutput;
    EXPECT_FALSE(Shows(dropped, "Ended.")) << dropped.iOutput;
    for (const char* path : {"/noise", "/noise-radio"})
    {
        TProgramRun noise = Play("--seconds 60 " + Quoted(server.Url(path)));
        EXPECT_EQ(noise.iExitCode, 1) << noise.iOutput;
        EXPECT_TRUE(Shows(noise, "no decoder knows this data")) << noise.iOutput;
        EXPECT_FALSE(Shows(noise, "Ended.")) << noise.iOutput;
    }
    TProgramRun missing = Play(Quoted(server.Url("/missing")));
    EXPECT_EQ(missing.iExitCode, 1) << missing.iOutput;
    EXPECT_TRUE(Shows(missing, "the server answered with an error")) << missing.iOutput;
}
