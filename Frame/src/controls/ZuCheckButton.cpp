#include "ZuCheckButton.h"

#include "ZuButton.h"

#include <algorithm>

CZuCheckButton::CZuCheckButton(CZuControl* parent) : CZuToggleButton(parent, EZuCtrlCheckButton) {}

CZuCheckButton::~CZuCheckButton() {}

void CZuCheckButton::StateChanged()
{
    ToggleOnRelease();
}

void CZuCheckButton::PostChoice()
{
    CZuButton::PostClick(this, GetCommand(), 0);
}

void CZuCheckButton::DrawIndicator(CZuGc& gc, const CZuRect& square)
{
    if (square.IsEmpty())
        return;
    // A frame two pixels wide inside the square (an outline covers its right and bottom edge too).
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(InkColour());
    // A square too small for both lines gets what fits; a line never turns inside out past its square.
    const int side = std::min(square.Width(), square.Height());
    gc.DrawRect(CZuRect(square.iTl.iX, square.iTl.iY, square.iBr.iX - 1, square.iBr.iY - 1));
    if (side >= 3)
        gc.DrawRect(CZuRect(square.iTl.iX + 1, square.iTl.iY + 1, square.iBr.iX - 2, square.iBr.iY - 2));
    // Focused, hovered or pressed, the frame grows one pixel outwards, as a radio button's ring does.
    if (HasEmphasis())
        gc.DrawRect(CZuRect(square.iTl.iX - 1, square.iTl.iY - 1, square.iBr.iX, square.iBr.iY));
    if (!GetSelected())
        return;
    CZuRect area = square;
    area.Grow(-3, -3);
    DrawCheckMark(gc, area);
}

void CZuCheckButton::DrawCheckMark(CZuGc& gc, const CZuRect& area)
{
    const int KStroke = 3;
    // Too small for a stroke: nothing.
    if (area.Width() < 2 || area.Height() <= KStroke)
        return;
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(InkColour());
    int x = area.iTl.iX;
    int y = area.iTl.iY + 2 * area.Height() / 5;
    // Down to the bottom, then up to the right edge; every stroke moves one column right, so the mark
    // ends at the area's right edge whatever its size.
    for (; x < area.iBr.iX && y + KStroke < area.iBr.iY; ++x, ++y)
        gc.DrawLine(CZuPoint(x, y), CZuPoint(x, y + KStroke));
    for (; x < area.iBr.iX && y >= area.iTl.iY; ++x, --y)
        gc.DrawLine(CZuPoint(x, y), CZuPoint(x, y + KStroke));
}
