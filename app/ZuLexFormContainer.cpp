#include "ZuLexFormContainer.h"

#include "ZuButton.h"
#include "ZuEnv.h"
#include "ZuLayout.h"
#include "ZuLexIds.h"
#include "ZuMessage.h"
#include "ZuPathUtil.h"
#include "ZuUiManager.h"
#include "ZuView.h"
#include "ZuXmlForm.h"

CZuLexFormContainer::CZuLexFormContainer(CZuControl* parent, CZuView* view, const char* formFile)
    : CZuContainer(parent, view, EZuCtrlContainer), iFormFile(formFile), iForm(nullptr)
{
}

CZuString CZuLexFormContainer::FormPath(const char* formFile)
{
    return CZuPathUtil::GetResourcePath() + "dat/" + formFile;
}

CZuControl* CZuLexFormContainer::Control(const char* name) const
{
    return iForm ? iForm->GetControl(CZuString(name)) : nullptr;
}

CZuString CZuLexFormContainer::ControlText(const char* name) const
{
    CZuControl* control = Control(name);
    return control ? control->GetText() : CZuString();
}

void CZuLexFormContainer::KeepFocusUsable(const char* const* names, int count)
{
    CZuControl* focused = iForm ? iForm->GetLastFocusCtrl() : nullptr;
    if (!focused || (!focused->IsDisabled() && focused->IsVisible()))
        return;
    for (int i = 0; i < count; ++i)
    {
        CZuControl* control = Control(names[i]);
        if (control && control != focused && !control->IsDisabled() && control->IsVisible())
        {
            control->SetFocus(true);
            return;
        }
    }
}

void CZuLexFormContainer::ConstructL()
{
    CZuContainer::ConstructL();
    iForm = new CZuXmlForm(this);
    iForm->SetContainer(nullptr, nullptr);
    GetClientLayout()->AppendCellToLastRow(iForm, -1, -1, EAlignVCenter);
    if (CZuUiManager* manager = CZuEnv::UiManager())
        SetRect(manager->GetClientRect());
    iForm->LoadForm(FormPath(iFormFile));
    if (CZuButton* back = iForm->GetControlAs<CZuButton>(CZuString("go_back")))
    {
        back->SetCommand(EZuLexCmdBack);
        back->SetMsgWnd(GetView(), EZuMsgCommand);
    }
    Relayout();
}
