// CZuMenuBar: the size of a level and where it goes.
#include "ZuMenuBar.h"

#include "ZuEnv.h"
#include "ZuList.h"
#include "ZuListCellTitle.h"
#include "ZuScrollBar.h"
#include "ZuScrollList.h"
#include "ZuUiManager.h"

#include <algorithm>

namespace
{
enum TFirstLevelDirection
{
    EAboveRightAligned = 1,
    EAboveLeftAligned = 2,
    EBelowRightAligned = 3,
    EBelowLeftAligned = 4
};

bool Fits(const CZuRect& rect, const CZuRect& area)
{
    return rect.iTl.iX >= area.iTl.iX && rect.iTl.iY >= area.iTl.iY && rect.iBr.iX <= area.iBr.iX &&
           rect.iBr.iY <= area.iBr.iY;
}

// One side of a rectangle moved inside [low, high): shifted when it fits, cut to the span when it does not.
void ClampSpan(int& first, int& last, int low, int high)
{
    const int length = last - first;
    if (length > high - low)
    {
        first = low;
        last = high;
        return;
    }
    const int shift = first < low ? low - first : (last > high ? high - last : 0);
    first += shift;
    last += shift;
}

CZuRect ClampInto(CZuRect rect, const CZuRect& area)
{
    if (area.IsEmpty())
        return rect;
    ClampSpan(rect.iTl.iX, rect.iBr.iX, area.iTl.iX, area.iBr.iX);
    ClampSpan(rect.iTl.iY, rect.iBr.iY, area.iTl.iY, area.iBr.iY);
    return rect;
}

// Where a first level of size goes from the anchor in a direction.
CZuRect FirstLevelRect(int direction, const CZuRect& anchor, const CZuSize& size)
{
    const bool above = direction == EAboveRightAligned || direction == EAboveLeftAligned;
    const bool rightAligned = direction == EAboveRightAligned || direction == EBelowRightAligned;
    const int left = rightAligned ? anchor.iBr.iX - size.iWidth : anchor.iTl.iX;
    const int top = above ? anchor.iTl.iY - 1 - size.iHeight : anchor.iBr.iY + 1;
    return CZuRect(CZuPoint(left, top), size);
}

// The direction that turns a first level towards the middle of the UI: from an anchor in the lower left it
// opens above, in the upper right below, and so on.
int DirectionFromAnchor(const CZuRect& anchor, const CZuRect& ui)
{
    const CZuPoint a = anchor.Center();
    const CZuPoint u = ui.Center();
    if (a.iX < u.iX && a.iY > u.iY)
        return EAboveLeftAligned;
    if (a.iX < u.iX && a.iY < u.iY)
        return EBelowLeftAligned;
    if (a.iX > u.iX && a.iY < u.iY)
        return EBelowRightAligned;
    return EAboveRightAligned;
}
} // namespace

CZuRect CZuMenuBar::UiRect() const
{
    CZuUiManager* manager = CZuEnv::UiManager();
    if (manager && !manager->GetUiRect().IsEmpty())
        return manager->GetUiRect();
    return Parent() ? Parent()->InnerRect() : CZuRect();
}

CZuSize CZuMenuBar::LevelSize(CZuScrollList* level) const
{
    CZuList* list = level->GetList();
    const int rows = list->GetRowCount();
    const int height = level->GetHeightByDispRows(std::min(rows, KMaxShownRows));
    // Each column with its space on both sides, and the level's frame.
    int width = 0;
    for (int col = 0; col < list->GetColCount(); ++col)
        width += list->GetColWidth(col) + 2 * list->GetColSpace() + (col > 0 ? list->GetGridLineWidth() : 0);
    const CZuMargin& inner = level->InnerMargin();
    width += inner.iLeft + inner.iRight + 2 * level->GetBorderWidth();
    if (rows > KMaxShownRows)
        width += CZuScrollBar::GetScrollBarSize();
    return CZuSize(width, height);
}

CZuRect CZuMenuBar::PlaceFirstLevel(const CZuSize& size)
{
    const CZuRect ui = UiRect();
    CZuUiManager* manager = CZuEnv::UiManager();
    const CZuRect anchor = manager ? manager->GetMenuBasePos() : CZuRect();
    if (iDirection == 0)
        iDirection = DirectionFromAnchor(anchor, ui);
    // The chosen direction first, then the others in turn; every edge is checked.
    for (int i = 0; i < EBelowLeftAligned; ++i)
    {
        const int direction = (iDirection - 1 + i) % EBelowLeftAligned + 1;
        const CZuRect rect = FirstLevelRect(direction, anchor, size);
        if (Fits(rect, ui))
        {
            iDirection = direction;
            return rect;
        }
    }
    // Nowhere whole: as near the anchor as the UI allows.
    return ClampInto(FirstLevelRect(iDirection, anchor, size), ui);
}

CZuRect CZuMenuBar::SelectedRowBand() const
{
    CZuScrollList* level = GetSubmenu(GetSubmenuLevel() - 1);
    CZuList* list = level->GetList();
    const CZuRect rows = list->InnerRect();
    const int height = list->GetRowHeight() + 2 * list->GetRowSpace();
    const int pitch = height + list->GetGridLineWidth();
    const int shown = std::max(0, list->GetSelectedRowIndex() - list->GetTopRowIndex());
    int top = rows.iTl.iY + shown * pitch - list->GetPixelOffset();
    // A row scrolled out of sight stands for the level's nearest edge.
    top = std::max(rows.iTl.iY, std::min(top, rows.iBr.iY - height));
    return CZuRect(rows.iTl.iX, top, rows.iBr.iX, top + height);
}

CZuRect CZuMenuBar::PlaceDeeperLevel(const CZuSize& size)
{
    const CZuRect ui = UiRect();
    const CZuScrollList* parent = GetSubmenu(GetSubmenuLevel() - 1);
    const CZuRect outer = parent->Rect();
    const CZuRect row = SelectedRowBand();
    // From a level's edge to its first row: a level opened beside a row lines its first row up with it.
    const int frame = parent->GetList()->InnerRect().iTl.iY - outer.iTl.iY;
    const int w = size.iWidth;
    const int h = size.iHeight;
    const int third = row.iTl.iX + row.Width() / 3;
    const CZuRect candidates[] = {
        // Right of the row, tops aligned, then bottoms aligned.
        CZuRect(CZuPoint(outer.iBr.iX, row.iTl.iY - frame), size),
        CZuRect(CZuPoint(outer.iBr.iX, row.iBr.iY + frame - h), size),
        // Left of it, the same two ways.
        CZuRect(CZuPoint(outer.iTl.iX - w, row.iTl.iY - frame), size),
        CZuRect(CZuPoint(outer.iTl.iX - w, row.iBr.iY + frame - h), size),
        // Over the row's left third: above its upper third, or below its lower two thirds.
        CZuRect(CZuPoint(third - w, row.iTl.iY + row.Height() / 3 - h), size),
        CZuRect(CZuPoint(third - w, row.iTl.iY + 2 * row.Height() / 3), size),
    };
    for (const CZuRect& rect : candidates)
    {
        if (Fits(rect, ui))
            return rect;
    }
    return ClampInto(candidates[0], ui);
}
