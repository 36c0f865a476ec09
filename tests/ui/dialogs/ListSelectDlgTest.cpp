// Choosing from a list: the rows and the first selection, confirming by key, soft key and pointer,
// cancelling without touching the caller's index, a click outside, and the search row (case folded, at
// once after each change, on 10 000 rows).
#include "DialogTestSupport.h"

#include <cstring>
#include <string>

namespace
{

// Items whose display texts are given; the extra texts are "x" + the index unless given.
class CItems
{
public:
    CItems() : iList(true) {}
    void Add(const char* display, const char* extra = nullptr)
    {
        std::string search = extra ? extra : "x" + std::to_string(iList.GetCount());
        iList.Append(new CZuComboItem(iList.GetCount(), CZuString(display), CZuString(display),
                                      CZuString(search.c_str()), nullptr));
    }
    CZuObjectList* List() { return &iList; }

    CZuObjectList iList;
};

class ListSelectDlgTest : public DialogTest
{
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        const char* words[] = {"apple", "banana", "Cherry", "date", "Élan", "fig", "grape"};
        for (const char* word : words)
            iItems.Add(word);
    }
    CZuListSelectDlg* Open(bool search, MZuMessageWnd* receiver = nullptr)
    {
        CZuListSelectDlg* dialog = new CZuListSelectDlg(0, &iChoice);
        dialog->EnableSearch(search);
        dialog->ConstructL();
        dialog->SetListData(iItems.List());
        dialog->ShowDialog(false, receiver);
        return dialog;
    }
    void Type(const char* text)
    {
        CZuString16 units;
        ConvertUtf8ToUnicode(text, static_cast<int>(std::strlen(text)), units);
        for (int i = 0; i < units.Length(); ++i)
            Ui().OnChar(units.PtrZ()[i], 1, 0);
    }
    // Backspace pressed and released count times.
    void Erase(int count)
    {
        for (int i = 0; i < count; ++i)
        {
            Screen().KeyDown(EZuKeyBackspace);
            Screen().KeyUp(EZuKeyBackspace);
        }
    }
    int Selected(CZuListSelectDlg* dialog)
    {
        return dialog->GetScrollList()->GetList()->GetSelectedRowIndex();
    }

    CItems iItems;
    int iChoice = 2;
};

TEST_F(ListSelectDlgTest, TheListShowsEveryItemWithTheCallersRowSelectedAndNoTitle)
{
    CZuListSelectDlg* dialog = Open(false);
    CZuList* list = dialog->GetScrollList()->GetList();
    ASSERT_EQ(7, list->GetRowCount());
    EXPECT_EQ(2, list->GetSelectedRowIndex());
    EXPECT_FALSE(list->IsShowTitle());
    EXPECT_EQ(1, list->GetColCount());
    EXPECT_EQ(EAlignLeft, list->GetColTitle(0)->GetAlign());
    EXPECT_EQ(CZuList::EKeyModeWrapping, list->GetHandleKeyMode());
    EXPECT_FALSE(dialog->GetTitlePane()->IsVisible());
    EXPECT_EQ(nullptr, dialog->GetSearchEdit());
    EXPECT_TRUE(dialog->GetScrollList()->IsFocused());
    // Without a title pane the list starts at the dialog's top.
    EXPECT_LE(dialog->GetScrollList()->Position().iY, dialog->InnerRect().iTl.iY + 2);
    delete dialog;
}

TEST_F(ListSelectDlgTest, ARowOutsideTheItemsSelectsNothing)
{
    iChoice = 40;
    CZuListSelectDlg* dialog = Open(false);
    EXPECT_EQ(-1, Selected(dialog));
    delete dialog;
}

TEST_F(ListSelectDlgTest, DownAndEnterConfirmTheRowAndTellTheReceiverOnce)
{
    CMessageLog receiver;
    CZuListSelectDlg* dialog = Open(false, &receiver);
    Press(EZuKeyDown);
    Press(EZuKeyDown);
    EXPECT_EQ(2, iChoice);
    Press(EZuKeyEnter);
    Press(EZuKeyEnter);
    Pump();
    EXPECT_EQ(4, iChoice);
    ASSERT_EQ(1, receiver.Count(CZuDialog::KMsgDialogClosed));
    EXPECT_EQ(1u, receiver.iGot[0].iParam1);
    delete dialog;
}

TEST_F(ListSelectDlgTest, TheLeftSoftKeyConfirmsAndTheRightOneCancels)
{
    CMessageLog receiver;
    CZuListSelectDlg* dialog = Open(false, &receiver);
    Press(EZuKeyUp);
    Press(EZuKeyF2);
    EXPECT_EQ(2, iChoice);
    ASSERT_EQ(1, receiver.Count(CZuDialog::KMsgDialogClosed));
    EXPECT_EQ(0u, receiver.iGot[0].iParam1);
    delete dialog;

    receiver.iGot.clear();
    dialog = Open(false, &receiver);
    Press(EZuKeyUp);
    Press(EZuKeyF1);
    EXPECT_EQ(1, iChoice);
    EXPECT_EQ(1u, receiver.iGot.at(0).iParam1);
    delete dialog;
}

TEST_F(ListSelectDlgTest, AClickSelectsARowAndTheDoubleClickConfirmsIt)
{
    CMessageLog receiver;
    CZuListSelectDlg* dialog = Open(false, &receiver);
    CZuList* list = dialog->GetScrollList()->GetList();
    // Where rows stand is known once they are drawn.
    Screen().Draw();
    CZuRect row = list->GetDispRowRect(3);
    ASSERT_FALSE(row.IsEmpty());
    Click(row.iTl.iX + 10, row.iTl.iY + row.Height() / 2);
    EXPECT_EQ(3, list->GetSelectedRowIndex());
    EXPECT_EQ(0, receiver.Count(CZuDialog::KMsgDialogClosed));
    Click(row.iTl.iX + 10, row.iTl.iY + row.Height() / 2);
    EXPECT_EQ(3, iChoice);
    EXPECT_EQ(1, receiver.Count(CZuDialog::KMsgDialogClosed));
    delete dialog;
}

TEST_F(ListSelectDlgTest, AClickOutsideCancelsOnceAndTheCommandBarStillAnswers)
{
    CMessageLog receiver;
    CZuListSelectDlg* dialog = Open(false, &receiver);
    dialog->SetRect(CZuRect(40, 60, 200, 120));
    // A press on the command bar is the bar's, not a click outside.
    Screen().Draw();
    CZuRect right = Screen().Cba()->GetButton(1)->Rect();
    Click(right.iTl.iX + 2, right.iTl.iY + 2);
    ASSERT_EQ(1, receiver.Count(CZuDialog::KMsgDialogClosed));
    EXPECT_EQ(0u, receiver.iGot[0].iParam1);
    delete dialog;

    receiver.iGot.clear();
    dialog = Open(false, &receiver);
    dialog->SetRect(CZuRect(40, 60, 200, 120));
    Click(10, 10);
    Click(10, 10);
    Click(220, 130);
    ASSERT_EQ(1, receiver.Count(CZuDialog::KMsgDialogClosed));
    EXPECT_EQ(0u, receiver.iGot[0].iParam1);
    EXPECT_EQ(2, iChoice);
    delete dialog;
}

TEST_F(ListSelectDlgTest, AClickOutsideAModalListEndsItsWaitWithoutDeletingIt)
{
    int chosen = 0;
    Script().Add(
        [&]
        {
            CZuControl* top = Ui().GetTopFromDispStack();
            top->SetRect(CZuRect(40, 60, 200, 120));
            Click(5, 5);
            // Still shown: its caller deletes it when the wait has ended.
            EXPECT_EQ(top, Ui().GetTopFromDispStack());
        });
    Script().Start();
    chosen = CZuDlgUtil::ShowListSelectDlg(CZuString(""), iItems.List(), 3, false);
    EXPECT_EQ(-1, chosen);
    EXPECT_FALSE(Script().RanDry());
}

TEST_F(ListSelectDlgTest, TheModalHelperReturnsTheConfirmedIndexOrMinusOne)
{
    Script().Add(
        [&]
        {
            Press(EZuKeyDown);
            Press(EZuKeyEnter);
        });
    Script().Start();
    EXPECT_EQ(4, CZuDlgUtil::ShowListSelectDlg(CZuString("选择"), iItems.List(), 3, false));
    FlushSdl();
    Script().Add([&] { Press(EZuKeyEscape); });
    Script().Start();
    EXPECT_EQ(-1, CZuDlgUtil::ShowListSelectDlg(CZuString(""), iItems.List(), 3, false));
    EXPECT_FALSE(Script().RanDry());
}

TEST_F(ListSelectDlgTest, ConfirmingAnEmptyListIsNoChoice)
{
    CItems none;
    CMessageLog receiver;
    CZuListSelectDlg* dialog = new CZuListSelectDlg(0, &iChoice);
    dialog->ConstructL();
    dialog->SetListData(none.List());
    dialog->ShowDialog(false, &receiver);
    Press(EZuKeyEnter);
    EXPECT_EQ(2, iChoice);
    ASSERT_EQ(1, receiver.Count(CZuDialog::KMsgDialogClosed));
    EXPECT_EQ(0u, receiver.iGot[0].iParam1);
    delete dialog;
}

TEST_F(ListSelectDlgTest, TypingSelectsTheFirstItemWhoseSearchTextContainsItAtOnce)
{
    iItems.Add("zebra", "abc");
    iItems.Add("Table", "tab");
    CZuListSelectDlg* dialog = Open(true);
    ASSERT_NE(nullptr, dialog->GetSearchEdit());
    EXPECT_TRUE(dialog->GetSearchEdit()->IsEditing());
    // Every key is seen at once, before any message is handled.
    Ui().OnChar('a', 1, 0);
    // The extra texts first: "abc" of "zebra", before the display texts "apple" and "Table".
    EXPECT_EQ(7, Selected(dialog));
    Ui().OnChar('b', 1, 0);
    EXPECT_EQ(7, Selected(dialog));
    Ui().OnChar('l', 1, 0);
    // "abl": no extra text holds it; "Table" shows it.
    EXPECT_EQ(8, Selected(dialog));
    delete dialog;
}

TEST_F(ListSelectDlgTest, TheSearchFoldsCaseOnBothSides)
{
    CZuListSelectDlg* dialog = Open(true);
    Type("CH");
    EXPECT_EQ(2, Selected(dialog));
    Erase(2);
    Type("éla");
    EXPECT_EQ(4, Selected(dialog));
    delete dialog;
}

TEST_F(ListSelectDlgTest, FullWidthLettersFindTheirAsciiWords)
{
    CZuListSelectDlg* dialog = Open(true);
    // "ＣＨ" and "ｆｉ" as a Chinese input method types them in full-width mode.
    Type("\xEF\xBC\xA3\xEF\xBC\xA8");
    EXPECT_EQ(2, Selected(dialog));
    Erase(2);
    Type("\xEF\xBD\x86\xEF\xBD\x89");
    EXPECT_EQ(5, Selected(dialog));
    delete dialog;
}

TEST_F(ListSelectDlgTest, DeletingTheSearchTextLeavesTheSelection)
{
    CZuListSelectDlg* dialog = Open(true);
    Type("fi");
    ASSERT_EQ(5, Selected(dialog));
    Erase(2);
    EXPECT_TRUE(dialog->GetSearchEdit()->GetText().IsEmpty());
    EXPECT_EQ(5, Selected(dialog));
    // Nothing matches: the selection stays too.
    Type("qqq");
    EXPECT_EQ(5, Selected(dialog));
    delete dialog;
}

TEST_F(ListSelectDlgTest, WithSearchTheArrowsAndEnterStillWorkTheList)
{
    CMessageLog receiver;
    CZuListSelectDlg* dialog = Open(true, &receiver);
    Type("b");
    ASSERT_EQ(1, Selected(dialog));
    Press(EZuKeyDown);
    EXPECT_EQ(2, Selected(dialog));
    EXPECT_TRUE(dialog->GetSearchEdit()->IsEditing());
    Press(EZuKeyEnter);
    EXPECT_EQ(2, iChoice);
    EXPECT_EQ(1u, receiver.iGot.at(0).iParam1);
    delete dialog;
}

TEST_F(ListSelectDlgTest, EnterDuringACompositionIsTheInputMethods)
{
    CMessageLog receiver;
    CZuListSelectDlg* dialog = Open(true, &receiver);
    Ui().OnTextEditing(CZuString("ping"), 4);
    Press(EZuKeyEnter);
    EXPECT_FALSE(dialog->IsClosed());
    EXPECT_EQ(0, receiver.Count(CZuDialog::KMsgDialogClosed));
    // The input method commits its text: the search follows it.
    Ui().OnTextEditing(CZuString(""), 0);
    Type("grape");
    EXPECT_EQ(6, Selected(dialog));
    delete dialog;
}

TEST_F(ListSelectDlgTest, TheSearchFindsTheLastOfTenThousandRows)
{
    CItems many;
    for (int i = 0; i < 10000; ++i)
    {
        std::string text = "word" + std::to_string(i);
        many.Add(text.c_str(), i == 9999 ? "ZuiHou" : "");
    }
    iChoice = 0;
    CZuListSelectDlg* dialog = new CZuListSelectDlg(0, &iChoice);
    dialog->EnableSearch(true);
    dialog->ConstructL();
    dialog->SetListData(many.List());
    dialog->ShowDialog(false, nullptr);
    Type("zuih");
    EXPECT_EQ(9999, Selected(dialog));
    CZuList* list = dialog->GetScrollList()->GetList();
    // Scrolled into view.
    EXPECT_LE(list->GetTopRowIndex(), 9999);
    EXPECT_GT(list->GetTopRowIndex() + list->GetListviewRowCount(), 9999);
    Type("x");
    EXPECT_EQ(9999, Selected(dialog));
    delete dialog;
}

} // namespace
