// The real program on a virtual display, used as a learner uses the course and new-word screens and as it
// meets missing and damaged files: each scenario prepares the data, starts the program, acts with keys
// and clicks, and checks the window and the files it wrote.
#include "CourseOper.h"
#include "E2eFixture.h"
#include "E2eWindow.h"
#include "TestFiles.h"
#include "WordInfo.h"
#include "ZuFile.h"
#include "ZuString.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <vector>

using namespace e2e;

namespace
{

typedef std::vector<unsigned char> TBytes;

// The new-word screen's list and buttons, as "Newword.xml" lays them out.
const int KListLeft = 16;
const int KListRight = 300;
// The second row of the list, inside its band.
const int KSecondRowTop = 76;
const int KSecondRowBottom = 96;
const int KButtonY = 285;
const int KOkX = 181;
const int KCancelX = 297;

// The setting screen's choices and its save button, as "Setting.xml" lays them out.
const int KComboX = 300;
const int KTransformY = 58;
const int KCountY = 98;
const int KSpeechY = 138;
const int KSaveX = 90;
const int KSaveY = 285;

// The study screen: the word, phonetic line and explanation; the position in the group; the next button.
const int KStudyTextRight = 300;
const int KStudyTextTop = 40;
const int KStudyTextBottom = 228;
const int KPositionLeft = 320;
const int KPositionTop = 45;
const int KPositionBottom = 80;
const int KNextX = 240;
const int KNextY = 250;
const int KSpeechButtonX = 395;
const int KAddX = 90;
const int KAddY = 285;

// How the learner leaves the program.
enum TWayOut
{
    EMenuExit,
    EWindowClose,
    ETermination
};

} // namespace

class ScreensE2eTest : public CE2eFixture
{
protected:
    void Start(const std::string& name = std::string())
    {
        ASSERT_TRUE(iProgram->Start());
        iMain = iProgram->Changed(name);
        ASSERT_FALSE(iMain.IsEmpty());
    }
    std::string CourseFolder() { return iProgram->DataFile("course/"); }
    TSettingsFile Settings() { return ReadSettings(iProgram->DataFile("Word.cfg")); }
    // Opens a cell of the main menu with two clicks (select, then open) and gives the settled frame.
    TE2eFrame OpenCell(int cell, const std::string& name = std::string())
    {
        iProgram->Click(CellX(cell), CellY(cell));
        iProgram->Changed();
        iProgram->Click(CellX(cell), CellY(cell));
        return iProgram->Changed(name);
    }
    // Puts the first count words of the core course into the new-word book on disk; returns their
    // spellings.
    std::vector<std::string> SeedBook(int count)
    {
        CCourseOper core(CZuString("core"), CZuString(CourseFolder().c_str()));
        core.LoadRange(0, count);
        CCourseOper book(CZuString("newword"), CZuString(CourseFolder().c_str()));
        book.LoadAll();
        std::vector<std::string> words;
        for (int i = 0; i < core.WordCount(); ++i)
        {
            CWordInfo word(*core.Word(i));
            word.iSource = "core";
            book.AppendWord(word);
            words.push_back(word.iWord.PtrZ());
        }
        EXPECT_TRUE(book.Save());
        return words;
    }
    std::vector<std::string> BookOnDisk()
    {
        CCourseOper book(CZuString("newword"), CZuString(CourseFolder().c_str()));
        book.LoadAll();
        std::vector<std::string> words;
        for (int i = 0; i < book.WordCount(); ++i)
            words.push_back(book.Word(i)->iWord.PtrZ() ? book.Word(i)->iWord.PtrZ() : "");
        return words;
    }
    std::vector<TBytes> BookFiles()
    {
        return {ReadFileBytes(CourseFolder() + "newword.idx"), ReadFileBytes(CourseFolder() + "newword.dat")};
    }
    // Ink in the band of the new-word list's second row: a word is shown there.
    static int SecondRowInk(const TE2eFrame& frame)
    {
        return PixelsOtherThan(frame, KPaper, KListLeft, KSecondRowTop, KListRight, KSecondRowBottom);
    }

    // The study screen's word, phonetic line and explanation.
    static int StudyTextDifferences(const TE2eFrame& a, const TE2eFrame& b)
    {
        return a.Differences(b, 0, KStudyTextTop, KStudyTextRight, KStudyTextBottom);
    }
    static int PositionDifferences(const TE2eFrame& a, const TE2eFrame& b)
    {
        return a.Differences(b, KPositionLeft, KPositionTop, KWidth - 4, KPositionBottom);
    }
    // Opens the combo at y, moves its list by steps rows (negative: up) and confirms the row.
    TE2eFrame ChooseInCombo(int y, int steps, const std::string& name = std::string())
    {
        iProgram->Click(KComboX, y);
        iProgram->Changed();
        for (int i = 0; i < (steps < 0 ? -steps : steps); ++i)
            iProgram->Key(steps < 0 ? "Up" : "Down");
        iProgram->Key("Return");
        return iProgram->Changed(name);
    }
    void Leave(TWayOut way)
    {
        if (way == EMenuExit)
        {
            // The study screen's menu: the group dialog, about, exit.
            iProgram->Key("F1");
            iProgram->Changed();
            iProgram->Key("Down");
            iProgram->Key("Down");
            iProgram->Key("Return");
        }
        else if (way == EWindowClose)
            iProgram->CloseWindow();
        else
            iProgram->Signal(SIGTERM);
    }
};

TEST_F(ScreensE2eTest, TheSecondCourseIsChosenAndStartsAtItsBeginning)
{
    Start();
    TE2eFrame course = OpenCell(ECellCourse, "course-first");
    EXPECT_GT(ClientDifferences(course, iMain), 1000);
    iProgram->Key("Down");
    TE2eFrame moved = iProgram->Changed("course-second-selected");
    EXPECT_GT(ClientDifferences(moved, course), 0);
    EXPECT_EQ(Settings().Place(), "core 0 0");
    // Enter chooses the course, and Enter on the focused button takes it.
    iProgram->Key("Return");
    iProgram->Changed();
    iProgram->Key("Return");
    TE2eFrame back = iProgram->Changed("course-taken");
    EXPECT_GT(ClientDifferences(back, moved), 1000);
    for (int cell = 0; cell < 5; ++cell)
        EXPECT_NE(back.At(CellX(cell), CellY(cell) - 10), KScreen) << cell;
    TSettingsFile settings = Settings();
    EXPECT_EQ(settings.Place(), "daily 0 0");
    EXPECT_STREQ(settings.iCourseName.PtrZ(), "日常与旅行英语");
    iProgram->Key("F2");
    EXPECT_EQ(iProgram->WaitForExit(), 0);
    EXPECT_EQ(Settings().Place(), "daily 0 0");
}

TEST_F(ScreensE2eTest, NewWordsAreDeletedOnlyByOk)
{
    Start();
    // The first two words of the group go into the book from the study screen, which writes it when it
    // is left.
    OpenCell(ECellStudy);
    iProgram->Click(KAddX, KAddY);
    iProgram->Changed();
    iProgram->Click(KNextX, KNextY);
    iProgram->Changed();
    iProgram->Click(KAddX, KAddY);
    iProgram->Changed();
    EXPECT_FALSE(FileExists(CourseFolder() + "newword.idx"));
    iProgram->Key("F2");
    iProgram->Changed();
    std::vector<std::string> words;
    EXPECT_TRUE(CE2eProgram::Eventually([&] { return (words = BookOnDisk()).size() == 2; }));
    ASSERT_EQ(words, (std::vector<std::string>{"ability", "able"}));
    std::vector<TBytes> before = BookFiles();
    TE2eFrame list = OpenCell(ECellNewword, "newword-two-words");
    EXPECT_GT(SecondRowInk(list), 20);
    // Enter chooses the first word, Enter on "delete" deletes it: one row is left.
    iProgram->Key("Return");
    iProgram->Changed();
    iProgram->Key("Return");
    TE2eFrame deleted = iProgram->Changed("newword-one-deleted");
    EXPECT_EQ(SecondRowInk(deleted), 0);
    EXPECT_EQ(BookFiles(), before);
    iProgram->Click(KCancelX, KButtonY);
    iProgram->Changed();
    EXPECT_EQ(BookFiles(), before);

    TE2eFrame again = OpenCell(ECellNewword);
    EXPECT_GT(SecondRowInk(again), 20);
    iProgram->Key("Return");
    iProgram->Changed();
    iProgram->Key("Return");
    iProgram->Changed();
    iProgram->Click(KOkX, KButtonY);
    TE2eFrame main = iProgram->Changed("newword-kept");
    EXPECT_GT(ClientDifferences(main, deleted), 1000);
    EXPECT_EQ(BookOnDisk(), std::vector<std::string>{words[1]});
    for (const std::string& entry : FolderEntries(CourseFolder()))
    {
        if (entry.compare(0, 8, "newword.") == 0)
        {
            EXPECT_TRUE(entry == "newword.idx" || entry == "newword.dat" || entry == "newword.pro") << entry;
        }
    }
    TE2eFrame reopened = OpenCell(ECellNewword, "newword-one-word");
    EXPECT_EQ(SecondRowInk(reopened), 0);
    EXPECT_GT(ClientDifferences(reopened, iMain), 1000);
}

TEST_F(ScreensE2eTest, ACourseWithoutItsFilesKeepsTheMainMenu)
{
    for (const char* extension : {".idx", ".dat", ".pro"})
        std::remove((CourseFolder() + "core" + extension).c_str());
    Start();
    for (int cell : {int(ECellStudy), int(ECellTest)})
    {
        iProgram->Click(CellX(cell), CellY(cell));
        TE2eFrame selected = iProgram->Changed();
        iProgram->Click(CellX(cell), CellY(cell));
        TE2eFrame note = iProgram->Changed(cell == ECellStudy ? "no-words-study" : "no-words-test");
        EXPECT_GT(ClientDifferences(note, selected), 1000) << cell;
        // The note's soft key closes it: the main menu is as it was.
        iProgram->Key("F1");
        TE2eFrame closed = iProgram->Changed();
        EXPECT_EQ(AllDifferences(closed, selected), 0) << cell << " " << closed.DifferenceBox(selected);
    }
    EXPECT_EQ(Settings().Place(), "core 0 0");
    iProgram->Key("F2");
    EXPECT_EQ(iProgram->WaitForExit(), 0);
}

TEST_F(ScreensE2eTest, DamagedSettingsAndBookStillStartWithWhatSurvives)
{
    std::vector<std::string> words = SeedBook(3);
    // The third word's record is cut away from the book's data file.
    {
        CCourseOper book(CZuString("newword"), CZuString(CourseFolder().c_str()));
        book.LoadAll();
        ASSERT_EQ(book.WordCount(), 3);
        CZuFile data;
        ASSERT_TRUE(data.Open(CZuString((CourseFolder() + "newword.dat").c_str())));
        ASSERT_TRUE(data.SetLength(book.Word(2)->iDataOffset));
        data.Close();
    }
    // A settings file whose length claims more than it holds, then noise.
    WriteFileBytes(iProgram->DataFile("Word.cfg"), TBytes{0, 0, 0x10, 0, 0, 0, 0, 1, 0xFF, 0xFE, 7, 7, 7});
    Start("damaged-main-menu");
    const TE2eFrame& frame = iMain;
    for (int cell = 0; cell < 5; ++cell)
        EXPECT_NE(frame.At(CellX(cell), CellY(cell) - 10), KScreen) << cell;
    TE2eFrame list = OpenCell(ECellNewword, "damaged-newword");
    // Two words survive: the second row shows one, the third none.
    EXPECT_GT(SecondRowInk(list), 20);
    EXPECT_EQ(PixelsOtherThan(list, KPaper, KListLeft, KSecondRowTop + 31, KListRight, KSecondRowBottom + 31),
              0);
    iProgram->Key("F2");
    iProgram->Changed();
    iProgram->Key("F2");
    EXPECT_EQ(iProgram->WaitForExit(), 0);
    TSettingsFile settings = Settings();
    ASSERT_TRUE(settings.iRead);
    EXPECT_EQ(settings.Place(), "core 0 0");
    EXPECT_EQ(settings.iCountPerGroup, 20u);
}

TEST_F(ScreensE2eTest, SettingsChangeTheGroupSizeSpeechAndSlides)
{
    iProgram->CaptureSound();
    Start();
    TE2eFrame studyBefore = OpenCell(ECellStudy, "study-twenty-a-group");
    iProgram->Key("F2");
    iProgram->Changed();
    TE2eFrame settings = OpenCell(ECellSetting, "settings-first");
    EXPECT_GT(ClientDifferences(settings, iMain), 1000);
    // Slides off, 10 words a group (two rows above 20), words spoken on request.
    ChooseInCombo(KTransformY, 1);
    ChooseInCombo(KCountY, -2);
    TE2eFrame chosen = ChooseInCombo(KSpeechY, 1, "settings-chosen");
    EXPECT_GT(ClientDifferences(chosen, settings), 100);
    EXPECT_EQ(Settings().iCountPerGroup, 20u);
    iProgram->Click(KSaveX, KSaveY);
    iProgram->Changed();
    TSettingsFile file = Settings();
    EXPECT_EQ(file.iUiTransform, 0u);
    EXPECT_EQ(file.iCountPerGroup, 10u);
    EXPECT_EQ(file.iWordSpeech, 1u);
    EXPECT_EQ(file.Place(), "core 0 0");
    // The same first word, now the first of ten.
    iProgram->ForgetSound();
    TE2eFrame studyAfter = OpenCell(ECellStudy, "study-ten-a-group");
    EXPECT_EQ(StudyTextDifferences(studyAfter, studyBefore), 0) << studyAfter.DifferenceBox(studyBefore);
    EXPECT_GT(PositionDifferences(studyAfter, studyBefore), 10);
    // Shown without a word said; the speech button says it.
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_FALSE(iProgram->SoundHeard());
    iProgram->Click(KSpeechButtonX, KNextY);
    EXPECT_TRUE(CE2eProgram::Eventually([this] { return iProgram->SoundHeard(); }));
    iProgram->Key("F2");
    iProgram->Changed();
    iProgram->Key("F2");
    EXPECT_EQ(iProgram->WaitForExit(), 0);
    EXPECT_EQ(Settings().iCountPerGroup, 10u);
}

// However the learner leaves the study screen's program, the next start shows the same word.
TEST_F(ScreensE2eTest, EveryWayOutOfStudyKeepsTheWord)
{
    Start();
    TE2eFrame first = OpenCell(ECellStudy);
    iProgram->Click(KNextX, KNextY);
    iProgram->Changed();
    iProgram->Click(KNextX, KNextY);
    TE2eFrame third = iProgram->Changed("study-third-word");
    EXPECT_GT(StudyTextDifferences(third, first), 100);
    for (TWayOut way : {EMenuExit, EWindowClose, ETermination})
    {
        Leave(way);
        EXPECT_EQ(iProgram->WaitForExit(), 0) << way;
        EXPECT_EQ(Settings().Place(), "core 0 2") << way;
        ASSERT_TRUE(iProgram->Start()) << way;
        iProgram->Changed();
        TE2eFrame again = OpenCell(ECellStudy, "study-after-restart");
        EXPECT_EQ(StudyTextDifferences(again, third), 0) << way << " " << again.DifferenceBox(third);
        EXPECT_EQ(PositionDifferences(again, third), 0) << way;
    }
}
