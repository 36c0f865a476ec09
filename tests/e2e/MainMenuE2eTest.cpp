// The real program on a virtual display, used as a learner uses it: the main menu with keys and the
// mouse, the about note, and each way out, with a look at the window and at "Word.cfg" after each step.
#include "E2eSession.h"
#include "ZuReadFileStream.h"
#include "ZuString.h"

#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace
{

// Where the program's parts stand in its 480 x 360 window.
const int KWidth = 480;
const int KHeight = 360;
const int KTitleBottom = 33;
const int KClientBottom = 307;
const int KCbaTop = 329;
// The main menu's cells: three a row, 159 x 137 from the client area's top left.
const int KCellWidth = 159;
const int KCellHeight = 137;
const unsigned KScreen = 0xE7EFF6;
const unsigned KPromptBand = 0xD9E5F0;

int CellX(int column)
{
    return 1 + KCellWidth * column + KCellWidth / 2;
}

int CellY(int row)
{
    return KTitleBottom + KCellHeight * row + KCellHeight / 2;
}

// "Word.cfg" as the program wrote it, read item by item with the block-file reader.
struct TSettingsFile
{
    bool iRead = false;
    unsigned iFormat = 0;
    CZuString iCourseName;
    CZuString iCourseFile;
    unsigned iGroup = 0;
    unsigned iWord = 0;
    unsigned iUiTransform = 0;
    unsigned iCountPerGroup = 0;
    unsigned iWordSpeech = 0;
    unsigned iTestRange = 0;
};

TSettingsFile ReadSettings(const std::string& path)
{
    TSettingsFile file;
    CZuReadFileStream in;
    if (!in.Open(CZuString(path.c_str())))
        return file;
    in >> file.iFormat >> file.iCourseName >> file.iCourseFile >> file.iGroup >> file.iWord >> file.iUiTransform >>
        file.iCountPerGroup >> file.iWordSpeech >> file.iTestRange;
    in.Close();
    file.iRead = true;
    return file;
}

// The settings of a first start: the first course at its beginning, the default preferences.
void ExpectFirstStartSettings(const TSettingsFile& file)
{
    ASSERT_TRUE(file.iRead);
    EXPECT_EQ(file.iFormat, 1u);
    EXPECT_STREQ(file.iCourseFile.PtrZ(), "core");
    EXPECT_FALSE(file.iCourseName.IsEmpty());
    EXPECT_EQ(file.iGroup, 0u);
    EXPECT_EQ(file.iWord, 0u);
    EXPECT_EQ(file.iUiTransform, 1u);
    EXPECT_EQ(file.iCountPerGroup, 20u);
    EXPECT_EQ(file.iWordSpeech, 0u);
    EXPECT_EQ(file.iTestRange, 1u);
}

int ClientDifferences(const TE2eFrame& a, const TE2eFrame& b)
{
    return a.Differences(b, 0, KTitleBottom, KWidth, KClientBottom);
}

int AllDifferences(const TE2eFrame& a, const TE2eFrame& b)
{
    return a.Differences(b, 0, 0, KWidth, KHeight);
}

} // namespace

class MainMenuE2eTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { iDisplay = new CE2eDisplay; }
    static void TearDownTestSuite()
    {
        delete iDisplay;
        iDisplay = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(iDisplay->IsRunning());
        iProgram.reset(new CE2eProgram(*iDisplay));
        ASSERT_TRUE(iProgram->Start());
        iMain = iProgram->Frame();
        ASSERT_FALSE(iMain.IsEmpty());
    }
    TSettingsFile Settings() { return ReadSettings(iProgram->DataFile("Word.cfg")); }
    // Takes the settings file away, so that the way out must write it again.
    void RemoveSettings() { std::remove(iProgram->DataFile("Word.cfg").c_str()); }

    static CE2eDisplay* iDisplay;
    std::unique_ptr<CE2eProgram> iProgram;
    TE2eFrame iMain;
};

CE2eDisplay* MainMenuE2eTest::iDisplay = nullptr;

TEST_F(MainMenuE2eTest, StartsOnTheMainMenu)
{
    TE2eFrame frame = iProgram->Frame("main-menu");
    ASSERT_EQ(frame.iWidth, KWidth);
    ASSERT_EQ(frame.iHeight, KHeight);
    // The title bar and the command bar are blue, the screen light, the status line a band of its own.
    EXPECT_NE(frame.At(240, 16), KScreen);
    EXPECT_NE(frame.At(240, 344), KScreen);
    EXPECT_EQ(frame.At(470, 200), KScreen);
    EXPECT_EQ(frame.At(20, 318), KPromptBand);
    // Each cell shows its icon: not the plain screen at its middle.
    for (int cell = 0; cell < 5; ++cell)
        EXPECT_NE(frame.At(CellX(cell % 3), CellY(cell / 3) - 10), KScreen) << cell;
    ExpectFirstStartSettings(Settings());
}

TEST_F(MainMenuE2eTest, KeysMoveThroughTheMenuAndOpenAScreen)
{
    iProgram->Key("Right");
    TE2eFrame selected = iProgram->Frame("main-menu-first-selected");
    EXPECT_GT(ClientDifferences(selected, iMain), 0);
    // The selection is drawn behind the first cell only.
    EXPECT_NE(selected.At(CellX(0) - 70, CellY(0)), iMain.At(CellX(0) - 70, CellY(0)));
    EXPECT_EQ(selected.At(CellX(1) - 70, CellY(0)), iMain.At(CellX(1) - 70, CellY(0)));
    ExpectFirstStartSettings(Settings());

    iProgram->Key("Return");
    TE2eFrame course = iProgram->Frame("course-screen");
    EXPECT_GT(ClientDifferences(course, selected), 1000);
    EXPECT_GT(course.Differences(selected, 0, 0, KWidth, KTitleBottom), 0);
    ExpectFirstStartSettings(Settings());

    iProgram->Key("F2");
    TE2eFrame back = iProgram->Frame("main-menu-again");
    EXPECT_EQ(AllDifferences(back, selected), 0) << back.DifferenceBox(selected);
    ExpectFirstStartSettings(Settings());
}

TEST_F(MainMenuE2eTest, TheMouseChoosesAndOpensACell)
{
    iProgram->Click(CellX(1), CellY(1));
    TE2eFrame selected = iProgram->Frame("main-menu-settings-selected");
    EXPECT_GT(ClientDifferences(selected, iMain), 0);
    iProgram->Click(CellX(1), CellY(1));
    TE2eFrame settings = iProgram->Frame("setting-screen");
    EXPECT_GT(ClientDifferences(settings, selected), 1000);
    ExpectFirstStartSettings(Settings());
    // The right soft key, clicked, goes back.
    iProgram->Click(450, 344);
    TE2eFrame back = iProgram->Frame();
    EXPECT_EQ(AllDifferences(back, selected), 0) << back.DifferenceBox(selected);
    ExpectFirstStartSettings(Settings());
}

TEST_F(MainMenuE2eTest, OptionsMenuOpensAndCloses)
{
    iProgram->Key("F1");
    TE2eFrame menu = iProgram->Frame("main-menu-options");
    EXPECT_GT(AllDifferences(menu, iMain), 1000);
    // The open menu's right soft key closes it.
    iProgram->Key("F2");
    TE2eFrame closed = iProgram->Frame();
    EXPECT_EQ(AllDifferences(closed, iMain), 0) << closed.DifferenceBox(iMain);
    ExpectFirstStartSettings(Settings());
}

TEST_F(MainMenuE2eTest, AboutOpensFromTheMenuAndCloses)
{
    iProgram->Key("F1");
    TE2eFrame menu = iProgram->Frame();
    // The second entry is the about note.
    iProgram->Key("Down");
    iProgram->Key("Return");
    TE2eFrame about = iProgram->Frame("about");
    EXPECT_GT(ClientDifferences(about, iMain), 1000);
    ExpectFirstStartSettings(Settings());
    iProgram->Key("F1");
    TE2eFrame closed = iProgram->Frame("about-closed");
    EXPECT_EQ(AllDifferences(closed, iMain), 0) << closed.DifferenceBox(iMain);
    ExpectFirstStartSettings(Settings());
}

TEST_F(MainMenuE2eTest, RightSoftKeyEndsTheProgramAndWritesTheSettings)
{
    RemoveSettings();
    iProgram->Key("F2");
    EXPECT_EQ(iProgram->WaitForExit(), 0);
    ExpectFirstStartSettings(Settings());
}

TEST_F(MainMenuE2eTest, ClosingTheWindowEndsTheProgramAndWritesTheSettings)
{
    RemoveSettings();
    iProgram->CloseWindow();
    EXPECT_EQ(iProgram->WaitForExit(), 0);
    ExpectFirstStartSettings(Settings());
}

TEST_F(MainMenuE2eTest, TerminationEndsTheProgramAndWritesTheSettings)
{
    RemoveSettings();
    iProgram->Signal(SIGTERM);
    EXPECT_EQ(iProgram->WaitForExit(), 0);
    ExpectFirstStartSettings(Settings());
}
