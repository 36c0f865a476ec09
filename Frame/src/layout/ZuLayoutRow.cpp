#include "ZuLayoutRow.h"

#include "ZuEnv.h"
#include "ZuLayoutCell.h"

#include <algorithm>

namespace
{
// The widths of one row's layout: what the cells that share get and the gap between neighbours.
struct TRowWidths
{
    int iShare = 0;
    int iFirstShare = 0;
    int iGap = 0;
    int iVisible = 0;
};
} // namespace

CZuLayoutRow::CZuLayoutRow(int colSpace)
    : iId(static_cast<int>(CZuEnv::GetNextId())), iAlign(EAlignLeft), iVertAlign(EAlignVCenter),
      iColSpace(colSpace), iHeight(0)
{
}

CZuLayoutRow::~CZuLayoutRow() {}

void CZuLayoutRow::AppendCell(CZuControl* control, int width, int height, TZuAlign vertAlign)
{
    iCells.Append(new CZuLayoutCell(control, width, height, vertAlign));
}

void CZuLayoutRow::AppendCell(const CZuSize& spacer, int width, int height)
{
    iCells.Append(new CZuLayoutCell(spacer, width, height));
}

void CZuLayoutRow::AppendCell(CZuLayout* layout, int width, int height)
{
    iCells.Append(new CZuLayoutCell(layout, width, height));
}

void CZuLayoutRow::SetCell(int, CZuControl* control, int width, int height)
{
    AppendCell(control, width, height, EAlignVCenter);
}

void CZuLayoutRow::SetCell(int, const CZuSize& spacer, int width, int height)
{
    AppendCell(spacer, width, height);
}

void CZuLayoutRow::SetCell(int, CZuLayout* layout, int width, int height)
{
    AppendCell(layout, width, height);
}

void CZuLayoutRow::DeleteCell(int col)
{
    if (col >= 0 && col < iCells.GetCount())
        iCells.Delete(col);
}

CZuLayoutCell* CZuLayoutRow::GetLayoutCell(int col) const
{
    if (col < 0 || col >= iCells.GetCount())
        return nullptr;
    return static_cast<CZuLayoutCell*>(iCells.GetAt(col));
}

void CZuLayoutRow::SetCellID(int col, int id)
{
    if (CZuLayoutCell* cell = GetLayoutCell(col))
        cell->SetCellID(id);
}

int CZuLayoutRow::GetCellID(int col) const
{
    CZuLayoutCell* cell = GetLayoutCell(col);
    return cell ? cell->GetCellID() : -1;
}

int CZuLayoutRow::FindCell(int id) const
{
    for (int i = 0; i < iCells.GetCount(); ++i)
    {
        if (GetLayoutCell(i)->GetCellID() == id)
            return i;
    }
    return -1;
}

int CZuLayoutRow::GetHeight() const
{
    if (iHeight != 0)
        return iHeight;
    int tallest = 0;
    bool allShare = true;
    for (int i = 0; i < iCells.GetCount(); ++i)
    {
        int height = GetLayoutCell(i)->GetCellHeight();
        if (height >= 0)
            allShare = false;
        tallest = std::max(tallest, height);
    }
    return allShare ? -1 : tallest;
}

int CZuLayoutRow::GetWidth() const
{
    int width = 0;
    for (int i = 0; i < iCells.GetCount(); ++i)
        width += std::max(GetLayoutCell(i)->GetCellWidth(), 0);
    if (iColSpace > 0 && iCells.GetCount() > 1)
        width += (iCells.GetCount() - 1) * iColSpace;
    return width;
}

bool CZuLayoutRow::IsVisible() const
{
    for (int i = 0; i < iCells.GetCount(); ++i)
    {
        if (GetLayoutCell(i)->IsVisible())
            return true;
    }
    return false;
}

void CZuLayoutRow::DoLayout(const CZuRect& bounds)
{
    const int cellCount = iCells.GetCount();
    int sharing = 0;
    int fixedSum = 0;
    TRowWidths widths;
    for (int i = 0; i < cellCount; ++i)
    {
        CZuLayoutCell* cell = GetLayoutCell(i);
        if (!cell->IsVisible())
            continue;
        ++widths.iVisible;
        if (cell->GetCellWidth() < 0)
            ++sharing;
        else
            fixedSum += cell->GetActualCellWidth();
    }

    const int visible = widths.iVisible;
    const bool automaticGaps = iColSpace < 0 && visible > 1;
    const int gapCount = automaticGaps ? visible - 1 : 0;
    const int fixedGaps = (!automaticGaps && visible >= 2) ? (visible - 1) * iColSpace : 0;
    const int freeWidth = bounds.Width() - fixedGaps - fixedSum;
    int autoGap = 0;
    if (gapCount > 0)
        autoGap = sharing == 0 ? freeWidth / gapCount : (freeWidth / 10) / gapCount;
    if (sharing > 0)
    {
        widths.iShare = (freeWidth - gapCount * autoGap) / sharing;
        // The first sharing cell takes the rounding remainder.
        widths.iFirstShare =
            bounds.Width() - (sharing - 1) * widths.iShare - gapCount * autoGap - fixedGaps - fixedSum;
    }
    widths.iGap = iColSpace < 0 ? autoGap : iColSpace;

    bool firstShareMet = false;
    auto widthOf = [&](CZuLayoutCell* cell, bool countFirstShare)
    {
        int width = cell->GetCellWidth();
        if (width < 0)
        {
            if (cellCount == 1)
                return bounds.Width();
            if (countFirstShare && !firstShareMet)
            {
                firstShareMet = true;
                return widths.iFirstShare;
            }
            return widths.iShare;
        }
        return width == 0 ? cell->GetActualCellWidth() : width;
    };
    auto place = [&](CZuLayoutCell* cell, int left, int width)
    {
        if (cell->GetKind() != CZuLayoutCell::EKindSpacer)
            cell->SetRect(CZuRect(left, bounds.iTl.iY, left + width, bounds.iBr.iY));
    };

    // Gaps go between visible cells only: a hidden first or last cell leaves no gap at the row's edge.
    if (iAlign == EAlignRight)
    {
        int x = bounds.iBr.iX;
        bool first = true;
        for (int i = cellCount - 1; i >= 0; --i)
        {
            CZuLayoutCell* cell = GetLayoutCell(i);
            if (!cell->IsVisible())
                continue;
            int right = first ? x : x - widths.iGap;
            first = false;
            int width = widthOf(cell, true);
            place(cell, right - width, width);
            x = right - width;
        }
        return;
    }

    int x = bounds.iTl.iX;
    if (iAlign != EAlignLeft)
    {
        int total = 0;
        for (int i = 0; i < cellCount; ++i)
        {
            if (GetLayoutCell(i)->IsVisible())
                total += widthOf(GetLayoutCell(i), false);
        }
        int gaps = visible > 1 ? (visible - 1) * widths.iGap : 0;
        x += (bounds.Width() - total - gaps) / 2;
    }
    bool first = true;
    for (int i = 0; i < cellCount; ++i)
    {
        CZuLayoutCell* cell = GetLayoutCell(i);
        if (!cell->IsVisible())
            continue;
        if (!first)
            x += widths.iGap;
        first = false;
        int width = widthOf(cell, true);
        place(cell, x, width);
        x += width;
    }
}
