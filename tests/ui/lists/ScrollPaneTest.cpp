#include "ListTestSupport.h"

namespace
{

class ScrollPaneTest : public CListRoomTest
{
protected:
    ScrollPaneTest() { CZuEnv::UiSetting()->SetScrollBarSize(16); }

    // A pane of 200 x 100 at (20, 30) whose layout holds one control of the given size a row.
    CZuScrollPane* MakePane(std::initializer_list<CZuSize> sizes)
    {
        CZuScrollPane* pane = new CZuScrollPane(iRoot);
        for (const CZuSize& size : sizes)
        {
            CRecordingControl* control = new CRecordingControl(pane);
            control->SetPredefinedSize(size);
            pane->GetLayout()->AppendRow(control, size.iWidth, size.iHeight);
            iContent.push_back(control);
        }
        pane->SetRect(CZuRect(20, 30, 220, 130));
        return pane;
    }
    CZuScrollBar* VBar(CZuScrollPane* pane) { return pane->GetScrollBar(CZuScrollBar::EVertical); }
    CZuScrollBar* HBar(CZuScrollPane* pane) { return pane->GetScrollBar(CZuScrollBar::EHorizontal); }

    std::vector<CRecordingControl*> iContent;
};

TEST_F(ScrollPaneTest, ContentThatFitsNeedsNoBar)
{
    CZuScrollPane* pane = MakePane({CZuSize(200, 50), CZuSize(100, 50)});
    EXPECT_EQ(nullptr, VBar(pane));
    EXPECT_EQ(nullptr, HBar(pane));
    EXPECT_EQ(CZuSize(-1, -1), pane->GetMinSize());
    CZuString* state = pane->GetCurStatusData();
    EXPECT_TRUE(state->IsEmpty());
    delete state;
}

TEST_F(ScrollPaneTest, TenPixelsTooWideAndExactlyAsHighNeedsBothBars)
{
    CZuScrollPane* pane = MakePane({CZuSize(210, 100)});
    ASSERT_NE(nullptr, VBar(pane));
    ASSERT_NE(nullptr, HBar(pane));
    EXPECT_EQ(CZuRect(204, 30, 220, 114), VBar(pane)->Rect());
    EXPECT_EQ(CZuRect(20, 114, 204, 130), HBar(pane)->Rect());
    EXPECT_EQ(100, VBar(pane)->GetRange());
    EXPECT_EQ(84, VBar(pane)->GetSliderRange());
    EXPECT_EQ(210, HBar(pane)->GetRange());
    EXPECT_EQ(184, HBar(pane)->GetSliderRange());
    EXPECT_EQ(CZuRect(20, 30, 204, 114), pane->GetLayout()->GetRect());
}

TEST_F(ScrollPaneTest, ABarNoLongerNeededGoes)
{
    CZuScrollPane* pane = MakePane({CZuSize(100, 80), CZuSize(100, 80)});
    ASSERT_NE(nullptr, VBar(pane));
    EXPECT_EQ(nullptr, HBar(pane));
    int children = pane->GetControlCount();
    pane->SetRect(CZuRect(20, 30, 220, 230));
    EXPECT_EQ(nullptr, VBar(pane));
    EXPECT_EQ(children - 1, pane->GetControlCount());
}

TEST_F(ScrollPaneTest, TheBarsMoveTheControlsWithTheirCells)
{
    CZuScrollPane* pane = MakePane({CZuSize(100, 80), CZuSize(100, 80)});
    CZuRect second = iContent[1]->Rect();
    EXPECT_TRUE(VBar(pane)->ScrollBy(30));
    int x = -1;
    int y = -1;
    pane->GetScrollPos(x, y);
    EXPECT_EQ(0, x);
    EXPECT_EQ(30, y);
    second.Move(0, -30);
    EXPECT_EQ(second, iContent[1]->Rect());
    EXPECT_EQ(30, pane->GetLayout()->GetScrollPosY());
}

TEST_F(ScrollPaneTest, SetScrollPosKeepsWithinTheBars)
{
    CZuScrollPane* pane = MakePane({CZuSize(100, 80), CZuSize(100, 80)});
    pane->SetScrollPos(50, 1000);
    int x = -1;
    int y = -1;
    pane->GetScrollPos(x, y);
    // No horizontal bar: no horizontal scrolling. The last position shows the content's bottom.
    EXPECT_EQ(0, x);
    EXPECT_EQ(60, y);
    EXPECT_EQ(0, pane->GetLayout()->GetScrollPosX());
    EXPECT_EQ(60, pane->GetLayout()->GetScrollPosY());
    EXPECT_EQ(130, iContent[1]->Rect().iBr.iY);
}

TEST_F(ScrollPaneTest, AResizeStartsAgainAtTheTop)
{
    CZuScrollPane* pane = MakePane({CZuSize(100, 80), CZuSize(100, 80)});
    CZuRect first = iContent[0]->Rect();
    pane->SetScrollPos(0, 40);
    pane->SetRect(CZuRect(20, 30, 220, 140));
    int x = -1;
    int y = -1;
    pane->GetScrollPos(x, y);
    EXPECT_EQ(0, y);
    EXPECT_EQ(0, pane->GetLayout()->GetScrollPosY());
    EXPECT_EQ(first, iContent[0]->Rect());
}

TEST_F(ScrollPaneTest, FocusMovesBringTheFocusedControlIntoView)
{
    CZuScrollPane* pane = MakePane({CZuSize(100, 60), CZuSize(100, 60), CZuSize(100, 60)});
    pane->SetFocus(true);
    ASSERT_TRUE(iContent[0]->IsFocused());
    EXPECT_TRUE(Key(pane, EZuKeyDown));
    EXPECT_TRUE(iContent[1]->IsFocused());
    EXPECT_EQ(130, iContent[1]->Rect().iBr.iY);
    EXPECT_EQ(20, VBar(pane)->GetCurPos());
    EXPECT_TRUE(Key(pane, EZuKeyDown));
    EXPECT_EQ(130, iContent[2]->Rect().iBr.iY);
    EXPECT_TRUE(Key(pane, EZuKeyUp));
    EXPECT_TRUE(Key(pane, EZuKeyUp));
    EXPECT_EQ(30, iContent[0]->Rect().iTl.iY);
    EXPECT_EQ(0, VBar(pane)->GetCurPos());
}

TEST_F(ScrollPaneTest, KeysTheContentDoesNotUseScroll)
{
    CZuScrollPane* pane = MakePane({CZuSize(100, 300)});
    pane->SetFocus(true);
    EXPECT_TRUE(Key(pane, EZuKeyDown));
    EXPECT_EQ(20, VBar(pane)->GetCurPos());
    EXPECT_EQ(10, iContent[0]->Rect().iTl.iY);
}

TEST_F(ScrollPaneTest, ContentScrolledOutOfViewIsNotUnderThePointer)
{
    CZuScrollPane* pane = MakePane({CZuSize(100, 80), CZuSize(100, 80)});
    pane->SetScrollPos(0, 60);
    // The first control now reaches above the pane, where something else lies.
    ASSERT_LT(iContent[0]->Rect().iTl.iY, 30);
    iContent[0]->iPointers.clear();
    Pointer(pane, EZuPointerDown, 50, 0);
    EXPECT_TRUE(iContent[0]->iPointers.empty());
    Pointer(pane, EZuPointerDown, 50, 40);
    EXPECT_FALSE(iContent[0]->iPointers.empty());
}

TEST_F(ScrollPaneTest, TheWheelScrollsTheContent)
{
    CZuScrollPane* pane = MakePane({CZuSize(100, 80), CZuSize(100, 80)});
    iContent[0]->iConsumePointer = false;
    iContent[1]->iConsumePointer = false;
    EXPECT_TRUE(Pointer(pane, EZuPointerWheel, 50, 50, -1));
    int x = -1;
    int y = -1;
    pane->GetScrollPos(x, y);
    EXPECT_EQ(100 / 3, y);
    EXPECT_FALSE(Pointer(pane, EZuPointerWheel, 400, 50, -1));
}

} // namespace
