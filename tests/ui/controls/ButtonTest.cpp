#include "TestScreen.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
const int KCommand = 24845;

// A button on the test screen's client pane, focused, posting to a log.
class ButtonTest : public ::testing::Test
{
protected:
    ButtonTest()
    {
        iButton = new CZuButton(iScreen.Client());
        iButton->Set(KCommand, CZuString("Next"), nullptr, false);
        iButton->SetRect(CZuRect(20, 20, 100, 50));
        iButton->SetMsgWnd(&iLog, 0);
        iButton->SetFocus(true);
    }
    int Clicks() const { return iLog.Count(EZuMsgButtonClicked); }

    CTestScreen iScreen;
    CMessageLog iLog;
    CZuButton* iButton;
};
} // namespace

TEST_F(ButtonTest, AButtonIsACentredGradientButtonWithRoundCorners)
{
    CZuButton button(nullptr);
    EXPECT_EQ(button.GetType(), EZuCtrlButton);
    EXPECT_EQ(button.GetAlign(), EAlignCenter);
    EXPECT_EQ(button.GetBtnUiStyle(), EZuBtnStyleGradient);
    EXPECT_EQ(button.GetBtnType(), EZuBtnText);
    const CZuMargin& inner = button.InnerMargin();
    EXPECT_EQ(inner.iTop, 3);
    EXPECT_EQ(inner.iBottom, 3);
    EXPECT_EQ(inner.iLeft, 5);
    EXPECT_EQ(inner.iRight, 5);
    EXPECT_EQ(button.RoundCornerSizeTr(), 4);
    EXPECT_EQ(button.GetBorderType(), EZuBorderLine3);
    button.SetCommand(77);
    EXPECT_EQ(button.GetCommand(), 77);
    EXPECT_EQ(button.GetID(), 77);
}

TEST_F(ButtonTest, EachLookSetsItsBorderAndTheFlatLookDropsTheInnerSpaces)
{
    iButton->SetBtnUiStyle(EZuBtnStyleFlat);
    EXPECT_EQ(iButton->GetBorderType(), EZuBorderNone);
    EXPECT_EQ(iButton->InnerMargin().iLeft, 0);
    EXPECT_EQ(iButton->InnerMargin().iTop, 0);
    for (TZuButtonUiStyle style : {EZuBtnStyleFrame, EZuBtnStylePlain, EZuBtnStyleImages, EZuBtnStyleHexagon})
    {
        iButton->SetBorderType(EZuBorderLine);
        iButton->SetBtnUiStyle(style);
        EXPECT_EQ(iButton->GetBorderType(), EZuBorderNone) << style;
    }
    // Any other look keeps what it has.
    iButton->SetBorderType(EZuBorderLine);
    iButton->SetBtnUiStyle(TZuButtonUiStyle(9));
    EXPECT_EQ(iButton->GetBorderType(), EZuBorderLine);
    EXPECT_EQ(iButton->GetBtnUiStyle(), 9);
}

TEST_F(ButtonTest, TextButtonMeasuresItsTextWithRoomAround)
{
    CZuFont* font = iButton->GetFont();
    const int textWidth = font->TextWidthInPixels(CZuString("Next"));
    const int height = font->HeightInPixels();
    // 1.2 times the text, 1.3 times the font, the inner spaces 5 + 5 and 3 + 3.
    EXPECT_EQ(iButton->GetMinSize(), CZuSize(textWidth * 12 / 10 + 10, height * 13 / 10 + 6));
    iButton->SetBtnUiStyle(EZuBtnStyleHexagon);
    CZuSize hexagon = iButton->GetMinSize();
    EXPECT_EQ(hexagon.iWidth, textWidth * 12 / 10 + 10 + hexagon.iHeight);
    iButton->SetBtnUiStyle(EZuBtnStyleFlat);
    EXPECT_EQ(iButton->GetMinSize(), CZuSize(textWidth * 12 / 10 + height * 3 / 2, height * 13 / 10));
    iButton->SetPredefinedSize(CZuSize(0, 40));
    EXPECT_EQ(iButton->GetMinSize().iHeight, 40);
    iButton->SetPredefinedSize(CZuSize(90, 40));
    EXPECT_EQ(iButton->GetMinSize(), CZuSize(90, 40));
}

TEST_F(ButtonTest, MissingAndUnloadedImagesMeasureNothing)
{
    iButton->SetBtnType(EZuBtnImage);
    EXPECT_EQ(iButton->GetMinSize(), CZuSize(10, 6));
    // A file that does not exist leaves an image without pixels.
    iButton->SetImg(CZuString("/nonexistent/picture.png"));
    EXPECT_EQ(iButton->GetMinSize(), CZuSize(10, 6));
    iButton->SetImg(SolidImage(30, 20, 0xFF0000), true);
    EXPECT_EQ(iButton->GetMinSize(), CZuSize(40, 26));
    // The normal look's picture, when it has one, gives the size.
    iButton->SetNormalImg(SolidImage(50, 30, 0x00FF00), true);
    EXPECT_EQ(iButton->GetMinSize(), CZuSize(60, 36));
    iButton->SetBtnUiStyle(EZuBtnStyleImages);
    EXPECT_EQ(iButton->GetMinSize(), CZuSize(50, 30));
}

TEST_F(ButtonTest, ImageAndTextButtonsHoldBothWhole)
{
    CZuFont* font = iButton->GetFont();
    const int textWidth = font->TextWidthInPixels(CZuString("Next"));
    iButton->SetImg(SolidImage(20, 40, 0xFF0000), true);
    iButton->SetBtnType(EZuBtnImageText);
    // Side by side with 4 between; as high as the taller of the two.
    EXPECT_EQ(iButton->GetMinSize(), CZuSize(textWidth + 20 + 4 + 10, 40 + 6));
    iButton->SetBtnType(EZuBtnImageOverText);
    // Stacked; as wide as the wider of the two.
    EXPECT_EQ(iButton->GetMinSize(), CZuSize(std::max(20, textWidth) + 10, font->HeightInPixels() + 40 + 6));
}

TEST_F(ButtonTest, EnterPressedAndReleasedPostsTheCommandOnce)
{
    EXPECT_TRUE(iButton->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventDown));
    EXPECT_EQ(iButton->GetState(), EZuStatePressed);
    iScreen.Pump();
    EXPECT_EQ(Clicks(), 0);
    EXPECT_TRUE(iButton->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventUp));
    EXPECT_EQ(iButton->GetState(), EZuStateFocused);
    iScreen.Pump();
    ASSERT_EQ(Clicks(), 1);
    EXPECT_EQ(iLog.iGot[0].iParam1, uintptr_t(KCommand));
    EXPECT_EQ(iLog.iGot[0].iParam2, 0u);
}

TEST_F(ButtonTest, EnterThroughTheUiManagerClicksTheFocusedButton)
{
    iScreen.Press(EZuKeyEnter);
    EXPECT_EQ(Clicks(), 1);
    EXPECT_EQ(iButton->GetState(), EZuStateFocused);
}

TEST_F(ButtonTest, AKeyUpWithoutItsKeyDownDoesNothing)
{
    EXPECT_TRUE(iButton->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventUp));
    iScreen.Pump();
    EXPECT_EQ(Clicks(), 0);
    EXPECT_EQ(iButton->GetState(), EZuStateFocused);
    // Pressed, then the press taken away (the focus moved): the release clicks nothing either.
    iButton->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventDown);
    iButton->SetState(EZuStateDefaultFocus);
    iButton->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventUp);
    iScreen.Pump();
    EXPECT_EQ(Clicks(), 0);
}

TEST_F(ButtonTest, OnlyEnterKeyDownAndUpCount)
{
    EXPECT_FALSE(iButton->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventKey));
    EXPECT_FALSE(iButton->HandleKeyEvent(KeyEvent(EZuKeySpace), EZuKeyEventDown));
    // A typed carriage return is a character, not the Enter key.
    EXPECT_FALSE(iButton->HandleKeyEvent(KeyEvent(EZuKeyEnter, true), EZuKeyEventDown));
    EXPECT_EQ(iButton->GetState(), EZuStateFocused);
}

TEST_F(ButtonTest, ADisabledButtonTakesNoStateAndPostsNothing)
{
    iButton->SetDisabled(true);
    EXPECT_FALSE(iButton->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventDown));
    EXPECT_FALSE(iButton->HandleKeyEvent(KeyEvent(EZuKeyEnter), EZuKeyEventUp));
    EXPECT_EQ(iButton->GetState(), EZuStateFocused);
    EXPECT_FALSE(iButton->HandlePointerEventL(PointerEvent(EZuPointerDown, 30, 30)));
    EXPECT_FALSE(iButton->HandlePointerEventL(PointerEvent(EZuPointerUp, 30, 30)));
    // Even a state set from outside posts nothing.
    iButton->SetState(EZuStateReleased);
    iButton->StateChanged();
    iScreen.Pump();
    EXPECT_EQ(Clicks(), 0);
}

TEST_F(ButtonTest, PressAndReleaseByPointerClicks)
{
    iButton->SetState(EZuStateNormal);
    EXPECT_TRUE(iButton->HandlePointerEventL(PointerEvent(EZuPointerDown, 30, 30)));
    EXPECT_EQ(iButton->GetState(), EZuStatePressed);
    EXPECT_TRUE(iButton->HandlePointerEventL(PointerEvent(EZuPointerUp, 30, 30)));
    EXPECT_EQ(iButton->GetState(), EZuStateFocused);
    iScreen.Pump();
    EXPECT_EQ(Clicks(), 1);
}

TEST_F(ButtonTest, PressDragOutAndReleaseOutsideIsNoClick)
{
    iButton->HandlePointerEventL(PointerEvent(EZuPointerMove, 30, 30));
    iButton->HandlePointerEventL(PointerEvent(EZuPointerDown, 30, 30));
    EXPECT_TRUE(iButton->HandlePointerEventL(PointerEvent(EZuPointerDrag, 150, 30)));
    // Back to what it was before the pointer came.
    EXPECT_EQ(iButton->GetState(), EZuStateFocused);
    EXPECT_FALSE(iButton->HandlePointerEventL(PointerEvent(EZuPointerUp, 150, 30)));
    iScreen.Pump();
    EXPECT_EQ(Clicks(), 0);
    // A later release over the button belongs to no press of its own.
    EXPECT_FALSE(iButton->HandlePointerEventL(PointerEvent(EZuPointerUp, 30, 30)));
    iScreen.Pump();
    EXPECT_EQ(Clicks(), 0);
}

TEST_F(ButtonTest, DraggedOutAndBackTheReleaseStillClicks)
{
    iButton->HandlePointerEventL(PointerEvent(EZuPointerDown, 30, 30));
    iButton->HandlePointerEventL(PointerEvent(EZuPointerDrag, 150, 30));
    EXPECT_TRUE(iButton->HandlePointerEventL(PointerEvent(EZuPointerDrag, 40, 30)));
    EXPECT_EQ(iButton->GetState(), EZuStatePressed);
    iButton->HandlePointerEventL(PointerEvent(EZuPointerUp, 40, 30));
    iScreen.Pump();
    EXPECT_EQ(Clicks(), 1);
}

TEST_F(ButtonTest, ADragThatBeganElsewhereDoesNotPress)
{
    iButton->SetState(EZuStateNormal);
    EXPECT_FALSE(iButton->HandlePointerEventL(PointerEvent(EZuPointerDrag, 30, 30)));
    EXPECT_EQ(iButton->GetState(), EZuStateNormal);
    EXPECT_FALSE(iButton->HandlePointerEventL(PointerEvent(EZuPointerUp, 30, 30)));
    iScreen.Pump();
    EXPECT_EQ(Clicks(), 0);
}

TEST_F(ButtonTest, ThePressThatClosesAMenuDoesNotClickTheButtonBelow)
{
    CZuView* view = new CZuView(&iScreen.Ui());
    view->SetViewId(1);
    view->CreateMenu()->AddMenu();
    iScreen.Ui().AddViewL(view);
    // Without a container the view is not pushed; the menu needs only a current view.
    iScreen.Ui().ActivateViewL(1);
    ASSERT_TRUE(iScreen.Ui().ShowMenu());
    ASSERT_TRUE(iScreen.Ui().IsShowMenu());
    iScreen.Point(EZuPointerDown, 30, 30);
    EXPECT_FALSE(iScreen.Ui().IsShowMenu());
    iScreen.Point(EZuPointerUp, 30, 30);
    iScreen.Pump();
    EXPECT_EQ(Clicks(), 0);
    // The next full click does click.
    iScreen.Click(30, 30);
    EXPECT_EQ(Clicks(), 1);
}

TEST_F(ButtonTest, WithAMessageTypeTheButtonNamesItself)
{
    iButton->SetMsgWnd(&iLog, 40);
    iScreen.Press(EZuKeyEnter);
    ASSERT_EQ(iLog.iGot.size(), 1u);
    EXPECT_EQ(iLog.iGot[0].iType, 40u);
    EXPECT_EQ(iLog.iGot[0].iParam1, uintptr_t(KCommand));
    EXPECT_EQ(CZuMessage::ParamObject<CZuButton>(iLog.iGot[0].iParam2), iButton);
}

TEST_F(ButtonTest, WithoutAReceiverTheParentDecidesTheMessage)
{
    struct TCase
    {
        TZuControlType iParentType;
        int iCommand;
        unsigned iExpected;
    };
    const TCase cases[] = {{EZuCtrlButtonGroup, 5, EZuMsgButtonClicked},
                           {EZuCtrlTabGroup, 5, EZuMsgTabClicked},
                           {EZuCtrlCba, 5, EZuMsgCommand},
                           {EZuCtrlCba, EZuCmdMenu, EZuMsgShowMenu},
                           {EZuCtrlPane, 5, EZuMsgButtonClicked}};
    for (const TCase& c : cases)
    {
        CZuControl* parent = new CZuControl(iScreen.Client(), true, c.iParentType);
        CZuButton* button = new CZuButton(parent);
        button->SetCommand(c.iCommand);
        iScreen.Pump();
        iScreen.Ui().iMessages.clear();
        iScreen.Ui().iParams.clear();
        CZuButton::PostClick(button, c.iCommand, 0);
        iScreen.Pump();
        ASSERT_EQ(iScreen.Ui().iMessages.size(), 1u) << c.iParentType;
        EXPECT_EQ(iScreen.Ui().iMessages[0], c.iExpected) << c.iParentType;
        EXPECT_EQ(iScreen.Ui().iParams[0], uintptr_t(c.iCommand));
        iScreen.Client()->DeleteControl(parent);
    }
}

TEST_F(ButtonTest, AListDisablesItsPageButtons)
{
    EXPECT_TRUE(iButton->SetPrevPgStatus(nullptr, true));
    EXPECT_TRUE(iButton->IsDisabled());
    EXPECT_FALSE(iButton->SetNextPgStatus(nullptr, false));
    EXPECT_FALSE(iButton->IsDisabled());
}

TEST_F(ButtonTest, OwnedImagesAreHandedBackAndOthersAreLeftAlone)
{
    CZuImageManager* images = CZuEnv::ImageMgr();
    const std::vector<char>& bmp = RedGreenBmp();
    const char* data = bmp.data();
    CZuImage* shared = images->GetImage(CZuString("shared.bmp"), false, data, int(bmp.size()));
    ASSERT_NE(shared, nullptr);
    images->GetImage(CZuString("shared.bmp"), false, nullptr, 0);
    iButton->SetImg(shared, true);
    iButton->SetNormalImg(shared, false);
    EXPECT_EQ(images->GetImageCount(), 1);
    // Replaced: the owned reference goes back; the other one stays with the manager.
    iButton->SetImg(SolidImage(4, 4, 0), true);
    EXPECT_EQ(images->GetImageCount(), 1);
    iScreen.Client()->DeleteControl(iButton);
    EXPECT_EQ(images->GetImageCount(), 1);
    images->ReleaseImage(shared);
    EXPECT_EQ(images->GetImageCount(), 0);
}

TEST_F(ButtonTest, AnEmptyTextButtonDrawsNothingAndStillClicks)
{
    CZuBitmapGc gc(CZuSize(120, 70));
    gc.SetDrawColor(CZuRgb(0xFFFFFF));
    gc.Clear();
    iButton->SetText(CZuString());
    iButton->SetBorderType(EZuBorderNone);
    iButton->DrawCtrl(gc, iButton->Rect());
    for (int y = 0; y < 70; y += 3)
        for (int x = 0; x < 120; x += 3)
            ASSERT_EQ(PixelAt(gc, x, y), 0xFFFFFFu) << x << "," << y;
    iScreen.Press(EZuKeyEnter);
    EXPECT_EQ(Clicks(), 1);
}

TEST_F(ButtonTest, TheGradientLookRunsFromTheFirstColourToTheSecondAndGreysWhenDisabled)
{
    CZuBitmapGc gc(CZuSize(120, 70));
    iButton->SetState(EZuStateNormal);
    iButton->SetText(CZuString(" "));
    iButton->SetNormalColor(CZuRgb(255, 0, 0), CZuRgb(0, 0, 255));
    iButton->SetDisableColor(CZuRgb(0, 200, 0), CZuRgb(0, 200, 0));
    iButton->DrawCtrl(gc, iButton->Rect());
    unsigned top = PixelAt(gc, 60, 22);
    unsigned bottom = PixelAt(gc, 60, 47);
    EXPECT_GT(top >> 16, bottom >> 16);
    EXPECT_LT(top & 0xFF, bottom & 0xFF);
    iButton->SetDisabled(true);
    iButton->DrawCtrl(gc, iButton->Rect());
    EXPECT_EQ(PixelAt(gc, 60, 35), 0x00C800u);
}

TEST_F(ButtonTest, ADisabledButtonShowsItsImageGreyedAndAnEnabledOneInColour)
{
    CZuBitmapGc gc(CZuSize(120, 70));
    iButton->SetBtnType(EZuBtnImage);
    iButton->SetImg(SolidImage(20, 10, 0xFF0000), true);
    iButton->DrawCtrl(gc, iButton->Rect());
    EXPECT_EQ(PixelAt(gc, 60, 35), 0xFF0000u);
    iButton->SetDisabled(true);
    iButton->DrawCtrl(gc, iButton->Rect());
    const unsigned grey = PixelAt(gc, 60, 35);
    EXPECT_EQ(grey >> 16, (grey >> 8) & 0xFF);
    EXPECT_EQ(grey >> 16, grey & 0xFF);
    // The image itself is left as it was, and shows again in colour once enabled; a new image is dimmed
    // afresh.
    EXPECT_EQ(iButton->GetImg()->GetImgBuf()[2], 0xFF);
    iButton->SetDisabled(false);
    iButton->DrawCtrl(gc, iButton->Rect());
    EXPECT_EQ(PixelAt(gc, 60, 35), 0xFF0000u);
    iButton->SetImg(SolidImage(20, 10, 0x0000FF), true);
    iButton->SetDisabled(true);
    iButton->DrawCtrl(gc, iButton->Rect());
    EXPECT_NE(PixelAt(gc, 60, 35), grey);
}

TEST_F(ButtonTest, EveryLookAndStateDrawsWithinTheButton)
{
    CZuBitmapGc gc(CZuSize(120, 70));
    iButton->SetImg(SolidImage(8, 8, 0x123456), true);
    for (int style = 0; style <= 6; ++style)
    {
        for (TZuButtonType type : {EZuBtnText, EZuBtnImage, EZuBtnImageText, EZuBtnImageOverText})
        {
            for (int state = EZuStateNormal; state <= EZuStateFocused; ++state)
            {
                gc.SetDrawColor(CZuRgb(0xFFFFFF));
                gc.Clear();
                iButton->SetBtnUiStyle(TZuButtonUiStyle(style));
                iButton->SetBtnType(type);
                iButton->SetState(TZuControlState(state));
                iButton->SetRoundCornerSize(0);
                iButton->DrawCtrl(gc, iButton->Rect());
                // Nothing outside the button's rectangle, rows 20 to 49 and columns 20 to 99.
                for (int x = 0; x < 120; ++x)
                {
                    ASSERT_EQ(PixelAt(gc, x, 19), 0xFFFFFFu) << style << " " << type << " " << state;
                    ASSERT_EQ(PixelAt(gc, x, 50), 0xFFFFFFu) << style << " " << type << " " << state;
                }
                for (int y = 0; y < 70; ++y)
                {
                    ASSERT_EQ(PixelAt(gc, 19, y), 0xFFFFFFu) << style << " " << type << " " << state;
                    ASSERT_EQ(PixelAt(gc, 100, y), 0xFFFFFFu) << style << " " << type << " " << state;
                }
            }
        }
    }
}

TEST_F(ButtonTest, AButtonWithoutAreaDrawsNothing)
{
    CZuBitmapGc gc(CZuSize(60, 60));
    gc.SetDrawColor(CZuRgb(0xFFFFFF));
    gc.Clear();
    iButton->SetBorderType(EZuBorderNone);
    iButton->SetRect(CZuRect(10, 10, 10, 40));
    iButton->Draw(gc, iButton->Rect());
    EXPECT_EQ(PixelAt(gc, 10, 20), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(gc, 20, 20), 0xFFFFFFu);
}

namespace
{
int Brightness(unsigned rgb)
{
    return (299 * int(rgb >> 16) + 587 * int((rgb >> 8) & 0xFF) + 114 * int(rgb & 0xFF)) / 1000;
}

// The darkest and the brightest pixel inside rect.
void BrightnessRange(CZuBitmapGc& gc, const CZuRect& rect, int& darkest, int& brightest)
{
    darkest = 255;
    brightest = 0;
    for (int y = rect.iTl.iY; y < rect.iBr.iY; ++y)
        for (int x = rect.iTl.iX; x < rect.iBr.iX; ++x)
        {
            int value = Brightness(PixelAt(gc, x, y));
            darkest = std::min(darkest, value);
            brightest = std::max(brightest, value);
        }
}
} // namespace

TEST_F(ButtonTest, ACaptionOnALightFillOfItsLookTurnsDarkAndOnADarkOneKeepsItsColour)
{
    CZuBitmapGc gc(CZuSize(120, 70));
    iButton->SetBtnUiStyle(EZuBtnStyleFlat);
    iButton->SetInnerSpace(0);
    iButton->SetText(CZuString("口口"));
    iButton->SetForeground(CZuRgb(255, 255, 200));
    iButton->SetState(EZuStateFocused);
    int darkest, brightest;

    // A light focus colour: light text would hardly show on it.
    iButton->SetFocusedColor(CZuRgb(250, 182, 112), CZuRgb(250, 182, 112));
    iButton->DrawCtrl(gc, iButton->Rect());
    BrightnessRange(gc, iButton->Rect(), darkest, brightest);
    EXPECT_LT(darkest, 70);
    EXPECT_LE(brightest, Brightness(0xFAB670) + 1);

    // A dark one: the text keeps its own colour.
    iButton->SetFocusedColor(CZuRgb(30, 40, 110), CZuRgb(30, 40, 110));
    iButton->DrawCtrl(gc, iButton->Rect());
    BrightnessRange(gc, iButton->Rect(), darkest, brightest);
    EXPECT_GE(brightest, Brightness(0xFFFFC8) - 2);
    EXPECT_GE(darkest, Brightness(0x1E286E) - 1);
}

TEST_F(ButtonTest, ADisabledButtonOfAnyFillingLookIsGreyWithDimmedText)
{
    CZuBitmapGc gc(CZuSize(120, 70));
    iButton->SetText(CZuString("口口"));
    iButton->SetDisabled(true);
    for (int style : {int(EZuBtnStyleFlat), 9})
    {
        // A look takes the style record's colours: the test's own come after.
        iButton->SetBtnUiStyle(TZuButtonUiStyle(style));
        iButton->SetForeground(CZuRgb(255, 255, 255));
        iButton->SetDisableColor(CZuRgb(100, 100, 100), CZuRgb(100, 100, 100));
        iButton->SetState(EZuStateNormal);
        iButton->DrawCtrl(gc, iButton->Rect());
        EXPECT_EQ(PixelAt(gc, 22, 22), 0x646464u) << style;
        int darkest, brightest;
        BrightnessRange(gc, iButton->Rect(), darkest, brightest);
        // Halfway from the grey to white, not white itself.
        EXPECT_GT(brightest, 150) << style;
        EXPECT_LE(brightest, 178) << style;
    }
}

TEST_F(ButtonTest, ACaptionLongerThanTheButtonIsCutAtItsEdges)
{
    CZuBitmapGc gc(CZuSize(240, 70));
    iButton->SetBtnUiStyle(EZuBtnStylePlain);
    iButton->SetForeground(CZuRgb(0, 0, 0));
    iButton->SetText(CZuString("一个很长很长的按钮文字"));
    gc.SetDrawColor(CZuRgb(0xFFFFFF));
    gc.Clear();
    iButton->DrawCtrl(gc, iButton->Rect());
    int inside = 0;
    for (int y = 0; y < 70; ++y)
        for (int x = 0; x < 240; ++x)
        {
            const bool within = iButton->Rect().Contains(CZuPoint(x, y));
            const bool ink = PixelAt(gc, x, y) != 0xFFFFFFu;
            inside += within && ink ? 1 : 0;
            ASSERT_FALSE(ink && !within) << x << "," << y;
        }
    EXPECT_GT(inside, 20);
}
