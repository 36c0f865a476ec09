#include "ZuListRowTitle.h"

#include "ZuListCellTitle.h"

CZuListRowTitle::CZuListRowTitle() : iWidthType(EColWidthPixels), iCells(true), iDispColCount(0), iClickedIndex(-1)
{
}

CZuListRowTitle::~CZuListRowTitle() {}

CZuListCellTitle* CZuListRowTitle::GetCell(int index) const
{
    if (index < 0 || index >= iCells.GetCount())
        return nullptr;
    return static_cast<CZuListCellTitle*>(iCells.GetAt(index));
}
