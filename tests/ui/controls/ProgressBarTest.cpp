#include "GalleryScene.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace
{
const CZuRgb KBarFill(0, 0, 200);
const CZuRgb KBarOutline(0, 0, 100);
const CZuRgb KProgressFill(250, 250, 0);
const CZuRgb KProgressOutline(200, 100, 0);

} // namespace

class ProgressBarTest : public ::testing::Test
{
protected:
    // A bar on the client pane with no inner space, so that its inner rectangle is its rectangle.
    CZuProgressBar* MakeBar(CZuProgressBar::TZuProgressBarDirection direction, const CZuRect& rect)
    {
        CZuProgressBar* bar = new CZuProgressBar(iScene.Client(), direction);
        bar->SetRect(rect);
        bar->SetProgressBarColor(KBarOutline, KBarFill);
        bar->SetProgressColor(KProgressOutline, KProgressFill);
        return bar;
    }
    // The positions reported with message 26 since the last call, each checked to name the bar.
    std::vector<int> Reported(CZuProgressBar* bar)
    {
        iScene.Pump();
        std::vector<int> positions;
        for (const TGalleryMessage& message : iScene.Messages())
        {
            if (message.iType != CZuProgressBar::KMsgPositionChanged)
                continue;
            EXPECT_EQ(message.iParam1, 0u);
            EXPECT_EQ(CZuMessage::ParamObject<CZuProgressBar>(message.iParam2), bar);
            positions.push_back(bar->GetCurPos());
        }
        iScene.ClearMessages();
        return positions;
    }
    unsigned Pixel(int x, int y)
    {
        iScene.Draw();
        return iScene.PixelAt(x, y);
    }

    CGalleryScene iScene{ZU_TEST_OUT_DIR "/", "", "progress"};
};

TEST_F(ProgressBarTest, StartsEmptyAsABarOfTotalOne)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 110, 30));
    EXPECT_EQ(bar->GetType(), EZuCtrlProgressBar);
    EXPECT_EQ(bar->GetStyle(), CZuProgressBar::EStyleBar);
    EXPECT_EQ(bar->GetCurPos(), 0);
    EXPECT_EQ(bar->GetTotal(), 1);
    EXPECT_EQ(iScene.Client()->FindControl(bar), 0);
}

TEST_F(ProgressBarTest, PositionIsKeptWithinZeroAndTheTotal)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 110, 30));
    bar->SetCurPos(5, 0);
    EXPECT_EQ(bar->GetTotal(), 1);
    EXPECT_EQ(bar->GetCurPos(), 1);
    bar->SetCurPos(3, -7);
    EXPECT_EQ(bar->GetTotal(), 1);
    bar->SetCurPos(-3, 10);
    EXPECT_EQ(bar->GetCurPos(), 0);
    bar->SetCurPos(15, 10);
    EXPECT_EQ(bar->GetCurPos(), 10);
    bar->SetCurPos(4, 10);
    EXPECT_EQ(bar->GetCurPos(), 4);
}

TEST_F(ProgressBarTest, HalfOfAHundredFillsFiftyPixelsInsideTheFrame)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 112, 30));
    bar->SetCurPos(50, 100);
    EXPECT_EQ(Pixel(10, 20), Rgb(KBarOutline));
    EXPECT_EQ(Pixel(30, 20), Rgb(KProgressFill));
    EXPECT_EQ(Pixel(11, 20), Rgb(KProgressOutline));
    EXPECT_EQ(Pixel(60, 20), Rgb(KProgressOutline));
    EXPECT_EQ(Pixel(61, 20), Rgb(KBarFill));
    EXPECT_EQ(bar->GetProgressRect(), CZuRect(11, 11, 61, 29));
}

TEST_F(ProgressBarTest, AVerticalBarFillsFromTheBottom)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EVertical, CZuRect(10, 10, 30, 112));
    bar->SetCurPos(25, 100);
    iScene.Draw();
    EXPECT_EQ(bar->GetProgressRect(), CZuRect(11, 86, 29, 111));
    EXPECT_EQ(iScene.PixelAt(20, 100), Rgb(KProgressFill));
    EXPECT_EQ(iScene.PixelAt(20, 60), Rgb(KBarFill));
}

TEST_F(ProgressBarTest, HugeTotalsDoNotOverflowTheFill)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 112, 30));
    bar->SetCurPos(INT_MAX, INT_MAX);
    iScene.Draw();
    EXPECT_EQ(bar->GetProgressRect(), CZuRect(11, 11, 111, 29));
    bar->SetCurPos(INT_MAX / 2, INT_MAX);
    iScene.Draw();
    EXPECT_EQ(bar->GetProgressRect().Width(), 49);
}

TEST_F(ProgressBarTest, NothingIsDrawnInStyleOneAndImagesOnlyWithBoth)
{
    const unsigned empty = Pixel(30, 20);
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 112, 30));
    bar->SetCurPos(50, 100);
    EXPECT_NE(Pixel(30, 20), empty);
    bar->SetStyle(CZuProgressBar::EStyleNone);
    EXPECT_EQ(Pixel(30, 20), empty);
    EXPECT_EQ(Pixel(80, 20), empty);
    bar->SetStyle(CZuProgressBar::EStyleImages);
    CZuImage progress;
    progress.CreateEmptyImage(CZuSize(4, 8));
    bar->SetProgressImg(&progress);
    EXPECT_EQ(Pixel(30, 20), empty);
    bar->SetProgressImg(nullptr);
}

TEST_F(ProgressBarTest, RightKeyRaisesToTheTotalThenIsNotTaken)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 112, 30));
    bar->SetStyle(CZuProgressBar::EStyleNone);
    bar->SetCurPos(98, 100);
    EXPECT_TRUE(bar->HandleKeyEvent(KeyEvent(39), EZuKeyEventKey));
    EXPECT_EQ(bar->GetCurPos(), 100);
    EXPECT_EQ(Reported(bar), std::vector<int>{100});
    EXPECT_FALSE(bar->HandleKeyEvent(KeyEvent(39), EZuKeyEventKey));
    EXPECT_EQ(bar->GetCurPos(), 100);
    EXPECT_TRUE(Reported(bar).empty());
}

TEST_F(ProgressBarTest, LeftKeyStepsATwentiethAndStopsAtZero)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 112, 30));
    bar->SetStyle(CZuProgressBar::EStyleSlider);
    bar->SetCurPos(12, 200);
    EXPECT_TRUE(bar->HandleKeyEvent(KeyEvent(37), EZuKeyEventKey));
    EXPECT_EQ(bar->GetCurPos(), 2);
    EXPECT_TRUE(bar->HandleKeyEvent(KeyEvent(37), EZuKeyEventKey));
    EXPECT_EQ(bar->GetCurPos(), 0);
    EXPECT_FALSE(bar->HandleKeyEvent(KeyEvent(37), EZuKeyEventKey));
    EXPECT_EQ(Reported(bar).size(), 2u);
}

TEST_F(ProgressBarTest, ASmallTotalStillStepsByOne)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 112, 30));
    bar->SetStyle(CZuProgressBar::EStyleSlider);
    bar->SetCurPos(3, 10);
    EXPECT_TRUE(bar->HandleKeyEvent(KeyEvent(39), EZuKeyEventKey));
    EXPECT_EQ(bar->GetCurPos(), 4);
    EXPECT_TRUE(bar->HandleKeyEvent(KeyEvent(37), EZuKeyEventKey));
    EXPECT_EQ(bar->GetCurPos(), 3);
}

TEST_F(ProgressBarTest, HugeTotalsStepWithoutOverflow)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 112, 30));
    bar->SetStyle(CZuProgressBar::EStyleSlider);
    bar->SetCurPos(INT_MAX - 5, INT_MAX);
    EXPECT_TRUE(bar->HandleKeyEvent(KeyEvent(39), EZuKeyEventKey));
    EXPECT_EQ(bar->GetCurPos(), INT_MAX);
}

TEST_F(ProgressBarTest, OnlyTheSliderAndTheUndrawnStyleTakeKeyPresses)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 112, 30));
    bar->SetCurPos(50, 100);
    EXPECT_FALSE(bar->HandleKeyEvent(KeyEvent(39), EZuKeyEventKey));
    bar->SetStyle(CZuProgressBar::EStyleImages);
    EXPECT_FALSE(bar->HandleKeyEvent(KeyEvent(39), EZuKeyEventKey));
    bar->SetStyle(CZuProgressBar::EStyleSlider);
    // Key-down and key-up, and a typed "'" (code 39), are not presses of the right key.
    EXPECT_FALSE(bar->HandleKeyEvent(KeyEvent(39), EZuKeyEventDown));
    EXPECT_FALSE(bar->HandleKeyEvent(KeyEvent(39), EZuKeyEventUp));
    EXPECT_FALSE(bar->HandleKeyEvent(KeyEvent(39, true), EZuKeyEventKey));
    // Up and down belong to the focus on a horizontal bar.
    EXPECT_FALSE(bar->HandleKeyEvent(KeyEvent(38), EZuKeyEventKey));
    EXPECT_EQ(bar->GetCurPos(), 50);
    EXPECT_TRUE(Reported(bar).empty());
}

TEST_F(ProgressBarTest, AVerticalSliderAlsoTakesUpAndDown)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EVertical, CZuRect(10, 10, 30, 112));
    bar->SetStyle(CZuProgressBar::EStyleSlider);
    bar->SetCurPos(50, 100);
    EXPECT_TRUE(bar->HandleKeyEvent(KeyEvent(38), EZuKeyEventKey));
    EXPECT_EQ(bar->GetCurPos(), 55);
    EXPECT_TRUE(bar->HandleKeyEvent(KeyEvent(40), EZuKeyEventKey));
    EXPECT_TRUE(bar->HandleKeyEvent(KeyEvent(40), EZuKeyEventKey));
    EXPECT_EQ(bar->GetCurPos(), 45);
}

TEST_F(ProgressBarTest, AReleaseInsideSetsThePositionUnderThePointer)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 110, 30));
    bar->SetCurPos(0, 200);
    EXPECT_TRUE(bar->HandlePointerEventL(PointerEvent(EZuPointerDown, 35, 20)));
    EXPECT_EQ(bar->GetCurPos(), 0);
    EXPECT_TRUE(bar->HandlePointerEventL(PointerEvent(EZuPointerUp, 35, 20)));
    EXPECT_EQ(bar->GetCurPos(), 50);
    EXPECT_EQ(Reported(bar), std::vector<int>{50});
    // The same place again changes nothing and reports nothing.
    EXPECT_TRUE(bar->HandlePointerEventL(PointerEvent(EZuPointerUp, 35, 20)));
    EXPECT_TRUE(Reported(bar).empty());
}

TEST_F(ProgressBarTest, PointerEventsOutsideTheBarAreNotTaken)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 110, 30));
    bar->SetInnerSpace(2);
    bar->SetCurPos(0, 100);
    EXPECT_FALSE(bar->HandlePointerEventL(PointerEvent(EZuPointerUp, 110, 20)));
    EXPECT_FALSE(bar->HandlePointerEventL(PointerEvent(EZuPointerUp, 11, 20)));
    EXPECT_FALSE(bar->HandlePointerEventL(PointerEvent(EZuPointerUp, 50, 9)));
    EXPECT_EQ(bar->GetCurPos(), 0);
    EXPECT_TRUE(bar->HandlePointerEventL(PointerEvent(EZuPointerUp, 12, 20)));
    EXPECT_TRUE(bar->HandlePointerEventL(PointerEvent(EZuPointerUp, 107, 20)));
    EXPECT_EQ(bar->GetCurPos(), 98);
}

TEST_F(ProgressBarTest, AVerticalBarReadsThePointersHeight)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EVertical, CZuRect(10, 10, 30, 110));
    bar->SetCurPos(0, 100);
    // Far right of a narrow bar, three quarters up: the height counts, not the x.
    EXPECT_TRUE(bar->HandlePointerEventL(PointerEvent(EZuPointerUp, 29, 34)));
    EXPECT_EQ(bar->GetCurPos(), 75);
    EXPECT_TRUE(bar->HandlePointerEventL(PointerEvent(EZuPointerUp, 12, 109)));
    EXPECT_EQ(bar->GetCurPos(), 0);
    EXPECT_TRUE(bar->HandlePointerEventL(PointerEvent(EZuPointerUp, 12, 10)));
    EXPECT_EQ(bar->GetCurPos(), 99);
}

TEST_F(ProgressBarTest, TheSlidersKnobFollowsADragAndAClickFocusesIt)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 110, 30));
    bar->SetStyle(CZuProgressBar::EStyleSlider);
    bar->SetCurPos(0, 100);
    EXPECT_TRUE(bar->HandlePointerEventL(PointerEvent(EZuPointerDown, 20, 20)));
    EXPECT_TRUE(bar->IsFocused());
    EXPECT_EQ(bar->GetCurPos(), 10);
    EXPECT_TRUE(bar->HandlePointerEventL(PointerEvent(EZuPointerDrag, 40, 20)));
    EXPECT_EQ(bar->GetCurPos(), 30);
    EXPECT_TRUE(bar->HandlePointerEventL(PointerEvent(EZuPointerUp, 45, 20)));
    EXPECT_EQ(bar->GetCurPos(), 35);
    EXPECT_EQ(Reported(bar).size(), 3u);
}

TEST_F(ProgressBarTest, TheFocusedSliderFramesItsKnob)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 110, 30));
    bar->SetStyle(CZuProgressBar::EStyleSlider);
    bar->SetBgFocusedColor(CZuRgb(255, 0, 0));
    bar->SetCurPos(0, 100);
    iScene.Draw();
    // The knob is as wide as the track is high (20 - 2 * 4) and as high as the bar.
    EXPECT_EQ(bar->GetProgressRect(), CZuRect(10, 10, 22, 30));
    EXPECT_NE(iScene.PixelAt(22, 20), 0xFF0000u);
    bar->SetFocus(true);
    EXPECT_EQ(Pixel(22, 20), 0xFF0000u);
    bar->SetCurPos(100, 100);
    iScene.Draw();
    EXPECT_EQ(bar->GetProgressRect(), CZuRect(98, 10, 110, 30));
}

TEST_F(ProgressBarTest, ADisabledBarTakesNothing)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 110, 30));
    bar->SetStyle(CZuProgressBar::EStyleSlider);
    bar->SetCurPos(50, 100);
    bar->SetDisabled(true);
    EXPECT_FALSE(bar->HandleKeyEvent(KeyEvent(39), EZuKeyEventKey));
    EXPECT_FALSE(bar->HandlePointerEventL(PointerEvent(EZuPointerUp, 20, 20)));
    EXPECT_EQ(bar->GetCurPos(), 50);
}

TEST_F(ProgressBarTest, ImagesFillTheirBandUpToThePosition)
{
    CZuProgressBar* bar = MakeBar(CZuProgressBar::EHorizontal, CZuRect(10, 10, 110, 40));
    bar->SetStyle(CZuProgressBar::EStyleImages);
    bar->SetCurPos(25, 100);
    CZuBitmapGc background(CZuSize(10, 10));
    background.SetDrawColor(CZuRgb(0, 200, 0));
    background.Clear();
    CZuBitmapGc progress(CZuSize(4, 4));
    progress.SetDrawColor(CZuRgb(200, 0, 0));
    progress.Clear();
    bar->SetProgressBgImg(background.EndDraw());
    bar->SetProgressImg(progress.EndDraw());
    // The band is the background's height, centred, stretched over the whole width.
    iScene.Draw();
    EXPECT_EQ(bar->GetProgressRect(), CZuRect(10, 20, 35, 30));
    EXPECT_EQ(iScene.PixelAt(20, 25), 0xC80000u);
    EXPECT_EQ(iScene.PixelAt(34, 29), 0xC80000u);
    EXPECT_EQ(iScene.PixelAt(35, 25), 0x00C800u);
    EXPECT_EQ(iScene.PixelAt(109, 20), 0x00C800u);
    EXPECT_NE(iScene.PixelAt(60, 19), 0x00C800u);
    // A background taller than the bar is fitted into it.
    bar->SetRect(CZuRect(10, 10, 110, 16));
    iScene.Draw();
    EXPECT_EQ(bar->GetProgressRect(), CZuRect(10, 10, 35, 16));
    EXPECT_NE(iScene.PixelAt(60, 16), 0x00C800u);
    EXPECT_NE(iScene.PixelAt(60, 9), 0x00C800u);
    bar->SetProgressImg(nullptr);
    bar->SetProgressBgImg(nullptr);
}
