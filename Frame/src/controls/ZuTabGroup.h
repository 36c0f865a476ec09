#ifndef ZUTABGROUP_H
#define ZUTABGROUP_H

#include "ZuControl.h"

#include <vector>

class CZuPaneBase;
class CZuTabItem;

// Pages under a row of tab headers. Each tab has an id, a name, an optional image and a page (a pane, the
// group's child); only the active tab's page is shown. The keyboard is either on the header row (Left and
// Right switch tabs, Down enters the page) or in the active page (Up at its top comes back to the headers).
// A click on a header activates its tab. A tab chosen by the user (keys or pointer) is told to the
// message receiver (SetMsgWnd; none: the screen) as message 24 with the tab's id and the group. When the
// headers do not all fit, a run of them is shown and follows the active tab; an edge header with tabs beyond
// it carries a small arrow.
//
// The active tab is one tab: ActiveTab by id and ActiveTab by name choose it alike, and GetActiveTabID()
// and GetActiveTabName() both describe it (-1 and the empty name while no tab is active). The first tab
// added to a group without an active tab becomes active.
class CZuTabGroup : public CZuControl
{
public:
    // When not every header fits, each header shown keeps this room at both sides for the arrows that
    // mark tabs beyond.
    static constexpr int KHeaderArrowRoom = 11;

    CZuTabGroup(CZuControl* parent, bool addToParent, TZuControlType type = EZuCtrlTabGroup);
    // Deletes the tabs (their images go back to the image manager); the pages go with the children.
    ~CZuTabGroup() override;

    // A new last tab. The page becomes the group's child when it is not one yet (it may be null: a header
    // without a page). owned: the image goes back to the image manager with the tab. Returns its index.
    int AppendTab(CZuPaneBase* page, int id, const CZuString& name, CZuImage* image, bool owned);
    // A new tab before the first tab with the id (or name) given first; at the end when there is none.
    int InsertTab(int beforeId, CZuPaneBase* page, int id, const CZuString& name, CZuImage* image,
                  bool owned);
    int InsertTab(const CZuString& beforeName, CZuPaneBase* page, int id, const CZuString& name,
                  CZuImage* image, bool owned);
    // Deletes the first tab with the id (or name) and its page. When it was the active tab, the tab that
    // takes its place (else the one before it) becomes active, and a keyboard focus in its page goes back
    // to the header row. False when there is no such tab.
    bool DeleteTab(int id);
    bool DeleteTab(const CZuString& name);

    int GetTabCount() const;
    // The tab at index, or null.
    CZuTabItem* GetTabItem(int index) const;
    // The page of the first tab with the id (or name), or null.
    CZuPaneBase* GetTab(int id) const;
    CZuPaneBase* GetTab(const CZuString& name) const;
    // Activates the first tab with the id (or name): its page is shown, the others are hidden, its header
    // is scrolled into view. False, changing nothing, for a negative id or an empty name, for the active
    // tab and for a tab that does not exist. Id 0 is an id like any other.
    bool ActiveTab(int id);
    bool ActiveTab(const CZuString& name);
    // False for an index outside the tabs and for the active tab.
    bool ActiveTabAt(int index);
    int GetActiveTabID() const;
    CZuString GetActiveTabName() const;
    // -1 while no tab is active.
    int GetActiveIndex() const { return iActive; }

    // The headers shown, and the index of the tab in the first of them.
    int GetHeaderCount() const { return static_cast<int>(iHeaders.size()); }
    CZuRect GetHeaderRect(int header) const;
    int GetFirstVisibleTab() const { return iFirstVisible; }
    int GetHeaderHeight();
    // True while the keyboard is in the active page rather than on the header row.
    bool HasPageFocus() const { return iPageFocus; }
    // The width a tab's header needs: its image, its name and the margins.
    int HeaderWidthNeeded(const CZuTabItem& tab);

    // The widest header and the largest page, below the header row, inside the inner spaces.
    CZuSize GetMinSize() override;
    // The pages take the inner rectangle below the header row; the headers are placed again.
    void SizeChanged() override;
    // Focused: the header row or the active page takes the keyboard, as it last had it; otherwise the
    // pages let go of the focus.
    void StateChanged() override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    bool HandlePointerEventL(const TZuPointerEvent& event) override;

private:
    int IndexOf(int id) const;
    int IndexOf(const CZuString& name) const;
    int Insert(int index, CZuPaneBase* page, int id, const CZuString& name, CZuImage* image, bool owned);
    bool DeleteAt(int index);
    // The user's choice: activates and tells the receiver.
    bool ChooseTab(int index);
    CZuPaneBase* ActivePage() const;
    // Shows the page of the tab at index and hides the others; the keyboard stays where it was.
    void Activate(int index);
    // Keeps the active tab within the headers shown.
    void ScrollToActive();
    void LayOutHeaders();
    void PlacePages();
    bool CanEnterPage() const;
    void EnterPage();
    void LeavePage();
    // Takes every page out of the focus (state 0).
    void ReleasePages();
    void DrawHeader(CZuGc& gc, const CZuRect& rect, const CZuTabItem& tab, bool active);
    void DrawMoreArrow(CZuGc& gc, const CZuRect& rect, bool left);
    // The header under the point, or -1.
    int HeaderAt(const CZuPoint& point) const;

    CZuObjectList iTabs;
    std::vector<CZuRect> iHeaders;
    int iActive;
    int iFirstVisible;
    bool iPageFocus;
};

#endif // ZUTABGROUP_H
