#include "ZuView.h"

#include "ZuCbaData.h"
#include "ZuContainer.h"
#include "ZuMenuData.h"
#include "ZuUiManager.h"

struct TZuViewData
{
    bool iActivated = false;
    int iViewId = 0;
    int iRetViewId = 0;
    TZuTransEffect iTransformEffect = EZuTransNone;
    unsigned iConstructValue = 0;
    CZuContainer* iContainer = nullptr;
    CZuCbaData* iCbaData = nullptr;
    CZuMenuData* iMenuData = nullptr;
    CZuString iTitle;
};

CZuView::CZuView(CZuUiManager* manager) : iUiManager(manager), iData(new TZuViewData) {}

CZuView::~CZuView()
{
    delete iData->iContainer;
    delete iData->iCbaData;
    delete iData->iMenuData;
    delete iData;
}

void CZuView::DoActivateL()
{
    iData->iActivated = true;
}

void CZuView::DoDeactivate()
{
    iData->iActivated = false;
    SetContainer(nullptr);
}

void CZuView::DynInitMenuData(CZuMenuData*) {}

bool CZuView::HandleMessage(CZuMessage*)
{
    return false;
}

void CZuView::ConstructL(unsigned value)
{
    iData->iConstructValue = value;
}

unsigned CZuView::GetConstructValue() const
{
    return iData->iConstructValue;
}

void CZuView::DrawDeferred()
{
    if (iData->iContainer && iUiManager)
        iUiManager->DrawDeffered();
}

bool CZuView::IsActivated() const
{
    return iData->iActivated;
}

void CZuView::SetViewId(int id)
{
    iData->iViewId = id;
}

int CZuView::GetViewId() const
{
    return iData->iViewId;
}

void CZuView::SetRetViewId(int id)
{
    iData->iRetViewId = id;
}

int CZuView::GetRetViewId() const
{
    return iData->iRetViewId;
}

void CZuView::SetTransformEffect(TZuTransEffect effect)
{
    iData->iTransformEffect = effect;
}

TZuTransEffect CZuView::GetTransformEffect() const
{
    return iData->iTransformEffect;
}

void CZuView::SetContainer(CZuContainer* container)
{
    if (container == iData->iContainer)
        return;
    CZuContainer* old = iData->iContainer;
    iData->iContainer = container;
    delete old;
}

CZuContainer* CZuView::GetContainer() const
{
    return iData->iContainer;
}

CZuContainer* CZuView::TakeContainer()
{
    CZuContainer* container = iData->iContainer;
    iData->iContainer = nullptr;
    return container;
}

void CZuView::SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText)
{
    if (!iData->iCbaData)
        iData->iCbaData = new CZuCbaData;
    iData->iCbaData->SetCba(leftCmd, leftText, rightCmd, rightText);
}

CZuCbaData* CZuView::GetCbaData() const
{
    return iData->iCbaData;
}

bool CZuView::IsHaveCba() const
{
    return iData->iCbaData != nullptr;
}

CZuMenuData* CZuView::CreateMenu()
{
    delete iData->iMenuData;
    iData->iMenuData = new CZuMenuData;
    return iData->iMenuData;
}

CZuMenuData* CZuView::GetMenuData() const
{
    return iData->iMenuData;
}

bool CZuView::IsHaveMenu() const
{
    return iData->iMenuData != nullptr;
}

void CZuView::SetTitle(const CZuString& title)
{
    iData->iTitle = title;
    if (iUiManager)
        iUiManager->SetAppTitle(title);
}

const CZuString& CZuView::GetTitle() const
{
    return iData->iTitle;
}
