// The program started on an offscreen window with a scratch copy of its data: the start-up behind the
// welcome screen, the main screen, moving between the screens, the notes of the main menu, and the way out.
#include "AppTestSupport.h"
#include "WordConfig.h"
#include "ZuLexApp.h"
#include "ZuLexColours.h"
#include "ZuLexFormContainer.h"
#include "ZuLexIds.h"
#include "ZuLexMainContainer.h"
#include "ZuLexText.h"
#include "ZuUi.h"
#include "ZuXmlForm.h"
#include "ZuXmlWnd.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace
{
const unsigned KF1 = 112;
const unsigned KF2 = 113;
const unsigned KEnter = 13;
const unsigned KRight = 39;
const unsigned KDown = 40;

// The command bar of the main window, and the client area's top and bottom, as WordWnd.xml lays them.
const int KCbaTop = 329;
} // namespace

class AppStartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SDL_FlushEvent(SDL_QUIT);
        iData.reset(new CAppDataDir);
        iApp.reset(new CAppUnderTest);
    }
    void TearDown() override
    {
        iApp.reset();
        iData.reset();
        SDL_FlushEvent(SDL_QUIT);
    }
    CZuLexApp& App() { return iApp->App(); }
    void Command(int command)
    {
        CZuEnv::Static()->PostMessageW(nullptr, EZuMsgCommand, command, 0);
        iApp->Pump();
    }
    CZuGrid* Grid()
    {
        CZuView* main = App().GetView(EZuLexViewMain);
        return static_cast<CZuLexMainContainer*>(main->GetContainer())->Grid();
    }
    CZuInfoDlg* TopDialog() { return dynamic_cast<CZuInfoDlg*>(App().GetTopFromDispStack()); }
    // Empties the current course: its index file goes.
    void RemoveCourseWords()
    {
        std::string file = Text(App().Settings()->CurrentCourse().iFile);
        std::remove(iData->File("course/" + file + ".idx").c_str());
    }
    bool QuitAsked()
    {
        SDL_PumpEvents();
        return SDL_HasEvent(SDL_QUIT);
    }

    std::unique_ptr<CAppDataDir> iData;
    std::unique_ptr<CAppUnderTest> iApp;
};

TEST_F(AppStartTest, StartsBehindTheWelcomeScreenAndEndsOnTheMainScreen)
{
    std::vector<std::string> expected = {"Loading data"};
    for (int dots = 1; dots <= 8; ++dots)
        expected.push_back("Loading data " + std::string(dots, '.'));
    std::vector<std::string> seen = iApp->Glue().iWelcomeTexts;
    seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
    EXPECT_EQ(expected, seen);
    EXPECT_EQ(App().GetWelcome(), nullptr);
    EXPECT_EQ(iApp->CurrentViewId(), int(EZuLexViewMain));
    EXPECT_EQ(App().GetViewCount(), 7);
    ASSERT_NE(App().Settings(), nullptr);
    // A first start writes the defaults.
    EXPECT_TRUE(FileExists(iData->File("Word.cfg")));
}

TEST_F(AppStartTest, MainWindowComesFromItsDescription)
{
    CZuXmlWnd* wnd = dynamic_cast<CZuXmlWnd*>(App().GetCurWnd());
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(wnd->GetFaultCount(), 0);
    EXPECT_EQ(Text(wnd->GetWndName()), KZuLexWndName);
    for (const char* name : {"TitlePane", "Prev", "Next", "TitleBar", "TitleMenu", "PromptBar", "Cba"})
        EXPECT_NE(wnd->GetControl(CZuString(name)), nullptr) << name;
    EXPECT_FALSE(wnd->GetControl(CZuString("Prev"))->IsVisible());
    EXPECT_FALSE(wnd->GetControl(CZuString("Next"))->IsVisible());
    CZuTitleBar* bar = wnd->GetControlAs<CZuTitleBar>(CZuString("TitleBar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->IsShowAppIcon());
    ASSERT_NE(bar->GetAppIcon(), nullptr);
    EXPECT_EQ(bar->GetAppIcon()->Size(), CZuSize(32, 32));
    EXPECT_EQ(Text(bar->GetText()), Text(CZuEnv::GetString(EZuLexStrMainTitle)));
    CZuButton* menu = wnd->GetControlAs<CZuButton>(CZuString("TitleMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->GetCommand(), int(EZuLexCmdMenu));
    EXPECT_EQ(Text(menu->GetText()), Text(CZuEnv::GetString(EZuLexUiStrOptions)));
    EXPECT_EQ(App().GetCba()->Rect().iTl.iY, KCbaTop);
}

TEST_F(AppStartTest, MainScreenShowsFiveScreensWithTheirIcons)
{
    CZuGrid* grid = Grid();
    ASSERT_EQ(grid->GetCellCount(), 5);
    const int ids[] = {EZuLexCmdOpenCourse, EZuLexCmdOpenStudy, EZuLexCmdOpenTest, EZuLexCmdOpenNewword,
                       EZuLexCmdOpenSetting};
    const int captions[] = {EZuLexStrCaptionCourse, EZuLexStrCaptionStudy, EZuLexStrCaptionTest,
                            EZuLexStrCaptionNewword, EZuLexStrCaptionSetting};
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(grid->GetCell(i)->GetCellID(), ids[i]);
        EXPECT_EQ(Text(grid->GetCell(i)->GetCaption()), Text(CZuEnv::GetString(captions[i])));
        ASSERT_NE(grid->GetCell(i)->GetImage(), nullptr) << i;
        EXPECT_EQ(grid->GetCell(i)->GetImage()->Size(), CZuSize(48, 48));
    }
    EXPECT_EQ(grid->GetSelectedIndex(), -1);
    EXPECT_TRUE(grid->IsFocused());
    EXPECT_EQ(grid->GetColumnCount(), 3);
    EXPECT_EQ(Text(App().GetCba()->GetLeftText()), Text(CZuEnv::GetString(EZuLexUiStrOptions)));
    EXPECT_EQ(App().GetCba()->GetRightCommand(), int(EZuLexCmdExit));
    iApp->Draw();
    EXPECT_EQ(iApp->PixelAt(240, 180) == KZuLexScreen || iApp->PixelAt(5, 200) == KZuLexScreen, true);
    EXPECT_EQ(iApp->PixelAt(0, 150), KZuLexBorder);
    iApp->WritePicture(ZU_TEST_BINARY_DIR "/zulex-main.png");
}

TEST_F(AppStartTest, PromptShowsTheTitleAndTheVersion)
{
    EXPECT_EQ(Text(CZuLexApp::VersionPrompt()), Text(CZuEnv::GetString(EZuLexStrMainTitle)) + "V1.0.4");
    CZuPromptBar* prompt = dynamic_cast<CZuPromptBar*>(App().GetCurWnd()->GetControl(CZuString("PromptBar")));
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->GetPromptCount(), 1);
}

TEST_F(AppStartTest, EveryScreenHasItsSoftKeysAndMenu)
{
    struct TExpected
    {
        int iView;
        int iLeft;
        int iRight;
        std::vector<int> iMenu;
    };
    const TExpected expected[] = {
        {EZuLexViewMain,
         EZuLexCmdMenu,
         EZuLexCmdExit,
         {EZuLexCmdInfoPage, EZuLexCmdAbout, EZuLexCmdUpdateCheck, EZuLexCmdExit}},
        {EZuLexViewCourse, EZuLexCmdMenu, EZuLexCmdBack, {EZuLexCmdAbout, EZuLexCmdExit}},
        {EZuLexViewStudy,
         EZuLexCmdMenu,
         EZuLexCmdBack,
         {EZuLexCmdSelectGroup, EZuLexCmdAbout, EZuLexCmdExit}},
        {EZuLexViewReview, EZuLexCmdMenu, EZuLexCmdBack, {EZuLexCmdAbout, EZuLexCmdExit}},
        {EZuLexViewTest,
         EZuLexCmdMenu,
         EZuLexCmdBack,
         {EZuLexCmdTestRange, EZuLexCmdTestAgain, EZuLexCmdTestNew, EZuLexCmdAbout, EZuLexCmdExit}},
        {EZuLexViewNewword, EZuLexCmdMenu, EZuLexCmdBack, {EZuLexCmdAbout, EZuLexCmdExit}},
        {EZuLexViewSetting, EZuLexCmdSaveSettings, EZuLexCmdBack, {EZuLexCmdAbout, EZuLexCmdExit}},
    };
    for (const TExpected& screen : expected)
    {
        CZuView* view = App().GetView(screen.iView);
        ASSERT_NE(view, nullptr) << screen.iView;
        EXPECT_EQ(view->GetTransformEffect(), EZuTransFromLeft);
        EXPECT_EQ(view->GetCbaData()->GetLeftItem()->GetCommandID(), screen.iLeft) << screen.iView;
        EXPECT_EQ(view->GetCbaData()->GetRightItem()->GetCommandID(), screen.iRight) << screen.iView;
        EXPECT_FALSE(view->GetCbaData()->GetRightItem()->GetItemName().IsEmpty());
        CZuMenuData* menu = view->GetMenuData();
        ASSERT_NE(menu, nullptr);
        std::vector<int> commands;
        for (int i = 0; i < menu->GetMenuItemCount(0); ++i)
        {
            commands.push_back(menu->GetMenuItem(0, i)->GetCommandID());
            EXPECT_FALSE(menu->GetMenuItem(0, i)->GetItemName().IsEmpty());
        }
        EXPECT_EQ(commands, screen.iMenu) << screen.iView;
    }
}

TEST_F(AppStartTest, KeysMoveThroughTheGridAndEnterOpensTheScreen)
{
    iApp->PressKey(KRight);
    EXPECT_EQ(Grid()->GetSelectedCellID(), int(EZuLexCmdOpenCourse));
    iApp->PressKey(KRight);
    iApp->PressKey(KDown);
    EXPECT_EQ(Grid()->GetSelectedCellID(), int(EZuLexCmdOpenSetting));
    iApp->PressKey(KEnter);
    EXPECT_EQ(iApp->CurrentViewId(), int(EZuLexViewSetting));
    EXPECT_EQ(Text(App().GetView(EZuLexViewSetting)->GetTitle()),
              Text(CZuEnv::GetString(EZuLexStrTitleSetting)));
    EXPECT_EQ(App().GetCba()->GetRightCommand(), int(EZuLexCmdBack));
    // The right soft key goes back; the main screen keeps its grid as it was.
    iApp->PressKey(KF2);
    EXPECT_EQ(iApp->CurrentViewId(), int(EZuLexViewMain));
    EXPECT_EQ(Grid()->GetSelectedCellID(), int(EZuLexCmdOpenSetting));
    EXPECT_EQ(Text(App().GetView(EZuLexViewMain)->GetTitle()), Text(CZuEnv::GetString(EZuLexStrMainTitle)));
}

TEST_F(AppStartTest, EveryCellOpensItsScreenAndEveryScreenComesBack)
{
    const std::pair<int, int> cells[] = {
        {EZuLexCmdOpenCourse, EZuLexViewCourse},   {EZuLexCmdOpenStudy, EZuLexViewStudy},
        {EZuLexCmdOpenTest, EZuLexViewTest},       {EZuLexCmdOpenNewword, EZuLexViewNewword},
        {EZuLexCmdOpenSetting, EZuLexViewSetting}, {EZuLexCmdOpenReview, EZuLexViewReview}};
    for (const auto& cell : cells)
    {
        App().OpenScreen(cell.first);
        iApp->Pump();
        EXPECT_EQ(iApp->CurrentViewId(), cell.second) << cell.first;
        ASSERT_NE(App().GetCurView()->GetContainer(), nullptr);
        EXPECT_EQ(App().GetCurView()->GetContainer()->Rect(), App().GetClientRect());
        iApp->Draw();
        iApp->WritePicture(ZU_TEST_BINARY_DIR "/zulex-screen-" + std::to_string(cell.second) + ".png");
        Command(EZuLexCmdBack);
        EXPECT_EQ(iApp->CurrentViewId(), int(EZuLexViewMain)) << cell.first;
        // A screen left gives its container up.
        EXPECT_EQ(App().GetView(cell.second)->GetContainer(), nullptr);
    }
    App().OpenScreen(EZuLexCmdOpenCourse);
    Command(EZuLexCmdCourseBack);
    EXPECT_EQ(iApp->CurrentViewId(), int(EZuLexViewMain));
}

TEST_F(AppStartTest, FormScreensShowTheirForms)
{
    if (!CZuXmlForm::KnowsKind("textreader"))
        GTEST_SKIP() << "the study screen's explanation needs the text reader";
    App().OpenScreen(EZuLexCmdOpenStudy);
    iApp->Pump();
    CZuLexFormContainer* container = dynamic_cast<CZuLexFormContainer*>(App().GetCurView()->GetContainer());
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->Form()->GetFaultCount(), 0) << Text(container->Form()->GetFault(0));
    CZuButton* back = container->Form()->GetControlAs<CZuButton>(CZuString("go_back"));
    ASSERT_NE(back, nullptr);
    // Its back button goes back as the soft key does.
    CZuRect place = back->Rect();
    iApp->Click(place.iTl.iX + place.Width() / 2, place.iTl.iY + place.Height() / 2);
    EXPECT_EQ(iApp->CurrentViewId(), int(EZuLexViewMain));
}

TEST_F(AppStartTest, StudyAndTestNeedACourseWithWords)
{
    RemoveCourseWords();
    for (int cell : {int(EZuLexCmdOpenStudy), int(EZuLexCmdOpenTest)})
    {
        App().OpenScreen(cell);
        iApp->Pump();
        EXPECT_EQ(iApp->CurrentViewId(), int(EZuLexViewMain));
        CZuInfoDlg* dialog = TopDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->GetID(), int(EZuLexDlgNoWords));
        EXPECT_EQ(Text(dialog->GetInfo()), Text(CZuEnv::GetString(EZuLexStrNoWords)));
        EXPECT_FALSE(dialog->IsModel());
        iApp->Draw();
        iApp->WritePicture(ZU_TEST_BINARY_DIR "/zulex-no-words.png");
        // Closed by its soft key; the main screen deletes it.
        iApp->PressKey(KF1);
        EXPECT_EQ(TopDialog(), nullptr);
        EXPECT_EQ(App().DialogCount(), 0);
    }
    // The other screens open all the same.
    App().OpenScreen(EZuLexCmdOpenCourse);
    iApp->Pump();
    EXPECT_EQ(iApp->CurrentViewId(), int(EZuLexViewCourse));
}

TEST_F(AppStartTest, AboutShowsTheVersionAndClosesWithItsKey)
{
    bool checked = false;
    bool closed = iApp->RunModal(
        [this] { Command(EZuLexCmdAbout); },
        {[&]
         {
             CZuInfoDlg* dialog = TopDialog();
             ASSERT_NE(dialog, nullptr);
             EXPECT_TRUE(dialog->IsModel());
             EXPECT_EQ(dialog->GetID(), int(EZuLexDlgAbout));
             EXPECT_EQ(Text(dialog->GetTitleLabel()->GetText()), Text(CZuEnv::GetString(EZuLexStrAbout)));
             std::string text = Text(dialog->GetInfo());
             EXPECT_EQ(text, Text(CZuLexText::Get(EZuLexStrAboutText, CZuString("V1.0.4"))));
             EXPECT_NE(text.find("V1.0.4"), std::string::npos);
             EXPECT_EQ(text.find("%s"), std::string::npos);
             // Keys are the dialog's while it is up: the grid below keeps its selection.
             iApp->PressKey(KRight);
             EXPECT_EQ(Grid()->GetSelectedIndex(), -1);
             iApp->Draw();
             iApp->WritePicture(ZU_TEST_BINARY_DIR "/zulex-about.png");
             // The command bar shows the dialog's one soft key.
             EXPECT_EQ(App().GetCba()->GetLeftCommand(), int(CZuDialog::KCmdCancel));
             checked = true;
         },
         [this] { iApp->PressKey(KEnter); }});
    EXPECT_TRUE(closed);
    EXPECT_TRUE(checked);
    EXPECT_EQ(TopDialog(), nullptr);
    EXPECT_EQ(App().DialogCount(), 0);
    EXPECT_EQ(App().GetCba()->GetRightCommand(), int(EZuLexCmdExit));
    // Again, closed by the soft key.
    EXPECT_TRUE(iApp->RunModal([this] { Command(EZuLexCmdAbout); }, {[this] { iApp->PressKey(KF1); }}));
    EXPECT_EQ(TopDialog(), nullptr);
}

TEST_F(AppStartTest, InformationPageFillsTheClientArea)
{
    bool checked = false;
    bool closed = iApp->RunModal([this] { Command(EZuLexCmdInfoPage); },
                                 {[&]
                                  {
                                      CZuInfoDlg* dialog = TopDialog();
                                      ASSERT_NE(dialog, nullptr);
                                      EXPECT_EQ(dialog->GetID(), int(EZuLexDlgInfoPage));
                                      EXPECT_EQ(dialog->Rect(), App().GetClientRect());
                                      EXPECT_EQ(Text(dialog->GetInfo()),
                                                Text(CZuEnv::GetString(EZuLexStrInfoPageText)));
                                      // The page has slid in.
                                      iApp->Pump();
                                      iApp->Draw();
                                      iApp->WritePicture(ZU_TEST_BINARY_DIR "/zulex-info.png");
                                      checked = true;
                                  },
                                  [this] { iApp->PressKey(KF1); }});
    EXPECT_TRUE(closed);
    EXPECT_TRUE(checked);
    EXPECT_EQ(App().DialogCount(), 0);
}

TEST_F(AppStartTest, MenuOpensFromTheTitleBarButton)
{
    CZuControl* menu = App().GetCurWnd()->GetControl(CZuString("TitleMenu"));
    ASSERT_TRUE(menu->IsVisible());
    CZuRect place = menu->Rect();
    iApp->Click(place.iTl.iX + place.Width() / 2, place.iTl.iY + place.Height() / 2);
    EXPECT_TRUE(App().IsShowMenu());
}

TEST_F(AppStartTest, ExitKeyLeavesTheScreenAndWritesTheSettings)
{
    std::remove(iData->File("Word.cfg").c_str());
    iApp->PressKey(KF2);
    EXPECT_TRUE(App().IsShutDown());
    EXPECT_TRUE(QuitAsked());
    EXPECT_EQ(App().GetCurView(), nullptr);
    EXPECT_TRUE(FileExists(iData->File("Word.cfg")));
}

// However the program ends, the screen shown is left as the learner would leave it, and the settings
// are written: from a screen other than the main one too.
TEST_F(AppStartTest, ShutdownFromAnotherScreenKeepsThePlace)
{
    App().Settings()->SetCountPerGroup(10);
    App().Settings()->SetGroup(1);
    App().OpenScreen(EZuLexCmdOpenCourse);
    iApp->Pump();
    CZuView* course = App().GetCurView();
    App().Shutdown();
    EXPECT_FALSE(course->IsActivated());
    EXPECT_EQ(course->GetContainer(), nullptr);
    CWordConfig reread;
    EXPECT_EQ(reread.CountPerGroup(), 10);
    EXPECT_EQ(reread.Group(), 1);
    // A second call does nothing more.
    std::remove(iData->File("Word.cfg").c_str());
    App().Shutdown();
    EXPECT_FALSE(FileExists(iData->File("Word.cfg")));
}

TEST_F(AppStartTest, AMissingWindowDescriptionStillGivesAWindowToLeave)
{
    iApp.reset();
    std::remove(iData->File("dat/WordWnd.xml").c_str());
    iApp.reset(new CAppUnderTest);
    EXPECT_EQ(iApp->CurrentViewId(), int(EZuLexViewMain));
    ASSERT_NE(App().GetCba(), nullptr);
    EXPECT_EQ(App().GetCba()->GetRightCommand(), int(EZuLexCmdExit));
    iApp->PressKey(KF2);
    EXPECT_TRUE(QuitAsked());
}

// Messages still shown when the program ends go with it.
TEST_F(AppStartTest, ShutdownTakesTheMessagesStillShown)
{
    RemoveCourseWords();
    App().OpenScreen(EZuLexCmdOpenStudy);
    App().ShowMessage(CZuString("title"), CZuString("text"));
    iApp->Pump();
    EXPECT_EQ(App().DialogCount(), 2);
    App().Shutdown();
    EXPECT_EQ(App().DialogCount(), 0);
    EXPECT_EQ(App().GetDispStackCount(), 0);
    // Nothing is shown once the program is ending.
    App().ShowMessage(CZuString("title"), CZuString("text"));
    App().OpenScreen(EZuLexCmdOpenStudy);
    EXPECT_EQ(App().DialogCount(), 0);
}

// The window closed while the about dialog waits: the wait ends, the dialog goes, and the quit reaches the
// program's loop, after which the settings are written as from any screen.
TEST_F(AppStartTest, ClosingTheWindowWhileAboutIsShownStillEndsTheProgram)
{
    std::remove(iData->File("Word.cfg").c_str());
    bool closed = iApp->RunModal([this] { Command(EZuLexCmdAbout); }, {[this]
                                                                       {
                                                                           EXPECT_NE(TopDialog(), nullptr);
                                                                           iApp->Glue().HandleClose();
                                                                       }});
    EXPECT_TRUE(closed);
    EXPECT_EQ(App().DialogCount(), 0);
    EXPECT_TRUE(QuitAsked());
    App().Shutdown();
    EXPECT_TRUE(FileExists(iData->File("Word.cfg")));
    CZuSynWait::ClearQuitRequest();
}
