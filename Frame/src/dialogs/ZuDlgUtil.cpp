#include "ZuDlgUtil.h"

#include "ZuCbaData.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuInfoDlg.h"
#include "ZuLabel.h"
#include "ZuLayout.h"
#include "ZuListSelectDlg.h"
#include "ZuPane.h"
#include "ZuUiSetting.h"

namespace
{
const int KStrOk = 0x5A550004;
const int KStrCancel = 0x5A550005;

CZuInfoDlg* NewInfoDlg(const CZuString& title, const CZuString& text)
{
    CZuInfoDlg* dialog = new CZuInfoDlg(0);
    dialog->ConstructL();
    dialog->SetTitle(title);
    dialog->SetInfo(text);
    return dialog;
}

// Five rows of the dialog's font high, the text centred in them: at the bottom of a full screen, in the
// middle of a desktop.
void MakeShort(CZuInfoDlg* dialog)
{
    dialog->SetVertAlign(EAlignVCenter);
    CZuRect rect = dialog->Rect();
    int height = 5 * dialog->GetFont()->HeightInPixels();
    if (CZuEnv::UiSetting()->IsSupportTrans())
        rect.iTl.iY += (rect.Height() - height) / 2;
    else
        rect.iTl.iY = rect.iBr.iY - height;
    rect.iBr.iY = rect.iTl.iY + height;
    dialog->SetRect(rect);
}

bool ShowModalAndDelete(CZuDialog* dialog)
{
    bool verdict = dialog->ShowDialog(true, nullptr);
    delete dialog;
    return verdict;
}
} // namespace

bool CZuDlgUtil::ShowInfoDlg(const CZuString& title, const CZuString& text, bool modal)
{
    CZuInfoDlg* dialog = NewInfoDlg(title, text);
    if (modal)
        return ShowModalAndDelete(dialog);
    // Nobody holds a modeless one: it deletes itself when closed.
    if (dialog->ShowDialog(false, nullptr))
        return true;
    delete dialog;
    return false;
}

bool CZuDlgUtil::ShowConfirmDlg(const CZuString& title, const CZuString& text)
{
    CZuInfoDlg* dialog = NewInfoDlg(title, text);
    MakeShort(dialog);
    return ShowModalAndDelete(dialog);
}

bool CZuDlgUtil::ShowQueryOkCancelDlg(const CZuString& title, const CZuString& text)
{
    CZuInfoDlg* dialog = NewInfoDlg(title, text);
    // The question's own soft keys stand: the content's single cancel key would make OK unreachable.
    dialog->SetCbaData(CZuDialog::KCmdOk, CZuEnv::GetString(KStrOk), CZuDialog::KCmdCancel,
                       CZuEnv::GetString(KStrCancel));
    if (CZuControl* ok = dialog->GetTitlePane()->GetControlByID(CZuDialog::KCmdOk))
        ok->MakeVisible(true);
    MakeShort(dialog);
    return ShowModalAndDelete(dialog);
}

int CZuDlgUtil::ShowListSelectDlg(const CZuString& title, CZuObjectList* items, int selected, bool search)
{
    int choice = selected;
    CZuListSelectDlg* dialog = new CZuListSelectDlg(0, &choice);
    dialog->EnableSearch(search);
    dialog->ConstructL();
    if (!title.IsEmpty())
    {
        dialog->SetTitle(title);
        dialog->GetTitlePane()->MakeVisible(true);
        dialog->GetTitleLabel()->MakeVisible(true);
        dialog->GetClientLayout()->DoLayout();
    }
    dialog->SetListData(items);
    bool confirmed = ShowModalAndDelete(dialog);
    return confirmed ? choice : -1;
}
