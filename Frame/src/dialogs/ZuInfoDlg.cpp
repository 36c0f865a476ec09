#include "ZuInfoDlg.h"

#include "ZuEnv.h"
#include "ZuLayout.h"
#include "ZuMessage.h"
#include "ZuPane.h"
#include "ZuTextReader.h"

namespace
{
const int KStrCancel = 0x5A550005;
// The text keeps this much room from the dialog's sides.
const int KSideSpace = 5;
} // namespace

CZuInfoDlg::CZuInfoDlg(int id)
    : CZuDialog(id, nullptr), iHorizAlign(EAlignLeft), iVertAlign(EAlignTop), iReader(nullptr)
{
    SetTransformEffect(EZuTransFromBottom);
}

CZuInfoDlg::~CZuInfoDlg() {}

void CZuInfoDlg::SetInfo(const CZuString& text)
{
    iText = text;
    if (!iReader)
        return;
    iReader->SetText(text);
    if (CZuLayout* layout = GetClientLayout())
        layout->DoLayout();
    DrawDeferred();
}

void CZuInfoDlg::SetHorizAlign(TZuAlign align)
{
    iHorizAlign = align;
    if (iReader)
        iReader->SetAlign(align);
}

void CZuInfoDlg::SetVertAlign(TZuAlign align)
{
    iVertAlign = align;
    if (!iReader)
        return;
    iReader->SetVertAlign(align);
    iReader->SizeChanged();
}

void CZuInfoDlg::InitDlgContent(void*)
{
    iReader = new CZuTextReader(this);
    iReader->SetInnerSpace(0, 0, KSideSpace, KSideSpace);
    iReader->SetForeground(Foreground());
    iReader->SetAlign(iHorizAlign);
    iReader->SetVertAlign(iVertAlign);
    iReader->SetText(iText);
    GetDlgLayout()->AppendRow(iReader, -1, -1);
    iReader->SetState(EZuStateFocused);
    iReader->UpdateFocusTree();
    SetCbaData(KCmdCancel, CZuEnv::GetString(KStrCancel), EZuCmdNone, CZuString(""));
    if (CZuControl* ok = GetTitlePane()->GetControlByID(KCmdOk))
        ok->MakeVisible(false);
    GetClientLayout()->DoLayout();
}

bool CZuInfoDlg::HandleDlgCommand(int command)
{
    return command != KCmdCancel;
}
