#include "ZuHorizLayout.h"

CZuHorizLayout::CZuHorizLayout() {}

CZuHorizLayout::~CZuHorizLayout() {}

void CZuHorizLayout::AppendCellToLastRow(CZuControl* control, int width, int height)
{
    CZuLayout::AppendCellToLastRow(control, width, height, EAlignVCenter);
}
