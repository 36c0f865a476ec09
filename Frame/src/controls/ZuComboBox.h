#ifndef ZUCOMBOBOX_H
#define ZUCOMBOBOX_H

#include "ZuControl.h"
#include "ZuObjectList.h"

class CZuComboItem;
class CZuListSelectDlg;
class CZuNameValueList;
class CZuObject;

// One line showing the chosen item of a list of items (the part of its text before a "/" that is not its
// first character). Activated (Enter, or a click), it opens a drop-down list below itself, or above when
// there is no room below; a confirmed choice becomes the selection and is posted as message 27 (param1 the
// index, param2 the combo box) to GetMsgWnd(). Closing the list otherwise changes nothing.
class CZuComboBox : public CZuControl
{
public:
    // The looks: 0 a box with a shaded arrow cell, 1 a filled round box (the default), 2 text and arrow
    // alone, filled only while focused.
    enum TStyle
    {
        EStyleArrowCell = 0,
        EStyleFilled = 1,
        EStylePlain = 2
    };
    // What a confirmed choice posts.
    static constexpr unsigned KMsgSelectionChanged = 27;
    // GetSelText gives the id as decimal text with this return type, the name with any other.
    static constexpr int KReturnId = 1;
    static constexpr int KReturnName = 2;

    // A child of parent (type 11), centred text, the common style's colours.
    explicit CZuComboBox(CZuControl* parent);
    // Closes an open drop-down; deletes the items.
    ~CZuComboBox() override;

    // An open drop-down closes first (it shows the items).
    void AppendItem(int id, const CZuString& name, const CZuString& displayText, const CZuString& extraText,
                    CZuObject* data);
    // Entry i becomes item i (the entry's name, value as display text, rest as extra text); the last entry
    // named selected is selected, or none.
    void FillComboBox(CZuNameValueList& entries, const CZuString& selected);
    // An open drop-down closes first. The text shown stays.
    void ClearAllItem();
    int GetItemCount() const { return iItems.GetCount(); }
    CZuComboItem* GetItem(int index) const;

    // An index in range is selected and its display text shown; any other selects nothing and shows "".
    void SetSelItemByIndex(int index);
    void SetSelItemByID(int id);
    void SetSelItemByName(const CZuString& name);
    int GetSelectedIndex() const { return iSelected; }
    // -1 when nothing is selected.
    int GetSelectedID() const;
    CZuObject* GetSelectedItemData() const;
    // "" when nothing is selected; else the id as decimal text (return type 1) or the name.
    CZuString GetSelText() const;
    void SetSelRetType(int type) { iReturnType = type; }
    int GetSelRetType() const { return iReturnType; }
    // Shown (dimmed) by style 1 while nothing is selected.
    void SetDefaultPrompt(const CZuString& prompt) { iPrompt = prompt; }
    const CZuString& GetDefaultPrompt() const { return iPrompt; }
    void SetStyle(TStyle style);
    TStyle GetStyle() const { return iStyle; }
    // The drop-down gets a search row.
    void SetPyIndex(bool search) { iSearch = search; }
    bool IsPyIndex() const { return iSearch; }

    // The drop-down open now, or null.
    CZuListSelectDlg* GetDropDown() const { return iDropDown; }
    const CZuRect& GetTextRect() const { return iTextRect; }
    const CZuRect& GetArrowRect() const { return iArrowRect; }
    // What the box shows of a text: the part before a "/" at index 1 or later, else all of it.
    static CZuString ShownText(const CZuString& text);

    void SizeChanged() override;
    // A click completed (state 3) opens the drop-down; every change redraws.
    void StateChanged() override;
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    // Enter pressed and released opens the drop-down; other keys pass on.
    bool HandleKeyEvent(const TZuKeyEvent& event, TZuKeyEventType type) override;
    bool HandlePointerEventL(const TZuPointerEvent& event) override;
    // Message 17 of its own drop-down: closes it and takes a confirmed choice.
    bool HandleMessage(CZuMessage* message) override;

private:
    CZuComboBox(const CZuComboBox&) = delete;
    CZuComboBox& operator=(const CZuComboBox&) = delete;

    void OpenDropDown();
    void CloseDropDown();
    // Where the drop-down of this height goes: below, above, or on the larger side, shortened to it.
    CZuRect DropDownRect(int height) const;
    bool LooksFocused() const;
    void DrawText(CZuGc& gc, const CZuString& text, const CZuRgb& colour);
    void DrawArrow(CZuGc& gc);

    TStyle iStyle;
    CZuRect iTextRect;
    CZuRect iArrowRect;
    CZuObjectList iItems;
    int iSelected;
    int iReturnType;
    CZuString iPrompt;
    bool iSearch;
    CZuListSelectDlg* iDropDown;
    // The drop-down writes here, never into the selection: only a confirmed, valid row is taken.
    int iDropDownChoice;
    int iKeyDownSeen;
};

#endif // ZUCOMBOBOX_H
