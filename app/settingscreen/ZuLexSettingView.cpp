#include "ZuLexSettingView.h"

#include "ZuLexSettingContainer.h"
#include "ZuLexIds.h"

CZuLexSettingView::CZuLexSettingView(CZuUiManager* manager) : CZuLexView(manager, EZuLexStrTitleSetting) {}

void CZuLexSettingView::CreateContainerL(CZuControl* parent)
{
    CZuLexSettingContainer* container = new CZuLexSettingContainer(parent, this);
    container->ConstructL();
}
