#ifndef ZUTEXTREADER_H
#define ZUTEXTREADER_H

#include <unordered_map>
#include <vector>

#include "ZuControl.h"
#include "ZuString16.h"

class CZuScrollBar;

// A longer text shown as rows wrapped to the control's width, with a vertical scroll bar when the rows do
// not fit. Rows break at line feeds, paragraph separators, CR LF and the two characters "\n"; words of
// letters and digits move whole to the next row, other characters (Chinese among them) wrap anywhere.
class CZuTextReader : public CZuControl
{
public:
    // One row: the text's units from start up to end (exclusive).
    struct CZuRowInfo
    {
        int iStart;
        int iEnd;
    };

    explicit CZuTextReader(CZuControl* parent);
    ~CZuTextReader() override;

    // UTF-8 text; an empty text clears the reader.
    void SetText(const CZuString& text) override;
    void SetText(const CZuString16& text);
    CZuString GetText() override;
    // 16 top, 32 bottom, 64 centred; used while the rows fit.
    void SetVertAlign(TZuAlign align) { iVertAlign = align; }
    // 0 or less: the UI setting's text row space.
    void SetRowSpace(int space) { iRowSpace = space; }

    int GetRowCount() const { return static_cast<int>(iRows.size()); }
    // The row's text.
    CZuString16 GetRowText(int row) const;
    const CZuRowInfo& GetRow(int row) const { return iRows[row]; }
    int GetTopRow() const { return iTopRow; }
    // Null until the rows first did not fit.
    CZuScrollBar* GetScrollBar() const { return iBar; }

    CZuSize GetMinSize() override;
    void SizeChanged() override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    // Up and Down scroll by a row while there is more to show.
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    // Inside only; the wheel scrolls the rows.
    bool HandlePointerEventL(const TZuPointerEvent& event) override;
    // Message 25 of its own bar.
    bool HandleMessage(CZuMessage* message) override;

private:
    CZuTextReader(const CZuTextReader&) = delete;
    CZuTextReader& operator=(const CZuTextReader&) = delete;

    int RowSpace() const;
    int FontHeight();
    bool BarShown() const;
    // The width rows are wrapped to.
    int WrapWidth();
    void BuildRows();
    // Shows the bar when the rows do not fit, and gives it the rows' range.
    void UpdateBar();
    int FirstRowTop();
    // Rows whose band fits between the first row's top and the inner bottom.
    int FittingRows();
    void ScrollTo(int top);
    int CharWidth(int code);

    CZuString16 iText;
    std::vector<CZuRowInfo> iRows;
    int iTopRow;
    int iVisibleRows;
    CZuScrollBar* iBar;
    TZuAlign iVertAlign;
    int iRowSpace;
    // Widths of the characters measured so far: a long text measures each one once.
    std::unordered_map<int, int> iWidths;
};

#endif // ZUTEXTREADER_H
