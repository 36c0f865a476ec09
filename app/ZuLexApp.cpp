#include "ZuLexApp.h"

#include "WordConfig.h"
#include "WordCourseSelectView.h"
#include "ZuAudioPlayer.h"
#include "ZuControl.h"
#include "ZuEnv.h"
#include "ZuImageManager.h"
#include "ZuInfoDlg.h"
#include "ZuLexColours.h"
#include "ZuLexIds.h"
#include "ZuLexMainView.h"
#include "ZuLexNewwordView.h"
#include "ZuLexReviewView.h"
#include "ZuLexSettingView.h"
#include "ZuLexStudyView.h"
#include "ZuLexTestView.h"
#include "ZuLexText.h"
#include "ZuMenuData.h"
#include "ZuMessage.h"
#include "ZuPathUtil.h"
#include "ZuPromptBar.h"
#include "ZuStringManager.h"
#include "ZuTitleBar.h"
#include "ZuUiSetting.h"
#include "ZuUiStyle.h"
#include "ZuXmlWnd.h"

#include <algorithm>
#include <cstring>

namespace
{

const char* const KLoading = "Loading data";
// The welcome text grows by a dot for each screen made.
const int KLoadingDots = 8;

// Clips this short hold no word.
const int KMinSpeechBytes = 100;

// The window the program falls back on when its description cannot be read: the screens over the status
// line and the soft keys, so that the learner can still use the program and leave it.
const char KFallbackWindow[] =
    "<window>"
    "<row height=\"-1\"><layout name=\"ClientLayout\" width=\"-1\" height=\"-1\"/></row>"
    "<row height=\"22\"><promptbar name=\"PromptBar\" width=\"-1\" height=\"-1\"/></row>"
    "<row height=\"30\"><cba name=\"Cba\" width=\"-1\" height=\"-1\"/></row>"
    "</window>";

// One entry of a screen's options menu.
struct TMenuEntry
{
    int iCommand;
    int iText;
};

// What the application gives each screen: its soft keys and its options menu, in order.
struct TScreenSetUp
{
    int iViewId;
    int iLeftCommand;
    int iLeftText;
    int iRightCommand;
    int iRightText;
    TMenuEntry iMenu[5];
};

const TScreenSetUp KScreens[] = {
    {EZuLexViewMain,
     EZuLexCmdMenu,
     EZuLexUiStrOptions,
     EZuLexCmdExit,
     EZuLexUiStrExit,
     {{EZuLexCmdInfoPage, EZuLexStrInfoPage},
      {EZuLexCmdAbout, EZuLexStrAbout},
      {EZuLexCmdUpdateCheck, EZuLexStrUpdateCheck},
      {EZuLexCmdExit, EZuLexUiStrExit}}},
    {EZuLexViewCourse,
     EZuLexCmdMenu,
     EZuLexUiStrOptions,
     EZuLexCmdBack,
     EZuLexUiStrBack,
     {{EZuLexCmdAbout, EZuLexUiStrAbout}, {EZuLexCmdExit, EZuLexUiStrExit}}},
    {EZuLexViewStudy,
     EZuLexCmdMenu,
     EZuLexUiStrOptions,
     EZuLexCmdBack,
     EZuLexUiStrBack,
     {{EZuLexCmdSelectGroup, EZuLexStrSelectGroup},
      {EZuLexCmdAbout, EZuLexUiStrAbout},
      {EZuLexCmdExit, EZuLexUiStrExit}}},
    {EZuLexViewReview,
     EZuLexCmdMenu,
     EZuLexUiStrOptions,
     EZuLexCmdBack,
     EZuLexUiStrBack,
     {{EZuLexCmdAbout, EZuLexUiStrAbout}, {EZuLexCmdExit, EZuLexUiStrExit}}},
    {EZuLexViewTest,
     EZuLexCmdMenu,
     EZuLexUiStrOptions,
     EZuLexCmdBack,
     EZuLexUiStrBack,
     {{EZuLexCmdTestRange, EZuLexStrTestRange},
      {EZuLexCmdTestAgain, EZuLexStrTestAgain},
      {EZuLexCmdTestNew, EZuLexStrTestNew},
      {EZuLexCmdAbout, EZuLexUiStrAbout},
      {EZuLexCmdExit, EZuLexUiStrExit}}},
    {EZuLexViewNewword,
     EZuLexCmdMenu,
     EZuLexUiStrOptions,
     EZuLexCmdBack,
     EZuLexUiStrBack,
     {{EZuLexCmdAbout, EZuLexUiStrAbout}, {EZuLexCmdExit, EZuLexUiStrExit}}},
    {EZuLexViewSetting,
     EZuLexCmdSaveSettings,
     EZuLexStrSaveSettings,
     EZuLexCmdBack,
     EZuLexUiStrBack,
     {{EZuLexCmdAbout, EZuLexUiStrAbout}, {EZuLexCmdExit, EZuLexUiStrExit}}},
};

CZuView* MakeView(int id, CZuUiManager* manager)
{
    switch (id)
    {
    case EZuLexViewMain:
        return new CZuLexMainView(manager);
    case EZuLexViewCourse:
        return new CWordCourseSelectView(manager);
    case EZuLexViewStudy:
        return new CZuLexStudyView(manager);
    case EZuLexViewReview:
        return new CZuLexReviewView(manager);
    case EZuLexViewTest:
        return new CZuLexTestView(manager);
    case EZuLexViewNewword:
        return new CZuLexNewwordView(manager);
    default:
        return new CZuLexSettingView(manager);
    }
}

void SetUp(CZuView& view, const TScreenSetUp& setUp)
{
    view.ConstructL(0);
    view.SetCbaData(setUp.iLeftCommand, CZuEnv::GetString(setUp.iLeftText), setUp.iRightCommand,
                    CZuEnv::GetString(setUp.iRightText));
    CZuMenuData* menu = view.CreateMenu();
    int entry = menu->AddMenu();
    for (const TMenuEntry& item : setUp.iMenu)
    {
        if (item.iCommand != 0)
            menu->AddMenuItem(entry, item.iCommand, CZuEnv::GetString(item.iText));
    }
    view.SetViewId(setUp.iViewId);
    view.SetTransformEffect(EZuTransFromLeft);
}

} // namespace

CZuLexApp::CZuLexApp() : iSettings(nullptr), iSpeech(nullptr), iUpdateCheck(nullptr), iShutDown(false)
{
    SetAppName(CZuString("ZuLex"));
    CZuEnv::SetPathType(1);
    CZuUiStyle* style = CZuEnv::UiStyle();
    style->SetUiStyle(CZuUiStyle::EUiStyleDefault);
    style->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
    // The program's own colours: light screens with blue bars.
    style->iCbaBar.iBackground = CZuRgb(KZuLexBarBlue);
    style->iCbaBar.iBackgroundTo = CZuRgb(KZuLexBarBlueDark);
    style->iCbaBar.iForeground = CZuRgb(KZuLexBarText);
    style->iCommon.iBackground = CZuRgb(KZuLexScreen);
    style->iCommon.iForeground = CZuRgb(KZuLexInk);
    style->iCommon.iBorderColor = CZuRgb(KZuLexBorder);
    // Labels stand on the light screens: dark ink.
    style->iLabel.iForeground = CZuRgb(KZuLexInk);
    style->iLabel.iBackground = CZuRgb(KZuLexScreen);
}

CZuLexApp::~CZuLexApp()
{
    delete iUpdateCheck;
    DeleteMessages();
    delete iSpeech;
    delete iSettings;
}

CZuLexApp* CZuLexApp::Static()
{
    return CZuEnv::Static() ? dynamic_cast<CZuLexApp*>(CZuEnv::UiManager()) : nullptr;
}

CZuString CZuLexApp::VersionPrompt()
{
    return CZuEnv::GetString(EZuLexStrMainTitle) + KZuLexVersionText;
}

void CZuLexApp::Release()
{
    delete this;
}

bool CZuLexApp::HandleMessage(CZuMessage* message)
{
    if (message->iType == CZuDialog::KMsgDialogClosed && DeleteMessage(message->iParam2))
        return true;
    if (message->iType != EZuMsgCommand)
        return CZuUiManager::HandleMessage(message);
    switch (message->iParam1)
    {
    case EZuLexCmdExit:
        // The screen is left and the settings written before the window goes.
        Shutdown();
        return CZuUiManager::HandleMessage(message);
    case EZuLexCmdAbout:
        ShowAbout();
        return true;
    case EZuLexCmdUpdateCheck:
        StartUpdateCheck();
        return true;
    case EZuLexCmdInfoPage:
        ShowInfoPage();
        return true;
    default:
        return CZuUiManager::HandleMessage(message);
    }
}

void CZuLexApp::LoadMainWindowL()
{
    CZuXmlWnd* wnd = new CZuXmlWnd(KZuLexWndId, CZuString(KZuLexWndName));
    if (!wnd->LoadWnd(CZuPathUtil::GetResourcePath() + "dat/" + KZuLexWndFile) &&
        !wnd->GetLayout(CZuString("ClientLayout")))
        wnd->LoadWndText(KFallbackWindow, static_cast<int>(sizeof(KFallbackWindow) - 1),
                         CZuString("fallback window"));
    AppendWnd(wnd);
    SwitchWnd(CZuString(KZuLexWndName));
    CZuRect ui = GetUiRect();
    if (ui.Width() > 0 && ui.Height() > 0)
        wnd->SetWndRect(ui);
}

void CZuLexApp::StartL()
{
    LoadMainWindowL();
    // The welcome screen is painted first with the program's own text and colours, never with the
    // toolkit's greeting.
    MZuUiManagerObserver* observer = GetObserver();
    SetObserver(nullptr);
    ShowWelcomeScreen(true);
    SetWelcomeColor(CZuRgb(KZuLexBarText), CZuRgb(KZuLexBarBlue));
    SetObserver(observer);
    SetWelcomeInfo(CZuString(KLoading));

    CZuString resources = CZuPathUtil::GetResourcePath() + "res/";
    CZuEnv::StringMgr()->AddStringRes(resources + "ZuLex_zh.bin");
    CZuEnv::ImageMgr()->AddImagePath(resources + "img/");

    SetBgColor(CZuRgb(KZuLexScreen));
    if (CZuControl* root = GetCurWnd()->GetWnd())
        root->SetBorderColor(CZuRgb(KZuLexBorder));
    if (PlatWindow1())
        PlatWindow1()->SetBorderColor(CZuRgb(KZuLexBorder));

    iSettings = new CWordConfig;
    if (CZuTitleBar* bar = dynamic_cast<CZuTitleBar*>(GetTitleBar()))
    {
        if (CZuImage* icon =
                CZuEnv::ImageMgr()->GetImage(CZuString("ZuLexApp.png"), 32, 32, true, nullptr, 0))
            bar->SetAppIcon(icon, true);
    }

    CreateViewsL();
    GetCurWnd()->SetWndRect(GetUiRect());
    SetWelcomeInfo(CZuString(KLoading) + " " + CZuString('.', KLoadingDots));
    ActivateViewL(EZuLexViewMain);
    ShowWelcomeScreen(false);
    // The main screen replaces the welcome screen at once; from then on the screens slide when the learner
    // wants them to.
    CZuEnv::UiSetting()->EnableTransformEffectSupport(iSettings->UiTransform());
}

void CZuLexApp::CreateViewsL()
{
    for (const TScreenSetUp& setUp : KScreens)
    {
        SetWelcomeInfo(CZuString(KLoading) + " " + CZuString('.', setUp.iViewId));
        CZuView* view = MakeView(setUp.iViewId, this);
        SetUp(*view, setUp);
        AddViewL(view);
    }
}

void CZuLexApp::SetPromptText(const CZuString& text)
{
    iPrompt = text;
    CZuWnd* wnd = GetWnd(KZuLexWndId);
    CZuPromptBar* bar = wnd ? dynamic_cast<CZuPromptBar*>(wnd->GetControl(CZuString("PromptBar"))) : nullptr;
    if (!bar)
        return;
    bar->ClearAllPrompt();
    bar->AppendPrompt(text);
    bar->DrawDeferred();
}

void CZuLexApp::PlaySpeech(const char* data, int length)
{
    if (!data || length <= KMinSpeechBytes)
        return;
    if (!iSpeech)
    {
        iSpeech = new CZuAudioPlayer(nullptr);
        iSpeech->AmrDataPlay(data, length);
        return;
    }
    iSpeech->AmrDataClear();
    iSpeech->AmrDataAppend(data, length);
}

void CZuLexApp::OpenScreen(int command)
{
    bool needsWords = command == EZuLexCmdOpenStudy || command == EZuLexCmdOpenTest;
    if (needsWords && iSettings && iSettings->GetCourseWordCount(iSettings->CurrentCourse().iFile) < 1)
    {
        ShowNoWords();
        return;
    }
    switch (command)
    {
    case EZuLexCmdOpenCourse:
        ActivateViewL(EZuLexViewCourse);
        break;
    case EZuLexCmdOpenStudy:
        ActivateViewL(EZuLexViewStudy);
        break;
    case EZuLexCmdOpenReview:
        ActivateViewL(EZuLexViewReview);
        break;
    case EZuLexCmdOpenTest:
        ActivateViewL(EZuLexViewTest);
        break;
    case EZuLexCmdOpenNewword:
        ActivateViewL(EZuLexViewNewword);
        break;
    case EZuLexCmdOpenSetting:
        ActivateViewL(EZuLexViewSetting);
        break;
    default:
        break;
    }
}

void CZuLexApp::ShowMessage(const CZuString& title, const CZuString& text)
{
    ShowMessage(EZuLexDlgMessage, title, text, this);
}

void CZuLexApp::ShowNoWords()
{
    ShowMessage(EZuLexDlgNoWords, CZuEnv::GetString(EZuLexStrMainTitle), CZuEnv::GetString(EZuLexStrNoWords),
                GetView(EZuLexViewMain));
}

void CZuLexApp::ShowMessage(int id, const CZuString& title, const CZuString& text, MZuMessageWnd* receiver)
{
    if (iShutDown)
        return;
    CZuInfoDlg* dialog = new CZuInfoDlg(id);
    dialog->ConstructL();
    dialog->SetTitle(title);
    dialog->SetInfo(text);
    iMessages.push_back(dialog);
    dialog->ShowDialog(false, receiver);
}

bool CZuLexApp::DeleteMessage(uintptr_t param)
{
    CZuDialog* dialog = CZuMessage::ParamObject<CZuDialog>(param);
    auto found = std::find(iMessages.begin(), iMessages.end(), dialog);
    if (found == iMessages.end())
        return false;
    iMessages.erase(found);
    delete dialog;
    return true;
}

void CZuLexApp::DeleteMessages()
{
    for (CZuDialog* dialog : iMessages)
        delete dialog;
    iMessages.clear();
}

int CZuLexApp::DialogCount() const
{
    int count = 0;
    for (int i = 0; i < GetDispStackCount(); ++i)
        count += dynamic_cast<CZuDialog*>(GetDispStackAt(i)) ? 1 : 0;
    return count;
}

void CZuLexApp::ShowAbout()
{
    CZuInfoDlg* dialog = new CZuInfoDlg(EZuLexDlgAbout);
    dialog->ConstructL();
    dialog->SetTitle(CZuEnv::GetString(EZuLexStrAbout));
    dialog->SetInfo(CZuLexText::Get(EZuLexStrAboutText, CZuString(KZuLexVersionText)));
    dialog->ShowDialog(true, nullptr);
    delete dialog;
}

void CZuLexApp::ShowInfoPage()
{
    CZuInfoDlg* dialog = new CZuInfoDlg(EZuLexDlgInfoPage);
    dialog->SetVertAlign(EAlignVCenter);
    dialog->ConstructL();
    dialog->SetRect(GetClientRect());
    dialog->SetTitle(CZuEnv::GetString(EZuLexStrInfoPage));
    dialog->SetInfo(CZuEnv::GetString(EZuLexStrInfoPageText));
    dialog->ShowDialog(true, nullptr);
    delete dialog;
}

void CZuLexApp::StartUpdateCheck()
{
    if (iShutDown || IsCheckingForUpdate())
        return;
    if (!iUpdateCheck)
        iUpdateCheck = new CUpdateCheck(this);
    CZuString checking = CZuEnv::GetString(EZuLexStrUpdateChecking);
    SetPromptText(checking);
    // A check that cannot start has already told its verdict; the prompt then shows what it was.
    if (!iUpdateCheck->Start() && iPrompt == checking)
        SetPromptText(VersionPrompt());
}

bool CZuLexApp::IsCheckingForUpdate() const
{
    return iUpdateCheck && iUpdateCheck->IsRunning();
}

void CZuLexApp::HandleUpdateVerdict(const TUpdateVerdict& verdict)
{
    if (iPrompt == CZuEnv::GetString(EZuLexStrUpdateChecking))
        SetPromptText(VersionPrompt());
    ShowMessage(CZuEnv::GetString(EZuLexStrUpdateCheck), verdict.Text());
}

void CZuLexApp::Shutdown()
{
    if (iShutDown)
        return;
    iShutDown = true;
    // The request is cancelled and its thread joined: nothing may answer into a program that is going.
    delete iUpdateCheck;
    iUpdateCheck = nullptr;
    DeleteMessages();
    // No view has this id: the current screen is left and none takes its place.
    ActivateViewL(0);
    if (iSettings)
        iSettings->Save();
}
