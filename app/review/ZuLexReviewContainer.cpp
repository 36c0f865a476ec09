#include "ZuLexReviewContainer.h"

#include "ZuEnv.h"
#include "ZuUiManager.h"

CZuLexReviewContainer::CZuLexReviewContainer(CZuControl* parent, CZuView* view) : CZuContainer(parent, view, EZuCtrlContainer) {}

void CZuLexReviewContainer::ConstructL()
{
    CZuContainer::ConstructL();
    if (CZuUiManager* manager = CZuEnv::UiManager())
        SetRect(manager->GetClientRect());
}
