#include "ZuGrid.h"

#include "ZuClip.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuGridCell.h"
#include "ZuKeyCode.h"
#include "ZuMessage.h"

#include <algorithm>

namespace
{
const int KDefaultSpace = 10;
const int KInnerSpace = 5;

// How many cells of size (with space between them) fill length, counting a last cell that more than half
// fits; at least one.
int FitCount(int length, int size, int space)
{
    const float fits = static_cast<float>(length) / static_cast<float>(size + space);
    int count = static_cast<int>(fits);
    const int rest = static_cast<int>(static_cast<float>(size + space) * (fits - static_cast<float>(count)));
    if (static_cast<float>(rest) / static_cast<float>(size) > 0.5f)
        ++count;
    return std::max(count, 1);
}

// The size each of count cells gets when they share length with space between them.
int SharedSize(int length, int count, int space)
{
    return std::max((length - (count - 1) * space) / count, 1);
}
} // namespace

struct TZuGridData
{
    CZuGrid::TGridType iGridType = 0;
    CZuObjectList iCells{true};
    int iSelected = -1;
    bool iFit = true;
    int iRequestedWidth = 0;
    int iRequestedHeight = 0;
    int iCellWidth = 0;
    int iCellHeight = 0;
    int iRowSpace = KDefaultSpace;
    int iColumnSpace = KDefaultSpace;
    int iColumnCount = 0;
    CZuPoint iOrigin;
    CZuPoint iDownPoint;
    CZuPoint iLastPoint;
    // A press inside the grid is being followed (a drag scrolls, the release may tap).
    bool iPressed = false;
};

CZuGrid::CZuGrid(CZuControl* parent) : CZuControl(parent, true, EZuCtrlGrid), iData(new TZuGridData)
{
    const int fontHeight = CZuFont::GetNormalHeight();
    iData->iRequestedWidth = iData->iCellWidth = 4 * fontHeight;
    iData->iRequestedHeight = iData->iCellHeight = 5 * fontHeight;
    SetInnerSpace(KInnerSpace);
}

CZuGrid::~CZuGrid()
{
    delete iData;
}

void CZuGrid::SetGridType(TGridType type)
{
    iData->iGridType = type;
}

CZuGrid::TGridType CZuGrid::GetGridType() const
{
    return iData->iGridType;
}

void CZuGrid::SetGridCellSize(int width, int height, bool fit)
{
    // A size of nothing would divide by zero in the fit; such a request keeps the size there was.
    if (width > 0 && height > 0)
    {
        iData->iRequestedWidth = width;
        iData->iRequestedHeight = height;
    }
    iData->iFit = fit;
    Fit();
}

void CZuGrid::Fit()
{
    TZuGridData& d = *iData;
    const CZuSize inner = InnerSize();
    if (!d.iFit)
    {
        d.iCellWidth = d.iRequestedWidth;
        d.iCellHeight = d.iRequestedHeight;
        if (inner.iWidth > 0)
            d.iColumnCount = std::max((inner.iWidth + d.iColumnSpace) / (d.iCellWidth + d.iColumnSpace), 1);
        return;
    }
    if (inner.iWidth <= 0 || inner.iHeight <= 0)
        return;
    d.iColumnCount = FitCount(inner.iWidth, d.iRequestedWidth, d.iColumnSpace);
    d.iCellWidth = SharedSize(inner.iWidth, d.iColumnCount, d.iColumnSpace);
    const int rows = FitCount(inner.iHeight, d.iRequestedHeight, d.iRowSpace);
    d.iCellHeight = SharedSize(inner.iHeight, rows, d.iRowSpace);
}

void CZuGrid::AppendCell(CZuGridCell* cell)
{
    if (cell)
        iData->iCells.Append(cell);
}

int CZuGrid::GetCellCount() const
{
    return iData->iCells.GetCount();
}

CZuGridCell* CZuGrid::GetCell(int index) const
{
    if (index < 0 || index >= GetCellCount())
        return nullptr;
    return static_cast<CZuGridCell*>(iData->iCells.GetAt(index));
}

void CZuGrid::SetSelectedItem(int index)
{
    if (index < 0)
        index = -1;
    if (index == iData->iSelected || index >= GetCellCount())
        return;
    if (CZuGridCell* old = GetCell(iData->iSelected))
        old->SetSelected(false);
    iData->iSelected = index;
    if (CZuGridCell* cell = GetCell(index))
        cell->SetSelected(true);
    PostGridMessage(KMsgSelectionChanged);
}

int CZuGrid::GetSelectedIndex() const
{
    return GetCell(iData->iSelected) ? iData->iSelected : -1;
}

int CZuGrid::GetSelectedCellID() const
{
    CZuGridCell* cell = GetCell(iData->iSelected);
    return cell ? cell->GetCellID() : -1;
}

int CZuGrid::GetCellIconSize() const
{
    return 3 * CZuFont::GetNormalHeight();
}

CZuSize CZuGrid::GetCellSize() const
{
    return CZuSize(iData->iCellWidth, iData->iCellHeight);
}

int CZuGrid::GetColumnCount() const
{
    return std::max(iData->iColumnCount, 1);
}

int CZuGrid::GetRowCount() const
{
    // Counted from the cells there are now, so cells appended after a layout take part in scrolling.
    const int columns = GetColumnCount();
    return (GetCellCount() + columns - 1) / columns;
}

const CZuPoint& CZuGrid::Origin() const
{
    return iData->iOrigin;
}

CZuRect CZuGrid::CellRect(int index) const
{
    const TZuGridData& d = *iData;
    const int columns = GetColumnCount();
    CZuPoint topLeft(d.iOrigin.iX + (index % columns) * (d.iColumnSpace + d.iCellWidth),
                     d.iOrigin.iY + (index / columns) * (d.iRowSpace + d.iCellHeight));
    return CZuRect(topLeft, CZuSize(d.iCellWidth, d.iCellHeight));
}

int CZuGrid::ContentHeight() const
{
    const int rows = GetRowCount();
    return rows == 0 ? 0 : (iData->iRowSpace + iData->iCellHeight) * rows - iData->iRowSpace;
}

void CZuGrid::SizeChanged()
{
    iData->iOrigin = InnerRect().iTl;
    Fit();
    if (iData->iSelected >= 0)
        ScrollToShow(iData->iSelected);
}

void CZuGrid::Draw(CZuGc& gc, const CZuRect& rect)
{
    if (!CZuClip::Push(gc, rect))
        return;
    for (int i = 0; i < GetCellCount(); ++i)
    {
        CZuRect cell = CellRect(i);
        if (cell.iTl.iY > rect.iBr.iY)
            break;
        if (cell.iBr.iY > rect.iTl.iY)
            GetCell(i)->DrawCell(gc, cell);
    }
    CZuClip::Pop(gc);
}

void CZuGrid::PostGridMessage(int action)
{
    if (CZuEnv* env = CZuEnv::Static())
        env->PostMessageW(nullptr, KMsgGrid, static_cast<uintptr_t>(action), CZuMessage::MakeParam(this));
}

void CZuGrid::ScrollBy(int dy)
{
    const CZuRect inner = InnerRect();
    int y = iData->iOrigin.iY + dy;
    // Never past the last row's bottom, then never below the first row's top.
    y = std::max(y, inner.iBr.iY - ContentHeight());
    y = std::min(y, inner.iTl.iY);
    if (y == iData->iOrigin.iY)
        return;
    iData->iOrigin.iY = y;
    DrawDeferred();
}

bool CZuGrid::IsWhollyShown(int index) const
{
    // Only rows scroll: a cell wider than the grid counts as shown when its rows are.
    const CZuRect inner = InnerRect();
    const CZuRect cell = CellRect(index);
    return cell.iTl.iY >= inner.iTl.iY && cell.iBr.iY <= inner.iBr.iY;
}

void CZuGrid::ScrollToShow(int index)
{
    if (IsWhollyShown(index))
        return;
    const CZuRect inner = InnerRect();
    const int rowStep = iData->iRowSpace + iData->iCellHeight;
    // A row at a time, as the arrows step; further only when the grid was left between rows (a drag).
    ScrollBy(CellRect(index).iTl.iY < inner.iTl.iY ? rowStep : -rowStep);
    const CZuRect cell = CellRect(index);
    if (cell.iTl.iY < inner.iTl.iY || cell.Height() > inner.Height())
        ScrollBy(inner.iTl.iY - cell.iTl.iY);
    else if (cell.iBr.iY > inner.iBr.iY)
        ScrollBy(inner.iBr.iY - cell.iBr.iY);
}

void CZuGrid::MoveSelectionTo(int index)
{
    SetSelectedItem(index);
    if (GetCell(index))
        ScrollToShow(index);
}

bool CZuGrid::HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type)
{
    if (type != EZuKeyEventKey)
        return false;
    // Enter comes as the key or as its character; the arrows only as keys (a typed "%" is not left).
    if (event.iCode == EZuKeyEnter)
    {
        PostGridMessage(KMsgActivated);
        return false;
    }
    if (!event.IsKey())
        return false;
    const int count = GetCellCount();
    const int last = count - 1;
    const int selected = iData->iSelected;
    const bool valid = selected >= 0 && selected < count;
    switch (event.iCode)
    {
    case EZuKeyLeft:
        if (selected < 0)
            MoveSelectionTo(0);
        else if (selected >= count)
            MoveSelectionTo(last);
        else if (selected >= 1)
            MoveSelectionTo(selected - 1);
        return true;
    case EZuKeyUp:
        if (valid && selected >= 1)
            MoveSelectionTo(std::max(selected - GetColumnCount(), 0));
        return true;
    case EZuKeyRight:
        if (selected < 0)
            MoveSelectionTo(0);
        else if (selected >= count)
            MoveSelectionTo(last);
        else if (selected < last)
            MoveSelectionTo(selected + 1);
        return true;
    case EZuKeyDown:
        if (valid && selected < last)
            MoveSelectionTo(std::min(selected + GetColumnCount(), last));
        return true;
    default:
        return false;
    }
}

bool CZuGrid::TapAt(const CZuPoint& point)
{
    // A press that wandered half a font height or more is a drag, not a tap.
    if (CZuPoint::Distance(point, iData->iDownPoint) >= CZuFont::GetNormalHeight() / 2)
        return false;
    for (int i = 0; i < GetCellCount(); ++i)
    {
        CZuRect cell = CellRect(i);
        if (!cell.Contains(point) || !cell.Contains(iData->iDownPoint))
            continue;
        if (i == iData->iSelected)
            PostGridMessage(KMsgActivated);
        else
            SetSelectedItem(i);
        return true;
    }
    return false;
}

bool CZuGrid::HandlePointerEventL(const TZuPointerEvent& event)
{
    const CZuRect inner = InnerRect();
    if (event.iType == EZuPointerWheel)
    {
        if (!IsVisible() || !HitTest(event.iPosition) || ContentHeight() <= inner.Height())
            return false;
        // One step scrolls one row; positive steps (away from the user) show the rows above.
        ScrollBy(event.iValue1 * (iData->iRowSpace + iData->iCellHeight));
        return true;
    }
    if (!inner.Contains(event.iPosition))
    {
        if (event.iType == EZuPointerUp)
            iData->iPressed = false;
        return false;
    }
    switch (event.iType)
    {
    case EZuPointerDown:
        iData->iDownPoint = event.iPosition;
        iData->iLastPoint = event.iPosition;
        iData->iPressed = true;
        return true;
    case EZuPointerDrag:
        if (iData->iPressed && ContentHeight() > inner.Height())
            ScrollBy(event.iPosition.iY - iData->iLastPoint.iY);
        iData->iLastPoint = event.iPosition;
        return true;
    case EZuPointerUp:
        if (iData->iPressed)
            TapAt(event.iPosition);
        iData->iPressed = false;
        return true;
    default:
        return false;
    }
}
