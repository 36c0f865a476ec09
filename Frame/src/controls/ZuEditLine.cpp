#include "ZuEditLine.h"

#include "ZuFont.h"
#include "ZuGc.h"
#include "ZuPoint.h"
#include "ZuRect.h"
#include "ZuString16.h"

#include <algorithm>
#include <cstdlib>

CZuEditLine::CZuEditLine() : iFont(nullptr), iOffsets(1, 0), iAscent(0) {}

void CZuEditLine::Layout(CZuFont* font, const CZuEditBuffer::TUnits& units)
{
    iFont = font;
    iUnits = units;
    iOffsets.assign(units.size() + 1, 0);
    iAscent = font ? font->AscentInPixels() : 0;
    // Five eighths of the font's height, the width of a narrow letter.
    int boxWidth = font ? std::max(4, font->HeightInPixels() * 5 / 8) : 0;
    int x = 0;
    for (size_t i = 0; i < units.size(); ++i)
    {
        iOffsets[i] = x;
        if (CZuEditBuffer::IsHighSurrogate(units[i]) && i + 1 < units.size() &&
            CZuEditBuffer::IsLowSurrogate(units[i + 1]))
        {
            iOffsets[++i] = x;
            x += boxWidth;
            continue;
        }
        x += font ? font->CharWidthInPixels(units[i]) : 0;
    }
    iOffsets[units.size()] = x;
}

int CZuEditLine::X(int index) const
{
    index = std::max(0, std::min(index, static_cast<int>(iUnits.size())));
    return iOffsets[static_cast<size_t>(index)];
}

int CZuEditLine::IndexAt(int x) const
{
    int before = BoundaryBefore(x);
    int count = static_cast<int>(iUnits.size());
    int after = before;
    while (after < count && (after == before || !IsBoundary(after)))
        ++after;
    return after > before && std::abs(X(after) - x) < std::abs(X(before) - x) ? after : before;
}

int CZuEditLine::BoundaryBefore(int x) const
{
    // The offsets only grow: the last one not beyond x.
    auto past = std::upper_bound(iOffsets.begin(), iOffsets.end(), x);
    int index = std::max(0, static_cast<int>(past - iOffsets.begin()) - 1);
    // Several units may start at x (a pair, characters without width): the first of them.
    while (index > 0 && iOffsets[static_cast<size_t>(index - 1)] == iOffsets[static_cast<size_t>(index)])
        --index;
    return index;
}

bool CZuEditLine::IsBoundary(int index) const
{
    if (index <= 0 || index >= static_cast<int>(iUnits.size()))
        return true;
    return !IsBox(index - 1);
}

void CZuEditLine::Draw(IZuGc& gc, int left, int baseline, int from, int to, int visibleLeft,
                       int visibleRight) const
{
    // A character may reach a little beyond its advance (italic or wide glyphs): one more on each side.
    int firstVisible = std::max(0, BoundaryBefore(visibleLeft - left) - 1);
    int lastVisible = BoundaryBefore(visibleRight - left) + 2;
    from = std::max(std::max(from, 0), firstVisible);
    to = std::min(std::min(to, static_cast<int>(iUnits.size())), lastVisible);
    if (!IsBoundary(from))
        --from;
    // Runs of drawable characters go to the context in one call each; boxes in between.
    int runStart = from;
    for (int i = from; i <= to; ++i)
    {
        bool box = i < to && IsBox(i);
        if (i < to && !box)
            continue;
        if (i > runStart)
        {
            CZuString16 run(iUnits.data() + runStart, i - runStart);
            gc.DrawTextW(run, CZuPoint(left + X(runStart), baseline));
        }
        if (box)
        {
            DrawBox(gc, left, baseline, i);
            ++i;
        }
        runStart = i + 1;
    }
}

bool CZuEditLine::IsBox(int index) const
{
    size_t i = static_cast<size_t>(index);
    return CZuEditBuffer::IsHighSurrogate(iUnits[i]) && i + 1 < iUnits.size() &&
           CZuEditBuffer::IsLowSurrogate(iUnits[i + 1]);
}

void CZuEditLine::DrawBox(IZuGc& gc, int left, int baseline, int index) const
{
    int x = left + X(index);
    int width = X(index + 2) - X(index);
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.DrawRect(CZuRect(x + 1, baseline - iAscent + 2, x + width - 2, baseline));
}
