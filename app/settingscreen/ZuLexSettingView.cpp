#include "ZuLexSettingView.h"

#include "WordConfig.h"
#include "ZuEnv.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuLexSettingContainer.h"
#include "ZuMessage.h"
#include "ZuUiManager.h"
#include "ZuUiSetting.h"

CZuLexSettingView::CZuLexSettingView(CZuUiManager* manager) : CZuLexView(manager, EZuLexStrTitleSetting) {}

CZuLexSettingContainer* CZuLexSettingView::SettingContainer() const
{
    return dynamic_cast<CZuLexSettingContainer*>(GetContainer());
}

void CZuLexSettingView::CreateContainerL(CZuControl* parent)
{
    CZuLexSettingContainer* container = new CZuLexSettingContainer(parent, this);
    CWordConfig* settings = App() ? App()->Settings() : nullptr;
    if (settings)
        container->ConstructL(*settings);
    else
        container->CZuLexFormContainer::ConstructL();
}

bool CZuLexSettingView::HandleMessage(CZuMessage* message)
{
    if (message->iType == EZuMsgCommand && message->iParam1 == EZuLexCmdSaveSettings)
    {
        SaveChoices();
        return true;
    }
    return CZuLexView::HandleMessage(message);
}

void CZuLexSettingView::SaveChoices()
{
    CWordConfig* settings = App() ? App()->Settings() : nullptr;
    CZuLexSettingContainer* container = SettingContainer();
    if (settings && container)
    {
        container->ApplyTo(*settings);
        CZuEnv::UiSetting()->EnableTransformEffectSupport(settings->UiTransform());
        // The learner pressed save: the choices are on disk at once, whatever happens next.
        settings->Save();
    }
    if (iUiManager)
        iUiManager->ActivateViewL(EZuLexViewMain);
}
