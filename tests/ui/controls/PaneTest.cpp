#include "TestScreen.h"

#include <gtest/gtest.h>

namespace
{
const unsigned KWhite = 0xFFFFFF;

// Panes on the test screen's client pane.
class PaneTest : public ::testing::Test
{
protected:
    CZuPane* MakePane(const CZuRect& rect)
    {
        CZuPane* pane = new CZuPane(iScreen.Client());
        pane->SetRect(rect);
        return pane;
    }
    // Three radio buttons with the commands 5, 6 and 7, one row each.
    void AddRadios(CZuPane* pane)
    {
        for (int command = 5; command <= 7; ++command)
        {
            CZuRadioButton* radio = new CZuRadioButton(pane);
            radio->Set(command, CZuString("选项"), nullptr, false);
            pane->GetLayout()->AppendRow(radio, -1, 24);
            iRadios.push_back(radio);
        }
        pane->SizeChanged();
    }
    std::vector<bool> Selected() const
    {
        std::vector<bool> selected;
        for (CZuRadioButton* radio : iRadios)
            selected.push_back(radio->GetSelected());
        return selected;
    }
    void ClickOn(CZuControl* control)
    {
        CZuPoint centre = control->Rect().Center();
        iScreen.Click(centre.iX, centre.iY);
    }
    void DrawAlone(CZuControl* control)
    {
        CZuBitmapGc& gc = iScreen.Gc();
        gc.SetDrawColor(CZuRgb(KWhite));
        gc.Clear();
        control->DrawCtrl(gc, control->Rect());
    }
    // What the screen heard of radio choices: the commands of messages 20 with param2 0.
    std::vector<unsigned> Choices() const
    {
        std::vector<unsigned> choices;
        const CTestUiManager& ui = const_cast<CTestScreen&>(iScreen).Ui();
        for (size_t i = 0; i < ui.iMessages.size(); ++i)
            if (ui.iMessages[i] == EZuMsgButtonChosen)
                choices.push_back(ui.iParams[i]);
        return choices;
    }

    CTestScreen iScreen{true, 320, 240};
    std::vector<CZuRadioButton*> iRadios;
};
} // namespace

TEST_F(PaneTest, APaneIsAPlainGroupBoxWithALayoutOfItsOwn)
{
    CZuPane pane(nullptr);
    EXPECT_EQ(pane.GetType(), EZuCtrlPane);
    ASSERT_NE(pane.GetLayout(), nullptr);
    EXPECT_FALSE(pane.IsShowTitle());
    EXPECT_EQ(pane.GetSelectRadioBtnCmdID(), -1);
}

TEST_F(PaneTest, SelectingByCommandLeavesExactlyThatRadioSelectedAndPostsNothing)
{
    CZuPane* pane = MakePane(CZuRect(10, 10, 200, 110));
    AddRadios(pane);
    iScreen.Pump();
    iScreen.Ui().iMessages.clear();
    pane->SetSelectRadioBtnBy(6);
    EXPECT_EQ(Selected(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(pane->GetSelectRadioBtnCmdID(), 6);
    pane->SetSelectRadioBtnBy(9);
    EXPECT_EQ(Selected(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(pane->GetSelectRadioBtnCmdID(), -1);
    EXPECT_EQ(CZuEnv::MsgProcessor()->GetQueueCount(), 0);
}

TEST_F(PaneTest, OnlyRadioChildrenBelongToTheGroup)
{
    CZuPane* pane = MakePane(CZuRect(10, 10, 200, 110));
    AddRadios(pane);
    CZuCheckButton* check = new CZuCheckButton(pane);
    check->Set(6, CZuString("朗读"), nullptr, false);
    check->SetSelected(true);
    EXPECT_EQ(pane->GetSelectRadioBtnCmdID(), -1);
    pane->SetSelectRadioBtnBy(5);
    EXPECT_TRUE(check->GetSelected());
    EXPECT_EQ(pane->GetSelectRadioBtnCmdID(), 5);
}

TEST_F(PaneTest, ClickingARadioChoosesItAloneAndTellsTheScreenOnce)
{
    CZuPane* pane = MakePane(CZuRect(10, 10, 200, 110));
    AddRadios(pane);
    pane->SetSelectRadioBtnBy(5);
    ClickOn(iRadios[2]);
    EXPECT_EQ(Selected(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(Choices(), std::vector<unsigned>{7});
    // A second click on the chosen one keeps it chosen: a group always has its choice.
    ClickOn(iRadios[2]);
    EXPECT_EQ(Selected(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(Choices(), (std::vector<unsigned>{7, 7}));
    // Enter on the focused radio chooses it the same way.
    iRadios[0]->SetFocus(true);
    iRadios[0]->UpdateFocusTree();
    iScreen.Press(EZuKeyEnter);
    EXPECT_EQ(Selected(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(Choices(), (std::vector<unsigned>{7, 7, 5}));
}

TEST_F(PaneTest, AChoiceWithANonZeroSecondParameterChangesNothing)
{
    CZuPane* pane = MakePane(CZuRect(10, 10, 200, 110));
    AddRadios(pane);
    pane->SetSelectRadioBtnBy(5);
    iScreen.Pump();
    CZuMessage message(pane, EZuMsgButtonChosen, 7, 1);
    EXPECT_TRUE(pane->HandleMessage(&message));
    EXPECT_EQ(Selected(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(CZuEnv::MsgProcessor()->GetQueueCount(), 0);
    // Other messages are the control base's.
    CZuMessage other(pane, EZuMsgButtonClicked, 7, 0);
    EXPECT_FALSE(pane->HandleMessage(&other));
}

TEST_F(PaneTest, APaneDeletedWithAChoiceQueuedTakesTheChoiceWithIt)
{
    CZuPane* pane = MakePane(CZuRect(10, 10, 200, 110));
    AddRadios(pane);
    CZuPoint centre = iRadios[1]->Rect().Center();
    iScreen.Point(EZuPointerDown, centre.iX, centre.iY);
    iScreen.Point(EZuPointerUp, centre.iX, centre.iY);
    EXPECT_GT(CZuEnv::MsgProcessor()->GetQueueCount(), 0);
    iScreen.Client()->DeleteControl(pane);
    iRadios.clear();
    iScreen.Pump();
    EXPECT_TRUE(Choices().empty());
}

TEST_F(PaneTest, TheLayoutTakesTheInnerRectangleBelowAShownTitle)
{
    CZuPane* pane = MakePane(CZuRect(10, 10, 200, 110));
    pane->SetInnerSpace(4);
    const int band = pane->GetFont()->HeightInPixels() + 2;
    pane->SizeChanged();
    EXPECT_EQ(pane->GetLayout()->GetRect(), pane->InnerRect());
    // A title that is not shown takes no room.
    pane->SetText(CZuString("速度"));
    pane->SizeChanged();
    EXPECT_EQ(pane->GetLayout()->GetRect(), pane->InnerRect());
    pane->SetIsShowTitle(true);
    pane->SizeChanged();
    CZuRect below = pane->InnerRect();
    below.iTl.iY += band;
    EXPECT_EQ(pane->GetLayout()->GetRect(), below);
    // A pane lower than its title band gives the layout no height rather than a negative one.
    pane->SetRect(CZuRect(10, 10, 200, 16));
    pane->SizeChanged();
    EXPECT_EQ(pane->GetLayout()->GetRect().Height(), 0);
}

TEST_F(PaneTest, MinimumSizeIsTheLayoutsWithTheSpacesAndTheTitleBand)
{
    CZuPane* pane = MakePane(CZuRect(10, 10, 200, 110));
    pane->SetInnerSpace(1, 2, 3, 4);
    CZuControl* child = new CZuControl(pane, true, EZuCtrlLabel);
    child->SetPredefinedSize(CZuSize(50, 20));
    pane->GetLayout()->AppendRow(child, 0, 0);
    EXPECT_EQ(pane->GetMinSize(), CZuSize(50 + 3 + 4, 20 + 1 + 2));
    pane->SetText(CZuString("速度"));
    pane->SetIsShowTitle(true);
    EXPECT_EQ(pane->GetMinSize(), CZuSize(50 + 3 + 4, 20 + 1 + 2 + pane->GetFont()->HeightInPixels() + 2));
}

TEST_F(PaneTest, APaneWithoutALayoutMeasuresSizesAndDraws)
{
    CZuPaneBase bare(iScreen.Client(), false, EZuCtrlPane);
    bare.SetInnerSpace(2, 3, 4, 5);
    EXPECT_EQ(bare.GetMinSize(), CZuSize(9, 5));
    bare.SetRect(CZuRect(0, 0, 60, 40));
    bare.SizeChanged();
    bare.SetText(CZuString("标题"));
    bare.SetIsShowTitle(true);
    bare.SetShowPaneBorder(true);
    bare.SetShowPaneBg(true);
    DrawAlone(&bare);
    EXPECT_EQ(bare.GetMinSize(), CZuSize(9, 5 + bare.GetFont()->HeightInPixels() + 2));
}

TEST_F(PaneTest, WithoutATitleTheFramesTopLineRunsAtTheInnerTop)
{
    CZuPane* pane = MakePane(CZuRect(10, 10, 200, 110));
    pane->SetInnerSpace(6);
    pane->SetShowPaneBorder(true);
    pane->SetFrameColor(CZuRgb(0, 0, 200));
    DrawAlone(pane);
    const CZuRect inner = pane->InnerRect();
    const unsigned frame = 0x0000C8;
    // Left at inner left - 3, right at the last inner column + 3, bottom at the last inner row + 3.
    for (int x = inner.iTl.iX - 3; x <= inner.iBr.iX + 2; ++x)
    {
        ASSERT_EQ(iScreen.Pixel(x, inner.iTl.iY), frame) << x;
        ASSERT_EQ(iScreen.Pixel(x, inner.iBr.iY + 2), frame) << x;
    }
    for (int y = inner.iTl.iY; y <= inner.iBr.iY + 2; ++y)
    {
        ASSERT_EQ(iScreen.Pixel(inner.iTl.iX - 3, y), frame) << y;
        ASSERT_EQ(iScreen.Pixel(inner.iBr.iX + 2, y), frame) << y;
    }
    // Nothing above the top line.
    EXPECT_EQ(iScreen.Pixel(inner.iTl.iX + 10, inner.iTl.iY - 1), KWhite);
}

TEST_F(PaneTest, ATitleSitsInAGapOfTheFramesTopLineInTheForegroundColour)
{
    CZuPane* pane = MakePane(CZuRect(10, 10, 300, 110));
    pane->SetInnerSpace(6);
    pane->SetText(CZuString("朗读速度"));
    pane->SetIsShowTitle(true);
    pane->SetShowPaneBorder(true);
    pane->SetFrameColor(CZuRgb(0, 0, 200));
    pane->SetForeground(CZuRgb(0, 0, 0));
    pane->SetAlign(EAlignLeft);
    DrawAlone(pane);
    const CZuRect title = pane->TitleRect();
    const CZuRect inner = pane->InnerRect();
    const int h = pane->GetFont()->HeightInPixels();
    EXPECT_EQ(title.iTl.iX, inner.iTl.iX + h);
    EXPECT_EQ(title.Width(), pane->GetFont()->TextWidthInPixels(pane->GetText()) + 4);
    EXPECT_EQ(title.Height(), h + 2);
    const int line = (title.iTl.iY + title.iBr.iY) / 2;
    EXPECT_EQ(iScreen.Pixel(title.iTl.iX - 1, line), 0x0000C8u);
    EXPECT_EQ(iScreen.Pixel(title.iBr.iX, line), 0x0000C8u);
    int black = 0, frameInGap = 0;
    for (int y = title.iTl.iY; y < title.iBr.iY; ++y)
        for (int x = title.iTl.iX; x < title.iBr.iX; ++x)
        {
            black += iScreen.Pixel(x, y) == 0 ? 1 : 0;
            frameInGap += iScreen.Pixel(x, y) == 0x0000C8u ? 1 : 0;
        }
    EXPECT_GT(black, 10);
    EXPECT_EQ(frameInGap, 0);
}

TEST_F(PaneTest, ATitleOnAFillOfThePanesColourIsDrawnInTheForegroundColour)
{
    CZuPane* pane = MakePane(CZuRect(10, 10, 300, 110));
    pane->SetText(CZuString("朗读速度"));
    pane->SetIsShowTitle(true);
    pane->SetShowPaneBg(true);
    pane->SetPaneColor(CZuRgb(230, 240, 250));
    pane->SetForeground(CZuRgb(200, 0, 0));
    DrawAlone(pane);
    const CZuRect title = pane->TitleRect();
    int red = 0;
    for (int y = title.iTl.iY; y < title.iBr.iY; ++y)
        for (int x = title.iTl.iX; x < title.iBr.iX; ++x)
            red += iScreen.Pixel(x, y) == 0xC80000u ? 1 : 0;
    EXPECT_GT(red, 10);
    // At the left by default, a font height in; centred when asked.
    const CZuRect inner = pane->InnerRect();
    EXPECT_EQ(title.iTl.iX, inner.iTl.iX + pane->GetFont()->HeightInPixels());
    pane->SetAlign(EAlignCenter);
    DrawAlone(pane);
    const CZuRect centred = pane->TitleRect();
    EXPECT_LE(std::abs((centred.iTl.iX - inner.iTl.iX) - (inner.iBr.iX - centred.iBr.iX)), 1);
}

TEST_F(PaneTest, ATitleWiderThanThePaneIsKeptInsideIt)
{
    CZuPane* pane = MakePane(CZuRect(10, 10, 70, 60));
    pane->SetText(CZuString("一个比窗格宽得多的标题"));
    pane->SetIsShowTitle(true);
    pane->SetShowPaneBorder(true);
    for (TZuAlign align : {EAlignLeft, EAlignCenter, EAlignRight})
    {
        pane->SetAlign(align);
        DrawAlone(pane);
        const CZuRect title = pane->TitleRect();
        const CZuRect inner = pane->InnerRect();
        EXPECT_GE(title.iTl.iX, inner.iTl.iX) << align;
        EXPECT_LE(title.iBr.iX, inner.iBr.iX) << align;
        // Nothing drawn right of the pane.
        for (int y = 10; y < 60; ++y)
            ASSERT_EQ(iScreen.Pixel(75, y), KWhite) << align;
    }
}

TEST_F(PaneTest, ATitleIsDrawnWholeDescendersAndAll)
{
    CZuPane* pane = MakePane(CZuRect(10, 10, 300, 120));
    pane->SetText(CZuString("gjpqy"));
    pane->SetIsShowTitle(true);
    pane->SetForeground(CZuRgb(0, 0, 0));
    DrawAlone(pane);
    const CZuRect title = pane->TitleRect();
    ASSERT_FALSE(title.IsEmpty());
    // The same text drawn on its own in the title's rectangle, without any clip.
    CZuBitmapGc alone(CZuSize(320, 240));
    alone.SetDrawColor(CZuRgb(KWhite));
    alone.Clear();
    alone.UseFont(pane->GetFont());
    alone.SetDrawColor(CZuRgb(0, 0, 0));
    alone.DrawTextW(CZuString("gjpqy"), title, EAlignCenter, 0, 0);
    alone.DiscardFont();
    int lowestInk = -1;
    for (int y = title.iTl.iY; y < title.iBr.iY + 6; ++y)
    {
        for (int x = title.iTl.iX; x < title.iBr.iX; ++x)
        {
            if (PixelAt(alone, x, y) != KWhite)
                lowestInk = y;
        }
    }
    ASSERT_GT(lowestInk, title.iTl.iY);
    for (int y = title.iTl.iY; y <= lowestInk; ++y)
    {
        for (int x = title.iTl.iX; x < title.iBr.iX; ++x)
        {
            if (PixelAt(alone, x, y) != KWhite)
            {
                ASSERT_EQ(PixelAt(iScreen.Gc(), x, y), PixelAt(alone, x, y)) << x << "," << y;
            }
        }
    }
}
