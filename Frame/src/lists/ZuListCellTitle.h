#ifndef ZULISTCELLTITLE_H
#define ZULISTCELLTITLE_H

#include <vector>

#include "ZuAlign.h"
#include "ZuObject.h"
#include "ZuRect.h"
#include "ZuString.h"

class CZuGc;
class CZuListCell;
class CZuVarient;

// What the cells of a column hold, and so how they are drawn.
enum TZuTableCellType
{
    EZuCellInteger = 1,
    // Fixed-point with the heading's number of decimals.
    EZuCellReal = 2,
    EZuCellText = 3,
    // A CZuList::CZuCellData: an image and a text. Such a column shows the selection by itself.
    EZuCellData = 6,
    // An integer that picks an image of the list's image list. Such a column shows the selection too.
    EZuCellImage = 7
};

// The heading of one list column: its text, what its cells hold, its width and alignment, the columns it
// spans, and the drawer of its cells (owned).
class CZuListCellTitle : public CZuObject
{
public:
    // index: the column's own index, the one sub-column it starts with. A width of 0 or below is automatic.
    CZuListCellTitle(int index, const CZuString& text, TZuTableCellType type, int width);
    ~CZuListCellTitle() override;

    void SetText(const CZuString& text) { iText = text; }
    const CZuString& GetText() const { return iText; }
    void SetCellType(TZuTableCellType type) { iCellType = type; }
    TZuTableCellType GetCellType() const { return iCellType; }
    void SetDecimals(int decimals) { iDecimals = decimals; }
    int GetDecimals() const { return iDecimals; }
    void SetAutoWidth(bool autoWidth) { iAutoWidth = autoWidth; }
    bool IsAutoWidth() const { return iAutoWidth; }
    // Pixels or percent, as the title row says; -1 until an automatic width is worked out.
    void SetWidth(int width) { iWidth = width; }
    int GetWidth() const { return iWidth; }
    // The alignment of text cells; numbers are always right-aligned.
    void SetAlign(TZuAlign align) { iAlign = align; }
    TZuAlign GetAlign() const { return iAlign; }
    void SetClickable(bool clickable) { iClickable = clickable; }
    bool IsClickable() const { return iClickable; }
    // How many following columns the heading covers in the title row.
    void SetSpanCount(int count) { iSpanCount = count; }
    int GetSpanCount() const { return iSpanCount; }

    // The columns whose cells a sub-column row shows under this heading.
    void AppendSubCol(int col) { iSubCols.push_back(col); }
    int GetSubColCount() const { return static_cast<int>(iSubCols.size()); }
    // -1 out of range.
    int GetSubColIndex(int i) const;

    // Where the column's last cell was drawn.
    void SetCellRect(const CZuRect& rect) { iCellRect = rect; }
    const CZuRect& GetCellRect() const { return iCellRect; }

    // Replaces (and deletes) the drawer; null keeps the current one.
    void SetListCell(CZuListCell* drawer);
    CZuListCell* GetListCell() const { return iDrawer; }
    void DrawCell(CZuGc& gc, const CZuRect& rect, CZuVarient* value, bool selected);

private:
    CZuListCellTitle(const CZuListCellTitle&) = delete;
    CZuListCellTitle& operator=(const CZuListCellTitle&) = delete;

    CZuString iText;
    TZuTableCellType iCellType;
    int iDecimals;
    bool iAutoWidth;
    int iWidth;
    TZuAlign iAlign;
    std::vector<int> iSubCols;
    CZuRect iCellRect;
    bool iClickable;
    int iSpanCount;
    CZuListCell* iDrawer;
};

#endif // ZULISTCELLTITLE_H
