#ifndef ZULISTROWTITLE_H
#define ZULISTROWTITLE_H

#include "ZuObject.h"
#include "ZuObjectList.h"

class CZuListCellTitle;

// The title row of a list: one heading per column (owned), how column widths are read, how many columns
// are shown and which heading was clicked last.
class CZuListRowTitle : public CZuObject
{
public:
    enum TColWidthType
    {
        // Widths in pixels; automatic widths share what fixed ones leave.
        EColWidthPixels = 0,
        // Widths in percent of the inner width.
        EColWidthPercent = 1,
        // Fixed widths in pixels, the rest shared on every measure.
        EColWidthAuto = 2
    };

    CZuListRowTitle();
    ~CZuListRowTitle() override;

    void SetColWidthType(TColWidthType type) { iWidthType = type; }
    TColWidthType GetColWidthType() const { return iWidthType; }
    // The headings; owned.
    CZuObjectList& Cells() { return iCells; }
    int GetCellCount() const { return iCells.GetCount(); }
    // Null out of range.
    CZuListCellTitle* GetCell(int index) const;
    // 0 shows every column.
    void SetDispColCount(int count) { iDispColCount = count; }
    int GetDispColCount() const { return iDispColCount; }
    void SetClickedIndex(int index) { iClickedIndex = index; }
    int GetClickedIndex() const { return iClickedIndex; }

private:
    CZuListRowTitle(const CZuListRowTitle&) = delete;
    CZuListRowTitle& operator=(const CZuListRowTitle&) = delete;

    TColWidthType iWidthType;
    CZuObjectList iCells;
    int iDispColCount;
    int iClickedIndex;
};

#endif // ZULISTROWTITLE_H
