#include "ZuProgressDlg.h"

#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuImageManager.h"
#include "ZuLabel.h"
#include "ZuLayout.h"
#include "ZuMessage.h"
#include "ZuPane.h"
#include "ZuProgressBar.h"
#include "ZuProgressDlgObserver.h"

namespace
{
const int KStrCancel = 0x5A550005;
const int KStrWorking = 0x5A55000A;
const int KBarHeight = 8;
const char* const KBarImage = "Progress.png";
const char* const KBarBgImage = "ProgressBg.png";
} // namespace

CZuProgressDlg::CZuProgressDlg(MZuProgressDlgObserver* observer, int id)
    : CZuDialog(id, nullptr), iObserver(observer), iPrompt(nullptr), iBar(nullptr), iBarImage(nullptr),
      iBarBgImage(nullptr)
{
}

CZuProgressDlg::~CZuProgressDlg()
{
    // The bar shows the pictures without owning them: it goes first.
    if (iBar)
        DeleteControl(iBar);
    CZuEnv::ReleaseImage(iBarImage);
    CZuEnv::ReleaseImage(iBarBgImage);
}

void CZuProgressDlg::InitDlgContent(void*)
{
    const int gap = GetFont()->HeightInPixels() / 2;
    CZuLayout* layout = GetDlgLayout();
    layout->SetInnerSpace(gap);
    layout->SetColSpace(gap);
    layout->SetRowspace(gap);
    SetTitle(CZuEnv::GetString(KStrWorking));

    // The prompt and the bar keep to the middle of whatever height the dialog is given.
    layout->AppendRow(CZuSize(0, 0), -1, -1);
    iPrompt = new CZuLabel(this);
    iPrompt->SetAlign(EAlignLeft);
    iPrompt->SetForeground(Foreground());
    iPrompt->SetReadOnly(true);
    layout->AppendRow(iPrompt, -1, 0);

    iBar = new CZuProgressBar(this, CZuProgressBar::EHorizontal);
    iBar->SetReadOnly(true);
    // The content's width is known once the dialog is placed (InitPosition ran before).
    int width = layout->InnerRect().Width();
    if (CZuImageManager* images = CZuEnv::ImageMgr(); images && width > 0)
    {
        iBarImage = images->GetImage(CZuString(KBarImage), width, KBarHeight, false, nullptr, 0);
        iBarBgImage = images->GetImage(CZuString(KBarBgImage), width, KBarHeight, false, nullptr, 0);
    }
    if (iBarImage && iBarBgImage)
    {
        iBar->SetStyle(CZuProgressBar::EStyleImages);
        iBar->SetProgressImg(iBarImage);
        iBar->SetProgressBgImg(iBarBgImage);
    }
    else
    {
        iBar->SetStyle(CZuProgressBar::EStyleBar);
    }
    layout->AppendRow(iBar, -1, KBarHeight);
    layout->AppendRow(CZuSize(0, 0), -1, -1);
    // The work is not the learner's to accept: only cancel stands.
    if (CZuControl* ok = GetTitlePane()->GetControlByID(KCmdOk))
        ok->MakeVisible(false);
    SetCbaData(EZuCmdNone, CZuString(""), KCmdCancel, CZuEnv::GetString(KStrCancel));
    GetClientLayout()->DoLayout();
}

void CZuProgressDlg::SetPrompt(const CZuString& prompt)
{
    if (!iPrompt)
        return;
    iPrompt->SetText(prompt);
    DrawDeferred();
}

void CZuProgressDlg::SetCurPos(int position, int total)
{
    if (!iBar)
        return;
    iBar->SetCurPos(position, total <= 0 ? 1 : total);
    DrawDeferred();
}

int CZuProgressDlg::GetDlgMinHeight()
{
    return FiveRowHeight();
}

void CZuProgressDlg::SetNoteTimeRange(int) {}

bool CZuProgressDlg::HandleDlgCommand(int command)
{
    if (iObserver)
        iObserver->HandleProgressDlgCommand(this, command);
    // Cancelled work is no success.
    return command != KCmdCancel;
}

void CZuProgressDlg::OnTimer(int) {}
