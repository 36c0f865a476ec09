// zulex-course say: a word's pronunciation played as the program plays it, or written as a WAV file.
#include "ProgramRun.h"
#include "ToolTestUtil.h"
#include "ZuAudio.h"
#include "ZuBuffer.h"

#include <gtest/gtest.h>

namespace
{

typedef TToolRun TInProcessRun;

class CRecordingOutput : public IZuSoundOutput
{
public:
    void PlayWav(const unsigned char* image, int size) override
    {
        iImages.push_back(std::vector<unsigned char>(image, image + size));
    }
    bool IsPlaying() override { return false; }
    bool HasDevice() override { return iHasDevice; }

    std::vector<std::vector<unsigned char>> iImages;
    bool iHasDevice = true;
};

class SayCommand : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        iFolder = new CTempFolder;
        WriteText(iFolder->File("words.tsv"), "window\t\tn.\tn. 窗户\nbeautiful\t\tadj.\tadj. 美丽的\n");
        ASSERT_EQ(RunTool({"build", iFolder->File("words.tsv"), iFolder->File("words")}).iStatus, 0);
        WriteText(iFolder->File("mute.tsv"), "quiet\t/kwaɪət/\tadj.\tadj. 安静的\n");
        ASSERT_EQ(RunTool({"build", "--no-speech", iFolder->File("mute.tsv"), iFolder->File("mute")}).iStatus,
                  0);
    }
    static void TearDownTestSuite()
    {
        delete iFolder;
        iFolder = nullptr;
    }
    void SetUp() override { iPrevious = IZuSoundOutput::Replace(&iOutput); }
    void TearDown() override { IZuSoundOutput::Replace(iPrevious); }

    static CTempFolder* iFolder;
    CRecordingOutput iOutput;
    IZuSoundOutput* iPrevious = nullptr;
};

CTempFolder* SayCommand::iFolder = nullptr;

uint32_t Le32(const std::vector<unsigned char>& bytes, size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

} // namespace

TEST_F(SayCommand, WavFileIsTheImageThePlayerHandsOver)
{
    std::string wav = iFolder->File("window.wav");
    TInProcessRun written = RunTool({"say", iFolder->File("words"), "window", "--wav", wav});
    ASSERT_EQ(written.iStatus, 0) << written.iErr;
    EXPECT_NE(written.iOut.find(" s of sound"), std::string::npos) << written.iOut;
    std::vector<unsigned char> file = ReadFileBytes(wav);
    ASSERT_GT(file.size(), 44u + 10 * 320u);
    EXPECT_EQ(Le32(file, 4), file.size() - 8);
    EXPECT_EQ(Le32(file, 40), file.size() - 44);

    TInProcessRun played = RunTool({"say", iFolder->File("words.idx"), "window"});
    ASSERT_EQ(played.iStatus, 0) << played.iErr;
    ASSERT_EQ(iOutput.iImages.size(), 1u);
    EXPECT_EQ(iOutput.iImages[0], file);
}

TEST_F(SayCommand, EachWordHasItsOwnSound)
{
    ASSERT_EQ(
        RunTool({"say", iFolder->File("words"), "--wav=" + iFolder->File("b.wav"), "beautiful"}).iStatus, 0);
    ASSERT_EQ(RunTool({"say", iFolder->File("words"), "window", "--wav", iFolder->File("w.wav")}).iStatus, 0);
    EXPECT_NE(ReadFileBytes(iFolder->File("b.wav")), ReadFileBytes(iFolder->File("w.wav")));
}

TEST_F(SayCommand, AMissingWordIsNamed)
{
    TInProcessRun run = RunTool({"say", iFolder->File("words"), "Window"});
    EXPECT_EQ(run.iStatus, 1);
    EXPECT_NE(run.iErr.find("there is no word 'Window'"), std::string::npos) << run.iErr;
    EXPECT_TRUE(iOutput.iImages.empty());
}

TEST_F(SayCommand, AWordWithoutPronunciationIsAnError)
{
    TInProcessRun run = RunTool({"say", iFolder->File("mute"), "quiet", "--wav", iFolder->File("q.wav")});
    EXPECT_EQ(run.iStatus, 1);
    EXPECT_NE(run.iErr.find("'quiet' has no pronunciation"), std::string::npos) << run.iErr;
    EXPECT_FALSE(FileExists(iFolder->File("q.wav")));
}

TEST_F(SayCommand, AMissingSpeechFileIsNamed)
{
    CTempFolder copy;
    for (const char* extension : {".idx", ".dat"})
        WriteFileBytes(copy.File(std::string("words") + extension),
                       ReadFileBytes(iFolder->File(std::string("words") + extension)));
    TInProcessRun run = RunTool({"say", copy.File("words"), "window"});
    EXPECT_EQ(run.iStatus, 1);
    EXPECT_NE(run.iErr.find("cannot be read from " + copy.File("words.pro")), std::string::npos) << run.iErr;
    EXPECT_TRUE(iOutput.iImages.empty());
}

TEST_F(SayCommand, AMissingCourseIsNamed)
{
    TInProcessRun run = RunTool({"say", iFolder->File("nothing"), "window"});
    EXPECT_EQ(run.iStatus, 1);
    EXPECT_NE(run.iErr.find("nothing.idx cannot be opened"), std::string::npos) << run.iErr;
}

TEST_F(SayCommand, WithoutADeviceNothingIsPlayedAndTheUserIsTold)
{
    iOutput.iHasDevice = false;
    TInProcessRun run = RunTool({"say", iFolder->File("words"), "window"});
    EXPECT_EQ(run.iStatus, 1);
    EXPECT_NE(run.iErr.find("no audio device"), std::string::npos) << run.iErr;
    EXPECT_TRUE(iOutput.iImages.empty());
}

TEST_F(SayCommand, AnUnwritableWavFileIsAnError)
{
    TInProcessRun run =
        RunTool({"say", iFolder->File("words"), "window", "--wav", iFolder->File("no/such/dir.wav")});
    EXPECT_EQ(run.iStatus, 1);
    EXPECT_NE(run.iErr.find("cannot be written"), std::string::npos) << run.iErr;
}

TEST_F(SayCommand, UsageErrors)
{
    for (const TArgs& args : std::vector<TArgs>{{"say"},
                                                {"say", iFolder->File("words")},
                                                {"say", iFolder->File("words"), "window", "extra"},
                                                {"say", iFolder->File("words"), "window", "--wav"},
                                                {"say", iFolder->File("words"), "window", "--loud"},
                                                {"say", iFolder->File("words"), ""}})
    {
        TInProcessRun run = RunTool(args);
        EXPECT_EQ(run.iStatus, 2) << args.size();
        EXPECT_NE(run.iErr.find("usage: zulex-course say"), std::string::npos) << run.iErr;
    }
    EXPECT_NE(RunTool({"--help"}).iOut.find("zulex-course say DIR/NAME WORD"), std::string::npos);
}

TEST(SayCommandProgram, SpeaksAWordOfEachBundledBookOnTheDummyDevice)
{
    // The program as a user runs it, on SDL's dummy driver: plays in real time and ends.
    std::string course = std::string(ZU_TEST_OUT_DIR) + "/course/";
    for (const char* book : {"core ability", "daily goodbye"})
    {
        std::string name(book);
        std::string word = name.substr(name.find(' ') + 1);
        name = name.substr(0, name.find(' '));
        TProgramRun run = RunProgram(std::string("SDL_AUDIODRIVER=dummy ") + Quoted(ZU_COURSE_TOOL) +
                                     " say " + Quoted(course + name) + " " + Quoted(word));
        EXPECT_EQ(run.iExitCode, 0) << run.iOutput;
        CTempFolder folder;
        run = RunProgram(Quoted(ZU_COURSE_TOOL) + " say " + Quoted(course + name) + " " + Quoted(word) +
                         " --wav " + Quoted(folder.File("word.wav")));
        EXPECT_EQ(run.iExitCode, 0) << run.iOutput;
        // More than a third of a second of sound.
        EXPECT_GT(ReadFileBytes(folder.File("word.wav")).size(), 44u + 6000u) << book;
    }
}
