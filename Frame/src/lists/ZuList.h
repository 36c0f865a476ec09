#ifndef ZULIST_H
#define ZULIST_H

#include <vector>

#include "ZuControl.h"
#include "ZuGestureObserver.h"
#include "ZuListCellTitle.h"
#include "ZuListRowTitle.h"
#include "ZuPointerCapture.h"
#include "ZuTimerObserver.h"

class CZuGestureDetector;
class CZuListRow;
class CZuVarient;
class MZuListNextPgStatusNotify;
class MZuListPrevPgStatusNotify;
class MZuListStatusNotify;

// The toolkit's table and list: rows of cells under an optional title row, with a selected row (and in
// cell mode a selected cell), pages, drag and wheel scrolling and an optional timed scroll. It tells its
// message receiver about selection with KMsgListNotify (the list as param2) and its observers about pages.
class CZuList : public CZuControl, public MZuTimerObserver, public MZuGestureObserver
{
public:
    enum TZuListType
    {
        EListTable = 0,
        // A table whose selected row opens into a detail view of every column.
        EListDetail = 1,
        // Rows of several lines: the first column alone, the others two to a slot.
        EListMultiLine = 2,
        // Rows of several lines: each heading shows its sub-columns, one a line.
        EListSubColumns = 3
    };

    // param1 of KMsgListNotify.
    enum TZuListNotify
    {
        ENotifyRowChanged = 0,
        ENotifyRowActivated = 1,
        ENotifyCellChanged = 2,
        ENotifyCellActivated = 3
    };

    // How the arrow keys move (SetHandleKeyMode).
    enum TZuKeyMode
    {
        // Free movement over every row, columns with Left and Right.
        EKeyModeFree = 1,
        // Up and Down within the page, Left and Right turn pages.
        EKeyModePaged = 2,
        // Up and Down scroll at the page edges and wrap round at the ends.
        EKeyModeWrapping = 3
    };

    static const unsigned KMsgListNotify = 22;
    // Sent to the list: param1 ETurnToPrevious or ETurnToNext turns the page.
    static const unsigned KMsgTurnPage = 18;
    enum TZuTurnPage
    {
        ETurnToPrevious = 1,
        ETurnToNext = 2
    };

    // What a cell of an EZuCellData column shows: a text and an image (the second image, when set, is the
    // selected look). The images are not owned.
    class CZuCellData : public CZuObject
    {
    public:
        CZuCellData(const CZuString& text, CZuImage* image, CZuImage* image2);
        CZuCellData(CZuImage* image, const CZuString& text, const CZuString& text2);
        ~CZuCellData() override;

        CZuString iText;
        CZuString iText2;
        CZuImage* iImage;
        CZuImage* iImage2;
    };

    explicit CZuList(CZuControl* parent, bool addToParent = true);
    // Stops the timed scroll, deletes the rows, headings and an owned image list, hands back the fonts.
    ~CZuList() override;

    // Control.
    CZuSize GetMinSize() override;
    void SetUiStyle(CZuUiStyleCommon* style) override;
    // The view state: nine integers (top row, first shown column, right-anchor column, shown rows, shown
    // columns, left-anchored, first column frozen, selected row, selected column). The caller owns it.
    CZuString* GetCurStatusData() override;
    // Restores a view state, kept within the rows and columns there are.
    void SetCurStatusData(CZuString* data) override;
    CZuRect FocusRect() override;
    void SizeChanged() override;
    void StateChanged() override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    // True for events inside the list and for those of a drag it started.
    bool HandlePointerEventL(const TZuPointerEvent& event) override;
    bool HandleMessage(CZuMessage* message) override;
    void OnTimer(int id) override;
    void OnGesture(const TZuGesture& gesture) override;

    // The height of a row: the set one, else the font's height + 2; with fit, grown so that whole rows
    // fill height (the inner height when height is 0 or below).
    virtual int GetRowHeight(bool fit = false, int height = 0);
    // Draws the cells of a table row, or the headings when title is set (row may then be null).
    virtual void DrawRow(IZuGc& gc, const CZuRect& rect, CZuListRow* row, bool selected, bool title);
    virtual void DrawSelectedCellBg(IZuGc& gc, const CZuRect& rect);

    // Rows (owned).
    void AppendRow(CZuListRow* row);
    void InsertRow(int index, CZuListRow* row);
    // A new row holding the one cell; returns its index.
    int AppendRow(CZuVarient* cell);
    void InsertRow(int index, CZuVarient* cell);
    // The row's new cell count, -1 for a bad row.
    int AppendCellToRowTail(int row, CZuVarient* cell);
    void SetCell(int row, int col, CZuVarient* cell);
    void DeleteCell(int row, int col);
    void DeleteRow(int index);
    void DeleteRow(CZuListRow* row);
    CZuListRow* GetRow(int index) const;
    CZuObjectList* GetRows() { return &iRows; }
    int GetRowCount() const { return iRows.GetCount(); }
    void RemoveAllData();
    void SetRowData(int row, int data);
    int GetRowData(int row) const;
    void SetRowDataPtr(int row, CZuObject* data, bool owned);
    CZuObject* GetRowDataPtr(int row) const;
    // Tells the observers where the list stands, then redraws.
    void HandleDataChanged();

    // Columns.
    void SetColWidthType(CZuListRowTitle::TColWidthType type);
    // Grows with untitled text columns of automatic width, or deletes from the end.
    void SetColCount(int count);
    // The headings, one fewer when the first column is frozen.
    int GetColCount() const;
    void SetColWidth(int col, int width);
    int GetColWidth(int col) const;
    // How many columns are shown (0: all).
    void SetDispColCount(int count);
    int GetDispColCount() const;
    // A width of 0 or below is automatic. Returns the new heading's index.
    int AppendCellTitle(const CZuString& text, TZuTableCellType type, int width);
    void SetCellTitle(int index, const CZuString& text, TZuTableCellType type, int width);
    void DeleteCellTitle(int index);
    CZuListCellTitle* GetColTitle(int index) const;
    CZuListRowTitle* GetRowTitle() { return &iTitle; }
    void AppendSubCol(int col, int sub);
    int GetSubColCount(int col) const;
    int GetSubColIndex(int col, int i) const;
    // Works out the automatic widths from the inner width.
    void AdjustColWidth();
    // Cells of a grid of rows x cols filling the inner rectangle; a side of 0 or below is left alone.
    void AdjustCellWidthHeight(int rows, int cols);

    // Geometry.
    int GetSelectedRowHeight();
    int GetRowHeightByIndex(int index);
    CZuRect GetDispRowRect(int index) const;
    CZuRect GetSelectedRowRect() const;
    // Whole rows that fit in the rows area (0 when none fits).
    int GetListviewRowCount();
    // Columns that fit from the first shown one (at least 1 when there are columns).
    int GetListviewColCount() const;
    // Whether every column fits in the inner width, by the columns' widths.
    bool AllColumnsFit() const;
    int GetRowTitleHeight();
    void SetRowTitleHeight(int height) { iTitleHeight = height; }

    // Paging.
    bool HavePrevPage();
    bool HaveNextPage();
    bool PrevPage();
    bool NextPage();

    // Settings.
    void SetListType(TZuListType type) { iListType = type; }
    TZuListType GetListType() const { return iListType; }
    void SetRowHeight(int height) { iRowHeight = height; }
    void SetSelRowHeight(int height);
    void SetSelRowDispRows(int lines) { iSelRowLines = lines; }
    void SetLinesPerRow(int lines);
    void SetRowSpace(int space) { iRowSpace = space < 0 ? 0 : space; }
    int GetRowSpace() const { return iRowSpace; }
    void SetColSpace(int space) { iColSpace = space < 0 ? 0 : space; }
    int GetColSpace() const { return iColSpace; }
    void SetShowGridH(bool show);
    void SetShowGridV(bool show);
    // 0 when neither grid is shown.
    void SetShowGridWidth(int width);
    int GetGridLineWidth() const { return iGridWidth; }
    void SetGridColor(const CZuRgb& color) { iGridColor = color; }
    void SetShowSelectedRowBG(bool show) { iShowSelRowBg = show; }
    void SetShowSelectedCellBG(bool show) { iShowSelCellBg = show; }
    void SetDrawSelCellSpaceBG(bool draw) { iDrawSelCellSpaceBg = draw; }
    void SetShowSelBgNoFocus(bool show) { iShowSelBgNoFocus = show; }
    void SetNormalEvenRowBg(const CZuRgb& color);
    void SetNormalOddRowBg(const CZuRgb& color);
    void SetSelectedRowColor(const CZuRgb& color) { iSelRowColor = color; }
    // Kept for callers; the list draws no border with it.
    void SetSelectedRowBorderColor(const CZuRgb& color) { iSelRowBorderColor = color; }
    void SetSelectedForeColor(const CZuRgb& color) { iSelTextColor = color; }
    void SetSelectedCellColor(const CZuRgb& color) { iSelCellColor = color; }
    void SetShowSpecialCellBg(bool show) { iShowSpecialCellBg = show; }
    void SetSpecialCellBgColor(int row, int col, const CZuRgb& color);
    // The font is shared: the list takes a reference.
    void SetSelRowFont(CZuFont* font);
    CZuFont* GetSelRowFont();
    void SetShowTitle(bool show) { iShowTitle = show; }
    bool IsShowTitle() const { return iShowTitle; }
    void SetTitleFont(CZuFont* font);
    CZuFont* GetTitleFont();
    void SetTitleColor(const CZuRgb& color) { iTitleColor = color; }
    void SetTitleBgColor(const CZuRgb& color) { iTitleBgColor = color; }
    void SetShowTitleBg(bool show) { iShowTitleBg = show; }
    void SetFirstColFrozen(bool frozen);
    bool IsFirstColFrozen() const { return iFirstColFrozen; }
    // The images of image columns (CZuImage); owned: the list deletes it when replaced or with itself.
    void SetImageList(CZuObjectList* images, bool owned);
    CZuObjectList* GetImageList() const { return iImages; }
    // Kept within the rows.
    void SetTopRowIndex(int index);
    int GetTopRowIndex() const { return iTopRow; }
    // The first column shown after a frozen one; kept within the columns.
    void SetFirstDispCol(int col);
    int GetFirstDispCol() const { return iFirstCol; }
    // Keeps the row in view; a negative row means no selection.
    void SetSelectedRow(int index);
    // -1 when no row is selected.
    int GetSelectedRowIndex() const;
    // The shown row under a point of the window (its row space included), or -1 when there is none.
    int RowAt(const CZuPoint& point);
    void SetSelectedCol(int col);
    int GetSelectedColIndex() const { return iSelCol; }
    CZuListRow* GetSelectedRow() const;
    // The selected cell, or null.
    CZuVarient* GetSelectedRowCol() const;
    // 1: a click selects a row; any other value selects cells.
    void SetClickSelMode(int mode) { iClickSelMode = mode; }
    bool IsCellMode() const { return iClickSelMode != 1; }
    void SetHandleKeyMode(int mode) { iKeyMode = mode; }
    int GetHandleKeyMode() const { return iKeyMode; }
    // A first click on a row both selects and activates it.
    void SetOnceSelectClicked(bool once) { iOnceSelectClicked = once; }
    void SetNotifySelectWhenFocus(bool notify) { iNotifySelectWhenFocus = notify; }
    void SetAutoAdjustRowHeight(bool adjust) { iAutoAdjustRowHeight = adjust; }
    void SetCellMaxCount(int count) { iCellMaxCount = count; }
    int GetCellMaxCount() const { return iCellMaxCount; }
    // Scrolls by itself: waits pauseMs at each page start, then moves stepPixels every stepMs. Any value
    // of 0 or below stops it.
    void SetTurnPg(int pauseMs, int stepMs, int stepPixels);
    bool IsAutoScrolling() const;
    // True from a press inside the list to the release: the pointer stays with the list meanwhile, also
    // outside the window.
    bool IsPointerCaptured() const;
    // The pixels the rows are scrolled past the top row (dragging, timed scroll).
    int GetPixelOffset() const { return iPixelOffset; }
    // Rows drawn by the last draw.
    int GetDispRowCount() const { return iDispRowCount; }

    // Observers, not owned.
    void SetListStatusNotify(MZuListStatusNotify* notify) { iStatusNotify = notify; }
    void SetListPrevPgStatusNotify(MZuListPrevPgStatusNotify* notify) { iPrevPgNotify = notify; }
    void SetListNextPgStatusNotify(MZuListNextPgStatusNotify* notify) { iNextPgNotify = notify; }

private:
    // Where one column of a row lies: x from left (inclusive) to right (exclusive).
    struct TColumnSlot
    {
        int iCol;
        int iLeft;
        int iRight;
    };

    CZuList(const CZuList&) = delete;
    CZuList& operator=(const CZuList&) = delete;

    // Geometry.
    int SpreadHeight(int rowHeight, int visible) const;
    // The height rows are drawn with: spread over the rows area when the list adjusts it.
    int DrawnRowHeight();
    int Pitch();
    int RowsPerPage();
    int LastRowOfPage();
    CZuRect TitleRect();
    CZuRect RowsRect();
    int ColumnOrder(int i) const;
    // The columns of a row rect in table form, from the first shown column on.
    void LayOutColumns(const CZuRect& row, std::vector<TColumnSlot>& slots) const;
    int ColumnAt(const CZuRect& row, int x) const;
    bool ColumnFits(int col) const;
    int AutoWidth() const;
    int FrozenCols() const { return iFirstColFrozen ? 1 : 0; }

    // Drawing.
    void DrawTitle(CZuGc& gc, const CZuRect& rect);
    void DrawRows(CZuGc& gc, const CZuRect& rect);
    void DrawRowBand(CZuGc& gc, int index, const CZuRect& band, int rowSpace);
    // The line under the row and the lines between its columns, these down to columnsBottom.
    void DrawGrid(CZuGc& gc, const CZuRect& row, int columnsBottom);
    void DrawTableCell(CZuGc& gc, const TColumnSlot& slot, const CZuRect& row, CZuListRow* data,
                       bool selected);
    void DrawTitleCells(CZuGc& gc, const CZuRect& rect);
    void DrawMultiLineRow(CZuGc& gc, const CZuRect& rect, CZuListRow* row, bool selected, bool title);
    void DrawSubColRow(CZuGc& gc, const CZuRect& rect, CZuListRow* row, bool selected);
    // The bottom of the part laid out in columns: the first line when the other columns follow below it,
    // else the row's own bottom.
    int DrawDetailRow(CZuGc& gc, const CZuRect& rect, CZuListRow* row);
    bool ShowsSelection() const { return IsFocused() || iShowSelBgNoFocus; }
    // A stored colour as drawn now: a little darker when the list is not focused.
    CZuRgb FocusColor(const CZuRgb& color) const;
    CZuRgb TextColor(bool selected, bool title) const;

    // Keys.
    bool HandleFreeKey(unsigned code);
    bool HandlePagedKey(unsigned code);
    bool HandleWrappingKey(unsigned code);
    bool HandleCommonKey(unsigned code, bool& used);
    bool MoveFreeUpDown(int step);
    bool MoveFreeLeftRight(int step);
    bool ScrollColumns(int step);
    bool VisibleSelection() const;
    void KeepColVisible(int col);
    // Selects row and keeps it in view; posts the selection message.
    void MoveSelectionTo(int row);

    // Pointer.
    void HandleTap(const CZuPoint& point, bool wasFocused);
    void HandleRowTap(int index, const CZuPoint& point, bool wasFocused);
    void ScrollByPixels(int dy);
    bool HandleWheel(int steps);

    // Notifications.
    void Notify(TZuListNotify what);
    void NotifySelection();
    void NotifyActivation();
    void NotifyPageStatus();
    void NotifyDragScrolled();
    void Redraw();
    void ArmTimer(int delayMs);
    void StopTimer();
    void ClampPosition();
    void ReleaseFont(CZuFont*& font);

    // Data.
    TZuListType iListType;
    CZuObjectList iRows;
    CZuListRowTitle iTitle;
    CZuObjectList* iImages;
    bool iImagesOwned;

    // Metrics.
    int iRowHeight;
    int iSelRowHeight;
    int iSelRowLines;
    int iLinesPerRow;
    int iRowSpace;
    int iColSpace;
    bool iShowGridH;
    bool iShowGridV;
    int iGridWidth;
    int iTitleHeight;

    // Looks.
    CZuRgb iGridColor;
    bool iShowSelRowBg;
    bool iShowSelCellBg;
    bool iDrawSelCellSpaceBg;
    bool iShowSelBgNoFocus;
    bool iShowEvenRowBg;
    bool iShowOddRowBg;
    CZuRgb iEvenRowBg;
    CZuRgb iOddRowBg;
    CZuRgb iSelRowColor;
    CZuRgb iSelRowBorderColor;
    CZuRgb iSelTextColor;
    CZuRgb iSelCellColor;
    bool iShowSpecialCellBg;
    int iSpecialRow;
    int iSpecialCol;
    CZuRgb iSpecialColor;
    CZuFont* iSelRowFont;
    CZuFont* iTitleFont;
    bool iShowTitle;
    CZuRgb iTitleColor;
    CZuRgb iTitleBgColor;
    bool iShowTitleBg;
    bool iFirstColFrozen;

    // Position and selection.
    int iTopRow;
    int iFirstCol;
    int iSelRow;
    int iSelCol;
    int iPixelOffset;
    int iDispRowCount;
    int iDispColCount;
    bool iLeftAnchored;
    int iRightAnchorCol;

    // Behaviour.
    int iClickSelMode;
    int iKeyMode;
    bool iOnceSelectClicked;
    bool iNotifySelectWhenFocus;
    bool iAutoAdjustRowHeight;
    int iCellMaxCount;

    // Timed scroll.
    int iTurnPause;
    int iTurnStep;
    int iTurnPixels;
    int iTimerId;
    int iRowsLeft;

    // Pointer and focus.
    CZuGestureDetector* iGesture;
    CZuPointerCapture iCapture;
    bool iFocusedBeforeTap;
    bool iDragScrolling;
    bool iWasFocused;
    // The last KMsgListNotify posted (its param1), -1 before the first.
    int iLastNotified;

    MZuListStatusNotify* iStatusNotify;
    MZuListPrevPgStatusNotify* iPrevPgNotify;
    MZuListNextPgStatusNotify* iNextPgNotify;

    // Reused while drawing, so that a draw allocates nothing.
    std::vector<TColumnSlot> iSlots;
};

#endif // ZULIST_H
