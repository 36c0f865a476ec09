// Keys, pointer, gestures and messages of CZuList.
#include "ZuList.h"

#include "ZuGesture.h"
#include "ZuGestureDetector.h"
#include "ZuKeyCode.h"
#include "ZuListRow.h"
#include "ZuMessage.h"

#include <algorithm>
#include <cstdlib>

namespace
{
// Rows one wheel step scrolls.
const int KWheelRows = 3;
} // namespace

bool CZuList::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (type != EZuKeyEventKey || !event.IsKey() || GetRowCount() == 0)
        return false;
    bool used = false;
    if (HandleCommonKey(event.iCode, used))
        return used;
    switch (iKeyMode)
    {
    case EKeyModePaged:
        return HandlePagedKey(event.iCode);
    case EKeyModeWrapping:
        return HandleWrappingKey(event.iCode);
    default:
        return HandleFreeKey(event.iCode);
    }
}

bool CZuList::HandleCommonKey(unsigned code, bool& used)
{
    switch (code)
    {
    case EZuKeyEnter:
        used = GetSelectedRowIndex() >= 0;
        if (used)
            NotifyActivation();
        return true;
    case EZuKeyPageUp:
        used = PrevPage();
        return true;
    case EZuKeyPageDown:
        used = NextPage();
        return true;
    case EZuKeyHome:
        used = iSelRow != 0 || iTopRow != 0 || iPixelOffset != 0;
        if (used)
            MoveSelectionTo(0);
        return true;
    case EZuKeyEnd:
        used = iSelRow != GetRowCount() - 1;
        if (used)
            MoveSelectionTo(GetRowCount() - 1);
        return true;
    default:
        return false;
    }
}

bool CZuList::VisibleSelection() const
{
    if (iShowSelRowBg || iShowSelCellBg)
        return true;
    const CZuListCellTitle* first = iTitle.GetCell(0);
    return first && (first->GetCellType() == EZuCellData || first->GetCellType() == EZuCellImage);
}

void CZuList::MoveSelectionTo(int row)
{
    iSelRow = row;
    CZuListRow* selected = GetRow(row);
    // The selected column stays within the cells of the new row.
    if (selected && selected->GetCellCount() > 0 && iSelCol >= selected->GetCellCount())
        iSelCol = selected->GetCellCount() - 1;
    iPixelOffset = 0;
    SetSelectedRow(row);
    NotifySelection();
    Redraw();
}

bool CZuList::HandleFreeKey(unsigned code)
{
    switch (code)
    {
    case EZuKeyUp:
        return MoveFreeUpDown(-1);
    case EZuKeyDown:
        return MoveFreeUpDown(1);
    case EZuKeyLeft:
        return MoveFreeLeftRight(-1);
    case EZuKeyRight:
        return MoveFreeLeftRight(1);
    default:
        return false;
    }
}

bool CZuList::MoveFreeUpDown(int step)
{
    int count = GetRowCount();
    if (!VisibleSelection())
    {
        // Nothing shows the selection: the keys scroll, and the selection follows the top row.
        int top = iTopRow + step;
        if (top < 0 || (step > 0 && iTopRow + RowsPerPage() >= count))
            return false;
        SetTopRowIndex(top);
        iSelRow = iTopRow;
        NotifySelection();
        Redraw();
        return true;
    }
    int target = iSelRow + step;
    if (iSelRow < 0 || iSelRow >= count)
        target = step > 0 ? iTopRow : LastRowOfPage();
    if (target < 0 || target >= count)
        return false;
    MoveSelectionTo(target);
    return true;
}

bool CZuList::MoveFreeLeftRight(int step)
{
    if (iListType != EListTable)
        return false;
    if (!iShowSelCellBg)
        return ScrollColumns(step);
    int cols = iTitle.GetCellCount();
    int row = iSelRow;
    int col = iSelCol + step;
    if (cols == 0 || row < 0)
        return false;
    // Cells run in reading order: past a row's end to the next row's start, and back.
    if (col < 0)
    {
        if (row == 0)
            return false;
        --row;
        col = cols - 1;
    }
    else if (col >= cols)
    {
        if (row + 1 >= GetRowCount())
            return false;
        ++row;
        col = 0;
    }
    if (iCellMaxCount > 0 && row * cols + col >= iCellMaxCount)
        return false;
    iSelCol = col;
    KeepColVisible(col);
    if (row != iSelRow)
    {
        MoveSelectionTo(row);
        return true;
    }
    NotifySelection();
    Redraw();
    return true;
}

bool CZuList::ScrollColumns(int step)
{
    int cols = iTitle.GetCellCount();
    int first = iFirstCol;
    if (iFirstColFrozen)
    {
        first = std::max(1, std::min(cols - 1, iFirstCol + step));
    }
    else if (step < 0)
    {
        first = std::max(0, iFirstCol - 1);
    }
    else
    {
        // The first column that does not fit becomes the first one shown.
        int fitting = GetListviewColCount();
        if (iFirstCol + fitting < cols && !ColumnFits(cols - 1))
            first = iFirstCol + std::max(1, fitting);
    }
    if (first == iFirstCol)
        return false;
    iFirstCol = first;
    NotifyDragScrolled();
    Redraw();
    return true;
}

void CZuList::KeepColVisible(int col)
{
    if (iFirstColFrozen && col == 0)
        return;
    if (col < iFirstCol)
    {
        iFirstCol = std::max(col, FrozenCols());
        return;
    }
    while (iFirstCol < col && !ColumnFits(col))
        ++iFirstCol;
    iRightAnchorCol = col;
}

bool CZuList::HandlePagedKey(unsigned code)
{
    switch (code)
    {
    case EZuKeyLeft:
        return iTopRow > 0 && PrevPage();
    case EZuKeyRight:
        return HaveNextPage() && NextPage();
    case EZuKeyUp:
    case EZuKeyDown:
        break;
    default:
        return false;
    }
    int first = iTopRow;
    int last = LastRowOfPage();
    int target;
    if (iSelRow < first)
        target = first;
    else if (iSelRow > last)
        target = last;
    else
        target = iSelRow + (code == EZuKeyUp ? -1 : 1);
    // At the page's edge the selection stays.
    if (target < first || target > last)
        return false;
    MoveSelectionTo(target);
    return true;
}

bool CZuList::HandleWrappingKey(unsigned code)
{
    int count = GetRowCount();
    int target;
    if (code == EZuKeyUp)
        target = iSelRow <= 0 ? count - 1 : std::min(iSelRow, count) - 1;
    else if (code == EZuKeyDown)
        target = iSelRow + 1 >= count || iSelRow < 0 ? 0 : iSelRow + 1;
    else
        return false;
    // A move that scrolls or wraps is a move like any other: the selection changed and is told.
    MoveSelectionTo(target);
    return true;
}

// Pointer

bool CZuList::HandlePointerEventL(const TZuPointerEvent& event)
{
    if (IsDisabled())
        return false;
    bool inside = HitTest(event.iPosition);
    if (event.iType == EZuPointerWheel)
        return inside && HandleWheel(event.iValue1);
    bool dragging = iGesture->IsPressed();
    iFocusedBeforeTap = IsFocused();
    if (event.iType == EZuPointerDown)
        iDragScrolling = false;
    iGesture->GestureDetector(event);
    // A drag keeps the pointer when it leaves the window, so that its release comes back here.
    if (event.iType == EZuPointerDown && inside)
        iCapture.Take(this);
    else if (event.iType == EZuPointerUp)
        iCapture.Release();
    return inside || dragging;
}

bool CZuList::IsPointerCaptured() const
{
    return iCapture.IsTaken();
}

void CZuList::OnGesture(const TZuGesture& gesture)
{
    switch (gesture.iKind)
    {
    case EGestureMoveEnd:
        // A release outside the list ends the drag where the pointer left it.
        if (!HitTest(gesture.iPoint))
        {
            iDragScrolling = false;
            break;
        }
        // Inside, the release moves the rows like a move.
        [[fallthrough]];
    case EGestureMove:
        // A click that wobbles a pixel or two does not scroll: a drag starts past the tap distance.
        if (!iDragScrolling && std::abs(gesture.iDownDy) <= KZuTapDistance)
            break;
        ScrollByPixels(iDragScrolling ? gesture.iLastDy : gesture.iDownDy);
        iDragScrolling = gesture.iKind == EGestureMove;
        break;
    case EGestureTap:
    case EGestureDoubleTap:
        HandleTap(gesture.iPoint, iFocusedBeforeTap);
        break;
    default:
        break;
    }
}

void CZuList::ScrollByPixels(int dy)
{
    int pitch = Pitch();
    if (pitch <= 0 || dy == 0)
        return;
    int maxTop = std::max(0, GetRowCount() - RowsPerPage());
    // Moving the pointer up moves the rows up: further into the list.
    long long position = static_cast<long long>(iTopRow) * pitch + iPixelOffset - dy;
    position = std::max(0LL, std::min(position, static_cast<long long>(maxTop) * pitch));
    int top = static_cast<int>(position / pitch);
    int offset = static_cast<int>(position % pitch);
    if (top == iTopRow && offset == iPixelOffset)
        return;
    iTopRow = top;
    iPixelOffset = offset;
    NotifyDragScrolled();
    Redraw();
}

bool CZuList::HandleWheel(int steps)
{
    int maxTop = std::max(0, GetRowCount() - RowsPerPage());
    // Positive steps turn the wheel away from the user: towards the top.
    int top = std::max(0, std::min(maxTop, iTopRow - steps * KWheelRows));
    if (top != iTopRow || iPixelOffset != 0)
    {
        SetTopRowIndex(top);
        NotifyDragScrolled();
        Redraw();
    }
    return true;
}

void CZuList::HandleTap(const CZuPoint& point, bool wasFocused)
{
    SetFocus(true);
    if (iShowTitle && TitleRect().Contains(point))
    {
        int col = ColumnAt(TitleRect(), point.iX);
        CZuListCellTitle* heading = GetColTitle(col);
        if (heading && heading->IsClickable())
        {
            iTitle.SetClickedIndex(col);
            Redraw();
        }
        return;
    }
    int row = RowAt(point);
    if (row >= 0)
        HandleRowTap(row, point, wasFocused);
}

int CZuList::RowAt(const CZuPoint& point)
{
    if (!RowsRect().Contains(point))
        return -1;
    for (int i = iTopRow; i < iTopRow + iDispRowCount && i < GetRowCount(); ++i)
    {
        CZuRect band = GetRow(i)->GetDispRect();
        band.Grow(0, iRowSpace);
        if (band.Contains(point))
            return i;
    }
    return -1;
}

void CZuList::HandleRowTap(int index, const CZuPoint& point, bool wasFocused)
{
    if (!IsCellMode())
    {
        if (index == iSelRow && wasFocused)
        {
            NotifyActivation();
            return;
        }
        SetSelectedRow(index);
        Notify(ENotifyRowChanged);
        if (iOnceSelectClicked)
            Notify(ENotifyRowActivated);
        Redraw();
        return;
    }
    int col = ColumnAt(GetRow(index)->GetDispRect(), point.iX);
    if (col < 0)
        return;
    if (index == iSelRow && col == iSelCol && wasFocused)
    {
        NotifyActivation();
        return;
    }
    SetSelectedRow(index);
    iSelCol = col;
    Notify(ENotifyCellChanged);
    if (iOnceSelectClicked)
        Notify(ENotifyCellActivated);
    Redraw();
}

bool CZuList::HandleMessage(CZuMessage* message)
{
    if (!message || message->iType != KMsgTurnPage)
        return false;
    if (message->iParam1 == ETurnToPrevious)
    {
        PrevPage();
        return true;
    }
    if (message->iParam1 == ETurnToNext)
    {
        NextPage();
        return true;
    }
    return false;
}
