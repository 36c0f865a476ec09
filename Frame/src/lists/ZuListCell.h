#ifndef ZULISTCELL_H
#define ZULISTCELL_H

#include "ZuObject.h"
#include "ZuString.h"

class CZuListCellTitle;
class CZuObjectList;
class CZuRect;
class CZuVarient;
class IZuGc;

// Draws the cells of one column; a column may be given a drawer of its own (CZuListCellTitle::SetListCell).
class CZuListCell : public CZuObject
{
public:
    CZuListCell();
    ~CZuListCell() override;

    // Draws value in rect with the font and colour already set. Integers and reals are right-aligned,
    // texts take the heading's alignment; a missing value or one of another kind draws nothing.
    virtual void DrawCell(IZuGc& gc, const CZuRect& rect, CZuListCellTitle* title, CZuVarient* value,
                          bool selected);

    // The text a value shows under a heading: "%d", fixed-point with the heading's decimals, or the text.
    static CZuString CellText(const CZuListCellTitle& title, const CZuVarient& value);
    // The images of image columns (CZuImage), not owned; null for none.
    void SetImageList(CZuObjectList* images) { iImages = images; }

private:
    CZuListCell(const CZuListCell&) = delete;
    CZuListCell& operator=(const CZuListCell&) = delete;

    CZuObjectList* iImages;
};

#endif // ZULISTCELL_H
