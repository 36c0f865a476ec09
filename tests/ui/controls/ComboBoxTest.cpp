// The combo box: its items and selection, what it shows, and its drop-down opened by Enter or a click,
// placed below or above, confirmed or cancelled by keys and pointer, and closed whenever its items change.
#include "TestScreen.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

std::string Text(const CZuString& text)
{
    return text.PtrZ() ? std::string(text.PtrZ(), text.Length()) : std::string();
}

// A screen (240 x 200, client 240 x 176) whose container is on the display stack, as a view's is, with a
// focused combo box of five items.
class ComboBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        iContainer = new CZuContainer(iScreen.Wnd().GetWnd(), nullptr, EZuCtrlContainer);
        iContainer->ConstructL();
        iContainer->SetRect(iScreen.Ui().GetClientRect());
        iScreen.Ui().PushToDispStack(iContainer);
        iCombo = new CZuComboBox(iContainer);
        iCombo->SetMsgWnd(&iReceiver, 0);
        const char* texts[] = {"10/每组十个", "15", "20", "25", "30"};
        for (int i = 0; i < 5; ++i)
        {
            std::string name = "n" + std::to_string(i);
            iCombo->AppendItem(10 + 5 * i, CZuString(name.c_str()), CZuString(texts[i]), CZuString(""),
                               i == 2 ? &iData : nullptr);
        }
        Place(20);
        iContainer->SetFocusTo(iCombo);
        iScreen.Pump();
    }
    void TearDown() override { delete iContainer; }

    // The combo box 24 high with its top at y.
    void Place(int top) { iCombo->SetRect(CZuRect(40, top, 200, top + 24)); }
    void Press(unsigned code) { iScreen.Press(code); }
    CZuListSelectDlg* DropDown() { return iCombo->GetDropDown(); }
    int Changes() const { return iReceiver.Count(CZuComboBox::KMsgSelectionChanged); }
    // Whole rows the open drop-down shows.
    int ShownRows()
    {
        iScreen.Draw();
        return DropDown()->GetScrollList()->GetList()->GetListviewRowCount();
    }

    CTestScreen iScreen{false, 240, 200};
    CZuContainer* iContainer = nullptr;
    CZuComboBox* iCombo = nullptr;
    CMessageLog iReceiver;
    CZuObject iData;
};

TEST_F(ComboBoxTest, ItStartsWithNothingSelectedInTheFilledLook)
{
    EXPECT_EQ(EZuCtrlComboBox, iCombo->GetType());
    EXPECT_EQ(-1, iCombo->GetSelectedIndex());
    EXPECT_EQ(-1, iCombo->GetSelectedID());
    EXPECT_EQ(nullptr, iCombo->GetSelectedItemData());
    EXPECT_EQ("", Text(iCombo->GetSelText()));
    EXPECT_EQ(CZuComboBox::EStyleFilled, iCombo->GetStyle());
    EXPECT_EQ(CZuComboBox::KReturnName, iCombo->GetSelRetType());
    EXPECT_EQ(EAlignCenter, iCombo->GetAlign());
    EXPECT_EQ(EZuBorderLine3, iCombo->GetBorderType());
    EXPECT_EQ(nullptr, DropDown());
}

TEST_F(ComboBoxTest, SelectionByIndexIdAndName)
{
    iCombo->SetSelItemByIndex(2);
    EXPECT_EQ(2, iCombo->GetSelectedIndex());
    EXPECT_EQ(20, iCombo->GetSelectedID());
    EXPECT_EQ(&iData, iCombo->GetSelectedItemData());
    EXPECT_EQ("20", Text(iCombo->GetText()));
    EXPECT_EQ("n2", Text(iCombo->GetSelText()));
    iCombo->SetSelRetType(CZuComboBox::KReturnId);
    EXPECT_EQ("20", Text(iCombo->GetSelText()));
    iCombo->SetSelItemByID(25);
    EXPECT_EQ(3, iCombo->GetSelectedIndex());
    iCombo->SetSelItemByName(CZuString("n4"));
    EXPECT_EQ(4, iCombo->GetSelectedIndex());
    EXPECT_EQ("30", Text(iCombo->GetText()));
    // Unknown: nothing selected, nothing shown.
    iCombo->SetSelItemByID(99);
    EXPECT_EQ(-1, iCombo->GetSelectedID());
    EXPECT_EQ("", Text(iCombo->GetText()));
    iCombo->SetSelItemByName(CZuString("n9"));
    EXPECT_EQ(-1, iCombo->GetSelectedIndex());
    iCombo->SetSelItemByIndex(5);
    EXPECT_EQ(-1, iCombo->GetSelectedIndex());
    EXPECT_EQ("", Text(iCombo->GetSelText()));
}

TEST_F(ComboBoxTest, FillingFromNameValuesSelectsTheLastEntryOfThatName)
{
    CZuNameValueList entries;
    const char text[] = "a=甲,first\nb=乙\na=丙,third\n";
    entries.InitListFromBuf(text, static_cast<int>(sizeof(text) - 1));
    iCombo->ClearAllItem();
    iCombo->FillComboBox(entries, CZuString("a"));
    ASSERT_EQ(3, iCombo->GetItemCount());
    EXPECT_EQ(2, iCombo->GetSelectedIndex());
    EXPECT_EQ(2, iCombo->GetSelectedID());
    EXPECT_EQ("丙", Text(iCombo->GetText()));
    EXPECT_EQ(Text(entries.Get(0)->iRest), Text(iCombo->GetItem(0)->GetExtraText()));
    EXPECT_EQ("甲", Text(iCombo->GetItem(0)->GetDisplayText()));
    EXPECT_EQ("a", Text(iCombo->GetItem(0)->GetName()));
    iCombo->ClearAllItem();
    iCombo->FillComboBox(entries, CZuString("z"));
    EXPECT_EQ(-1, iCombo->GetSelectedIndex());
}

TEST_F(ComboBoxTest, ClearingTheItemsKeepsTheTextShown)
{
    iCombo->SetSelItemByIndex(1);
    iCombo->ClearAllItem();
    EXPECT_EQ(0, iCombo->GetItemCount());
    EXPECT_EQ(-1, iCombo->GetSelectedIndex());
    EXPECT_EQ("15", Text(iCombo->GetText()));
}

TEST_F(ComboBoxTest, ItShowsOnlyWhatStandsBeforeASlashAfterTheFirstCharacter)
{
    EXPECT_EQ("10", Text(CZuComboBox::ShownText(CZuString("10/每组十个"))));
    EXPECT_EQ("/abc", Text(CZuComboBox::ShownText(CZuString("/abc"))));
    EXPECT_EQ("a", Text(CZuComboBox::ShownText(CZuString("a/b/c"))));
    EXPECT_EQ("plain", Text(CZuComboBox::ShownText(CZuString("plain"))));
}

TEST_F(ComboBoxTest, TheTextAndArrowTakeTheirPartsOfTheBox)
{
    CZuRect inner = iCombo->InnerRect();
    const int h = inner.Height();
    EXPECT_EQ(inner.iTl.iX + h / 3, iCombo->GetTextRect().iTl.iX);
    EXPECT_EQ(inner.iBr.iX - h, iCombo->GetTextRect().iBr.iX);
    EXPECT_EQ(iCombo->GetTextRect().iBr.iX, iCombo->GetArrowRect().iTl.iX);
    EXPECT_EQ(inner.iBr.iX, iCombo->GetArrowRect().iBr.iX);
    iCombo->SetStyle(CZuComboBox::EStylePlain);
    EXPECT_EQ(EZuBorderNone, iCombo->GetBorderType());
    inner = iCombo->InnerRect();
    EXPECT_EQ(inner.iTl.iX, iCombo->GetTextRect().iTl.iX);
    EXPECT_EQ(inner.iBr.iX + inner.Height() * -2 / 3, iCombo->GetTextRect().iBr.iX);
}

TEST_F(ComboBoxTest, EnterOpensTheDropDownBelowWithTheSelectionAndDownEnterChooses)
{
    iCombo->SetSelItemByIndex(1);
    Press(EZuKeyEnter);
    ASSERT_NE(nullptr, DropDown());
    EXPECT_EQ(static_cast<CZuControl*>(DropDown()), iScreen.Ui().GetTopFromDispStack());
    CZuRect place = DropDown()->Rect();
    EXPECT_EQ(iCombo->Rect().iBr.iY, place.iTl.iY);
    EXPECT_EQ(iCombo->Rect().iTl.iX, place.iTl.iX);
    EXPECT_EQ(iCombo->Rect().Width(), place.Width());
    // Five items: five rows, no more.
    EXPECT_EQ(5, ShownRows());
    EXPECT_EQ(1, DropDown()->GetScrollList()->GetList()->GetSelectedRowIndex());
    Press(EZuKeyDown);
    // Moving in the list is no choice yet.
    EXPECT_EQ(1, iCombo->GetSelectedIndex());
    Press(EZuKeyEnter);
    EXPECT_EQ(nullptr, DropDown());
    EXPECT_EQ(2, iCombo->GetSelectedIndex());
    EXPECT_EQ("20", Text(iCombo->GetText()));
    ASSERT_EQ(1, Changes());
    EXPECT_EQ(2u, iReceiver.iGot[0].iParam1);
    EXPECT_EQ(CZuMessage::MakeParam(static_cast<CZuControl*>(iCombo)), iReceiver.iGot[0].iParam2);
    // The screen is back on top, the combo box focused.
    EXPECT_EQ(static_cast<CZuControl*>(iContainer), iScreen.Ui().GetTopFromDispStack());
    EXPECT_TRUE(iCombo->IsFocused());
}

TEST_F(ComboBoxTest, CancellingKeepsTheOldSelectionAndPostsNothing)
{
    iCombo->SetSelItemByIndex(3);
    for (unsigned key : {unsigned(EZuKeyEscape), unsigned(EZuKeyF2)})
    {
        Press(EZuKeyEnter);
        ASSERT_NE(nullptr, DropDown());
        Press(EZuKeyUp);
        Press(key);
        EXPECT_EQ(nullptr, DropDown()) << key;
        EXPECT_EQ(3, iCombo->GetSelectedIndex());
        EXPECT_EQ("25", Text(iCombo->GetText()));
    }
    EXPECT_EQ(0, Changes());
}

TEST_F(ComboBoxTest, AClickOpensItAClickOnARowSelectsAndASecondConfirms)
{
    CZuRect box = iCombo->Rect();
    iScreen.Click(box.iTl.iX + 20, box.iTl.iY + 10);
    ASSERT_NE(nullptr, DropDown());
    iScreen.Draw();
    CZuRect row = DropDown()->GetScrollList()->GetList()->GetDispRowRect(3);
    ASSERT_FALSE(row.IsEmpty());
    iScreen.Click(row.iTl.iX + 5, row.iTl.iY + 3);
    EXPECT_EQ(-1, iCombo->GetSelectedIndex());
    iScreen.Click(row.iTl.iX + 5, row.iTl.iY + 3);
    EXPECT_EQ(nullptr, DropDown());
    EXPECT_EQ(3, iCombo->GetSelectedIndex());
    EXPECT_EQ(1, Changes());
}

TEST_F(ComboBoxTest, AClickOutsideOrOnTheBoxClosesItUnchanged)
{
    iCombo->SetSelItemByIndex(0);
    CZuRect box = iCombo->Rect();
    iScreen.Click(box.iTl.iX + 20, box.iTl.iY + 10);
    ASSERT_NE(nullptr, DropDown());
    iScreen.Click(box.iTl.iX + 20, box.iTl.iY + 10);
    EXPECT_EQ(nullptr, DropDown());
    iScreen.Click(box.iTl.iX + 20, box.iTl.iY + 10);
    ASSERT_NE(nullptr, DropDown());
    iScreen.Click(230, 5);
    EXPECT_EQ(nullptr, DropDown());
    EXPECT_EQ(0, iCombo->GetSelectedIndex());
    EXPECT_EQ(0, Changes());
}

TEST_F(ComboBoxTest, NearTheBottomItOpensAbove)
{
    Place(140);
    Press(EZuKeyEnter);
    ASSERT_NE(nullptr, DropDown());
    EXPECT_EQ(iCombo->Rect().iTl.iY, DropDown()->Rect().iBr.iY);
    EXPECT_GE(DropDown()->Rect().iTl.iY, iScreen.Ui().GetClientRect().iTl.iY);
    Press(EZuKeyEscape);
}

TEST_F(ComboBoxTest, WithoutRoomEitherWayItTakesTheLargerSideShortened)
{
    for (int i = 0; i < 20; ++i)
        iCombo->AppendItem(100 + i, CZuString("more"), CZuString("更多"), CZuString(""), nullptr);
    // Six rows fit neither below (176 - 104 = 72) nor above (80): above is larger.
    Place(80);
    Press(EZuKeyEnter);
    ASSERT_NE(nullptr, DropDown());
    EXPECT_EQ(CZuRect(40, 0, 200, 80), DropDown()->Rect());
    Press(EZuKeyEscape);
    // Below is larger now (82 against 70).
    Place(70);
    Press(EZuKeyEnter);
    ASSERT_NE(nullptr, DropDown());
    EXPECT_EQ(CZuRect(40, 94, 200, 176), DropDown()->Rect());
    Press(EZuKeyEscape);
}

TEST_F(ComboBoxTest, TheDropDownShowsAtLeastOneRow)
{
    // A box as tall as the client area leaves no room on either side.
    iCombo->SetRect(CZuRect(40, 0, 200, 176));
    Press(EZuKeyEnter);
    ASSERT_NE(nullptr, DropDown());
    EXPECT_GE(ShownRows(), 1);
    Press(EZuKeyEscape);
}

TEST_F(ComboBoxTest, AnEmptyComboOpensAOneRowListAndStoresNothing)
{
    iCombo->ClearAllItem();
    Press(EZuKeyEnter);
    ASSERT_NE(nullptr, DropDown());
    EXPECT_EQ(1, ShownRows());
    Press(EZuKeyEnter);
    Press(EZuKeyF1);
    EXPECT_EQ(nullptr, DropDown());
    EXPECT_EQ(-1, iCombo->GetSelectedIndex());
    EXPECT_EQ(0, Changes());
}

TEST_F(ComboBoxTest, TheDropDownNeverStoresMinusOneIntoTheSelection)
{
    iCombo->SetSelItemByIndex(2);
    Press(EZuKeyEnter);
    ASSERT_NE(nullptr, DropDown());
    // The list loses its selection (a filter that matched nothing, say), then OK.
    DropDown()->GetScrollList()->GetList()->SetSelectedRow(-1);
    Press(EZuKeyF1);
    EXPECT_EQ(nullptr, DropDown());
    EXPECT_EQ(2, iCombo->GetSelectedIndex());
    EXPECT_EQ("20", Text(iCombo->GetText()));
    EXPECT_EQ(0, Changes());
}

TEST_F(ComboBoxTest, ChangingTheItemsClosesAnOpenDropDown)
{
    Press(EZuKeyEnter);
    CZuListSelectDlg* first = DropDown();
    ASSERT_NE(nullptr, first);
    iCombo->AppendItem(99, CZuString("x"), CZuString("新"), CZuString(""), nullptr);
    EXPECT_EQ(nullptr, DropDown());
    EXPECT_EQ(static_cast<CZuControl*>(iContainer), iScreen.Ui().GetTopFromDispStack());
    // A report of the closed drop-down that was still on its way is ignored.
    CZuEnv::Static()->PostMessageW(iCombo, CZuDialog::KMsgDialogClosed, 1, CZuMessage::MakeParam(first));
    iScreen.Pump();
    EXPECT_EQ(0, Changes());

    Press(EZuKeyEnter);
    ASSERT_NE(nullptr, DropDown());
    iCombo->ClearAllItem();
    EXPECT_EQ(nullptr, DropDown());
    EXPECT_EQ(static_cast<CZuControl*>(iContainer), iScreen.Ui().GetTopFromDispStack());
}

TEST_F(ComboBoxTest, DeletingTheComboClosesItsDropDown)
{
    Press(EZuKeyEnter);
    ASSERT_NE(nullptr, DropDown());
    int before = iScreen.Ui().GetDispStackCount();
    iContainer->DeleteControl(iCombo);
    iCombo = nullptr;
    EXPECT_EQ(before - 1, iScreen.Ui().GetDispStackCount());
    EXPECT_EQ(static_cast<CZuControl*>(iContainer), iScreen.Ui().GetTopFromDispStack());
    iScreen.Pump();
}

TEST_F(ComboBoxTest, ASecondActivationNeverOpensASecondDropDown)
{
    Press(EZuKeyEnter);
    CZuListSelectDlg* first = DropDown();
    ASSERT_NE(nullptr, first);
    int count = iScreen.Ui().GetDispStackCount();
    iCombo->SetState(EZuStateReleased);
    iCombo->StateChanged();
    EXPECT_EQ(first, DropDown());
    EXPECT_EQ(count, iScreen.Ui().GetDispStackCount());
    Press(EZuKeyEscape);
}

TEST_F(ComboBoxTest, AMessageOfAnotherDialogIsNotTheCombos)
{
    Press(EZuKeyEnter);
    ASSERT_NE(nullptr, DropDown());
    CZuDialog other(0, nullptr);
    CZuMessage message(iCombo, CZuDialog::KMsgDialogClosed, 1, CZuMessage::MakeParam(&other));
    iCombo->HandleMessage(&message);
    EXPECT_NE(nullptr, DropDown());
    Press(EZuKeyEscape);
    EXPECT_EQ(nullptr, DropDown());
}

TEST_F(ComboBoxTest, WithSearchTheDropDownHasASearchRowAndIsTaller)
{
    iCombo->SetPyIndex(true);
    Press(EZuKeyEnter);
    ASSERT_NE(nullptr, DropDown());
    EXPECT_TRUE(DropDown()->IsSearchEnabled());
    ASSERT_NE(nullptr, DropDown()->GetSearchEdit());
    EXPECT_EQ(5, ShownRows());
    EXPECT_GT(DropDown()->GetScrollList()->Position().iY, DropDown()->GetSearchEdit()->Position().iY);
    iScreen.Ui().OnChar('3', 1, 0);
    Press(EZuKeyEnter);
    EXPECT_EQ(4, iCombo->GetSelectedIndex());
    EXPECT_EQ(1, Changes());
}

TEST_F(ComboBoxTest, TheRestOfAKeyPressedElsewhereIsSwallowed)
{
    // The key-up of the arrow that moved the focus here opens nothing and moves nothing.
    EXPECT_TRUE(iCombo->HandleKeyEvent(KeyEvent(EZuKeyDown), EZuKeyEventKey));
    EXPECT_TRUE(iCombo->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventUp));
    EXPECT_EQ(nullptr, DropDown());
    // A key of its own other than Enter passes on.
    EXPECT_FALSE(iCombo->HandleKeyEvent(KeyEvent(EZuKeyDown), EZuKeyEventDown));
    EXPECT_FALSE(iCombo->HandleKeyEvent(KeyEvent(EZuKeyDown), EZuKeyEventKey));
    EXPECT_FALSE(iCombo->HandleKeyEvent(KeyEvent(EZuKeyDown), EZuKeyEventUp));
    EXPECT_TRUE(iCombo->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventDown));
    EXPECT_EQ(EZuStatePressed, iCombo->GetState());
    EXPECT_TRUE(iCombo->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventUp));
    EXPECT_NE(nullptr, DropDown());
    Press(EZuKeyEscape);
}

TEST_F(ComboBoxTest, ADisabledComboOpensNothing)
{
    iCombo->SetDisabled(true);
    Press(EZuKeyEnter);
    CZuRect box = iCombo->Rect();
    iScreen.Click(box.iTl.iX + 20, box.iTl.iY + 10);
    EXPECT_EQ(nullptr, DropDown());
}

} // namespace
