#include "ZuDialog.h"

#include "ZuCbaData.h"
#include "ZuEnv.h"
#include "ZuUiManager.h"
#include "ZuUiStyle.h"
#include "ZuWnd.h"

namespace
{
CZuControl* CurrentRoot()
{
    CZuUiManager* manager = CZuEnv::UiManager();
    if (!manager || !manager->GetCurWnd())
        return nullptr;
    return manager->GetCurWnd()->GetWnd();
}
} // namespace

CZuDialog::CZuDialog(CZuControl* parent, int id, void* data) : CZuControl(parent, false, EZuCtrlDialog)
{
    Init(id, data);
}

CZuDialog::CZuDialog(int id, void* data) : CZuControl(CurrentRoot(), false, EZuCtrlDialog)
{
    Init(id, data);
}

void CZuDialog::Init(int id, void* data)
{
    SetID(id);
    iData = data;
    iCbaData = nullptr;
    SetBorderType(EZuBorderLine3);
    SetRoundCornerSize(3);
    SetInnerSpace(0);
    SetShowBackground(true, false, IZuGc::EGradualVertical);
    if (CZuEnv::Static())
        SetUiStyle(&CZuEnv::UiStyle()->iDialog);
}

CZuDialog::~CZuDialog()
{
    delete iCbaData;
}

void CZuDialog::SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText)
{
    if (!iCbaData)
        iCbaData = new CZuCbaData;
    iCbaData->SetCba(leftCmd, leftText, rightCmd, rightText);
}
