#include "ZuContainer.h"

#include "ZuEnv.h"
#include "ZuLayout.h"
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
