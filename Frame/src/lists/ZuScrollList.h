#ifndef ZUSCROLLLIST_H
#define ZUSCROLLLIST_H

#include "ZuControl.h"
#include "ZuListStatusNotify.h"
#include "ZuScrollBar.h"

class CZuList;

// A list framed by a vertical and a horizontal scroll bar that follow its rows and columns. The bars show
// when the content does not fit (or always, or never); moving a bar scrolls the list.
class CZuScrollList : public CZuControl, public MZuListStatusNotify
{
public:
    enum TScrollBarDispMode
    {
        EScrollBarAuto = 1,
        EScrollBarAlways = 2,
        EScrollBarNever = 0
    };

    explicit CZuScrollList(CZuControl* parent);
    ~CZuScrollList() override;

    // The list inside (a child).
    CZuList* GetList() const { return iList; }
    CZuScrollBar* GetScrollBar(CZuScrollBar::TZuScrollBarType type) const;
    void SetHScrollBar(int mode);
    void SetVScrollBar(int mode);
    // Shows or hides the bars for the list's rows and columns as they are now, and moves them.
    void HandleListDataChanged();
    // The height that shows exactly rows rows.
    int GetHeightByDispRows(int rows);

    void SetUiStyle(CZuUiStyleCommon* style) override;
    void SizeChanged() override;
    void StateChanged() override;
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    bool HandleMessage(CZuMessage* message) override;

    void ListStatusChanged(int page, int pageCount) override;
    void ListDragScrolled() override;

private:
    CZuScrollList(const CZuScrollList&) = delete;
    CZuScrollList& operator=(const CZuScrollList&) = delete;

    bool VerticalNeeded() const;
    bool HorizontalNeeded() const;
    // Gives the list and the bars their places for the bars shown.
    void Place(bool vertical, bool horizontal);
    void SyncBars();
    int HorizontalPosition() const;

    CZuList* iList;
    CZuScrollBar* iVBar;
    CZuScrollBar* iHBar;
    int iVMode;
    int iHMode;
};

#endif // ZUSCROLLLIST_H
