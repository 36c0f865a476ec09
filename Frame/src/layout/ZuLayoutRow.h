#ifndef ZULAYOUTROW_H
#define ZULAYOUTROW_H

#include "ZuAlign.h"
#include "ZuObject.h"
#include "ZuObjectList.h"
#include "ZuRect.h"

class CZuControl;
class CZuLayout;
class CZuLayoutCell;
class CZuSize;

// One row of a layout: cells placed side by side with a gap between neighbours. A negative column space
// asks for automatic gaps that take the free width.
class CZuLayoutRow : public CZuObject
{
public:
    explicit CZuLayoutRow(int colSpace);
    ~CZuLayoutRow() override;

    void AppendCell(CZuControl* control, int width, int height, TZuAlign vertAlign);
    void AppendCell(const CZuSize& spacer, int width, int height);
    void AppendCell(CZuLayout* layout, int width, int height);
    // Appends a new cell; the cell at col stays where it is.
    void SetCell(int col, CZuControl* control, int width, int height);
    void SetCell(int col, const CZuSize& spacer, int width, int height);
    void SetCell(int col, CZuLayout* layout, int width, int height);
    void DeleteCell(int col);
    CZuLayoutCell* GetLayoutCell(int col) const;
    int GetLayoutCellCount() const { return iCells.GetCount(); }
    void SetCellID(int col, int id);
    // -1 for an invalid index.
    int GetCellID(int col) const;
    // The position of the cell with this id, or -1.
    int FindCell(int id) const;

    int GetID() const { return iId; }
    // 0 packs the cells from the left, 2 from the right, any other value centres them.
    void SetAlign(TZuAlign align) { iAlign = align; }
    TZuAlign GetAlign() const { return iAlign; }
    void SetVertAlign(TZuAlign align) { iVertAlign = align; }
    TZuAlign GetVertAlign() const { return iVertAlign; }
    void SetColSpace(int space) { iColSpace = space; }
    int GetColSpace() const { return iColSpace; }
    void SetHeight(int height) { iHeight = height; }
    // The height field when not 0; -1 when every cell shares; else the tallest cell.
    int GetHeight() const;
    // The positive cell widths and the fixed gaps between them.
    int GetWidth() const;
    // True when at least one cell is visible.
    bool IsVisible() const;
    // Gives every cell its place in bounds.
    void DoLayout(const CZuRect& bounds);

private:
    CZuLayoutRow(const CZuLayoutRow&) = delete;
    CZuLayoutRow& operator=(const CZuLayoutRow&) = delete;

    int iId;
    TZuAlign iAlign;
    TZuAlign iVertAlign;
    int iColSpace;
    int iHeight;
    CZuObjectList iCells;
};

#endif // ZULAYOUTROW_H
