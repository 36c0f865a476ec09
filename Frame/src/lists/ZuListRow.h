#ifndef ZULISTROW_H
#define ZULISTROW_H

#include "ZuObject.h"
#include "ZuObjectList.h"
#include "ZuRect.h"

class CZuVarient;

// One row of a list: its cells (owned), a number and an object the owner keeps with it, and where the
// row was drawn last.
class CZuListRow : public CZuObject
{
public:
    CZuListRow();
    // Deletes the cells and an owned data object.
    ~CZuListRow() override;

    // The cell is owned from now on. Returns its index.
    int AppendCell(CZuVarient* cell);
    // An index beyond the end appends.
    void InsertCell(int col, CZuVarient* cell);
    // Replaces (and deletes) the cell at col; beyond the end, empty text cells fill the gap first.
    void SetCell(int col, CZuVarient* cell);
    void DeleteCell(int col);
    // Null out of range.
    CZuVarient* GetCell(int col) const;
    int GetCellCount() const { return iCells.GetCount(); }

    void SetData(int data) { iData = data; }
    int GetData() const { return iData; }
    // An owned object is deleted when replaced by another one or with the row; setting the same object
    // again keeps it.
    void SetDataPtr(CZuObject* data, bool owned);
    CZuObject* GetDataPtr() const { return iDataPtr; }

    void SetDispRect(const CZuRect& rect) { iDispRect = rect; }
    const CZuRect& GetDispRect() const { return iDispRect; }

private:
    CZuListRow(const CZuListRow&) = delete;
    CZuListRow& operator=(const CZuListRow&) = delete;

    CZuObjectList iCells;
    int iData;
    CZuObject* iDataPtr;
    bool iDataOwned;
    CZuRect iDispRect;
};

#endif // ZULISTROW_H
