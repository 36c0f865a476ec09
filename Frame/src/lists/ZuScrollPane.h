#ifndef ZUSCROLLPANE_H
#define ZUSCROLLPANE_H

#include "ZuPaneBase.h"
#include "ZuScrollBar.h"

class CZuScrollLayout;

// A pane whose content may be larger than it: its own scroll layout moves all the cells, and a vertical
// and a horizontal bar appear only while the content does not fit. Keys that move the focus scroll the
// focused control into view; the wheel scrolls the content.
class CZuScrollPane : public CZuPaneBase
{
public:
    explicit CZuScrollPane(CZuControl* parent);
    ~CZuScrollPane() override;

    // The layout the content goes into (owned by the pane).
    CZuScrollLayout* GetLayout() const { return iLayout; }
    // The bars' positions, 0 for a bar that is not there.
    void GetScrollPos(int& x, int& y) const;
    // Kept within the bars' ranges; an axis without a bar stays at 0.
    void SetScrollPos(int x, int y);
    // Null while the content fits that way.
    CZuScrollBar* GetScrollBar(CZuScrollBar::TZuScrollBarType type) const;

    // -1 x -1: the pane takes what its place gives it.
    CZuSize GetMinSize() override;
    // An empty text: nothing of the position is kept.
    CZuString* GetCurStatusData() override;
    void SetCurStatusData(CZuString* data) override;
    // Lays the content out from the top-left again and decides which bars it needs.
    void SizeChanged() override;
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    // The content gets only what happens in view; the wheel scrolls it.
    bool HandlePointerEventL(const TZuPointerEvent& event) override;
    // Message 25 of either bar.
    bool HandleMessage(CZuMessage* message) override;

private:
    CZuScrollPane(const CZuScrollPane&) = delete;
    CZuScrollPane& operator=(const CZuScrollPane&) = delete;

    // Creates the bar when needed and places it, or deletes it.
    CZuScrollBar* UpdateBar(CZuScrollBar* bar, CZuScrollBar::TZuScrollBarType type, bool needed,
                            const CZuRect& rect, int range, int view);
    void UpdateCorner(const CZuRect& rect, bool needed);
    // Scrolls so that the focused control's rectangle lies inside the view.
    void KeepFocusInView();
    void ScrollToBars();
    bool IsBar(const CZuControl* control) const
    {
        return control && (control == iVBar || control == iHBar || control == iCorner);
    }

    CZuScrollLayout* iLayout;
    CZuScrollBar* iVBar;
    CZuScrollBar* iHBar;
    // Covers the square between two bars, where content would otherwise show through.
    CZuControl* iCorner;
};

#endif // ZUSCROLLPANE_H
