#ifndef ZULEXNEWWORDCONTAINER_H
#define ZULEXNEWWORDCONTAINER_H

#include "ZuLexFormContainer.h"

class CNewWordBook;
class CWordInfo;
class CZuButton;
class CZuList;
class CZuScrollList;

// The container of the new-word screen, read from "Newword.xml": the words of the new-word book, each with
// its explanation on one row, and the buttons that delete the chosen word, keep the changes, drop them or
// go back.
class CZuLexNewwordContainer : public CZuLexFormContainer
{
public:
    CZuLexNewwordContainer(CZuControl* parent, CZuView* view);

    // Loads the form and shows the words of book (kept open by the view while the container lives), the
    // first selected. With no words, "delete" is disabled and "cancel" has the focus.
    void ConstructL(const CNewWordBook& book);

    CZuScrollList* WordList() const { return iScrollList; }
    // The inner list; null when the form has no "newword_list".
    CZuList* List() const;
    // The selected row, -1 when none.
    int SelectedRow() const;
    // Takes the row out of the list; "delete" is disabled when no row is left.
    void DeleteRow(int row);
    // A row was chosen: "delete" is enabled and has the focus.
    void ChooseRow();
    bool CanDelete() const;

    // The text of a word's row: the word, two spaces and its explanation on one line.
    static CZuString RowText(const CWordInfo& word);

private:
    void StyleList();
    void SetUpButtons(bool empty);

    CZuScrollList* iScrollList;
    CZuButton* iDelete;
};

#endif // ZULEXNEWWORDCONTAINER_H
