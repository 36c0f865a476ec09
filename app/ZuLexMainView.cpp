#include "ZuLexMainView.h"

#include "ZuContainer.h"
#include "ZuUiManager.h"
#include "ZuWnd.h"

CZuLexMainView::CZuLexMainView(CZuUiManager* manager) : CZuView(manager) {}

CZuLexMainView::~CZuLexMainView() {}

void CZuLexMainView::DoActivateL()
{
    CZuControl* root = iUiManager && iUiManager->GetCurWnd() ? iUiManager->GetCurWnd()->GetWnd() : nullptr;
    CZuContainer* container = new CZuContainer(root, this, EZuCtrlContainer);
    container->ConstructL();
    CZuView::DoActivateL();
}
