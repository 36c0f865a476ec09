// Pages, the timed scroll, focus, notifications and the view state of CZuList.
#include "ZuList.h"

#include "ZuEnv.h"
#include "ZuInStream.h"
#include "ZuListNextPgStatusNotify.h"
#include "ZuListPrevPgStatusNotify.h"
#include "ZuListRow.h"
#include "ZuListStatusNotify.h"
#include "ZuMessage.h"
#include "ZuMessageProcessorImpl.h"
#include "ZuOutStream.h"
#include "ZuTimerManager.h"
#include "ZuUiManager.h"

#include <algorithm>

namespace
{

// The integers of a view state.
const int KViewStateCount = 9;

int Clamp(int value, int low, int high)
{
    return std::max(low, std::min(value, high));
}

} // namespace

// Paging

bool CZuList::HavePrevPage()
{
    return iTopRow > 0;
}

bool CZuList::HaveNextPage()
{
    return iTopRow + RowsPerPage() < GetRowCount();
}

bool CZuList::PrevPage()
{
    if (iTopRow == 0)
        return false;
    int rows = RowsPerPage();
    iTopRow = std::max(0, iTopRow - rows);
    if (iSelRow >= 0)
        iSelRow = std::max(0, iSelRow - rows);
    iPixelOffset = 0;
    NotifySelection();
    NotifyPageStatus();
    Redraw();
    return true;
}

bool CZuList::NextPage()
{
    int rows = RowsPerPage();
    if (iTopRow + rows >= GetRowCount())
        return false;
    iTopRow += rows;
    if (iSelRow >= 0)
        iSelRow = std::min(iSelRow + rows, GetRowCount() - 1);
    iPixelOffset = 0;
    NotifySelection();
    NotifyPageStatus();
    Redraw();
    return true;
}

// Notifications

void CZuList::Notify(TZuListNotify what)
{
    CZuEnv* env = CZuEnv::Static();
    if (!env)
        return;
    uintptr_t list = CZuMessage::MakeParam(this);
    // A change told again before the last one was read (an arrow key held down) adds nothing to the queue:
    // the receiver reads the selection as it is then.
    bool change = what == ENotifyRowChanged || what == ENotifyCellChanged;
    bool pending = change && iLastNotified == what &&
                   CZuEnv::MsgProcessor()->IsQueued(GetMsgWnd(), KMsgListNotify, what, list);
    iLastNotified = what;
    if (!pending)
        env->PostMessageW(GetMsgWnd(), KMsgListNotify, what, list, CZuPoint(0, 0));
}

void CZuList::NotifySelection()
{
    Notify(IsCellMode() ? ENotifyCellChanged : ENotifyRowChanged);
}

void CZuList::NotifyActivation()
{
    Notify(IsCellMode() ? ENotifyCellActivated : ENotifyRowActivated);
}

void CZuList::NotifyPageStatus()
{
    int rows = RowsPerPage();
    int count = GetRowCount();
    if (iPrevPgNotify)
        iPrevPgNotify->SetPrevPgStatus(this, iTopRow < 1);
    if (iNextPgNotify)
        iNextPgNotify->SetNextPgStatus(this, iTopRow + rows >= count);
    if (!iStatusNotify)
        return;
    if (count == 0 || GetListviewRowCount() == 0)
    {
        iStatusNotify->ListStatusChanged(1, 1);
        return;
    }
    int pages = (count + rows - 1) / rows;
    // A list scrolled by rows (dragging, the wheel) may stand past the last page start.
    int page = std::min((iTopRow + 1) / rows + 1, pages);
    iStatusNotify->ListStatusChanged(page, pages);
}

void CZuList::NotifyDragScrolled()
{
    if (iStatusNotify)
        iStatusNotify->ListDragScrolled();
}

void CZuList::Redraw()
{
    CZuEnv* env = CZuEnv::Static();
    CZuUiManager* ui = env ? CZuEnv::UiManager() : nullptr;
    if (!ui)
        return;
    // One queued redraw draws whatever changed before it runs.
    if (CZuEnv::MsgProcessor()->IsQueued(ui, EZuMsgDraw, 0, 0))
        return;
    DrawDeferred();
}

// Timed scroll

void CZuList::SetTurnPg(int pauseMs, int stepMs, int stepPixels)
{
    iTurnPause = pauseMs;
    iTurnStep = stepMs;
    iTurnPixels = stepPixels;
    if (pauseMs <= 0 || stepMs <= 0 || stepPixels <= 0)
    {
        StopTimer();
        return;
    }
    iPixelOffset = 0;
    iRowsLeft = 0;
    ArmTimer(pauseMs);
}

bool CZuList::IsAutoScrolling() const
{
    return iTimerId > 0 && CZuEnv::Static() && CZuEnv::TimerMgr()->IsRunning(iTimerId);
}

void CZuList::ArmTimer(int delayMs)
{
    if (!CZuEnv::Static())
        return;
    // The same timer each time: a scroll that runs for hours still holds one.
    iTimerId = CZuEnv::TimerMgr()->After(iTimerId, delayMs, this);
}

void CZuList::StopTimer()
{
    if (iTimerId > 0 && CZuEnv::Static())
        CZuEnv::TimerMgr()->Stop(iTimerId);
    // A stopped id may go to another timer: the next start takes a fresh one.
    iTimerId = 0;
}

void CZuList::OnTimer(int id)
{
    if (id != iTimerId || iTimerId <= 0)
        return;
    int count = GetRowCount();
    if (count < 2)
    {
        ArmTimer(iTurnPause);
        return;
    }
    int rows = RowsPerPage();
    int pitch = Pitch();
    int delay = iTurnStep;
    if (iRowsLeft == 0)
    {
        iRowsLeft = rows;
        if (iTopRow + rows >= count)
        {
            iTopRow = 0;
            iPixelOffset = 0;
            delay = iTurnPause;
        }
    }
    else if (iPixelOffset < pitch)
    {
        iPixelOffset = std::min(pitch, iPixelOffset + iTurnPixels);
    }
    else
    {
        --iRowsLeft;
        iPixelOffset = 0;
        if (HaveNextPage())
            ++iTopRow;
        else
            iRowsLeft = 0;
        delay = iRowsLeft > 0 ? iTurnStep : iTurnPause;
    }
    ArmTimer(delay);
    Redraw();
}

// Focus

void CZuList::StateChanged()
{
    bool focused = GetState() == EZuStateFocused;
    bool wasFocused = iWasFocused;
    iWasFocused = focused;
    bool timed = iTurnPause > 0 && iTurnStep > 0 && iTurnPixels > 0;
    if (!focused)
    {
        if (wasFocused && iKeyMode == EKeyModePaged && timed)
            ArmTimer(iTurnPause);
        if (wasFocused)
            Redraw();
        return;
    }
    if (iKeyMode == EKeyModePaged && timed)
    {
        // A half-scrolled row is finished before the keys take over.
        StopTimer();
        if (iPixelOffset > DrawnRowHeight() / 2 && HaveNextPage())
            ++iTopRow;
        iPixelOffset = 0;
    }
    if (iKeyMode == EKeyModePaged && GetRowCount() > 0)
        iSelRow = Clamp(iSelRow, iTopRow, LastRowOfPage());
    else if (iSelRow < 0)
        iSelRow = iTopRow;
    if (iNotifySelectWhenFocus)
        NotifySelection();
    Redraw();
}

// View state

CZuString* CZuList::GetCurStatusData()
{
    CZuOutStream out;
    const int values[KViewStateCount] = {iTopRow,        iFirstCol,       iRightAnchorCol,
                                         iDispRowCount,  iDispColCount,   iLeftAnchored ? 1 : 0,
                                         iFirstColFrozen ? 1 : 0, iSelRow, iSelCol};
    for (int value : values)
        out.WriteInteger(static_cast<unsigned>(value));
    return new CZuString(reinterpret_cast<const char*>(out.Data()), out.Size());
}

void CZuList::SetCurStatusData(CZuString* data)
{
    if (!data || data->Length() < KViewStateCount * 4)
        return;
    CZuInStream in(reinterpret_cast<const unsigned char*>(data->PtrZ()), data->Length(), false);
    int values[KViewStateCount];
    for (int& value : values)
        value = static_cast<int>(in.ReadInteger());
    // The rows may have changed since the state was taken: it is kept within what there is now.
    int rows = GetRowCount();
    int cols = iTitle.GetCellCount();
    iFirstColFrozen = values[6] != 0;
    iTopRow = Clamp(values[0], 0, std::max(0, rows - 1));
    iFirstCol = Clamp(values[1], FrozenCols(), std::max(FrozenCols(), cols - 1));
    iRightAnchorCol = Clamp(values[2], 0, std::max(0, cols - 1));
    iDispRowCount = Clamp(values[3], 0, rows);
    iDispColCount = Clamp(values[4], 0, cols);
    iLeftAnchored = values[5] != 0;
    iSelRow = rows > 0 ? Clamp(values[7], -1, rows - 1) : 0;
    iSelCol = Clamp(values[8], 0, std::max(0, cols - 1));
    iPixelOffset = 0;
}
