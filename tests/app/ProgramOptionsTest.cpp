// The program's command line, run as a user would: help, and mistakes that keep it from starting.
#include "ProgramRun.h"

#include <gtest/gtest.h>

namespace
{

const std::string KProgram = Quoted(ZU_TEST_OUT_DIR "/zulex");

TEST(ProgramOptions, HelpNamesTheOptionsAndStartsNothing)
{
    TProgramRun run = RunProgram(KProgram + " --help");
    EXPECT_EQ(0, run.iExitCode);
    EXPECT_NE(std::string::npos, run.iOutput.find("--data-dir DIR"));
    EXPECT_NE(std::string::npos, run.iOutput.find("--update-url URL"));
}

TEST(ProgramOptions, MistakesAreReportedBeforeAWindowOpens)
{
    TProgramRun unknown = RunProgram(KProgram + " --colour blue");
    EXPECT_EQ(2, unknown.iExitCode);
    EXPECT_NE(std::string::npos, unknown.iOutput.find("unknown option --colour"));

    TProgramRun missing = RunProgram(KProgram + " --data-dir /nonexistent/zulex");
    EXPECT_EQ(2, missing.iExitCode);
    EXPECT_NE(std::string::npos, missing.iOutput.find("/nonexistent/zulex"));

    TProgramRun fromEnvironment = RunProgram("ZULEX_DATA_DIR=/nonexistent/env " + KProgram);
    EXPECT_EQ(2, fromEnvironment.iExitCode);
    EXPECT_NE(std::string::npos, fromEnvironment.iOutput.find("/nonexistent/env"));

    TProgramRun ftp = RunProgram(KProgram + " --update-url ftp://example.org/u.xml");
    EXPECT_EQ(2, ftp.iExitCode);
}

} // namespace

TEST(ProgramOptions, WithoutADisplayTheProgramSaysSoAndEnds)
{
    // No display and no driver asked for: SDL would draw off screen, in a window nobody sees.
    TProgramRun run =
        RunProgram("env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 " + KProgram);
    EXPECT_EQ(run.iExitCode, 1) << run.iOutput;
    EXPECT_NE(run.iOutput.find("no display"), std::string::npos) << run.iOutput;
}
