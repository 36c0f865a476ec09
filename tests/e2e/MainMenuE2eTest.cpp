// The real program on a virtual display, used as a learner uses it: the main menu with keys and the
// mouse, the about note, and each way out, with a look at the window and at "Word.cfg" after each step.
#include "E2eFixture.h"
#include "E2eWindow.h"
#include "TestFiles.h"
#include "ZuString.h"

#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

using namespace e2e;

namespace
{

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

} // namespace

class MainMenuE2eTest : public CE2eFixture
{
protected:
    void SetUp() override
    {
        CE2eFixture::SetUp();
        // Every scenario here is a first start: there are no settings yet.
        ASSERT_FALSE(FileExists(iProgram->DataFile("Word.cfg")));
        Start();
    }
    TSettingsFile Settings() { return ReadSettings(iProgram->DataFile("Word.cfg")); }
    // Takes the settings file away, so that the way out must write it again.
    void RemoveSettings() { std::remove(iProgram->DataFile("Word.cfg").c_str()); }
};

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
        EXPECT_NE(frame.At(ColumnX(cell % 3), RowY(cell / 3) - 10), KScreen) << cell;
    ExpectFirstStartSettings(Settings());
}

TEST_F(MainMenuE2eTest, KeysMoveThroughTheMenuAndOpenAScreen)
{
    iProgram->Key("Right");
    TE2eFrame selected = iProgram->Frame("main-menu-first-selected");
    EXPECT_GT(ClientDifferences(selected, iMain), 0);
    // The selection is drawn behind the first cell only.
    EXPECT_NE(selected.At(ColumnX(0) - 70, RowY(0)), iMain.At(ColumnX(0) - 70, RowY(0)));
    EXPECT_EQ(selected.At(ColumnX(1) - 70, RowY(0)), iMain.At(ColumnX(1) - 70, RowY(0)));
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
    iProgram->Click(ColumnX(1), RowY(1));
    TE2eFrame selected = iProgram->Frame("main-menu-settings-selected");
    EXPECT_GT(ClientDifferences(selected, iMain), 0);
    iProgram->Click(ColumnX(1), RowY(1));
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
