#ifndef ZUSCROLLLAYOUT_H
#define ZUSCROLLLAYOUT_H

#include "ZuLayout.h"

// A layout whose content can be scrolled: every cell (its control or nested layout) is moved by the
// scroll position, and laying out again keeps the position.
class CZuScrollLayout : public CZuLayout
{
public:
    CZuScrollLayout();
    ~CZuScrollLayout() override;

    // Lays the cells out as if not scrolled, then moves them to the scroll position.
    void DoLayout() override;
    // Moves every cell by the difference to the old position.
    void ScrollTo(int x, int y);
    void Scroll(int dx, int dy) { ScrollTo(iScrollX + dx, iScrollY + dy); }
    int GetScrollPosX() const { return iScrollX; }
    int GetScrollPosY() const { return iScrollY; }

private:
    CZuScrollLayout(const CZuScrollLayout&) = delete;
    CZuScrollLayout& operator=(const CZuScrollLayout&) = delete;
    void MoveCells(int dx, int dy);

    int iScrollX;
    int iScrollY;
};

#endif // ZUSCROLLLAYOUT_H
