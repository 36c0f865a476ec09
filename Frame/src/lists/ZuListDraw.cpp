// Drawing of CZuList: the title row, the rows in their four forms, selection and grid.
#include "ZuList.h"

#include "ZuClip.h"
#include "ZuDrawUtil.h"
#include "ZuFont.h"
#include "ZuListCell.h"
#include "ZuListRow.h"
#include "ZuVarient.h"

#include <algorithm>

namespace
{

// Fills the pixels of rect (right and bottom exclusive).
void Fill(IZuGc& gc, const CZuRect& rect, const CZuRgb& color)
{
    CZuDrawUtil::DrawRectWithBorder(gc, rect, color, color);
}

// The text of one cell clipped to the cell.
void DrawClippedText(CZuGc& gc, const CZuString& text, const CZuRect& rect, TZuAlign align, int margin)
{
    if (text.IsEmpty() || !CZuClip::Push(gc, rect))
        return;
    gc.DrawTextW(text, rect, align, 0, margin);
    CZuClip::Pop(gc);
}

} // namespace

CZuRgb CZuList::FocusColor(const CZuRgb& color) const
{
    // A copy: the stored colour stays as it was set, however often an unfocused list is drawn.
    return IsFocused() ? color : color.GetNewColor(-30, 30);
}

CZuRgb CZuList::TextColor(bool selected, bool title) const
{
    if (title)
        return iTitleColor;
    if (selected && ShowsSelection())
        return iSelTextColor;
    return Foreground();
}

void CZuList::Draw(CZuGc& gc, const CZuRect&)
{
    if (InnerRect().IsEmpty())
        return;
    if (iShowTitle)
        DrawTitle(gc, TitleRect());
    CZuRect rows = RowsRect();
    iDispRowCount = 0;
    if (CZuClip::Push(gc, rows))
    {
        DrawRows(gc, rows);
        CZuClip::Pop(gc);
    }
    gc.DiscardFont();
}

void CZuList::DrawTitle(CZuGc& gc, const CZuRect& rect)
{
    if (iShowTitleBg)
        Fill(gc, rect, iTitleBgColor);
    if (!CZuClip::Push(gc, rect))
        return;
    if (iListType == EListMultiLine)
        DrawMultiLineRow(gc, rect, nullptr, false, true);
    else
        DrawRow(gc, rect, nullptr, false, true);
    if (iGridWidth > 0 && iShowGridH)
        Fill(gc, CZuRect(rect.iTl.iX, rect.iBr.iY - iGridWidth, rect.iBr.iX, rect.iBr.iY), iGridColor);
    if (iGridWidth > 0 && iShowGridV)
    {
        for (std::size_t i = 0; i + 1 < iSlots.size(); ++i)
        {
            int x = iSlots[i].iRight + iColSpace;
            Fill(gc, CZuRect(x, rect.iTl.iY, x + iGridWidth, rect.iBr.iY), iGridColor);
        }
    }
    CZuClip::Pop(gc);
}

void CZuList::DrawRows(CZuGc& gc, const CZuRect& rect)
{
    int count = GetRowCount();
    int rowHeight = DrawnRowHeight();
    int top = rect.iTl.iY + iRowSpace - iPixelOffset;
    for (int index = iTopRow; index < count; ++index)
    {
        if (index > iTopRow)
            top += iGridWidth + 2 * iRowSpace;
        bool detail = iListType == EListDetail && index == iSelRow;
        int bottom = top + (detail ? GetSelectedRowHeight() : rowHeight);
        // A row fits with its spaces and grid line, as the rows per page are counted; the top row is
        // drawn even when it does not fit, so that a small list still shows something.
        bool fits = bottom + iRowSpace + iGridWidth <= rect.iBr.iY;
        if (iPixelOffset == 0 && !fits && iDispRowCount > 0)
            break;
        if (top - iRowSpace >= rect.iBr.iY)
            break;
        DrawRowBand(gc, index, CZuRect(rect.iTl.iX, top, rect.iBr.iX, bottom), iRowSpace);
        ++iDispRowCount;
        top = bottom;
    }
}

void CZuList::DrawRowBand(CZuGc& gc, int index, const CZuRect& rowRect, int rowSpace)
{
    CZuListRow* row = GetRow(index);
    CZuRect band(rowRect.iTl.iX, rowRect.iTl.iY - rowSpace, rowRect.iBr.iX, rowRect.iBr.iY + rowSpace);
    bool even = (index - iTopRow) % 2 == 0;
    if (even && iShowEvenRowBg)
        Fill(gc, band, iEvenRowBg);
    else if (!even && iShowOddRowBg)
        Fill(gc, band, iOddRowBg);
    row->SetDispRect(rowRect);
    bool selected = index == iSelRow;
    if (selected && iShowSelRowBg && ShowsSelection())
        Fill(gc, band, FocusColor(iSelRowColor));
    // The detail view's lines below its first one run across the whole row: no column lines cross them.
    int columnsBottom = band.iBr.iY;
    switch (iListType)
    {
    case EListDetail:
        if (selected)
            columnsBottom = DrawDetailRow(gc, rowRect, row);
        else
            DrawRow(gc, rowRect, row, false, false);
        break;
    case EListMultiLine:
        DrawMultiLineRow(gc, rowRect, row, selected, false);
        break;
    case EListSubColumns:
        DrawSubColRow(gc, rowRect, row, selected);
        break;
    default:
        DrawRow(gc, rowRect, row, selected, false);
        break;
    }
    DrawGrid(gc, rowRect, columnsBottom);
}

void CZuList::DrawGrid(CZuGc& gc, const CZuRect& row, int columnsBottom)
{
    if (iGridWidth <= 0)
        return;
    int bandTop = row.iTl.iY - iRowSpace;
    int bandBottom = row.iBr.iY + iRowSpace;
    if (iShowGridH)
        Fill(gc, CZuRect(row.iTl.iX, bandBottom, row.iBr.iX, bandBottom + iGridWidth), iGridColor);
    if (!iShowGridV)
        return;
    for (std::size_t i = 0; i + 1 < iSlots.size(); ++i)
    {
        int x = iSlots[i].iRight + iColSpace;
        Fill(gc, CZuRect(x, bandTop, x + iGridWidth, columnsBottom), iGridColor);
    }
}

void CZuList::DrawRow(IZuGc& gc, const CZuRect& rect, CZuListRow* row, bool selected, bool title)
{
    CZuGc* context = dynamic_cast<CZuGc*>(&gc);
    if (!context)
        return;
    LayOutColumns(rect, iSlots);
    iDispColCount = static_cast<int>(iSlots.size());
    if (title)
    {
        DrawTitleCells(*context, rect);
        return;
    }
    if (!row)
        return;
    gc.UseFont(GetFont());
    for (const TColumnSlot& slot : iSlots)
        DrawTableCell(*context, slot, rect, row, selected);
}

void CZuList::DrawTitleCells(CZuGc& gc, const CZuRect& rect)
{
    gc.UseFont(GetTitleFont());
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(iTitleColor);
    int covered = -1;
    for (std::size_t i = 0; i < iSlots.size(); ++i)
    {
        // Columns under a spanning heading have no heading of their own.
        if (static_cast<int>(i) <= covered)
            continue;
        CZuListCellTitle* heading = GetColTitle(iSlots[i].iCol);
        std::size_t last = std::min(iSlots.size() - 1, i + std::max(0, heading->GetSpanCount()));
        covered = static_cast<int>(last);
        CZuRect cell(iSlots[i].iLeft, rect.iTl.iY, iSlots[last].iRight, rect.iBr.iY);
        heading->SetCellRect(cell);
        DrawClippedText(gc, heading->GetText(), cell, EAlignCenter, 0);
    }
}

void CZuList::DrawTableCell(CZuGc& gc, const TColumnSlot& slot, const CZuRect& row, CZuListRow* data,
                            bool selected)
{
    CZuListCellTitle* heading = GetColTitle(slot.iCol);
    if (!heading)
        return;
    CZuRect cell(slot.iLeft, row.iTl.iY, slot.iRight, row.iBr.iY);
    bool selectedCell = selected && slot.iCol == iSelCol;
    // A special cell shows its colour unless the selected cell's background covers it.
    if (selectedCell && iShowSelCellBg && ShowsSelection())
    {
        CZuRect background = cell;
        if (iDrawSelCellSpaceBg)
            background.Grow(iColSpace, iRowSpace);
        DrawSelectedCellBg(gc, background);
    }
    else if (iShowSpecialCellBg && slot.iCol == iSpecialCol && GetRow(iSpecialRow) == data)
    {
        Fill(gc, cell, iSpecialColor);
    }
    heading->SetCellRect(cell);
    heading->GetListCell()->SetImageList(iImages);
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    // In cell mode only the selected cell's text stands out, in row mode the whole selected row's.
    gc.SetDrawColor(TextColor(IsCellMode() ? selectedCell : selected, false));
    if (!CZuClip::Push(gc, cell))
        return;
    // A row with fewer cells than headings leaves the missing cells empty.
    heading->DrawCell(gc, cell, data->GetCell(slot.iCol), selected);
    CZuClip::Pop(gc);
}

void CZuList::DrawSelectedCellBg(IZuGc& gc, const CZuRect& rect)
{
    Fill(gc, rect, FocusColor(iSelCellColor));
}

void CZuList::DrawMultiLineRow(CZuGc& gc, const CZuRect& rect, CZuListRow* row, bool selected, bool title)
{
    CZuFont* font = title ? GetTitleFont() : GetFont();
    int lineHeight = font->HeightInPixels() + 2;
    int count = iTitle.GetCellCount();
    gc.UseFont(font);
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(TextColor(selected, title));
    // The first column has a slot of its own; the others share slots, a line each.
    iSlots.clear();
    int x = rect.iTl.iX + iColSpace;
    for (int first = 0; first < count && x < rect.iBr.iX;)
    {
        int lines = first == 0 ? 1 : iLinesPerRow;
        int width = GetColWidth(first);
        iSlots.push_back(TColumnSlot{first, x, x + width});
        for (int line = 0; line < lines && first + line < count; ++line)
        {
            int col = first + line;
            CZuRect cell(x, rect.iTl.iY + line * lineHeight, x + width,
                         rect.iTl.iY + (line + 1) * lineHeight);
            CZuListCellTitle* heading = GetColTitle(col);
            heading->SetCellRect(cell);
            if (title)
            {
                DrawClippedText(gc, heading->GetText(), cell, EAlignCenter, 0);
            }
            else if (CZuClip::Push(gc, cell))
            {
                heading->DrawCell(gc, cell, row->GetCell(col), selected);
                CZuClip::Pop(gc);
            }
        }
        first += lines;
        x += width + iGridWidth + 2 * iColSpace;
    }
    iDispColCount = static_cast<int>(iSlots.size());
}

void CZuList::DrawSubColRow(CZuGc& gc, const CZuRect& rect, CZuListRow* row, bool selected)
{
    LayOutColumns(rect, iSlots);
    iDispColCount = static_cast<int>(iSlots.size());
    gc.UseFont(GetFont());
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(TextColor(selected, false));
    for (const TColumnSlot& slot : iSlots)
    {
        CZuListCellTitle* heading = GetColTitle(slot.iCol);
        int lines = std::min(heading->GetSubColCount(), iLinesPerRow);
        if (lines <= 0)
            continue;
        // One sub-column takes the whole row; several share it a line each.
        int lineHeight = rect.Height() / lines;
        for (int line = 0; line < lines; ++line)
        {
            int col = heading->GetSubColIndex(line);
            CZuListCellTitle* format = GetColTitle(col) ? GetColTitle(col) : heading;
            int lineTop = rect.iTl.iY + line * lineHeight;
            CZuRect cell(slot.iLeft, lineTop, slot.iRight,
                         line + 1 == lines ? rect.iBr.iY : lineTop + lineHeight);
            if (!CZuClip::Push(gc, cell))
                continue;
            format->GetListCell()->DrawCell(gc, cell, format, row->GetCell(col), selected);
            CZuClip::Pop(gc);
        }
    }
}

int CZuList::DrawDetailRow(CZuGc& gc, const CZuRect& rect, CZuListRow* row)
{
    CZuFont* font = GetSelRowFont();
    int lineHeight = font->HeightInPixels() + 1;
    CZuRect first(rect.iTl.iX, rect.iTl.iY + 2, rect.iBr.iX, rect.iTl.iY + 2 + lineHeight);
    LayOutColumns(first, iSlots);
    iDispColCount = static_cast<int>(iSlots.size());
    gc.UseFont(font);
    for (const TColumnSlot& slot : iSlots)
        DrawTableCell(gc, slot, first, row, true);
    gc.UseFont(font);

    // The columns not shown in the first line follow as "heading:value" pieces, wrapped to the row.
    int shown = iTitle.GetDispColCount() > 0 ? iTitle.GetDispColCount() : iTitle.GetCellCount();
    int width = rect.Width() - 2 * iColSpace;
    CZuString line;
    int top = first.iBr.iY;
    for (int col = shown; col <= iTitle.GetCellCount(); ++col)
    {
        CZuString piece;
        if (col < iTitle.GetCellCount())
        {
            CZuVarient* value = row->GetCell(col);
            CZuListCellTitle* heading = GetColTitle(col);
            piece =
                heading->GetText() + ":" + (value ? CZuListCell::CellText(*heading, *value) : CZuString(""));
        }
        bool last = col == iTitle.GetCellCount();
        CZuString joined = line.IsEmpty() ? piece : line + "  " + piece;
        if (!last && (line.IsEmpty() || font->TextWidthInPixels(joined) <= width))
        {
            line = joined;
            continue;
        }
        if (!line.IsEmpty())
        {
            gc.SetDrawColor(TextColor(true, false));
            DrawClippedText(gc, line, CZuRect(rect.iTl.iX, top, rect.iBr.iX, top + lineHeight), EAlignLeft,
                            iColSpace);
            top += lineHeight;
        }
        line = piece;
    }
    return top > first.iBr.iY ? first.iBr.iY : rect.iBr.iY + iRowSpace;
}
