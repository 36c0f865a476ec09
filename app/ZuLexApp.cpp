#include "ZuLexApp.h"

#include "ZuControl.h"
#include "ZuEnv.h"
#include "ZuImageManager.h"
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
const char* const KWndName = "ZuLexWnd";
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
    style->iCbaBar.iBackground = CZuRgb(2, 82, 150);
    style->iCbaBar.iBackgroundTo = CZuRgb(1, 56, 108);
    style->iCbaBar.iForeground = CZuRgb(255, 255, 255);
    style->iCommon.iBackground = CZuRgb(231, 239, 246);
    style->iCommon.iForeground = CZuRgb(24, 40, 64);
    style->iCommon.iBorderColor = CZuRgb(2, 82, 150);
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
    SwitchWnd(CZuString(KWndName));
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

    SetBgColor(CZuRgb(231, 239, 246));
    if (CZuControl* root = wnd->GetWnd())
        root->SetBorderColor(CZuRgb(2, 82, 150));
    if (PlatWindow1())
        PlatWindow1()->SetBorderColor(CZuRgb(2, 82, 150));
    CZuEnv::UiSetting()->EnableTransformEffectSupport(true);

    CreateViewsL();

    wnd->SetWndRect(CZuRect(CZuPoint(0, 0), GetUiRect().Size()));
    SetWelcomeInfo(CZuString("Loading data ........"));
    ActivateViewL(EMainView);
    ShowWelcomeScreen(false);
}

void CZuLexApp::CreateViewsL()
{
    SetWelcomeInfo(CZuString("Loading data ."));
    CZuLexMainView* main = new CZuLexMainView(this);
    main->ConstructL(0);
    main->SetCbaData(1, CZuEnv::GetString(0x5A550002), 6, CZuEnv::GetString(0x5A550008));
    CZuMenuData* menu = main->CreateMenu();
    int entry = menu->AddMenu();
    menu->AddMenuItem(entry, 8, CZuEnv::GetString(0x5A550009));
    menu->AddMenuItem(entry, 6, CZuEnv::GetString(0x5A550008));
    main->SetViewId(EMainView);
    main->SetTransformEffect(EZuTransFromLeft);
    AddViewL(main);
}
