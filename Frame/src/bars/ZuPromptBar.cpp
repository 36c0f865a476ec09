#include "ZuPromptBar.h"

#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuTimerManager.h"
#include "ZuUiSetting.h"
#include "ZuUiStyle.h"

CZuPromptBar::CZuPromptBar(CZuControl* parent)
    : CZuControl(parent, true, EZuCtrlPromptBar), iPrompts(true), iFirstShown(0), iScrollOffset(0),
      iDispMode(EDispPage), iTimerId(0)
{
    SetReadOnly(true);
    SetAlign(EAlignCenter);
    SetClip(true);
    if (!CZuEnv::Static())
        return;
    SetUiStyle(&CZuEnv::UiStyle()->iPromptBar);
    // An id of its own, so that two bars never stop or re-arm each other's timer.
    iTimerId = CZuEnv::TimerMgr()->GetNextIdleId();
}

CZuPromptBar::~CZuPromptBar()
{
    if (iTimerId > 0 && CZuEnv::Static())
        CZuEnv::TimerMgr()->Stop(iTimerId);
}

void CZuPromptBar::AppendPrompt(const CZuString& text)
{
    iPrompts.Append(new CZuString(text));
    CZuTimerManager* timers = CZuEnv::TimerMgr();
    // Prompts added while the bar turns do not hold its pace back.
    if (iPrompts.GetCount() >= 2 && timers && !timers->IsRunning(iTimerId))
        Arm();
    DrawDeferred();
}

void CZuPromptBar::ClearAllPrompt()
{
    if (CZuEnv::Static())
        CZuEnv::TimerMgr()->Stop(iTimerId);
    iPrompts.DeleteAll();
    iFirstShown = 0;
    iScrollOffset = 0;
    DrawDeferred();
}

void CZuPromptBar::SetDispMode(int mode)
{
    iDispMode = mode;
    iScrollOffset = 0;
    if (iPrompts.GetCount() >= 2)
        Arm();
    DrawDeferred();
}

void CZuPromptBar::Arm()
{
    if (!CZuEnv::Static() || iTimerId <= 0)
        return;
    CZuEnv::TimerMgr()->After(iTimerId, iDispMode == EDispScroll ? KScrollMs : KPageMs, this);
}

int CZuPromptBar::RowHeight()
{
    int rowSpace = CZuEnv::Static() ? CZuEnv::UiSetting()->TextRowSpace() : 0;
    return GetFont()->HeightInPixels() + rowSpace;
}

const CZuString& CZuPromptBar::Prompt(int index) const
{
    return *static_cast<CZuString*>(iPrompts.GetAt(index));
}

void CZuPromptBar::OnTimer(int id)
{
    const int count = iPrompts.GetCount();
    if (id != iTimerId || count < 2)
        return;
    if (iDispMode == EDispScroll)
    {
        // A row that has scrolled out of sight is the next prompt's turn; a zero row height turns at once.
        if (++iScrollOffset >= RowHeight())
        {
            iScrollOffset = 0;
            iFirstShown = (iFirstShown + 1) % count;
        }
    }
    else
    {
        iFirstShown = (iFirstShown + 1) % count;
    }
    DrawDeferred();
    Arm();
}

void CZuPromptBar::Draw(CZuGc& gc, const CZuRect& rect)
{
    const int count = iPrompts.GetCount();
    const int rowHeight = RowHeight();
    if (count == 0 || rowHeight <= 0 || rect.IsEmpty())
        return;
    if (iFirstShown < 0 || iFirstShown >= count)
        iFirstShown = 0;
    const bool scrolling = iDispMode == EDispScroll;
    int margin = 0;
    if (GetAlign() == EAlignLeft)
        margin = InnerMargin().iLeft;
    else if (GetAlign() == EAlignRight)
        margin = InnerMargin().iRight;

    gc.UseFont(GetFont());
    gc.SetDrawColor(Foreground());
    int top = rect.iTl.iY - (scrolling ? iScrollOffset : 0);
    // The first row, scrolled partly out at the top, still shows its lower part.
    for (int row = 0, index = iFirstShown; top < rect.iBr.iY;
         ++row, top += rowHeight, index = (index + 1) % count)
    {
        if (top < rect.iTl.iY && !(scrolling && row == 0 && top + rowHeight > rect.iTl.iY))
            continue;
        // A page shows whole rows only; the ticker's last row is the one scrolling in.
        if (!scrolling && row > 0 && top + rowHeight > rect.iBr.iY)
            break;
        CZuRect rowRect(rect.iTl.iX, top, rect.iBr.iX, top + rowHeight);
        gc.DrawTextW(Prompt(index), rowRect, GetAlign(), 0, margin);
    }
    gc.DiscardFont();
}
