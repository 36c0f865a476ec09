// The example program zu_play, run as a user runs it (on SDL's dummy sound driver).
#include "ProgramRun.h"
#include "StreamTestSupport.h"

#include <gtest/gtest.h>

namespace
{

TProgramRun Play(const std::string& arguments)
{
    return RunProgram(Quoted(ZU_PLAY_PROGRAM) + " " + arguments);
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
