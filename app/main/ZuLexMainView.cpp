#include "ZuLexMainView.h"

#include "ZuButton.h"
#include "ZuDialog.h"
#include "ZuEnv.h"
#include "ZuGrid.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuLexMainContainer.h"
#include "ZuMessage.h"
#include "ZuTitleBar.h"
#include "ZuUiManager.h"
#include "ZuWnd.h"

#include <initializer_list>

CZuLexMainView::CZuLexMainView(CZuUiManager* manager) : CZuView(manager) {}

CZuLexMainContainer* CZuLexMainView::MainContainer() const
{
    return static_cast<CZuLexMainContainer*>(GetContainer());
}

void CZuLexMainView::SetUpTitleRow()
{
    CZuWnd* wnd = iUiManager->GetCurWnd();
    for (const char* hidden : {"Prev", "Next"})
    {
        if (CZuControl* control = wnd->GetControl(CZuString(hidden)))
            control->MakeVisible(false);
    }
    if (CZuTitleBar* bar = dynamic_cast<CZuTitleBar*>(wnd->GetControl(CZuString("TitleBar"))))
    {
        bar->SetAlign(EAlignLeft);
        bar->SetShowAppIcon(true);
    }
    if (CZuButton* menu = dynamic_cast<CZuButton*>(wnd->GetControl(CZuString("TitleMenu"))))
    {
        menu->SetCommand(EZuLexCmdMenu);
        menu->SetText(CZuEnv::GetString(EZuLexUiStrOptions));
        menu->SetMsgWnd(iUiManager, EZuMsgShowMenu);
    }
    if (CZuControl* pane = wnd->GetControl(CZuString("TitlePane")))
        pane->SetRect(pane->Rect());
}

void CZuLexMainView::DoActivateL()
{
    CZuWnd* wnd = iUiManager ? iUiManager->GetCurWnd() : nullptr;
    if (!wnd || !wnd->GetWnd())
        return;
    SetUpTitleRow();
    if (!GetContainer())
    {
        CZuLexMainContainer* container = new CZuLexMainContainer(wnd->GetWnd(), this);
        container->ConstructL();
    }
    CZuView::DoActivateL();
    SetTitle(CZuEnv::GetString(EZuLexStrMainTitle));
    if (CZuLexApp* app = dynamic_cast<CZuLexApp*>(iUiManager))
        app->SetPromptText(CZuLexApp::VersionPrompt());
}

void CZuLexMainView::DoDeactivate()
{
    // The grid stays as the learner left it, for when the main screen comes back.
    CZuContainer* container = TakeContainer();
    CZuView::DoDeactivate();
    SetContainer(container);
}

bool CZuLexMainView::HandleMessage(CZuMessage* message)
{
    // The message that the course has no words closed: the application made it and deletes it.
    if (message->iType == CZuDialog::KMsgDialogClosed)
    {
        if (CZuLexApp* app = dynamic_cast<CZuLexApp*>(iUiManager))
            app->DeleteMessage(message->iParam2);
        return true;
    }
    if (message->iType != CZuGrid::KMsgGrid || message->iParam1 != CZuGrid::KMsgActivated)
        return false;
    CZuLexApp* app = dynamic_cast<CZuLexApp*>(iUiManager);
    CZuLexMainContainer* container = MainContainer();
    if (!app || !container)
        return true;
    app->OpenScreen(container->Grid()->GetSelectedCellID());
    return true;
}
