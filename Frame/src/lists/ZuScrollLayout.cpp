#include "ZuScrollLayout.h"

#include "ZuControl.h"
#include "ZuLayoutCell.h"
#include "ZuLayoutRow.h"

CZuScrollLayout::CZuScrollLayout() : iScrollX(0), iScrollY(0) {}

CZuScrollLayout::~CZuScrollLayout() {}

void CZuScrollLayout::DoLayout()
{
    CZuLayout::DoLayout();
    MoveCells(-iScrollX, -iScrollY);
}

void CZuScrollLayout::ScrollTo(int x, int y)
{
    MoveCells(iScrollX - x, iScrollY - y);
    iScrollX = x;
    iScrollY = y;
}

void CZuScrollLayout::MoveCells(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    for (int r = 0; r < GetRowCount(); ++r)
    {
        CZuLayoutRow* row = GetRow(r);
        for (int c = 0; c < row->GetLayoutCellCount(); ++c)
        {
            CZuLayoutCell* cell = row->GetLayoutCell(c);
            // A cell has no place of its own: its control, or its nested layout, is moved.
            if (cell->GetKind() == CZuLayoutCell::EKindControl && cell->GetControl())
            {
                CZuRect rect = cell->GetControl()->Rect();
                rect.Move(dx, dy);
                cell->GetControl()->SetRect(rect);
            }
            else if (cell->GetKind() == CZuLayoutCell::EKindLayout && cell->GetLayout())
            {
                CZuRect rect = cell->GetLayout()->GetRect();
                rect.Move(dx, dy);
                cell->GetLayout()->SetRect(rect);
                cell->GetLayout()->DoLayout();
            }
        }
    }
}
