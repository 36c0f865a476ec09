#include "ZuLayout.h"

#include "ZuLayoutCell.h"
#include "ZuLayoutRow.h"

CZuLayout::CZuLayout() : iColSpace(0), iRowSpace(0) {}

CZuLayout::~CZuLayout() {}

void CZuLayout::SetInnerSpace(int top, int bottom, int left, int right)
{
    iInnerSpace.Set(top, bottom, left, right);
}

void CZuLayout::SetInnerSpace(int all)
{
    iInnerSpace.Set(all, all, all, all);
}

CZuRect CZuLayout::InnerRect() const
{
    return CZuRect(iRect.iTl.iX + iInnerSpace.iLeft, iRect.iTl.iY + iInnerSpace.iTop,
                   iRect.iBr.iX - iInnerSpace.iRight, iRect.iBr.iY - iInnerSpace.iBottom);
}

CZuSize CZuLayout::InnerSize() const
{
    return InnerRect().Size();
}

CZuLayoutRow* CZuLayout::NewRow(int index)
{
    CZuLayoutRow* row = new CZuLayoutRow(iColSpace);
    iRows.Insert(index, row);
    return row;
}

int CZuLayout::AppendRow(CZuControl* control, int width, int height)
{
    return InsertRow(GetRowCount(), control, width, height);
}

int CZuLayout::AppendRow(const CZuSize& spacer, int width, int height)
{
    return InsertRow(GetRowCount(), spacer, width, height);
}

int CZuLayout::AppendRow(CZuLayout* layout, int width, int height)
{
    return InsertRow(GetRowCount(), layout, width, height);
}

int CZuLayout::InsertRow(int row, CZuControl* control, int width, int height)
{
    if (row < 0 || row > GetRowCount())
        return -1;
    NewRow(row)->AppendCell(control, width, height, EAlignVCenter);
    return row;
}

int CZuLayout::InsertRow(int row, const CZuSize& spacer, int width, int height)
{
    if (row < 0 || row > GetRowCount())
        return -1;
    NewRow(row)->AppendCell(spacer, width, height);
    return row;
}

int CZuLayout::InsertRow(int row, CZuLayout* layout, int width, int height)
{
    if (row < 0 || row > GetRowCount())
        return -1;
    NewRow(row)->AppendCell(layout, width, height);
    return row;
}

void CZuLayout::AppendCellToLastRow(CZuControl* control, int width, int height, TZuAlign vertAlign)
{
    if (GetRowCount() == 0)
        NewRow(0)->AppendCell(control, width, height, vertAlign);
    else
        GetRow(GetRowCount() - 1)->AppendCell(control, width, height, vertAlign);
}

void CZuLayout::AppendCellToLastRow(const CZuSize& spacer, int width, int height)
{
    if (GetRowCount() == 0)
        AppendRow(spacer, width, height);
    else
        GetRow(GetRowCount() - 1)->AppendCell(spacer, width, height);
}

void CZuLayout::AppendCellToLastRow(CZuLayout* layout, int width, int height)
{
    if (GetRowCount() == 0)
        AppendRow(layout, width, height);
    else
        GetRow(GetRowCount() - 1)->AppendCell(layout, width, height);
}

void CZuLayout::SetCell(int row, int col, CZuControl* control, int width, int height)
{
    if (IsValidRow(row))
        GetRow(row)->SetCell(col, control, width, height);
}

void CZuLayout::SetCell(int row, int col, const CZuSize& spacer, int width, int height)
{
    if (IsValidRow(row))
        GetRow(row)->SetCell(col, spacer, width, height);
}

void CZuLayout::SetCell(int row, int col, CZuLayout* layout, int width, int height)
{
    if (IsValidRow(row))
        GetRow(row)->SetCell(col, layout, width, height);
}

void CZuLayout::DeleteRow(int row)
{
    if (IsValidRow(row))
        iRows.Delete(row);
}

void CZuLayout::DeleteRowByID(int id)
{
    for (int i = GetRowCount() - 1; i >= 0; --i)
    {
        if (GetRow(i)->GetID() == id)
            iRows.Delete(i);
    }
}

void CZuLayout::DeleteCell(int row, int col, bool deleteEmptyRow)
{
    if (!IsValidRow(row))
        return;
    CZuLayoutRow* layoutRow = GetRow(row);
    if (col < 0 || col >= layoutRow->GetLayoutCellCount())
        return;
    layoutRow->DeleteCell(col);
    if (deleteEmptyRow && layoutRow->GetLayoutCellCount() == 0)
        iRows.Delete(row);
}

void CZuLayout::DeleteCellsOf(CZuControl* control)
{
    if (!control)
        return;
    for (int row = GetRowCount() - 1; row >= 0; --row)
    {
        CZuLayoutRow* layoutRow = GetRow(row);
        for (int col = layoutRow->GetLayoutCellCount() - 1; col >= 0; --col)
        {
            if (layoutRow->GetLayoutCell(col)->GetControl() == control)
                DeleteCell(row, col, true);
        }
    }
}

void CZuLayout::DeleteCellByID(int id, bool deleteRow)
{
    for (int row = 0; row < GetRowCount(); ++row)
    {
        int col = GetRow(row)->FindCell(id);
        if (col >= 0)
        {
            DeleteCell(row, col, deleteRow);
            return;
        }
    }
}

void CZuLayout::DeleteAllRow()
{
    iRows.DeleteAll();
}

CZuLayoutRow* CZuLayout::GetRow(int row) const
{
    if (!IsValidRow(row))
        return nullptr;
    return static_cast<CZuLayoutRow*>(iRows.GetAt(row));
}

void CZuLayout::SetAlign(int row, TZuAlign align)
{
    if (IsValidRow(row))
        GetRow(row)->SetAlign(align);
}

void CZuLayout::SetColSpace(int space)
{
    iColSpace = space;
    for (int i = 0; i < GetRowCount(); ++i)
        GetRow(i)->SetColSpace(space);
}

void CZuLayout::SetColSpace(int row, int space)
{
    if (!IsValidRow(row))
        return;
    GetRow(row)->SetColSpace(space);
    iColSpace = space;
}

void CZuLayout::SetRowHeight(int row, int height)
{
    if (IsValidRow(row))
        GetRow(row)->SetHeight(height);
}

int CZuLayout::GetHeight() const
{
    if (iPredefinedSize.iHeight < 0)
        return 0;
    if (iPredefinedSize.iHeight > 0)
        return iPredefinedSize.iHeight;
    int sum = 0;
    for (int i = 0; i < GetRowCount(); ++i)
    {
        int height = GetRow(i)->GetHeight();
        if (height <= 0)
            return 0;
        sum += height;
    }
    int spaces = GetRowCount() > 1 ? (GetRowCount() - 1) * iRowSpace : 0;
    return sum + spaces + iInnerSpace.iTop + iInnerSpace.iBottom;
}

CZuSize CZuLayout::GetActSize() const
{
    int widest = 0;
    int sum = 0;
    for (int i = 0; i < GetRowCount(); ++i)
    {
        CZuLayoutRow* row = GetRow(i);
        if (row->GetWidth() > widest)
            widest = row->GetWidth();
        int height = row->GetHeight();
        if (height > 0)
            sum += height;
    }
    int spaces = GetRowCount() > 1 ? (GetRowCount() - 1) * iRowSpace : 0;
    return CZuSize(widest + iInnerSpace.iLeft + iInnerSpace.iRight,
                   sum + spaces + iInnerSpace.iTop + iInnerSpace.iBottom);
}

void CZuLayout::DoLayout()
{
    const CZuRect inner = InnerRect();
    int sharing = 0;
    int fixedSum = 0;
    for (int i = 0; i < GetRowCount(); ++i)
    {
        CZuLayoutRow* row = GetRow(i);
        if (!row->IsVisible())
            continue;
        int height = row->GetHeight();
        if (height < 0)
            ++sharing;
        else
            fixedSum += height;
    }
    int shared = 0;
    if (sharing > 0)
    {
        // Every row counts for the row spaces here, hidden or not.
        int spaces = GetRowCount() > 1 ? (GetRowCount() - 1) * iRowSpace : 0;
        shared = (inner.Height() - spaces - fixedSum) / sharing;
    }

    int y = inner.iTl.iY;
    for (int i = 0; i < GetRowCount(); ++i)
    {
        CZuLayoutRow* row = GetRow(i);
        if (!row->IsVisible())
            continue;
        int height = row->GetHeight();
        if (height < 0)
            height = shared;
        row->DoLayout(CZuRect(inner.iTl.iX, y, inner.iBr.iX, y + height));
        y += height + iRowSpace;
    }
}
