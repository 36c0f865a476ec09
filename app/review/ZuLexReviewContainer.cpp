#include "ZuLexReviewContainer.h"

#include "ZuComboBox.h"
#include "ZuEnv.h"
#include "ZuLayout.h"
#include "ZuUiManager.h"

namespace
{
const int KChoiceHeight = 150;
const int KItemCount = 5;
const int KChosenItem = 3;
} // namespace

CZuLexReviewContainer::CZuLexReviewContainer(CZuControl* parent, CZuView* view)
    : CZuContainer(parent, view, EZuCtrlContainer), iChoice(nullptr)
{
}

void CZuLexReviewContainer::ConstructL()
{
    CZuContainer::ConstructL();
    iChoice = new CZuComboBox(this);
    for (int id = 1; id <= KItemCount; ++id)
    {
        CZuString name = CZuString("hello ") + CZuString(id);
        iChoice->AppendItem(id, name, name + CZuString(id), CZuString(), nullptr);
    }
    iChoice->SetSelItemByID(KChosenItem);
    GetClientLayout()->AppendRow(iChoice, -1, KChoiceHeight);
    if (CZuUiManager* manager = CZuEnv::UiManager())
        SetRect(manager->GetClientRect());
    SetFocusTo(iChoice);
}
