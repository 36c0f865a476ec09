#include "ZuContainer.h"

#include "ZuEnv.h"
#include "ZuLayout.h"
#include "ZuUiManager.h"
#include "ZuUiStyle.h"
#include "ZuView.h"

CZuContainer::CZuContainer(CZuControl* parent, CZuView* view, TZuControlType type)
    : CZuControl(parent, false, type), iView(view), iClientLayout(nullptr)
{
    if (view)
        view->SetContainer(this);
    if (CZuEnv::Static())
    {
        const CZuUiStyleCommon& common = CZuEnv::UiStyle()->iCommon;
        SetForeground(common.iForeground);
        SetBackground(common.iBackground);
        SetBackgroundTo(common.iBackgroundTo);
        SetBorderColor(common.iBorderColor);
        SetBgFocusedColor(common.iFocusedColor);
        SetForeTransDegree(common.iForeTransDegree);
        SetBgTransDegree(common.iBgTransDegree);
    }
}

CZuContainer::~CZuContainer()
{
    // A container deleted while it is shown (its view given another one) takes itself off the screen.
    if (CZuUiManager* manager = CZuEnv::UiManager())
    {
        for (int i = 0; i < manager->GetDispStackCount(); ++i)
        {
            if (manager->GetDispStackAt(i) == this)
            {
                manager->PopFromDispStack(this);
                break;
            }
        }
        if (CZuLayout* client = manager->GetClientLayout())
            client->DeleteCellsOf(this);
    }
    delete iClientLayout;
}

void CZuContainer::ConstructL()
{
    delete iClientLayout;
    iClientLayout = new CZuLayout;
}

void CZuContainer::Relayout()
{
    if (iClientLayout)
        iClientLayout->DoLayout();
    DrawDeferred();
}

CZuSize CZuContainer::GetMinSize()
{
    return CZuSize(0, 0);
}

void CZuContainer::SizeChanged()
{
    if (iClientLayout)
    {
        iClientLayout->SetRect(InnerRect());
        iClientLayout->DoLayout();
    }
    DrawDeferred();
}

void CZuContainer::StateChanged()
{
    CZuControl::StateChanged();
    DrawDeferred();
}
