#include "ZuLexSettingContainer.h"

#include "WordConfig.h"
#include "ZuButton.h"
#include "ZuComboBox.h"
#include "ZuLexIds.h"
#include "ZuMessage.h"
#include "ZuView.h"
#include "ZuXmlForm.h"

#include <initializer_list>

namespace
{

// Shows value in combo, reporting ids. A value the form offers no item for gets one of its own, so that
// the learner sees what is set and can keep it.
void Select(CZuComboBox* combo, int value)
{
    if (!combo)
        return;
    combo->SetSelRetType(CZuComboBox::KReturnId);
    combo->SetSelItemByID(value);
    if (combo->GetSelectedIndex() >= 0)
        return;
    CZuString text(value);
    combo->AppendItem(value, text, text, CZuString(), nullptr);
    combo->SetSelItemByID(value);
}

} // namespace

CZuLexSettingContainer::CZuLexSettingContainer(CZuControl* parent, CZuView* view)
    : CZuLexFormContainer(parent, view, "Setting.xml"), iUiTransform(nullptr), iCountPerGroup(nullptr),
      iWordSpeech(nullptr)
{
}

void CZuLexSettingContainer::ConstructL(const CWordConfig& settings)
{
    CZuLexFormContainer::ConstructL();
    iUiTransform = Form()->GetControlAs<CZuComboBox>(CZuString("ui_transform"));
    iCountPerGroup = Form()->GetControlAs<CZuComboBox>(CZuString("count_per_group"));
    iWordSpeech = Form()->GetControlAs<CZuComboBox>(CZuString("word_speech"));
    Select(iUiTransform, settings.UiTransform() ? 1 : 0);
    Select(iCountPerGroup, settings.CountPerGroup());
    // Any value but 0 means the same to the learner: words are spoken on request.
    Select(iWordSpeech, settings.SpeaksAutomatically() ? 0 : 1);
    SetUpButtons();
}

void CZuLexSettingContainer::SetUpButtons()
{
    if (CZuButton* save = Form()->GetControlAs<CZuButton>(CZuString("save")))
    {
        save->SetCommand(EZuLexCmdSaveSettings);
        save->SetMsgWnd(GetView(), EZuMsgCommand);
        save->SetFocus(true);
    }
    for (const char* name : {"cancel", "go_back"})
    {
        CZuButton* button = Form()->GetControlAs<CZuButton>(CZuString(name));
        if (!button)
            continue;
        button->SetCommand(EZuLexCmdBack);
        button->SetMsgWnd(GetView(), EZuMsgCommand);
    }
}

void CZuLexSettingContainer::ApplyTo(CWordConfig& settings) const
{
    if (iUiTransform && iUiTransform->GetSelectedID() >= 0)
        settings.SetUiTransform(iUiTransform->GetSelectedID() != 0);
    if (iCountPerGroup && iCountPerGroup->GetSelectedID() >= 1)
        settings.SetCountPerGroup(iCountPerGroup->GetSelectedID());
    if (iWordSpeech && iWordSpeech->GetSelectedID() >= 0)
        settings.SetWordSpeech(iWordSpeech->GetSelectedID());
}
