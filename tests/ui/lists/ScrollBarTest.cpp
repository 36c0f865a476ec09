#include "ListTestSupport.h"

namespace
{

class ScrollBarTest : public CListRoomTest
{
protected:
    // A round bar (no arrows) whose track is the whole 14 x 200 rectangle at (100, 50).
    CZuScrollBar* MakeBar(int max, int slider, int position)
    {
        CZuScrollBar* bar = new CZuScrollBar(iRoot, CZuScrollBar::EVertical);
        bar->SetStype(CZuScrollBar::EStyleRound);
        bar->SetRect(CZuRect(100, 50, 114, 250));
        bar->SetRange(0, max);
        bar->SetSliderRange(slider);
        bar->SetCurPos(position);
        bar->SetMsgWnd(&iLog, CZuScrollBar::KMsgScrolled);
        return bar;
    }
    int Sent() const { return static_cast<int>(iLog.ParamsOf(CZuScrollBar::KMsgScrolled).size()); }
};

TEST_F(ScrollBarTest, KeysMoveByAFifthOfTheSlider)
{
    CZuScrollBar* bar = MakeBar(100, 10, 0);
    EXPECT_TRUE(Key(bar, EZuKeyDown));
    EXPECT_EQ(2, bar->GetCurPos());
    EXPECT_TRUE(Key(bar, EZuKeyUp));
    EXPECT_EQ(0, bar->GetCurPos());
    EXPECT_EQ(2, Sent());
    ASSERT_EQ(CZuMessage::MakeParam(bar), iLog.iSenders.back());
    EXPECT_TRUE(Key(bar, EZuKeyUp));
    bar->SetSliderRange(4);
    // 4 / 5 is 0: nothing moves, yet the key is the bar's.
    EXPECT_TRUE(Key(bar, EZuKeyDown));
    EXPECT_EQ(0, bar->GetCurPos());
    EXPECT_FALSE(Key(bar, EZuKeyLeft));
    EXPECT_EQ(2, Sent());
}

TEST_F(ScrollBarTest, DownAtTheEndStaysAtTheEnd)
{
    CZuScrollBar* bar = MakeBar(100, 10, 89);
    EXPECT_TRUE(Key(bar, EZuKeyDown));
    EXPECT_EQ(90, bar->GetCurPos());
    EXPECT_TRUE(Key(bar, EZuKeyDown));
    EXPECT_EQ(90, bar->GetCurPos());
}

TEST_F(ScrollBarTest, AHorizontalBarTakesLeftAndRight)
{
    CZuScrollBar* bar = MakeBar(100, 10, 0);
    bar->SetScrlBarType(CZuScrollBar::EHorizontal);
    EXPECT_FALSE(Key(bar, EZuKeyDown));
    EXPECT_TRUE(Key(bar, EZuKeyRight));
    EXPECT_EQ(2, bar->GetCurPos());
    EXPECT_TRUE(Key(bar, EZuKeyLeft));
    EXPECT_EQ(0, bar->GetCurPos());
}

TEST_F(ScrollBarTest, APositionOutsideTheRangeBecomesTheMinimum)
{
    CZuScrollBar* bar = MakeBar(100, 10, 0);
    bar->SetCurPos(150);
    EXPECT_EQ(0, bar->GetCurPos());
    bar->SetCurPos(100);
    EXPECT_EQ(100, bar->GetCurPos());
    bar->SetSliderRange(0);
    EXPECT_EQ(1, bar->GetSliderRange());
    EXPECT_EQ(100, bar->GetRange());
}

TEST_F(ScrollBarTest, TheSliderIsAnEighthOfTheTrackAtLeast)
{
    CZuScrollBar* bar = MakeBar(100, 10, 90);
    CZuRect slider = bar->SliderRect();
    EXPECT_EQ(25, slider.Height());
    EXPECT_EQ(50 + 175, slider.iTl.iY);
    EXPECT_EQ(101, slider.iTl.iX);
    EXPECT_EQ(113, slider.iBr.iX);
    bar->SetCurPos(0);
    EXPECT_EQ(50, bar->SliderRect().iTl.iY);
    // Everything in view: a slider over almost the whole track.
    bar->SetSliderRange(100);
    EXPECT_EQ(195, bar->SliderRect().Height());
}

TEST_F(ScrollBarTest, ArrowsAndTheTrackOfASquareBar)
{
    CZuScrollBar* bar = MakeBar(100, 10, 0);
    bar->SetStype(CZuScrollBar::EStyleSquare);
    EXPECT_EQ(CZuRect(100, 50, 114, 64), bar->FirstArrowRect());
    EXPECT_EQ(CZuRect(100, 236, 114, 250), bar->SecondArrowRect());
    EXPECT_EQ(CZuRect(100, 64, 114, 236), bar->TrackRect());
    Click(bar, 105, 240);
    EXPECT_EQ(3, bar->GetCurPos());
    Click(bar, 105, 55);
    EXPECT_EQ(0, bar->GetCurPos());
    Click(bar, 105, 55);
    EXPECT_EQ(0, bar->GetCurPos());
    EXPECT_EQ(2, Sent());
    // A small view still moves by one.
    bar->SetSliderRange(2);
    Click(bar, 105, 240);
    EXPECT_EQ(1, bar->GetCurPos());
}

TEST_F(ScrollBarTest, ClicksBesideTheSliderJumpTowardsThem)
{
    CZuScrollBar* bar = MakeBar(100, 10, 0);
    // Below the slider: a computed 90 * (230 - 25 - 50) / 175 = 79.
    Click(bar, 105, 230);
    EXPECT_EQ(79, bar->GetCurPos());
    // Just under the slider the computed position is the current one: one more.
    CZuRect slider = bar->SliderRect();
    Click(bar, 105, slider.iBr.iY + 1);
    EXPECT_EQ(80, bar->GetCurPos());
    // Above it, back towards the point; on the slider nothing happens.
    Click(bar, 105, 60);
    EXPECT_EQ(5, bar->GetCurPos());
    slider = bar->SliderRect();
    Click(bar, 105, slider.iTl.iY + 3);
    EXPECT_EQ(5, bar->GetCurPos());
}

TEST_F(ScrollBarTest, ATrackNoLongerThanTheSliderDoesNothing)
{
    CZuScrollBar* bar = MakeBar(100, 10, 0);
    bar->SetRect(CZuRect(100, 50, 114, 60));
    Click(bar, 105, 58);
    EXPECT_EQ(0, bar->GetCurPos());
    Pointer(bar, EZuPointerDown, 105, 52);
    Pointer(bar, EZuPointerDrag, 105, 300);
    Pointer(bar, EZuPointerUp, 105, 300);
    EXPECT_EQ(0, bar->GetCurPos());
    EXPECT_EQ(0, Sent());
    // Nothing to scroll at all: neither.
    CZuScrollBar* full = MakeBar(10, 10, 0);
    Click(full, 105, 240);
    EXPECT_EQ(0, full->GetCurPos());
}

TEST_F(ScrollBarTest, DraggingTheSliderFollowsThePointerAlsoOffTheBar)
{
    CZuScrollBar* bar = MakeBar(100, 10, 0);
    EXPECT_FALSE(Pointer(bar, EZuPointerDown, 105, 60));
    Pointer(bar, EZuPointerDrag, 105, 60 + 35);
    // 35 of the 175 pixels the slider can travel: a fifth of 90.
    EXPECT_EQ(18, bar->GetCurPos());
    Pointer(bar, EZuPointerDrag, 400, 60 + 500);
    EXPECT_EQ(90, bar->GetCurPos());
    Pointer(bar, EZuPointerDrag, 400, 0);
    EXPECT_EQ(0, bar->GetCurPos());
    EXPECT_FALSE(Pointer(bar, EZuPointerUp, 400, 0));
    // Released: moves no longer drag.
    Pointer(bar, EZuPointerDrag, 105, 200);
    EXPECT_EQ(0, bar->GetCurPos());
}

TEST_F(ScrollBarTest, ADragKeepsThePointerUntilItsRelease)
{
    CZuScrollBar* bar = MakeBar(100, 10, 0);
    EXPECT_FALSE(bar->IsPointerCaptured());
    // A press beside the bar takes nothing.
    Pointer(bar, EZuPointerDown, 400, 60);
    EXPECT_FALSE(bar->IsPointerCaptured());
    Pointer(bar, EZuPointerUp, 400, 60);
    Pointer(bar, EZuPointerDown, 105, 60);
    EXPECT_TRUE(bar->IsPointerCaptured());
    // Far outside the window the drag goes on, and its release there ends it.
    Pointer(bar, EZuPointerDrag, -300, 900);
    EXPECT_TRUE(bar->IsPointerCaptured());
    Pointer(bar, EZuPointerUp, -300, 900);
    EXPECT_FALSE(bar->IsPointerCaptured());
}

TEST_F(ScrollBarTest, APressOnTheTrackDoesNotDrag)
{
    CZuScrollBar* bar = MakeBar(100, 10, 0);
    Pointer(bar, EZuPointerDown, 105, 200);
    Pointer(bar, EZuPointerDrag, 105, 100);
    EXPECT_EQ(0, bar->GetCurPos());
    // Released far from the press: no click either.
    Pointer(bar, EZuPointerUp, 105, 100);
    EXPECT_EQ(0, bar->GetCurPos());
}

TEST_F(ScrollBarTest, TheWheelOverTheBarScrolls)
{
    CZuScrollBar* bar = MakeBar(100, 30, 50);
    EXPECT_TRUE(Pointer(bar, EZuPointerWheel, 105, 100, 1));
    EXPECT_EQ(40, bar->GetCurPos());
    EXPECT_TRUE(Pointer(bar, EZuPointerWheel, 105, 100, -10));
    EXPECT_EQ(70, bar->GetCurPos());
    EXPECT_FALSE(Pointer(bar, EZuPointerWheel, 300, 100, 1));
}

TEST_F(ScrollBarTest, BarsStayOutOfFocusWalks)
{
    CRecordingControl* control = new CRecordingControl(iRoot);
    control->SetRect(CZuRect(0, 0, 50, 50));
    MakeBar(100, 10, 0);
    iRoot->SetFocusTo(control);
    EXPECT_FALSE(iRoot->FocusToNextCtrl());
    EXPECT_FALSE(iRoot->FocusToNextRow());
    EXPECT_TRUE(control->IsFocused());
}

TEST_F(ScrollBarTest, TheSizeComesFromTheUiSetting)
{
    EXPECT_EQ(14, CZuScrollBar::GetScrollBarSize());
    CZuEnv::UiSetting()->SetScrollBarSize(18);
    EXPECT_EQ(18, CZuScrollBar::GetScrollBarSize());
    // A small screen that is not a desktop gets thin bars.
    iUi.SetScreenRect(CZuRect(0, 0, 240, 320));
    EXPECT_EQ(6, CZuScrollBar::GetScrollBarSize());
    CZuEnv::UiSetting()->EnableTransSupport(true);
    EXPECT_EQ(18, CZuScrollBar::GetScrollBarSize());
}

TEST_F(ScrollBarTest, BothStylesDrawTheirSlider)
{
    CZuScrollBar* bar = MakeBar(100, 10, 50);
    bar->SetSliderColor(CZuRgb(10, 20, 30), CZuRgb(200, 100, 50));
    DrawAlone(bar);
    CZuRect slider = bar->SliderRect();
    EXPECT_EQ(0xC86432u, PixelAt(iScreen, slider.iTl.iX + 3, slider.iTl.iY + 3));
    bar->SetStype(CZuScrollBar::EStyleSquare);
    DrawAlone(bar);
    slider = bar->SliderRect();
    EXPECT_EQ(0x0A141Eu, PixelAt(iScreen, slider.iTl.iX, slider.iTl.iY));
    EXPECT_EQ(0xC86432u, PixelAt(iScreen, slider.iTl.iX + 1, slider.iTl.iY + 1));
}

} // namespace
