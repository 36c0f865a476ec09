#include "ZuLexNewwordContainer.h"

#include "NewWordBook.h"
#include "WordInfo.h"
#include "ZuButton.h"
#include "ZuLexColours.h"
#include "ZuLexIds.h"
#include "ZuList.h"
#include "ZuMessage.h"
#include "ZuScrollList.h"
#include "ZuVarient.h"
#include "ZuXmlForm.h"

#include <string>

namespace
{
const int KListSpace = 5;
const CZuRgb KListInk(0, 0, 0);
// The explanation keeps its lines apart with these two characters.
const char KLineBreak[] = "\\n";
const char KRowSeparator[] = "  ";
} // namespace

CZuLexNewwordContainer::CZuLexNewwordContainer(CZuControl* parent, CZuView* view)
    : CZuLexFormContainer(parent, view, "Newword.xml"), iScrollList(nullptr), iDelete(nullptr)
{
}

CZuString CZuLexNewwordContainer::RowText(const CWordInfo& word)
{
    CZuString text = word.iWord + KRowSeparator;
    const CZuString& explanation = word.iExplanation;
    CZuString lineBreak(KLineBreak);
    int from = 0;
    for (int at = explanation.Find(lineBreak); at >= 0; at = explanation.Find(from, lineBreak))
    {
        text += explanation.Mid(from, at - from);
        text += KRowSeparator;
        from = at + lineBreak.Length();
    }
    text += explanation.Mid(from);
    return text;
}

void CZuLexNewwordContainer::ConstructL(const CNewWordBook& book)
{
    CZuLexFormContainer::ConstructL();
    iScrollList = Form()->GetControlAs<CZuScrollList>(CZuString("newword_list"));
    iDelete = Form()->GetControlAs<CZuButton>(CZuString("delete"));
    StyleList();
    if (CZuList* list = List())
    {
        for (int i = 0; i < book.Count(); ++i)
        {
            int row = list->AppendRow(new CZuVarient(RowText(*book.Word(i))));
            list->SetRowDataPtr(row, book.Word(i), false);
        }
        list->SetSelectedRow(list->GetRowCount() > 0 ? 0 : -1);
        iScrollList->HandleListDataChanged();
        iScrollList->SetFocus(true);
    }
    SetUpButtons(book.Count() == 0);
    Relayout();
}

void CZuLexNewwordContainer::StyleList()
{
    CZuList* list = List();
    if (!list)
        return;
    iScrollList->SetBorderColor(CZuRgb(KZuLexListBorder));
    iScrollList->SetBorderType(EZuBorderLine3);
    iScrollList->SetHScrollBar(CZuScrollList::EScrollBarNever);
    list->SetColCount(1);
    list->SetDispColCount(1);
    list->SetListType(CZuList::EListTable);
    list->SetShowSelBgNoFocus(true);
    list->SetShowSelectedRowBG(false);
    list->SetShowSelectedCellBG(true);
    list->SetRowSpace(KListSpace);
    list->SetColSpace(KListSpace);
    list->SetForeground(KListInk);
    list->SetSelectedForeColor(KListInk);
    list->SetSelectedCellColor(CZuRgb(KZuLexListSelection));
    // A click both selects and chooses a word, so that "delete" is one click away.
    list->SetOnceSelectClicked(true);
}

void CZuLexNewwordContainer::SetUpButtons(bool empty)
{
    if (iDelete)
    {
        iDelete->SetCommand(EZuLexCmdNewwordDelete);
        iDelete->SetDisabled(empty);
    }
    if (CZuButton* ok = Form()->GetControlAs<CZuButton>(CZuString("ok")))
        ok->SetCommand(EZuLexCmdNewwordOk);
    for (const char* name : {"cancel", "go_back"})
    {
        CZuButton* button = Form()->GetControlAs<CZuButton>(CZuString(name));
        if (!button)
            continue;
        button->SetCommand(EZuLexCmdNewwordCancel);
        button->SetMsgWnd(nullptr, EZuMsgButtonClicked);
        if (empty && std::string(name) == "cancel")
            button->SetFocus(true);
    }
}

CZuList* CZuLexNewwordContainer::List() const
{
    return iScrollList ? iScrollList->GetList() : nullptr;
}

int CZuLexNewwordContainer::SelectedRow() const
{
    return List() ? List()->GetSelectedRowIndex() : -1;
}

void CZuLexNewwordContainer::DeleteRow(int row)
{
    CZuList* list = List();
    if (!list || row < 0 || row >= list->GetRowCount())
        return;
    list->DeleteRow(row);
    int left = list->GetRowCount();
    // The next word takes the deleted one's place, so that the learner can delete on.
    list->SetSelectedRow(left == 0 ? -1 : (row < left ? row : left - 1));
    iScrollList->HandleListDataChanged();
    if (left == 0 && iDelete)
    {
        iDelete->SetDisabled(true);
        if (CZuButton* cancel = Form()->GetControlAs<CZuButton>(CZuString("cancel")))
            cancel->SetFocus(true);
    }
    DrawDeferred();
}

void CZuLexNewwordContainer::ChooseRow()
{
    if (!iDelete || SelectedRow() < 0)
        return;
    iDelete->SetDisabled(false);
    iDelete->SetFocus(true);
    DrawDeferred();
}

bool CZuLexNewwordContainer::CanDelete() const
{
    return iDelete && !iDelete->IsDisabled() && SelectedRow() >= 0;
}
