#include "ZuListRow.h"

#include "ZuString.h"
#include "ZuVarient.h"

namespace
{
// Rows hold a few cells: a small first array keeps a hundred thousand rows cheap.
const int KFirstCellSlots = 4;
} // namespace

CZuListRow::CZuListRow() : iCells(KFirstCellSlots, true), iData(0), iDataPtr(nullptr), iDataOwned(false) {}

CZuListRow::~CZuListRow()
{
    SetDataPtr(nullptr, false);
}

int CZuListRow::AppendCell(CZuVarient* cell)
{
    iCells.Append(cell);
    return iCells.GetCount() - 1;
}

void CZuListRow::InsertCell(int col, CZuVarient* cell)
{
    if (col < 0)
        return;
    if (col > iCells.GetCount())
        col = iCells.GetCount();
    iCells.Insert(col, cell);
}

void CZuListRow::SetCell(int col, CZuVarient* cell)
{
    if (col < 0)
        return;
    while (iCells.GetCount() < col)
        iCells.Append(new CZuVarient(CZuString("")));
    if (col == iCells.GetCount())
    {
        iCells.Append(cell);
        return;
    }
    if (iCells.GetAt(col) == cell)
        return;
    delete iCells.GetAt(col);
    iCells.SetAt(col, cell);
}

void CZuListRow::DeleteCell(int col)
{
    if (col >= 0 && col < iCells.GetCount())
        iCells.Delete(col);
}

CZuVarient* CZuListRow::GetCell(int col) const
{
    if (col < 0 || col >= iCells.GetCount())
        return nullptr;
    return static_cast<CZuVarient*>(iCells.GetAt(col));
}

void CZuListRow::SetDataPtr(CZuObject* data, bool owned)
{
    if (iDataPtr != data && iDataOwned)
        delete iDataPtr;
    iDataPtr = data;
    iDataOwned = data && owned;
}
