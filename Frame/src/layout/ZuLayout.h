#ifndef ZULAYOUT_H
#define ZULAYOUT_H

#include "ZuAlign.h"
#include "ZuMargin.h"
#include "ZuObject.h"
#include "ZuObjectList.h"
#include "ZuRect.h"
#include "ZuSize.h"

class CZuControl;
class CZuLayoutRow;

// A grid layout: a vertical stack of rows, each a horizontal sequence of cells holding a control, a spacer
// or a nested layout. Sizes are positive for fixed pixels, 0 for the natural size of the content and
// negative for a share of the space left over. Rows and cells are owned; controls and nested layouts not.
class CZuLayout : public CZuObject
{
public:
    CZuLayout();
    ~CZuLayout() override;

    // Places every visible row and its cells in the inner rectangle.
    virtual void DoLayout();

    void SetRect(const CZuRect& rect) { iRect = rect; }
    const CZuRect& GetRect() const { return iRect; }
    void SetInnerSpace(int top, int bottom, int left, int right);
    void SetInnerSpace(int all);
    const CZuMargin& InnerMargin() const { return iInnerSpace; }
    CZuRect InnerRect() const;
    CZuSize InnerSize() const;
    void SetPredefinedSize(const CZuSize& size) { iPredefinedSize = size; }
    const CZuSize& GetPredefinedSize() const { return iPredefinedSize; }
    int GetColSpace() const { return iColSpace; }
    void SetRowspace(int space) { iRowSpace = space; }
    int GetRowSpace() const { return iRowSpace; }

    // A new row holding one cell; returns its index.
    int AppendRow(CZuControl* control, int width, int height);
    int AppendRow(const CZuSize& spacer, int width, int height);
    int AppendRow(CZuLayout* layout, int width, int height);
    // The same before row (which may equal the row count); -1 for an index outside the rows.
    int InsertRow(int row, CZuControl* control, int width, int height);
    int InsertRow(int row, const CZuSize& spacer, int width, int height);
    int InsertRow(int row, CZuLayout* layout, int width, int height);
    // A cell at the end of the last row (a new row when there is none).
    void AppendCellToLastRow(CZuControl* control, int width, int height, TZuAlign vertAlign);
    void AppendCellToLastRow(const CZuSize& spacer, int width, int height);
    void AppendCellToLastRow(CZuLayout* layout, int width, int height);
    void SetCell(int row, int col, CZuControl* control, int width, int height);
    void SetCell(int row, int col, const CZuSize& spacer, int width, int height);
    void SetCell(int row, int col, CZuLayout* layout, int width, int height);

    void DeleteRow(int row);
    // Deletes every row with this id.
    void DeleteRowByID(int id);
    // With deleteEmptyRow, a row left without cells goes too.
    void DeleteCell(int row, int col, bool deleteEmptyRow);
    // Deletes the cell with this id; with deleteRow its row goes too when the row has become empty.
    void DeleteCellByID(int id, bool deleteRow);
    void DeleteAllRow();
    // Deletes every cell of the rows that holds control, and each row it leaves empty; the control stays.
    void DeleteCellsOf(CZuControl* control);
    int GetRowCount() const { return iRows.GetCount(); }
    CZuLayoutRow* GetRow(int row) const;

    void SetAlign(int row, TZuAlign align);
    // The column space of every row and of rows made later.
    void SetColSpace(int space);
    // That row's column space, and the one of rows made later.
    void SetColSpace(int row, int space);
    void SetRowHeight(int row, int height);

    // The predefined height when not 0 (0 when negative); else 0 when a row is not fixed, else the rows'
    // heights with the row spaces and the inner spaces.
    int GetHeight() const;
    // The widest row and the positive row heights, with the spaces.
    CZuSize GetActSize() const;

private:
    CZuLayout(const CZuLayout&) = delete;
    CZuLayout& operator=(const CZuLayout&) = delete;
    // Inserts a new empty row before index and returns it.
    CZuLayoutRow* NewRow(int index);
    bool IsValidRow(int row) const { return row >= 0 && row < GetRowCount(); }

    CZuRect iRect;
    CZuMargin iInnerSpace;
    CZuSize iPredefinedSize;
    int iColSpace;
    int iRowSpace;
    CZuObjectList iRows;
};

#endif // ZULAYOUT_H
