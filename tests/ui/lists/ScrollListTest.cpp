#include "ListTestSupport.h"

#include <string>

namespace
{

class ScrollListTest : public CListRoomTest
{
protected:
    // A scroll list of 200 x 190 at (10, 10) with rows 19 pixels apart: 10 rows to a page.
    CZuScrollList* MakeScrollList(int rows)
    {
        CZuScrollList* scroll = new CZuScrollList(iRoot);
        CZuList* list = scroll->GetList();
        list->AppendCellTitle(CZuString("name"), EZuCellText, 0);
        for (int i = 0; i < rows; ++i)
            list->AppendRow(new CZuVarient(CZuString(("row " + std::to_string(i)).c_str())));
        list->SetMsgWnd(&iLog, CZuList::KMsgListNotify);
        scroll->SetRect(CZuRect(10, 10, 210, 200));
        return scroll;
    }
    CZuScrollBar* VBar(CZuScrollList* scroll) { return scroll->GetScrollBar(CZuScrollBar::EVertical); }
    CZuScrollBar* HBar(CZuScrollList* scroll) { return scroll->GetScrollBar(CZuScrollBar::EHorizontal); }
};

TEST_F(ScrollListTest, TheVerticalBarShowsWhenTheRowsDoNotFit)
{
    CZuScrollList* scroll = MakeScrollList(30);
    CZuScrollBar* bar = VBar(scroll);
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_FALSE(HBar(scroll)->IsVisible());
    int size = CZuScrollBar::GetScrollBarSize();
    EXPECT_EQ(CZuRect(210 - size, 10, 210, 200), bar->Rect());
    EXPECT_EQ(CZuRect(10, 10, 210 - size, 200), scroll->GetList()->Rect());
    EXPECT_EQ(30, bar->GetRange());
    EXPECT_EQ(10, bar->GetSliderRange());
    scroll->GetList()->RemoveAllData();
    scroll->HandleListDataChanged();
    EXPECT_FALSE(bar->IsVisible());
    EXPECT_EQ(CZuRect(10, 10, 210, 200), scroll->GetList()->Rect());
}

TEST_F(ScrollListTest, DisplayModesAlwaysAndNever)
{
    CZuScrollList* scroll = MakeScrollList(3);
    EXPECT_FALSE(VBar(scroll)->IsVisible());
    scroll->SetVScrollBar(CZuScrollList::EScrollBarAlways);
    scroll->SetHScrollBar(CZuScrollList::EScrollBarAlways);
    scroll->HandleListDataChanged();
    EXPECT_TRUE(VBar(scroll)->IsVisible());
    EXPECT_TRUE(HBar(scroll)->IsVisible());
    int size = CZuScrollBar::GetScrollBarSize();
    // Both: each bar leaves the corner to the other.
    EXPECT_EQ(200 - size, VBar(scroll)->Rect().iBr.iY);
    EXPECT_EQ(210 - size, HBar(scroll)->Rect().iBr.iX);
    // Any other mode is never, however many rows there are.
    scroll->SetVScrollBar(CZuScrollList::EScrollBarNever);
    scroll->SetHScrollBar(5);
    for (int i = 0; i < 40; ++i)
        scroll->GetList()->AppendRow(new CZuVarient(CZuString("more")));
    scroll->HandleListDataChanged();
    EXPECT_FALSE(VBar(scroll)->IsVisible());
    EXPECT_FALSE(HBar(scroll)->IsVisible());
}

TEST_F(ScrollListTest, TheHorizontalBarComesFromTheColumnWidthsAndScrollsThem)
{
    CZuScrollList* scroll = MakeScrollList(0);
    CZuList* list = scroll->GetList();
    list->SetColWidth(0, 90);
    list->AppendCellTitle(CZuString("b"), EZuCellText, 90);
    list->AppendCellTitle(CZuString("c"), EZuCellText, 90);
    list->AppendRow(new CZuVarient(CZuString("x")));
    // Nothing drawn yet: the widths decide.
    scroll->HandleListDataChanged();
    CZuScrollBar* bar = HBar(scroll);
    ASSERT_TRUE(bar->IsVisible());
    EXPECT_EQ(3, bar->GetRange());
    EXPECT_EQ(2, bar->GetSliderRange());
    EXPECT_EQ(0, bar->GetCurPos());
    bar->ScrollBy(1);
    EXPECT_EQ(1, list->GetFirstDispCol());
    bar->ScrollBy(5);
    EXPECT_EQ(1, list->GetFirstDispCol());
}

TEST_F(ScrollListTest, TheVerticalBarScrollsTheList)
{
    CZuScrollList* scroll = MakeScrollList(30);
    EXPECT_TRUE(VBar(scroll)->ScrollBy(7));
    EXPECT_EQ(7, scroll->GetList()->GetTopRowIndex());
    // The wheel over the bar does the same.
    int size = CZuScrollBar::GetScrollBarSize();
    EXPECT_TRUE(Pointer(scroll, EZuPointerWheel, 210 - size / 2, 100, -1));
    EXPECT_GT(scroll->GetList()->GetTopRowIndex(), 7);
    // And a click on its down arrow.
    scroll->GetList()->SetTopRowIndex(0);
    scroll->HandleListDataChanged();
    Click(scroll, 210 - size / 2, 195);
    EXPECT_EQ(3, scroll->GetList()->GetTopRowIndex());
    CZuMessage other(scroll, 19, 0, 0);
    EXPECT_FALSE(scroll->HandleMessage(&other));
}

TEST_F(ScrollListTest, TheWheelOverTheRowsScrollsTheListAndItsBarFollows)
{
    CZuScrollList* scroll = MakeScrollList(30);
    // Down (a negative step) over the rows, away from the bar.
    EXPECT_TRUE(Pointer(scroll, EZuPointerWheel, 60, 100, -1));
    const int top = scroll->GetList()->GetTopRowIndex();
    EXPECT_GT(top, 0);
    EXPECT_EQ(top, VBar(scroll)->GetCurPos());
    // Up again brings the first row back, and no further.
    for (int i = 0; i < 10; ++i)
        Pointer(scroll, EZuPointerWheel, 60, 100, 1);
    EXPECT_EQ(0, scroll->GetList()->GetTopRowIndex());
    EXPECT_EQ(0, VBar(scroll)->GetCurPos());
}

TEST_F(ScrollListTest, KeysAndDragsMoveTheBar)
{
    CZuScrollList* scroll = MakeScrollList(30);
    scroll->SetFocus(true);
    EXPECT_TRUE(scroll->GetList()->IsFocused());
    for (int i = 0; i < 15; ++i)
        EXPECT_TRUE(Key(scroll, EZuKeyDown));
    EXPECT_EQ(6, scroll->GetList()->GetTopRowIndex());
    EXPECT_EQ(6, VBar(scroll)->GetCurPos());
    Pointer(scroll, EZuPointerDown, 50, 150);
    Pointer(scroll, EZuPointerDrag, 50, 150 - 19 * 3);
    Pointer(scroll, EZuPointerUp, 50, 150 - 19 * 3);
    EXPECT_EQ(9, scroll->GetList()->GetTopRowIndex());
    EXPECT_EQ(9, VBar(scroll)->GetCurPos());
}

TEST_F(ScrollListTest, DownAtTheLastRowLeavesTheFocusOnTheList)
{
    CZuScrollList* scroll = MakeScrollList(30);
    scroll->SetFocus(true);
    for (int i = 0; i < 40; ++i)
        Key(scroll, EZuKeyDown);
    EXPECT_FALSE(Key(scroll, EZuKeyDown));
    EXPECT_FALSE(Key(scroll, EZuKeyRight));
    EXPECT_TRUE(scroll->GetList()->IsFocused());
    EXPECT_EQ(EZuStateNormal, VBar(scroll)->GetState());
    EXPECT_EQ(29, scroll->GetList()->GetSelectedRowIndex());
}

TEST_F(ScrollListTest, LosingTheFocusClearsItInside)
{
    CZuScrollList* scroll = MakeScrollList(5);
    scroll->SetFocus(true);
    ASSERT_TRUE(scroll->GetList()->IsFocused());
    scroll->SetState(EZuStateDefaultFocus);
    scroll->StateChanged();
    EXPECT_EQ(EZuStateDefaultFocus, scroll->GetList()->GetState());
}

TEST_F(ScrollListTest, AClickOnARowReachesTheList)
{
    CZuScrollList* scroll = MakeScrollList(30);
    DrawAlone(scroll);
    Click(scroll, 50, 10 + 4 * 19 + 5);
    EXPECT_EQ(4, scroll->GetList()->GetSelectedRowIndex());
}

TEST_F(ScrollListTest, TheHeightOfExactlySoManyRows)
{
    CZuScrollList* scroll = MakeScrollList(30);
    scroll->SetInnerSpace(2);
    scroll->SetBorderType(EZuBorderLine);
    EXPECT_EQ(5 * 19 + 4 + 2, scroll->GetHeightByDispRows(5));
    scroll->SetRect(CZuRect(10, 10, 210, 10 + scroll->GetHeightByDispRows(5)));
    EXPECT_EQ(5, scroll->GetList()->GetListviewRowCount());
}

TEST_F(ScrollListTest, TheListTakesTheScrollListStyle)
{
    CZuUiStyleScrollList& style = CZuEnv::UiStyle()->iScrollList;
    style.iListStyle.iSelRowColor = CZuRgb(1, 2, 3);
    CZuScrollList* scroll = MakeScrollList(3);
    scroll->GetList()->SetFocus(true);
    DrawAlone(scroll);
    CZuRect row = scroll->GetList()->GetSelectedRowRect();
    EXPECT_EQ(0x010203u, PixelAt(iScreen, row.iBr.iX - 2, row.iTl.iY + 2));
}

} // namespace
