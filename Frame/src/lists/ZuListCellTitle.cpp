#include "ZuListCellTitle.h"

#include "ZuGc.h"
#include "ZuListCell.h"

CZuListCellTitle::CZuListCellTitle(int index, const CZuString& text, TZuTableCellType type, int width)
    : iText(text), iCellType(type), iDecimals(2), iAutoWidth(width <= 0), iWidth(width > 0 ? width : -1),
      iAlign(EAlignLeft), iClickable(false), iSpanCount(0), iDrawer(new CZuListCell)
{
    iSubCols.push_back(index);
}

CZuListCellTitle::~CZuListCellTitle()
{
    delete iDrawer;
}

int CZuListCellTitle::GetSubColIndex(int i) const
{
    if (i < 0 || i >= GetSubColCount())
        return -1;
    return iSubCols[i];
}

void CZuListCellTitle::SetListCell(CZuListCell* drawer)
{
    if (!drawer || drawer == iDrawer)
        return;
    delete iDrawer;
    iDrawer = drawer;
}

void CZuListCellTitle::DrawCell(CZuGc& gc, const CZuRect& rect, CZuVarient* value, bool selected)
{
    iDrawer->DrawCell(gc, rect, this, value, selected);
}
