#ifndef ZUMENUBAR_H
#define ZUMENUBAR_H

#include "ZuControl.h"

class CZuCbaData;
class CZuList;
class CZuMenuData;
class CZuMenuItem;
class CZuScrollList;

// The pop-up options menu the UI manager opens over the current view: a stack of levels, each a scrolling
// list of the visible sub-items of one menu item. The first level shows the items of the menu's first
// entry and stands by the menu's anchor; each deeper level cascades from the row of the item it belongs
// to. Every level stays inside the UI rectangle.
//
// Up and Down move in the top level, Right and Enter open the selected item's level, Left and Escape
// close the top level (Escape closes the menu from the first level), the soft keys choose and cancel. The
// pointer moved over a level selects the row under it, a click chooses that row, and the wheel scrolls
// the level under the pointer. A chosen item closes the menu (message 2) and then posts its command as
// message 18 with no receiver, so that the command reaches what is on top once the menu has gone. After
// that the menu takes no more input: a command never runs twice.
class CZuMenuBar : public CZuControl
{
public:
    // A level shows at most this many rows; the others scroll.
    static constexpr int KMaxShownRows = 6;

    // Does not add itself to the parent's children.
    explicit CZuMenuBar(CZuControl* parent);
    ~CZuMenuBar() override;

    // Command-bar data: left command 3 with the toolkit's "choose" text, right command 4 with "cancel".
    void ConstructL();
    // Stores the menu data (not owned) and opens the level of its first entry when it shows any item.
    void SetMenuData(CZuMenuData* menu);
    CZuMenuData* GetMenuData() const { return iMenuData; }
    void SetCbaData(int leftCmd, const CZuString& leftText, int rightCmd, const CZuString& rightText);
    CZuCbaData* GetCbaData() const { return iCbaData; }
    // The number of open levels.
    int GetSubmenuLevel() const;
    // The open level (0 the first), or null.
    CZuScrollList* GetSubmenu(int level) const;
    // The item a row of an open level stands for, or null.
    CZuMenuItem* GetLevelItem(int level, int row) const;
    // The item selected in the top level, or null.
    CZuMenuItem* GetSelectedItem() const;
    // The rectangle of the last open level (empty when none is open).
    CZuRect GetLastLevelRect() const;
    // Where the first level went from its anchor: 1 above with right edges aligned, 2 above with left
    // edges aligned, 3 below with right edges aligned, 4 below with left edges aligned; 0 before placing.
    int GetDirection() const { return iDirection; }
    // True once an item was chosen or the menu cancelled: the menu is closing and ignores input.
    bool IsClosing() const { return iClosing; }

    // True when an open level is hit.
    bool HitTest(const CZuPoint& point) override;
    // The levels place themselves: the bar's rectangle only follows them.
    void SizeChanged() override;
    // The focus passes on to the top level.
    void StateChanged() override;
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    // The level under the pointer (the topmost one) gets the event; a press keeps its level until the
    // release.
    bool HandlePointerEventL(const TZuPointerEvent& event) override;
    bool HandleMessage(CZuMessage* message) override;

private:
    CZuMenuBar(const CZuMenuBar&) = delete;
    CZuMenuBar& operator=(const CZuMenuBar&) = delete;

    // Levels.
    CZuList* LevelList(int level) const;
    int LevelOfList(const CZuList* list) const;
    // The item whose level is open above this level, or null.
    CZuMenuItem* OpenedFrom(int level) const;
    // Opens a level of the item's visible sub-items above the top; false when it shows none.
    bool OpenLevel(CZuMenuItem* item);
    CZuScrollList* CreateLevel(CZuMenuItem* item);
    void CloseTopLevel();
    void CloseLevelsAbove(int level);
    // The top level takes the bar's background and the focus, lower ones a lighter background; the bar's
    // rectangle covers the levels.
    void RestyleLevels();

    // Choosing.
    // The selected item of the level: its level opens, or the menu closes and its command goes out.
    void Choose(int level);
    void Cancel();
    void PostSoftKey(int command);
    // The pointer moved over a level without a press: the row under it becomes the selected one, as Up
    // and Down would make it, and the levels opened from another row close.
    void Hover(int level, const CZuPoint& point);
    // The level's selection moved: levels opened from the item it left close, the top level takes the
    // focus.
    void SelectionMoved(int level);
    bool HandleLevelKey(const TZuKeyEvent& event);

    // Placement (ZuMenuBarPlace.cpp).
    CZuRect UiRect() const;
    CZuSize LevelSize(CZuScrollList* level) const;
    CZuRect PlaceFirstLevel(const CZuSize& size);
    CZuRect PlaceDeeperLevel(const CZuSize& size);
    // The selected row of the top level, spaces included, in window coordinates.
    CZuRect SelectedRowBand() const;

    CZuMenuData* iMenuData;
    CZuCbaData* iCbaData;
    // The open levels, first to top; they are the bar's children (not owned here).
    CZuObjectList iLevels;
    // The item each open level shows the sub-items of (not owned).
    CZuObjectList iLevelItems;
    // Levels closed while the menu is open (owned, hidden).
    CZuObjectList iClosedLevels;
    int iDirection;
    bool iClosing;
    // The level a pointer press went to, until its release.
    CZuScrollList* iPressedLevel;
};

#endif // ZUMENUBAR_H
