#include "ListTestSupport.h"

#include <string>

namespace
{

// Counts the objects alive, to tell whether the list deleted one.
class CCountedObject : public CZuObject
{
public:
    explicit CCountedObject(int* alive) : iAlive(alive) { ++*iAlive; }
    ~CCountedObject() override { --*iAlive; }
    int* iAlive;
};

class ListTest : public CListRoomTest
{
protected:
    // A one-column list of rows "row 0", "row 1", ... with a 16-pixel font: rows are 18 pixels high and
    // 19 apart (the grid width counts even without grid lines), so 190 pixels hold exactly 10 rows.
    CZuList* MakeList(int rows, int height = 190)
    {
        CZuList* list = new CZuList(iRoot);
        list->AppendCellTitle(CZuString("name"), EZuCellText, 0);
        for (int i = 0; i < rows; ++i)
            list->AppendRow(new CZuVarient(CZuString(("row " + std::to_string(i)).c_str())));
        list->SetRect(CZuRect(10, 10, 210, 10 + height));
        list->SetMsgWnd(&iLog, CZuList::KMsgListNotify);
        return list;
    }
    std::vector<int> Notes()
    {
        Pump();
        std::vector<int> notes = iLog.ParamsOf(CZuList::KMsgListNotify);
        iLog.Clear();
        return notes;
    }
};

TEST_F(ListTest, TenRowsFitAPageOfOneHundredNinetyPixels)
{
    CZuList* list = MakeList(25);
    EXPECT_EQ(18, list->GetRowHeight());
    EXPECT_EQ(10, list->GetListviewRowCount());
    DrawAlone(list);
    // The last row fits exactly and is drawn like the others.
    EXPECT_EQ(10, list->GetDispRowCount());
}

TEST_F(ListTest, NextPageMovesTopAndSelectionByAPageAndClampsAtTheEnd)
{
    CZuList* list = MakeList(25);
    CListStatusLog status;
    list->SetListStatusNotify(&status);
    list->SetSelectedRow(7);
    EXPECT_TRUE(list->NextPage());
    EXPECT_EQ(10, list->GetTopRowIndex());
    EXPECT_EQ(17, list->GetSelectedRowIndex());
    EXPECT_EQ((std::vector<int>{0}), Notes());
    EXPECT_TRUE(list->NextPage());
    EXPECT_EQ(20, list->GetTopRowIndex());
    EXPECT_EQ(24, list->GetSelectedRowIndex());
    EXPECT_FALSE(list->NextPage());
    ASSERT_FALSE(status.iPages.empty());
    EXPECT_EQ(std::make_pair(3, 3), status.iPages.back());
    EXPECT_EQ((std::vector<int>{0}), Notes());
}

TEST_F(ListTest, PrevPageStopsAtTheTop)
{
    CZuList* list = MakeList(25);
    CListStatusLog status;
    list->SetListPrevPgStatusNotify(&status);
    list->SetListNextPgStatusNotify(&status);
    list->SetTopRowIndex(15);
    list->SetSelectedRow(18);
    EXPECT_TRUE(list->PrevPage());
    EXPECT_EQ(5, list->GetTopRowIndex());
    EXPECT_EQ(8, list->GetSelectedRowIndex());
    EXPECT_FALSE(status.iFirstPage);
    EXPECT_TRUE(list->PrevPage());
    EXPECT_EQ(0, list->GetTopRowIndex());
    EXPECT_EQ(0, list->GetSelectedRowIndex());
    EXPECT_TRUE(status.iFirstPage);
    EXPECT_FALSE(status.iLastPage);
    EXPECT_FALSE(list->PrevPage());
    EXPECT_FALSE(list->HavePrevPage());
    EXPECT_TRUE(list->HaveNextPage());
}

TEST_F(ListTest, ThePageNumberNeverExceedsThePageCount)
{
    CZuList* list = MakeList(25);
    CListStatusLog status;
    list->SetListStatusNotify(&status);
    list->SetTopRowIndex(24);
    list->HandleDataChanged();
    EXPECT_EQ(std::make_pair(3, 3), status.iPages.back());
    list->RemoveAllData();
    list->HandleDataChanged();
    EXPECT_EQ(std::make_pair(1, 1), status.iPages.back());
}

TEST_F(ListTest, AListTooLowForARowStillPagesOneRowAtATime)
{
    CZuList* list = MakeList(5, 8);
    CListStatusLog status;
    list->SetListStatusNotify(&status);
    EXPECT_EQ(0, list->GetListviewRowCount());
    EXPECT_TRUE(list->NextPage());
    EXPECT_EQ(1, list->GetTopRowIndex());
    EXPECT_EQ(std::make_pair(1, 1), status.iPages.back());
    EXPECT_TRUE(Key(list, EZuKeyDown));
    EXPECT_EQ(2, list->GetSelectedRowIndex());
    DrawAlone(list);
    EXPECT_EQ(1, list->GetDispRowCount());
}

TEST_F(ListTest, TapOnAnotherRowSelectsItAndOnTheSelectedRowActivatesIt)
{
    CZuList* list = MakeList(25);
    DrawAlone(list);
    // Row 3 lies at y 10 + 3 * 19 .. + 18.
    Click(list, 50, 10 + 3 * 19 + 9);
    EXPECT_EQ(3, list->GetSelectedRowIndex());
    EXPECT_TRUE(list->IsFocused());
    std::vector<int> notes = Notes();
    // Taking the focus tells the selection too; the tap adds nothing while that is still queued.
    EXPECT_EQ(0, notes.back());
    EXPECT_EQ(std::count(notes.begin(), notes.end(), 1), 0);
    Click(list, 50, 10 + 3 * 19 + 9);
    EXPECT_EQ((std::vector<int>{1}), Notes());
}

TEST_F(ListTest, SelectOnFirstClickAlsoActivates)
{
    CZuList* list = MakeList(25);
    list->SetFocus(true);
    list->SetOnceSelectClicked(true);
    DrawAlone(list);
    Notes();
    Click(list, 50, 10 + 5 * 19 + 2);
    EXPECT_EQ((std::vector<int>{0, 1}), Notes());
}

TEST_F(ListTest, CellModeTapsSelectCells)
{
    CZuList* list = MakeList(0);
    list->AppendCellTitle(CZuString("b"), EZuCellText, 0);
    for (int i = 0; i < 5; ++i)
    {
        int row = list->AppendRow(new CZuVarient(CZuString("a")));
        list->AppendCellToRowTail(row, new CZuVarient(CZuString("b")));
    }
    list->SizeChanged();
    list->SetClickSelMode(2);
    list->SetFocus(true);
    DrawAlone(list);
    Notes();
    int secondColumn = list->GetColTitle(1)->GetCellRect().iTl.iX + 5;
    Click(list, secondColumn, 10 + 2 * 19 + 5);
    EXPECT_EQ(2, list->GetSelectedRowIndex());
    EXPECT_EQ(1, list->GetSelectedColIndex());
    EXPECT_EQ((std::vector<int>{2}), Notes());
    Click(list, 15, 10 + 2 * 19 + 5);
    EXPECT_EQ(0, list->GetSelectedColIndex());
    EXPECT_EQ((std::vector<int>{2}), Notes());
    Click(list, 15, 10 + 2 * 19 + 5);
    EXPECT_EQ((std::vector<int>{3}), Notes());
}

TEST_F(ListTest, PointerEventsCountOnlyInsideOrForTheListsOwnDrag)
{
    CZuList* list = MakeList(25);
    EXPECT_FALSE(Pointer(list, EZuPointerDown, 300, 50));
    EXPECT_FALSE(Pointer(list, EZuPointerUp, 300, 50));
    EXPECT_FALSE(Pointer(list, EZuPointerWheel, 300, 50, -1));
    EXPECT_TRUE(Pointer(list, EZuPointerDown, 50, 150));
    // Its drag is its own even outside.
    EXPECT_TRUE(Pointer(list, EZuPointerDrag, 300, 100));
    EXPECT_TRUE(Pointer(list, EZuPointerUp, 300, 100));
    EXPECT_FALSE(Pointer(list, EZuPointerUp, 300, 100));
}

TEST_F(ListTest, DraggingScrollsByPixelsAndStopsAtTheEnd)
{
    CZuList* list = MakeList(25);
    CListStatusLog status;
    list->SetListStatusNotify(&status);
    Pointer(list, EZuPointerDown, 50, 180);
    // Within the tap distance nothing scrolls.
    Pointer(list, EZuPointerDrag, 50, 172);
    EXPECT_EQ(0, list->GetTopRowIndex());
    EXPECT_EQ(0, list->GetPixelOffset());
    Pointer(list, EZuPointerDrag, 50, 135);
    EXPECT_EQ(2, list->GetTopRowIndex());
    EXPECT_EQ(45 - 38, list->GetPixelOffset());
    Pointer(list, EZuPointerDrag, 50, 145);
    EXPECT_EQ(1, list->GetTopRowIndex());
    EXPECT_EQ(16, list->GetPixelOffset());
    EXPECT_EQ(2, status.iDrags);
    // Moves outside the list do not scroll, nor does a release there.
    Pointer(list, EZuPointerDrag, 50, -2000);
    Pointer(list, EZuPointerUp, 50, 5000);
    EXPECT_EQ(1, list->GetTopRowIndex());
    EXPECT_EQ(16, list->GetPixelOffset());
    // Past the end: the last page, with no part row.
    Pointer(list, EZuPointerDown, 50, 195);
    Pointer(list, EZuPointerDrag, 50, 15);
    Pointer(list, EZuPointerUp, 50, 15);
    EXPECT_EQ(11, list->GetTopRowIndex());
    EXPECT_EQ(6, list->GetPixelOffset());
    Pointer(list, EZuPointerDown, 50, 195);
    Pointer(list, EZuPointerDrag, 50, 15);
    Pointer(list, EZuPointerUp, 50, 15);
    EXPECT_EQ(15, list->GetTopRowIndex());
    EXPECT_EQ(0, list->GetPixelOffset());
    EXPECT_EQ(0, list->GetSelectedRowIndex());
    EXPECT_TRUE(Notes().empty());
}

TEST_F(ListTest, APressInsideKeepsThePointerUntilItsReleaseAnywhere)
{
    CZuList* list = MakeList(25);
    EXPECT_FALSE(list->IsPointerCaptured());
    Pointer(list, EZuPointerDown, 50, 5000);
    EXPECT_FALSE(list->IsPointerCaptured());
    Pointer(list, EZuPointerUp, 50, 5000);
    Pointer(list, EZuPointerDown, 50, 180);
    EXPECT_TRUE(list->IsPointerCaptured());
    Pointer(list, EZuPointerDrag, 50, 135);
    Pointer(list, EZuPointerDrag, 50, -2000);
    EXPECT_TRUE(list->IsPointerCaptured());
    // The release outside the window still ends the drag: the next press starts a new one.
    EXPECT_TRUE(Pointer(list, EZuPointerUp, 50, -2000));
    EXPECT_FALSE(list->IsPointerCaptured());
    const int top = list->GetTopRowIndex();
    Pointer(list, EZuPointerDrag, 50, 300);
    EXPECT_EQ(top, list->GetTopRowIndex());
}

TEST_F(ListTest, TheWheelScrollsThreeRowsAStep)
{
    CZuList* list = MakeList(25);
    EXPECT_TRUE(Pointer(list, EZuPointerWheel, 50, 50, -1));
    EXPECT_EQ(3, list->GetTopRowIndex());
    Pointer(list, EZuPointerWheel, 50, 50, -10);
    EXPECT_EQ(15, list->GetTopRowIndex());
    Pointer(list, EZuPointerWheel, 50, 50, 2);
    EXPECT_EQ(9, list->GetTopRowIndex());
    Pointer(list, EZuPointerWheel, 50, 50, 20);
    EXPECT_EQ(0, list->GetTopRowIndex());
}

TEST_F(ListTest, FreeModeMovesTheSelectionAndStopsAtTheEnds)
{
    CZuList* list = MakeList(12);
    EXPECT_FALSE(Key(list, EZuKeyUp));
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(Key(list, EZuKeyDown));
    EXPECT_EQ(10, list->GetSelectedRowIndex());
    EXPECT_EQ(1, list->GetTopRowIndex());
    EXPECT_TRUE(Key(list, EZuKeyDown));
    EXPECT_FALSE(Key(list, EZuKeyDown));
    EXPECT_EQ(11, list->GetSelectedRowIndex());
    EXPECT_EQ(2, list->GetTopRowIndex());
    for (int i = 0; i < 11; ++i)
        Key(list, EZuKeyUp);
    EXPECT_EQ(0, list->GetTopRowIndex());
    // A typed character is not a key.
    EXPECT_FALSE(list->HandleKeyEvent(KeyEvent(EZuKeyDown, true), EZuKeyEventKey));
    EXPECT_FALSE(list->HandleKeyEvent(KeyEvent(EZuKeyDown), EZuKeyEventDown));
}

TEST_F(ListTest, WithoutAVisibleSelectionTheKeysScroll)
{
    CZuList* list = MakeList(12);
    list->SetShowSelectedRowBG(false);
    EXPECT_TRUE(Key(list, EZuKeyDown));
    EXPECT_TRUE(Key(list, EZuKeyDown));
    EXPECT_EQ(2, list->GetTopRowIndex());
    EXPECT_EQ(2, list->GetSelectedRowIndex());
    EXPECT_FALSE(Key(list, EZuKeyDown));
    EXPECT_TRUE(Key(list, EZuKeyUp));
    EXPECT_EQ(1, list->GetTopRowIndex());
}

TEST_F(ListTest, AnEmptyListIgnoresMovementKeys)
{
    CZuList* list = MakeList(0);
    for (unsigned key :
         {EZuKeyUp, EZuKeyDown, EZuKeyLeft, EZuKeyRight, EZuKeyEnter, EZuKeyHome, EZuKeyPageDown})
        EXPECT_FALSE(Key(list, key));
    EXPECT_EQ(-1, list->GetSelectedRowIndex());
    EXPECT_TRUE(Notes().empty());
}

TEST_F(ListTest, EnterActivatesTheSelectedRow)
{
    CZuList* list = MakeList(3);
    list->SetSelectedRow(2);
    EXPECT_TRUE(Key(list, EZuKeyEnter));
    EXPECT_EQ((std::vector<int>{1}), Notes());
    list->SetClickSelMode(0);
    EXPECT_TRUE(Key(list, EZuKeyEnter));
    EXPECT_EQ((std::vector<int>{3}), Notes());
}

TEST_F(ListTest, PagedModeStaysWithinThePage)
{
    CZuList* list = MakeList(25);
    list->SetHandleKeyMode(CZuList::EKeyModePaged);
    EXPECT_FALSE(Key(list, EZuKeyUp));
    EXPECT_FALSE(Key(list, EZuKeyLeft));
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(Key(list, EZuKeyDown));
    // At the page's bottom the selection stays.
    EXPECT_FALSE(Key(list, EZuKeyDown));
    EXPECT_EQ(9, list->GetSelectedRowIndex());
    EXPECT_EQ(0, list->GetTopRowIndex());
    EXPECT_TRUE(Key(list, EZuKeyRight));
    EXPECT_EQ(10, list->GetTopRowIndex());
    EXPECT_EQ(19, list->GetSelectedRowIndex());
    EXPECT_TRUE(Key(list, EZuKeyRight));
    EXPECT_FALSE(Key(list, EZuKeyRight));
    EXPECT_EQ(24, list->GetSelectedRowIndex());
    EXPECT_FALSE(Key(list, EZuKeyDown));
    // A selection outside the page comes into it.
    list->SetTopRowIndex(5);
    list->SetSelectedRow(20);
    list->SetTopRowIndex(5);
    EXPECT_TRUE(Key(list, EZuKeyUp));
    EXPECT_EQ(14, list->GetSelectedRowIndex());
    EXPECT_TRUE(Key(list, EZuKeyLeft));
    EXPECT_EQ(0, list->GetTopRowIndex());
}

TEST_F(ListTest, WrappingModeWrapsAndTellsEveryMove)
{
    CZuList* list = MakeList(25);
    list->SetHandleKeyMode(CZuList::EKeyModeWrapping);
    EXPECT_TRUE(Key(list, EZuKeyUp));
    EXPECT_EQ(24, list->GetSelectedRowIndex());
    EXPECT_EQ(15, list->GetTopRowIndex());
    EXPECT_EQ((std::vector<int>{0}), Notes());
    EXPECT_TRUE(Key(list, EZuKeyDown));
    EXPECT_EQ(0, list->GetSelectedRowIndex());
    EXPECT_EQ(0, list->GetTopRowIndex());
    EXPECT_EQ((std::vector<int>{0}), Notes());
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(Key(list, EZuKeyDown));
    // Past the page's bottom it scrolled one row.
    EXPECT_EQ(10, list->GetSelectedRowIndex());
    EXPECT_EQ(1, list->GetTopRowIndex());
}

TEST_F(ListTest, PageKeysHomeAndEnd)
{
    CZuList* list = MakeList(25);
    EXPECT_TRUE(Key(list, EZuKeyPageDown));
    EXPECT_EQ(10, list->GetTopRowIndex());
    EXPECT_TRUE(Key(list, EZuKeyPageUp));
    EXPECT_FALSE(Key(list, EZuKeyPageUp));
    EXPECT_TRUE(Key(list, EZuKeyEnd));
    EXPECT_EQ(24, list->GetSelectedRowIndex());
    EXPECT_EQ(15, list->GetTopRowIndex());
    EXPECT_FALSE(Key(list, EZuKeyEnd));
    EXPECT_TRUE(Key(list, EZuKeyHome));
    EXPECT_EQ(0, list->GetSelectedRowIndex());
    EXPECT_EQ(0, list->GetTopRowIndex());
}

TEST_F(ListTest, HoldingDownQueuesAtMostOneNotificationAndOneRedraw)
{
    CZuList* list = MakeList(200);
    for (int i = 0; i < 50; ++i)
        Key(list, EZuKeyDown);
    EXPECT_EQ(50, list->GetSelectedRowIndex());
    EXPECT_LE(CZuEnv::MsgProcessor()->GetQueueCount(), 2);
    // An activation is never folded into a change, and a change after it is told again.
    Key(list, EZuKeyEnter);
    Key(list, EZuKeyDown);
    EXPECT_EQ((std::vector<int>{0, 1, 0}), Notes());
}

TEST_F(ListTest, CellModeLeftAndRightRunThroughTheCellsInReadingOrder)
{
    CZuList* list = MakeList(0);
    list->SetColCount(3);
    for (int r = 0; r < 3; ++r)
    {
        int row = list->AppendRow(static_cast<CZuVarient*>(nullptr));
        for (int c = 0; c < 3; ++c)
            list->SetCell(row, c, new CZuVarient(r * 3 + c));
    }
    list->SetShowSelectedCellBG(true);
    list->SetClickSelMode(0);
    EXPECT_FALSE(Key(list, EZuKeyLeft));
    EXPECT_TRUE(Key(list, EZuKeyRight));
    EXPECT_TRUE(Key(list, EZuKeyRight));
    EXPECT_TRUE(Key(list, EZuKeyRight));
    EXPECT_EQ(1, list->GetSelectedRowIndex());
    EXPECT_EQ(0, list->GetSelectedColIndex());
    EXPECT_TRUE(Key(list, EZuKeyLeft));
    EXPECT_EQ(0, list->GetSelectedRowIndex());
    EXPECT_EQ(2, list->GetSelectedColIndex());
    // Cells from index 4 on are not there to be reached.
    list->SetCellMaxCount(4);
    EXPECT_TRUE(Key(list, EZuKeyRight));
    EXPECT_FALSE(Key(list, EZuKeyRight));
    EXPECT_EQ(1, list->GetSelectedRowIndex());
    EXPECT_EQ(0, list->GetSelectedColIndex());
    EXPECT_EQ(3, list->GetSelectedRowCol()->iInteger);
}

TEST_F(ListTest, RowModeLeftAndRightScrollColumnsThatDoNotFit)
{
    CZuList* list = MakeList(0);
    list->SetColWidth(0, 80);
    list->AppendCellTitle(CZuString("b"), EZuCellText, 80);
    list->AppendCellTitle(CZuString("c"), EZuCellText, 80);
    list->AppendRow(new CZuVarient(CZuString("x")));
    EXPECT_FALSE(list->AllColumnsFit());
    EXPECT_EQ(2, list->GetListviewColCount());
    EXPECT_TRUE(Key(list, EZuKeyRight));
    EXPECT_EQ(2, list->GetFirstDispCol());
    EXPECT_FALSE(Key(list, EZuKeyRight));
    EXPECT_TRUE(Key(list, EZuKeyLeft));
    EXPECT_EQ(1, list->GetFirstDispCol());
}

TEST_F(ListTest, PercentWidthsShareTheInnerWidth)
{
    CZuList* list = MakeList(0);
    list->SetRect(CZuRect(0, 0, 200, 100));
    list->DeleteCellTitle(0);
    list->AppendCellTitle(CZuString("a"), EZuCellText, 30);
    list->AppendCellTitle(CZuString("b"), EZuCellText, 70);
    list->SetColWidthType(CZuListRowTitle::EColWidthPercent);
    EXPECT_EQ(60, list->GetColWidth(0));
    EXPECT_EQ(140, list->GetColWidth(1));
}

TEST_F(ListTest, AutomaticWidthsShareWhatFixedOnesLeave)
{
    CZuList* list = MakeList(0);
    list->SetRect(CZuRect(0, 0, 200, 100));
    list->AppendCellTitle(CZuString("b"), EZuCellText, 50);
    list->AppendCellTitle(CZuString("c"), EZuCellText, 0);
    // Pixels: (200 - 3 * (1 + 6) - 50) / 2 - 1.
    EXPECT_EQ(63, list->GetColWidth(0));
    EXPECT_EQ(63, list->GetColWidth(2));
    EXPECT_TRUE(list->AllColumnsFit());
    list->SetColWidthType(CZuListRowTitle::EColWidthAuto);
    EXPECT_EQ(50, list->GetColWidth(1));
    EXPECT_EQ((200 - 3 * 7 - 50) / 2, list->GetColWidth(0));
}

TEST_F(ListTest, WidthsWithoutAnAutomaticColumnAndCellSizesWithoutASideDivideByNothing)
{
    CZuList* list = MakeList(3);
    list->SetColWidth(0, 40);
    list->AdjustColWidth();
    EXPECT_EQ(40, list->GetColWidth(0));
    list->SetColWidthType(CZuListRowTitle::EColWidthPercent);
    list->AdjustColWidth();
    list->SetColWidthType(CZuListRowTitle::EColWidthPixels);
    list->AdjustCellWidthHeight(5, 0);
    EXPECT_EQ(1, list->GetColCount());
    EXPECT_EQ(190 / 5 - 1, list->GetRowHeight());
    list->AdjustCellWidthHeight(0, 4);
    EXPECT_EQ(4, list->GetColCount());
    EXPECT_EQ(200 / 4 - 6 - 1, list->GetColWidth(3));
    list->AdjustCellWidthHeight(-1, -1);
    EXPECT_EQ(4, list->GetColCount());
}

TEST_F(ListTest, TitleHeightAndGridWidth)
{
    CZuList* list = MakeList(3);
    EXPECT_EQ(20, list->GetRowTitleHeight());
    list->SetShowGridWidth(2);
    EXPECT_EQ(0, list->GetGridLineWidth());
    list->SetShowGridH(true);
    list->SetShowGridWidth(2);
    EXPECT_EQ(2, list->GetGridLineWidth());
    list->SetShowTitle(true);
    // Title 20, three rows of 18 + 2, and 2.
    EXPECT_EQ(20 + 3 * 20 + 2, list->GetMinSize().iHeight);
}

TEST_F(ListTest, DrawingRestoresTheClip)
{
    CZuList* list = MakeList(25);
    list->SetShowTitle(true);
    int before = iScreen.ClipDepth();
    DrawAlone(list);
    EXPECT_EQ(before, iScreen.ClipDepth());
    list->SetListType(CZuList::EListMultiLine);
    DrawAlone(list);
    list->SetListType(CZuList::EListSubColumns);
    DrawAlone(list);
    list->SetListType(CZuList::EListDetail);
    DrawAlone(list);
    EXPECT_EQ(before, iScreen.ClipDepth());
}

TEST_F(ListTest, ARowWithFewerCellsThanHeadingsDrawsTheRestEmpty)
{
    CZuList* list = MakeList(0);
    list->SetShowSelectedRowBG(false);
    list->SetColCount(3);
    list->AppendRow(new CZuVarient(CZuString("only")));
    list->SetForeground(CZuRgb(0, 0, 0));
    DrawAlone(list);
    CZuRect third = list->GetColTitle(2)->GetCellRect();
    ASSERT_FALSE(third.IsEmpty());
    for (int x = third.iTl.iX; x < third.iBr.iX; ++x)
    {
        for (int y = third.iTl.iY; y < third.iBr.iY; ++y)
            ASSERT_EQ(0xFFFFFFu, PixelAt(iScreen, x, y));
    }
}

TEST_F(ListTest, DrawingUnfocusedDoesNotDarkenTheStoredColours)
{
    CZuList* list = MakeList(5);
    CZuRgb teal(0, 128, 128);
    list->SetSelectedRow(1);
    DrawAlone(list);
    CZuRect row = list->GetSelectedRowRect();
    unsigned first = PixelAt(iScreen, row.iBr.iX - 3, row.iTl.iY + 1);
    EXPECT_EQ(Rgb(teal.GetNewColor(-30, 30)), first);
    for (int i = 0; i < 5; ++i)
        DrawAlone(list);
    EXPECT_EQ(first, PixelAt(iScreen, row.iBr.iX - 3, row.iTl.iY + 1));
    list->SetFocus(true);
    DrawAlone(list);
    EXPECT_EQ(Rgb(teal), PixelAt(iScreen, row.iBr.iX - 3, row.iTl.iY + 1));
}

TEST_F(ListTest, SettingTheSameOwnedObjectAgainKeepsIt)
{
    CZuList* list = MakeList(2);
    int alive = 0;
    CCountedObject* data = new CCountedObject(&alive);
    list->SetRowDataPtr(0, data, true);
    list->SetRowDataPtr(0, data, true);
    EXPECT_EQ(1, alive);
    EXPECT_EQ(data, list->GetRowDataPtr(0));
    list->SetRowDataPtr(0, new CCountedObject(&alive), true);
    EXPECT_EQ(1, alive);
    CZuObjectList* images = new CZuObjectList(true);
    list->SetImageList(images, true);
    list->SetImageList(images, true);
    EXPECT_EQ(images, list->GetImageList());
    list->DeleteRow(0);
    EXPECT_EQ(0, alive);
}

TEST_F(ListTest, RowsAndCells)
{
    CZuList* list = MakeList(3);
    EXPECT_EQ(-1, list->AppendCellToRowTail(7, new CZuVarient(1)));
    EXPECT_EQ(2, list->AppendCellToRowTail(1, new CZuVarient(5)));
    list->SetCell(2, 3, new CZuVarient(9));
    CZuListRow* row = list->GetRow(2);
    ASSERT_EQ(4, row->GetCellCount());
    EXPECT_EQ(CZuVarient::EString, row->GetCell(1)->iType);
    EXPECT_TRUE(row->GetCell(2)->iString->IsEmpty());
    EXPECT_EQ(9, row->GetCell(3)->iInteger);
    EXPECT_EQ(nullptr, row->GetCell(4));
    list->SetRowData(1, 42);
    EXPECT_EQ(42, list->GetRowData(1));
    EXPECT_EQ(0, list->GetRowData(9));
    list->InsertRow(0, new CZuVarient(CZuString("new")));
    EXPECT_EQ(4, list->GetRowCount());
    EXPECT_EQ(42, list->GetRowData(2));
}

TEST_F(ListTest, DeletingRowsKeepsSelectionAndTopWithinTheRows)
{
    CZuList* list = MakeList(12);
    list->SetSelectedRow(11);
    EXPECT_EQ(2, list->GetTopRowIndex());
    list->DeleteRow(11);
    EXPECT_EQ(10, list->GetSelectedRowIndex());
    EXPECT_EQ(1, list->GetTopRowIndex());
    list->DeleteRow(list->GetRow(0));
    EXPECT_EQ(10, list->GetRowCount());
    EXPECT_EQ(9, list->GetSelectedRowIndex());
    EXPECT_EQ(0, list->GetTopRowIndex());
    list->RemoveAllData();
    EXPECT_EQ(0, list->GetRowCount());
    EXPECT_EQ(-1, list->GetSelectedRowIndex());
}

TEST_F(ListTest, TheViewStateIsNineIntegersAndComesBackWithinTheRows)
{
    CZuList* list = MakeList(100);
    list->SetSelectedRow(95);
    DrawAlone(list);
    CZuString* state = list->GetCurStatusData();
    ASSERT_EQ(36, state->Length());
    CZuInStream in(reinterpret_cast<const unsigned char*>(state->PtrZ()), state->Length(), false);
    EXPECT_EQ(86u, in.ReadInteger());
    EXPECT_EQ(0u, in.ReadInteger());
    EXPECT_EQ(0u, in.ReadInteger());
    EXPECT_EQ(10u, in.ReadInteger());

    CZuList* other = MakeList(100);
    other->SetCurStatusData(state);
    EXPECT_EQ(86, other->GetTopRowIndex());
    EXPECT_EQ(95, other->GetSelectedRowIndex());
    // Fewer rows now: kept within them.
    CZuList* shorter = MakeList(10);
    shorter->SetCurStatusData(state);
    EXPECT_EQ(9, shorter->GetTopRowIndex());
    EXPECT_EQ(9, shorter->GetSelectedRowIndex());
    // A short or missing state changes nothing.
    CZuString truncated(state->PtrZ(), 20);
    other->SetCurStatusData(&truncated);
    other->SetCurStatusData(nullptr);
    EXPECT_EQ(86, other->GetTopRowIndex());
    delete state;
}

TEST_F(ListTest, FocusInPagedModeBringsTheSelectionIntoThePage)
{
    CZuList* list = MakeList(25);
    list->SetHandleKeyMode(CZuList::EKeyModePaged);
    list->SetSelectedRow(3);
    list->SetTopRowIndex(10);
    list->SetFocus(true);
    EXPECT_EQ(10, list->GetSelectedRowIndex());
    EXPECT_EQ((std::vector<int>{0}), Notes());
    list->SetNotifySelectWhenFocus(false);
    list->SetFocus(false);
    list->SetFocus(true);
    EXPECT_TRUE(Notes().empty());
}

TEST_F(ListTest, TheTurnPageMessageTurnsPages)
{
    CZuList* list = MakeList(25);
    CZuMessage next(list, CZuList::KMsgTurnPage, CZuList::ETurnToNext, 0);
    EXPECT_TRUE(list->HandleMessage(&next));
    EXPECT_EQ(10, list->GetTopRowIndex());
    CZuMessage previous(list, CZuList::KMsgTurnPage, CZuList::ETurnToPrevious, 0);
    EXPECT_TRUE(list->HandleMessage(&previous));
    EXPECT_EQ(0, list->GetTopRowIndex());
    CZuMessage other(list, CZuList::KMsgTurnPage, 5, 0);
    EXPECT_FALSE(list->HandleMessage(&other));
    CZuMessage draw(list, EZuMsgButtonClicked, CZuList::ETurnToNext, 0);
    EXPECT_FALSE(list->HandleMessage(&draw));
}

TEST_F(ListTest, ClickableHeadingsRecordTheirIndex)
{
    CZuList* list = MakeList(3);
    list->AppendCellTitle(CZuString("b"), EZuCellText, 0);
    list->GetColTitle(1)->SetClickable(true);
    list->SetShowTitle(true);
    DrawAlone(list);
    Click(list, 15, 15);
    EXPECT_EQ(-1, list->GetRowTitle()->GetClickedIndex());
    Click(list, list->GetColTitle(1)->GetCellRect().iTl.iX + 3, 15);
    EXPECT_EQ(1, list->GetRowTitle()->GetClickedIndex());
    EXPECT_EQ(0, list->GetSelectedRowIndex());
}

TEST_F(ListTest, CellTexts)
{
    CZuListCellTitle integer(0, CZuString("n"), EZuCellInteger, 0);
    CZuListCellTitle real(1, CZuString("r"), EZuCellReal, 0);
    CZuListCellTitle text(2, CZuString("t"), EZuCellText, 0);
    EXPECT_EQ(CZuString("42"), CZuListCell::CellText(integer, CZuVarient(42)));
    EXPECT_EQ(CZuString("3.14"), CZuListCell::CellText(real, CZuVarient(3.14159f)));
    real.SetDecimals(0);
    EXPECT_EQ(CZuString("3"), CZuListCell::CellText(real, CZuVarient(3.14159f)));
    EXPECT_EQ(CZuString("abc"), CZuListCell::CellText(text, CZuVarient(CZuString("abc"))));
    EXPECT_TRUE(CZuListCell::CellText(text, CZuVarient(7)).IsEmpty());
    EXPECT_TRUE(CZuListCell::CellText(integer, CZuVarient(CZuString("x"))).IsEmpty());
    EXPECT_EQ(0, integer.GetSubColIndex(0));
    EXPECT_EQ(-1, integer.GetSubColIndex(1));
}

} // namespace

namespace
{
// How many pixels of rect have exactly the colour, and how many are bluer than they are red (text drawn in
// the selected text colour, blue, rather than in black).
struct TCellInk
{
    int iExact = 0;
    int iBlue = 0;
};

TCellInk InkIn(CZuBitmapGc& screen, const CZuRect& rect, unsigned colour)
{
    TCellInk ink;
    for (int y = rect.iTl.iY; y < rect.iBr.iY; ++y)
    {
        for (int x = rect.iTl.iX; x < rect.iBr.iX; ++x)
        {
            unsigned pixel = PixelAt(screen, x, y);
            ink.iExact += pixel == colour ? 1 : 0;
            int red = (pixel >> 16) & 0xFF, blue = pixel & 0xFF;
            ink.iBlue += blue > red + 60 ? 1 : 0;
        }
    }
    return ink;
}

// Three columns of "WWW" in four rows, black on white, focused.
CZuList* MakeTable(CZuControl* root)
{
    CZuList* list = new CZuList(root);
    for (const char* heading : {"a", "b", "c"})
        list->AppendCellTitle(CZuString(heading), EZuCellText, 0);
    for (int i = 0; i < 4; ++i)
    {
        int row = list->AppendRow(new CZuVarient(CZuString("WWW")));
        list->AppendCellToRowTail(row, new CZuVarient(CZuString("WWW")));
        list->AppendCellToRowTail(row, new CZuVarient(CZuString("WWW")));
    }
    list->SetRect(CZuRect(10, 10, 250, 110));
    list->SizeChanged();
    list->SetForeground(CZuRgb(0, 0, 0));
    list->SetSelectedForeColor(CZuRgb(0, 0, 255));
    list->SetShowSelectedRowBG(false);
    list->SetFocus(true);
    return list;
}

CZuRect CellRect(CZuList* list, int row, int col)
{
    CZuRect line = list->GetRow(row)->GetDispRect();
    CZuRect column = list->GetColTitle(col)->GetCellRect();
    return CZuRect(column.iTl.iX, line.iTl.iY, column.iBr.iX, line.iBr.iY);
}
} // namespace

TEST_F(ListTest, ASpecialCellShowsItsColourWhereverTheSelectionIs)
{
    const CZuRgb green(0, 200, 0);
    CZuList* list = MakeTable(iRoot);
    list->SetShowSpecialCellBg(true);
    list->SetSpecialCellBgColor(2, 1, green);
    // Row mode, the selection in another row of the same column.
    list->SetSelectedRow(0);
    list->SetSelectedCol(1);
    DrawAlone(list);
    CZuRect special = CellRect(list, 2, 1);
    EXPECT_GT(InkIn(iScreen, special, Rgb(green)).iExact, special.Width() * special.Height() / 2);
    // Cell mode with the selected cell's background, the selected cell elsewhere in the column.
    list->SetClickSelMode(2);
    list->SetShowSelectedCellBG(true);
    list->SetSelectedCellColor(CZuRgb(200, 0, 0));
    list->SetSelectedRow(3);
    DrawAlone(list);
    EXPECT_GT(InkIn(iScreen, special, Rgb(green)).iExact, special.Width() * special.Height() / 2);
    CZuRect selected = CellRect(list, 3, 1);
    EXPECT_GT(InkIn(iScreen, selected, 0xC80000u).iExact, selected.Width() * selected.Height() / 2);
    // On the special cell itself the selection's background is what shows.
    list->SetSelectedRow(2);
    DrawAlone(list);
    EXPECT_EQ(InkIn(iScreen, special, Rgb(green)).iExact, 0);
    EXPECT_GT(InkIn(iScreen, special, 0xC80000u).iExact, special.Width() * special.Height() / 2);
    // Without its background the selected cell does not hide the special colour.
    list->SetShowSelectedCellBG(false);
    DrawAlone(list);
    EXPECT_GT(InkIn(iScreen, special, Rgb(green)).iExact, special.Width() * special.Height() / 2);
}

TEST_F(ListTest, InCellModeOnlyTheSelectedCellsTextTakesTheSelectedColour)
{
    CZuList* list = MakeTable(iRoot);
    list->SetSelectedRow(1);
    list->SetSelectedCol(1);
    // Row mode: the whole selected row.
    DrawAlone(list);
    for (int col = 0; col < 3; ++col)
        EXPECT_GT(InkIn(iScreen, CellRect(list, 1, col), 0).iBlue, 10) << col;
    EXPECT_EQ(InkIn(iScreen, CellRect(list, 0, 1), 0).iBlue, 0);
    // Cell mode: the selected cell alone; the rest of its row is written as every other row.
    list->SetClickSelMode(2);
    DrawAlone(list);
    EXPECT_GT(InkIn(iScreen, CellRect(list, 1, 1), 0).iBlue, 10);
    for (int col : {0, 2})
    {
        TCellInk ink = InkIn(iScreen, CellRect(list, 1, col), 0);
        EXPECT_EQ(ink.iBlue, 0) << col;
        EXPECT_GT(ink.iExact, 0) << col;
    }
}

namespace
{
// Pixels of the column x from top to bottom (exclusive) that have exactly the colour.
int InkInColumn(CZuBitmapGc& screen, int x, int top, int bottom, unsigned colour)
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
        count += PixelAt(screen, x, y) == colour ? 1 : 0;
    return count;
}
} // namespace

TEST_F(ListTest, TheDetailViewsLinesBelowItsFirstAreNotCrossedByColumnLines)
{
    const CZuRgb red(220, 0, 0);
    CZuList* list = new CZuList(iRoot);
    list->SetListType(CZuList::EListDetail);
    for (const char* heading : {"word", "part", "example", "note"})
        list->AppendCellTitle(CZuString(heading), EZuCellText, 0);
    for (int i = 0; i < 4; ++i)
    {
        int row = list->AppendRow(new CZuVarient(CZuString("word")));
        list->AppendCellToRowTail(row, new CZuVarient(CZuString("v.")));
        list->AppendCellToRowTail(row, new CZuVarient(CZuString("a long example that takes the width")));
        list->AppendCellToRowTail(row, new CZuVarient(CZuString("a note of its own")));
    }
    list->SetRect(CZuRect(10, 10, 250, 200));
    list->SetDispColCount(2);
    list->SetColWidth(0, 100);
    list->SetShowGridV(true);
    list->SetGridColor(red);
    list->SetForeground(CZuRgb(0, 0, 0));
    list->SetSelectedForeColor(CZuRgb(0, 0, 0));
    list->SetShowSelectedRowBG(false);
    list->SetSelRowDispRows(4);
    list->SetSelectedRow(1);
    DrawAlone(list);

    const int x = list->GetColTitle(0)->GetCellRect().iBr.iX + list->GetColSpace();
    const int lineHeight = list->GetSelRowFont()->HeightInPixels() + 1;
    CZuRect detail = list->GetRow(1)->GetDispRect();
    ASSERT_GT(detail.Height(), 3 * lineHeight);
    const int firstBottom = detail.iTl.iY + 2 + lineHeight;
    // The first line is laid out in columns, with the line between them.
    EXPECT_EQ(firstBottom - detail.iTl.iY, InkInColumn(iScreen, x, detail.iTl.iY, firstBottom, Rgb(red)));
    // The example and the note below it run across: the column line stops above them.
    EXPECT_EQ(0, InkInColumn(iScreen, x, firstBottom, detail.iBr.iY, Rgb(red)));
    // A row that is not opened keeps the line over its whole height.
    CZuRect closed = list->GetRow(2)->GetDispRect();
    EXPECT_EQ(closed.Height(), InkInColumn(iScreen, x, closed.iTl.iY, closed.iBr.iY, Rgb(red)));

    // With every column on the first line nothing follows below it: the line runs down the whole row.
    list->SetDispColCount(0);
    DrawAlone(list);
    detail = list->GetRow(1)->GetDispRect();
    EXPECT_EQ(detail.Height(),
              InkInColumn(iScreen, list->GetColTitle(0)->GetCellRect().iBr.iX + list->GetColSpace(),
                          detail.iTl.iY, detail.iBr.iY, Rgb(red)));
}
