#include "ListTestSupport.h"

#include <string>

namespace
{

class ListAutoScrollTest : public CListRoomTest
{
protected:
    // 25 rows 19 pixels apart, 10 to a page.
    CZuList* MakeList(int rows = 25)
    {
        CZuList* list = new CZuList(iRoot);
        list->AppendCellTitle(CZuString("name"), EZuCellText, 0);
        for (int i = 0; i < rows; ++i)
            list->AppendRow(new CZuVarient(CZuString(("row " + std::to_string(i)).c_str())));
        list->SetRect(CZuRect(10, 10, 210, 200));
        list->SetMsgWnd(&iLog, CZuList::KMsgListNotify);
        return list;
    }
    // The toolkit's timers other than the message queue's own.
    int ControlTimers()
    {
        int count = CZuEnv::TimerMgr()->GetTimerList()->GetCount();
        bool queueTimer = false;
        for (int i = 0; i < count; ++i)
        {
            CZuTimer* timer = static_cast<CZuTimer*>(CZuEnv::TimerMgr()->GetTimerList()->GetAt(i));
            queueTimer = queueTimer || timer->GetId() == CZuMessageProcessor::KTimerId;
        }
        return count - (queueTimer ? 1 : 0);
    }
};

TEST_F(ListAutoScrollTest, NeedsThreePositiveValues)
{
    CZuList* list = MakeList();
    list->SetTurnPg(0, 20, 5);
    EXPECT_FALSE(list->IsAutoScrolling());
    list->SetTurnPg(500, -20, 5);
    EXPECT_FALSE(list->IsAutoScrolling());
    list->SetTurnPg(500, 20, 5);
    EXPECT_TRUE(list->IsAutoScrolling());
    list->SetTurnPg(500, 20, 0);
    EXPECT_FALSE(list->IsAutoScrolling());
    EXPECT_EQ(0, ControlTimers());
}

TEST_F(ListAutoScrollTest, PausesAtAPageStartThenMovesARowByPixels)
{
    CZuList* list = MakeList();
    list->SetTurnPg(500, 20, 5);
    iClock.Advance(499);
    EXPECT_EQ(0, list->GetPixelOffset());
    iClock.Advance(1 + 20);
    EXPECT_EQ(5, list->GetPixelOffset());
    iClock.Advance(60);
    // At most one row: 19 pixels.
    EXPECT_EQ(19, list->GetPixelOffset());
    EXPECT_EQ(0, list->GetTopRowIndex());
    iClock.Advance(20);
    EXPECT_EQ(0, list->GetPixelOffset());
    EXPECT_EQ(1, list->GetTopRowIndex());
    // The selection stays where it was.
    EXPECT_EQ(0, list->GetSelectedRowIndex());
}

TEST_F(ListAutoScrollTest, AfterTheLastPageItGoesBackToTheTop)
{
    CZuList* list = MakeList(12);
    list->SetTurnPg(100, 10, 19);
    int topsSeen = 0;
    bool backAtTop = false;
    for (int i = 0; i < 200; ++i)
    {
        iClock.FireNext();
        topsSeen = std::max(topsSeen, list->GetTopRowIndex());
        backAtTop = backAtTop || (topsSeen == 2 && list->GetTopRowIndex() == 0);
    }
    EXPECT_EQ(2, topsSeen);
    EXPECT_TRUE(backAtTop);
}

TEST_F(ListAutoScrollTest, AThousandStepsLeaveOneTimer)
{
    CZuList* list = MakeList();
    list->SetTurnPg(200, 10, 3);
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(iClock.FireNext());
    EXPECT_EQ(1, ControlTimers());
    EXPECT_TRUE(list->IsAutoScrolling());
    // Set again (as a size change does): still one.
    list->SetTurnPg(200, 10, 3);
    list->SetRect(CZuRect(10, 10, 210, 180));
    EXPECT_EQ(1, ControlTimers());
    iRoot->DeleteControl(list);
    EXPECT_EQ(0, ControlTimers());
}

TEST_F(ListAutoScrollTest, AListDeletedWhileScrollingLeavesNothingBehind)
{
    CZuList* list = MakeList();
    list->SetTurnPg(100, 10, 4);
    iClock.Advance(150);
    Pointer(list, EZuPointerDown, 50, 150);
    Pointer(list, EZuPointerDrag, 50, 100);
    Key(list, EZuKeyDown);
    EXPECT_GT(CZuEnv::MsgProcessor()->GetQueueCount(), 0);
    iRoot->DeleteControl(list);
    // Its timer, its redraws and its drag are gone with it.
    iClock.Advance(5000);
    Pump();
    Pointer(iRoot, EZuPointerDrag, 50, 50);
    Pointer(iRoot, EZuPointerUp, 50, 50);
    EXPECT_EQ(0, ControlTimers());
}

TEST_F(ListAutoScrollTest, FocusInPagedModeStopsItAndFinishesAHalfRow)
{
    CZuList* list = MakeList();
    list->SetHandleKeyMode(CZuList::EKeyModePaged);
    list->SetTurnPg(100, 10, 12);
    iClock.Advance(100 + 10);
    EXPECT_EQ(12, list->GetPixelOffset());
    list->SetFocus(true);
    EXPECT_FALSE(list->IsAutoScrolling());
    EXPECT_EQ(1, list->GetTopRowIndex());
    EXPECT_EQ(0, list->GetPixelOffset());
    EXPECT_EQ(1, list->GetSelectedRowIndex());
    // Losing the focus starts it again after the pause.
    list->SetState(EZuStateFocused);
    iRoot->ClearAllFocus();
    EXPECT_TRUE(list->IsAutoScrolling());
}

TEST_F(ListAutoScrollTest, FewerThanTwoRowsWaitWithoutScrolling)
{
    CZuList* list = MakeList(1);
    list->SetTurnPg(50, 10, 5);
    for (int i = 0; i < 20; ++i)
        iClock.FireNext();
    EXPECT_EQ(0, list->GetPixelOffset());
    EXPECT_EQ(1, ControlTimers());
}

} // namespace
