#ifndef ZULISTSELECTDLG_H
#define ZULISTSELECTDLG_H

#include <string>
#include <vector>

#include "ZuDialog.h"
#include "ZuEditObserver.h"

class CZuEdit;
class CZuLabel;
class CZuList;
class CZuObjectList;
class CZuScrollList;

// Picks one entry of a list of CZuComboItem: a scroll list of their display texts with no title, and with
// search on a row above it where typing selects the first item whose extra text, or else whose display
// text, contains what was typed (case folded on both sides). Enter, a double click or OK confirms the
// selected row: its index is written to the int the constructor was given. Escape, cancel or a click
// outside the dialog leave that int as it was. Enter, Up, Down and the page keys always move in the list;
// every other key goes to the search box.
class CZuListSelectDlg : public CZuDialog, public MZuEditObserver
{
public:
    // selection: the int read to select a row when the list is filled, written when a row is confirmed.
    CZuListSelectDlg(int id, void* selection);
    ~CZuListSelectDlg() override;

    // Before ConstructL.
    void EnableSearch(bool enable);
    bool IsSearchEnabled() const { return iSearch; }
    // items: CZuComboItem objects, not owned; they must outlive the dialog. One row per item, the row of
    // the index behind the selection pointer selected and scrolled into view.
    void SetListData(CZuObjectList* items);
    CZuScrollList* GetScrollList() const { return iScrollList; }
    // Null without search.
    CZuEdit* GetSearchEdit() const { return iEdit; }

    // The search row (with search) and the scroll list; the title pane is hidden.
    void InitDlgContent(void* data) override;
    // Only OK is accepted, and only with a row selected: its index is written.
    bool HandleDlgCommand(int command) override;
    // Keeps the selected row in view.
    void SizeChanged() override;
    // With search the editor opens whenever the dialog takes the focus.
    void StateChanged() override;
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    // A press and release outside the dialog (and off the command bar) cancels it.
    bool HandlePointerEventL(const TZuPointerEvent& event) override;
    // A row activated in the list (message 22, param1 1) confirms it.
    bool HandleMessage(CZuMessage* message) override;
    // The search follows the text at once, after every change the editor makes.
    void HandleEditTextChanged(CZuEdit* edit) override;

private:
    bool IsListKey(const TZuKeyEvent& event) const;
    // Selects the first row matching the search text when it changed and is not empty.
    void UpdateSearch();
    int FindFirst(const std::u16string& text) const;
    void OpenSearchEditor();
    CZuList* List() const;

    bool iSearch;
    CZuLabel* iSearchLabel;
    CZuEdit* iEdit;
    CZuScrollList* iScrollList;
    CZuObjectList* iItems;
    // The items' extra and display texts, case folded, in item order.
    std::vector<std::u16string> iFoldedExtra;
    std::vector<std::u16string> iFoldedDisplay;
    std::u16string iLastSearch;
    bool iPressedOutside;
};

#endif // ZULISTSELECTDLG_H
