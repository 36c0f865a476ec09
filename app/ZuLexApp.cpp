#include "ZuLexApp.h"

#include "ZuControl.h"
#include "ZuEnv.h"
#include "ZuImageManager.h"
#include "ZuLexColours.h"
#include "ZuLexIds.h"
#include "ZuLexMainView.h"
#include "ZuLexWnd.h"
#include "ZuMenuData.h"
#include "ZuPathUtil.h"
#include "ZuStringManager.h"
#include "ZuUiSetting.h"
#include "ZuUiStyle.h"
#include "ZuView.h"

namespace
{
const char* const KLoading = "Loading data";
} // namespace

CZuLexApp::CZuLexApp()
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
}

CZuLexApp::~CZuLexApp() {}

void CZuLexApp::Release()
{
    delete this;
}

bool CZuLexApp::HandleMessage(CZuMessage* message)
{
    return CZuUiManager::HandleMessage(message);
}

void CZuLexApp::StartL()
{
    CZuLexWnd* wnd = new CZuLexWnd(PlatWindow1());
    AppendWnd(wnd);
    SwitchWnd(CZuString(KZuLexWndName));
    CZuRect ui = GetUiRect();
    if (ui.Width() > 0 && ui.Height() > 0)
        wnd->SetWndRect(CZuRect(CZuPoint(0, 0), ui.Size()));

    ShowWelcomeScreen(true);
    SetWelcomeInfo(CZuString(KLoading));

    CZuString resources = CZuPathUtil::GetResourcePath();
    resources += "res/";
    CZuString table = resources;
    table += "ZuLex_zh.bin";
    CZuEnv::StringMgr()->AddStringRes(table);
    CZuString images = resources;
    images += "img/";
    CZuEnv::ImageMgr()->AddImagePath(images);

    SetBgColor(CZuRgb(KZuLexScreen));
    if (CZuControl* root = wnd->GetWnd())
        root->SetBorderColor(CZuRgb(KZuLexBorder));
    if (PlatWindow1())
        PlatWindow1()->SetBorderColor(CZuRgb(KZuLexBorder));
    CZuEnv::UiSetting()->EnableTransformEffectSupport(true);

    CreateViewsL();

    wnd->SetWndRect(CZuRect(CZuPoint(0, 0), GetUiRect().Size()));
    SetWelcomeInfo(CZuString("Loading data ........"));
    ActivateViewL(EZuLexViewMain);
    ShowWelcomeScreen(false);
}

void CZuLexApp::CreateViewsL()
{
    SetWelcomeInfo(CZuString("Loading data ."));
    CZuLexMainView* main = new CZuLexMainView(this);
    main->ConstructL(0);
    main->SetCbaData(EZuLexCmdMenu, CZuEnv::GetString(EZuLexUiStrOptions), EZuLexCmdExit,
                     CZuEnv::GetString(EZuLexUiStrExit));
    CZuMenuData* menu = main->CreateMenu();
    int entry = menu->AddMenu();
    menu->AddMenuItem(entry, EZuLexCmdAbout, CZuEnv::GetString(EZuLexUiStrAbout));
    menu->AddMenuItem(entry, EZuLexCmdExit, CZuEnv::GetString(EZuLexUiStrExit));
    main->SetViewId(EZuLexViewMain);
    main->SetTransformEffect(EZuTransFromLeft);
    AddViewL(main);
}
