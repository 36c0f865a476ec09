#include "SelectTestRangeDlg.h"

#include "WordConfig.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuLabel.h"
#include "ZuLayout.h"
#include "ZuLexIds.h"
#include "ZuLexTestContainer.h"
#include "ZuMessage.h"
#include "ZuPane.h"
#include "ZuRadioButton.h"

namespace
{
const int KInnerSpace = 5;
const int KRangeCount = 3;
// Room around and between the ranges.
const int KRangeSpace = 6;
const int KRangeTexts[KRangeCount] = {EZuLexStrTestRangeGroup, EZuLexStrTestRangeSoFar,
                                      EZuLexStrTestRangeCourse};

void UseFont(CZuControl& control, int size)
{
    CZuFont* font = CZuEnv::AcquireFont(EFontUi, size, false);
    control.SetFont(font);
    CZuEnv::ReleaseFont(font);
}
} // namespace

CSelectTestRangeDlg::CSelectTestRangeDlg(int* range) : CZuDialog(KId, range), iRange(range), iPane(nullptr) {}

CSelectTestRangeDlg::~CSelectTestRangeDlg() {}

CZuControl* CSelectTestRangeDlg::RangeButton(int range) const
{
    if (!iPane || range < 1 || range > iPane->GetControlCount())
        return nullptr;
    return iPane->GetControl(range - 1);
}

void CSelectTestRangeDlg::InitDlgContent(void*)
{
    SetTitle(CZuEnv::GetString(EZuLexStrTestRange));
    CZuLayout* layout = GetDlgLayout();
    layout->SetInnerSpace(KInnerSpace);

    CZuLabel* label = new CZuLabel(this);
    label->SetText(CZuEnv::GetString(EZuLexStrTestRangeLabel));
    label->SetAlign(EAlignLeft);
    label->SetReadOnly(true);
    UseFont(*label, 80);
    layout->AppendRow(label, -1, 0);

    iPane = new CZuPane(this);
    iPane->SetInnerSpace(KRangeSpace);
    iPane->GetLayout()->SetRowspace(KRangeSpace);
    int current = iRange ? *iRange : CWordConfig::ETestGroup;
    for (int range = 1; range <= KRangeCount; ++range)
    {
        CZuRadioButton* button = new CZuRadioButton(iPane);
        button->Set(range, CZuEnv::GetString(KRangeTexts[range - 1]), nullptr, false);
        UseFont(*button, 90);
        iPane->GetLayout()->AppendRow(button, -1, 0);
    }
    iPane->SetSelectRadioBtnBy(current);
    layout->AppendRow(iPane, -1, 0);
    layout->AppendRow(CZuSize(3, 3), -1, -1);
    layout->DoLayout();
    CZuControl* focused = RangeButton(current) ? RangeButton(current) : RangeButton(1);
    focused->SetFocus(true);
}

int CSelectTestRangeDlg::ChosenRange() const
{
    return iPane ? iPane->GetSelectRadioBtnCmdID() : -1;
}

bool CSelectTestRangeDlg::HandleDlgCommand(int command)
{
    int range = ChosenRange();
    if (command != KCmdOk || range < 1)
        return false;
    if (iRange)
        *iRange = range;
    return true;
}

bool CSelectTestRangeDlg::HandleMessage(CZuMessage* message)
{
    bool command = message->iType == EZuMsgCommand || message->iType == EZuMsgButtonClicked;
    if (command && static_cast<int>(message->iParam1) == KCmdOk && ChosenRange() < 1)
        return true;
    // A range chosen: nothing for the screen below to hear.
    if (message->iType == EZuMsgButtonChosen)
    {
        DrawDeferred();
        return true;
    }
    return CZuDialog::HandleMessage(message);
}

void CSelectTestRangeDlg::Draw(CZuGc& gc, const CZuRect& rect)
{
    CZuDialog::Draw(gc, rect);
    CZuLexTestContainer::DrawFocusedChoice(gc, iPane);
}
