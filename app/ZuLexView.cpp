#include "ZuLexView.h"

#include "ZuContainer.h"
#include "ZuEnv.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuMessage.h"
#include "ZuUiManager.h"
#include "ZuWnd.h"

CZuLexView::CZuLexView(CZuUiManager* manager, int titleId) : CZuView(manager), iTitleId(titleId) {}

void CZuLexView::DoActivateL()
{
    CZuWnd* wnd = iUiManager ? iUiManager->GetCurWnd() : nullptr;
    if (!GetContainer() && wnd && wnd->GetWnd())
        CreateContainerL(wnd->GetWnd());
    CZuView::DoActivateL();
    SetTitle(CZuEnv::GetString(iTitleId));
    if (CZuLexApp* app = App())
        app->SetPromptText(CZuLexApp::VersionPrompt());
}

bool CZuLexView::HandleMessage(CZuMessage* message)
{
    if (message->iType != EZuMsgCommand || message->iParam1 != EZuLexCmdBack || !iUiManager)
        return false;
    iUiManager->ActivateViewL(EZuLexViewMain);
    return true;
}

CZuLexApp* CZuLexView::App() const
{
    return dynamic_cast<CZuLexApp*>(iUiManager);
}
