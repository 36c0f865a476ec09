#include "TestScreen.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
CZuString16 Utf16(const CZuString& text)
{
    CZuString16 units;
    ConvertUtf8ToUnicode(text.PtrZ(), text.Length(), units);
    return units;
}

// Check and radio buttons on the test screen's client pane.
class ToggleButtonTest : public ::testing::Test
{
protected:
    template <typename T> T* Make(int command, const char* text, int top)
    {
        T* button = new T(iScreen.Client());
        button->Set(command, CZuString(text), nullptr, false);
        button->SetRect(CZuRect(10, top, 200, top + 24));
        return button;
    }
    void ClickOn(CZuControl* control)
    {
        CZuPoint centre = control->Rect().Center();
        iScreen.Click(centre.iX, centre.iY);
    }

    CTestScreen iScreen;
    CMessageLog iLog;
};
} // namespace

TEST_F(ToggleButtonTest, CheckAndRadioButtonsAreCentredControlsOfTheirTypes)
{
    CZuCheckButton check(nullptr);
    CZuRadioButton radio(nullptr);
    EXPECT_EQ(check.GetType(), EZuCtrlCheckButton);
    EXPECT_EQ(radio.GetType(), EZuCtrlRadioButton);
    EXPECT_EQ(check.GetAlign(), EAlignCenter);
    EXPECT_FALSE(check.GetSelected());
    check.SetType(CZuToggleButton::ETypeImage);
    EXPECT_EQ(check.GetContentType(), CZuToggleButton::ETypeImage);
}

TEST_F(ToggleButtonTest, ACheckButtonTogglesOnEveryClickAndReportsItsCommand)
{
    CZuCheckButton* check = Make<CZuCheckButton>(31, "Speak words", 10);
    check->SetMsgWnd(&iLog, 0);
    ClickOn(check);
    EXPECT_TRUE(check->GetSelected());
    ClickOn(check);
    EXPECT_FALSE(check->GetSelected());
    ASSERT_EQ(iLog.Count(EZuMsgButtonClicked), 2);
    EXPECT_EQ(iLog.iGot[0].iParam1, 31u);
    EXPECT_EQ(iLog.iGot[0].iParam2, 0u);
    // Enter on the focused check button toggles it too.
    EXPECT_TRUE(check->IsFocused());
    iScreen.Press(EZuKeyEnter);
    EXPECT_TRUE(check->GetSelected());
    EXPECT_EQ(iLog.Count(EZuMsgButtonClicked), 3);
}

TEST_F(ToggleButtonTest, WithAMessageTypeACheckButtonStillSendsZeroInParam2)
{
    CZuCheckButton* check = Make<CZuCheckButton>(31, "Speak words", 10);
    check->SetMsgWnd(&iLog, 44);
    ClickOn(check);
    ASSERT_EQ(iLog.iGot.size(), 1u);
    EXPECT_EQ(iLog.iGot[0].iType, 44u);
    EXPECT_EQ(iLog.iGot[0].iParam2, 0u);
}

TEST_F(ToggleButtonTest, ARadioButtonOutsideAPaneIsClearedByASecondClick)
{
    CZuRadioButton* radio = Make<CZuRadioButton>(7, "Slide", 10);
    ClickOn(radio);
    EXPECT_TRUE(radio->GetSelected());
    ClickOn(radio);
    EXPECT_FALSE(radio->GetSelected());
    // Without a receiver or a pane the screen gets message 20, param2 0.
    EXPECT_EQ(iScreen.UiCount(EZuMsgButtonChosen), 2);
}

TEST_F(ToggleButtonTest, ARadioButtonPostsMessage20ToItsReceiverOrItsMessageType)
{
    CZuRadioButton* radio = Make<CZuRadioButton>(7, "Slide", 10);
    radio->SetMsgWnd(&iLog, 0);
    ClickOn(radio);
    ASSERT_EQ(iLog.iGot.size(), 1u);
    EXPECT_EQ(iLog.iGot[0].iType, unsigned(EZuMsgButtonChosen));
    EXPECT_EQ(iLog.iGot[0].iParam1, 7u);
    EXPECT_EQ(iLog.iGot[0].iParam2, 0u);
    radio->SetMsgWnd(&iLog, 45);
    ClickOn(radio);
    ASSERT_EQ(iLog.iGot.size(), 2u);
    EXPECT_EQ(iLog.iGot[1].iType, 45u);
}

TEST_F(ToggleButtonTest, ADisabledToggleButtonStaysAsItIs)
{
    CZuCheckButton* check = Make<CZuCheckButton>(31, "Speak words", 10);
    check->SetDisabled(true);
    ClickOn(check);
    check->SetState(EZuStateReleased);
    check->StateChanged();
    iScreen.Pump();
    EXPECT_FALSE(check->GetSelected());
    EXPECT_EQ(iScreen.UiCount(EZuMsgButtonClicked), 0);
}

TEST_F(ToggleButtonTest, MinimumSizeLeavesRoomForTheIndicator)
{
    CZuCheckButton* check = Make<CZuCheckButton>(31, "Speak words", 10);
    CZuFont* font = check->GetFont();
    const int a = font->HeightInPixels();
    const int textWidth = font->TextWidthInPixels(CZuString("Speak words"));
    EXPECT_EQ(check->GetMinSize(), CZuSize(textWidth * 12 / 10 + a * 3 / 2, a * 13 / 10));
    check->SetInnerSpace(1, 2, 3, 4);
    EXPECT_EQ(check->GetMinSize(), CZuSize(textWidth * 12 / 10 + 7 + a * 3 / 2, a * 13 / 10 + 3));
    check->SetPredefinedSize(CZuSize(0, 50));
    EXPECT_EQ(check->GetMinSize().iHeight, 50);
    check->SetPredefinedSize(CZuSize(120, 50));
    EXPECT_EQ(check->GetMinSize(), CZuSize(120, 50));
}

TEST_F(ToggleButtonTest, WithAWidthTheTextWrapsIntoLinesAsDrawn)
{
    const CZuString text("one two three four five six seven eight nine ten");
    CZuCheckButton* check = Make<CZuCheckButton>(31, text.PtrZ(), 10);
    CZuFont* font = check->GetFont();
    const int a = font->HeightInPixels();
    const int width = 120;
    check->SetPredefinedSize(CZuSize(width, 0));
    // Wrapped to the width the text gets when drawn: right of the indicator's 1.5 font heights.
    const int lines = CZuStrUtil::GetTextRowCount(Utf16(text), width - a * 3 / 2, font);
    ASSERT_GT(lines, 1);
    EXPECT_EQ(check->GetMinSize(), CZuSize(width, lines * a + a * (lines + 2) / 5));
    // An empty text takes no lines.
    check->SetText(CZuString());
    EXPECT_EQ(check->GetMinSize(), CZuSize(width, 2 * a / 5));
}

TEST_F(ToggleButtonTest, TheCheckMarkStaysInsideTheBox)
{
    CZuCheckButton* check = Make<CZuCheckButton>(31, "Speak words", 10);
    check->SetForeground(CZuRgb(0, 0, 0));
    CZuBitmapGc& gc = iScreen.Gc();
    const int a = check->GetFont()->HeightInPixels();
    const CZuRect box(10 + a / 4 + 2, 10 + (24 - a) / 2 + 2, 10 + a / 4 + a - 2, 10 + (24 - a) / 2 + a - 2);
    auto inkInside = [&](bool inside)
    {
        int count = 0;
        CZuRect area = box;
        area.Grow(-2, -2);
        for (int y = area.iTl.iY; y < area.iBr.iY; ++y)
            for (int x = area.iTl.iX; x < area.iBr.iX; ++x)
                count += (PixelAt(gc, x, y) == 0) == inside ? 1 : 0;
        return count;
    };
    gc.SetDrawColor(CZuRgb(0xFFFFFF));
    gc.Clear();
    check->DrawCtrl(gc, check->Rect());
    // The frame is drawn, the inside empty.
    EXPECT_EQ(PixelAt(gc, box.iTl.iX, box.iTl.iY + 3), 0u);
    EXPECT_EQ(PixelAt(gc, box.iTl.iX + 1, box.iTl.iY + 3), 0u);
    EXPECT_EQ(inkInside(true), 0);
    check->SetSelected(true);
    gc.SetDrawColor(CZuRgb(0xFFFFFF));
    gc.Clear();
    check->DrawCtrl(gc, check->Rect());
    EXPECT_GT(inkInside(true), 4);
    // Nothing of the mark outside the frame: left of the box and above it stays white.
    for (int y = 0; y < box.iTl.iY; ++y)
        for (int x = box.iTl.iX; x < box.iBr.iX; ++x)
            ASSERT_EQ(PixelAt(gc, x, y), 0xFFFFFFu) << x << "," << y;
}

TEST_F(ToggleButtonTest, TinyCheckBoxesDrawTheirMarkInsideOrNotAtAll)
{
    // The indicator drawn into squares from nothing to a few pixels, as a very small font gives them:
    // every size ends, and no ink falls outside the square and the focus ring around it.
    class CExposedCheck : public CZuCheckButton
    {
    public:
        using CZuCheckButton::CZuCheckButton;
        using CZuCheckButton::DrawIndicator;
    };
    auto* check = new CExposedCheck(iScreen.Client());
    check->SetForeground(CZuRgb(0, 0, 0));
    check->SetSelected(true);
    CZuBitmapGc& gc = iScreen.Gc();
    for (int size = 0; size <= 12; ++size)
    {
        gc.SetDrawColor(CZuRgb(0xFFFFFF));
        gc.Clear();
        const CZuRect square(20, 20, 20 + size, 20 + size);
        check->DrawIndicator(gc, square);
        CZuRect ring = square;
        ring.Grow(1, 1);
        for (int y = 10; y < 40; ++y)
            for (int x = 10; x < 40; ++x)
                if (!ring.Contains(CZuPoint(x, y)))
                    ASSERT_EQ(PixelAt(gc, x, y), 0xFFFFFFu) << "size " << size << " at " << x << "," << y;
    }
    // From a size with room for it inside the frame, the mark is drawn.
    gc.SetDrawColor(CZuRgb(0xFFFFFF));
    gc.Clear();
    check->DrawIndicator(gc, CZuRect(20, 20, 32, 32));
    int inside = 0;
    for (int y = 23; y < 29; ++y)
        for (int x = 23; x < 29; ++x)
            inside += PixelAt(gc, x, y) == 0 ? 1 : 0;
    EXPECT_GT(inside, 0);
}

TEST_F(ToggleButtonTest, ASelectedRadioButtonShowsADotInTheFocusColour)
{
    CZuRadioButton* radio = Make<CZuRadioButton>(7, "Slide", 10);
    radio->SetBgFocusedColor(CZuRgb(200, 0, 0));
    const int a = radio->GetFont()->HeightInPixels();
    const CZuPoint centre(10 + a / 4 + a / 2, 10 + (24 - a) / 2 + a / 2);
    CZuBitmapGc& gc = iScreen.Gc();
    gc.SetDrawColor(CZuRgb(0xFFFFFF));
    gc.Clear();
    radio->DrawCtrl(gc, radio->Rect());
    EXPECT_EQ(PixelAt(gc, centre.iX, centre.iY), 0xFFFFFFu);
    radio->SetSelected(true);
    radio->DrawCtrl(gc, radio->Rect());
    EXPECT_EQ(PixelAt(gc, centre.iX, centre.iY), 0xC80000u);
}

TEST_F(ToggleButtonTest, AnEmptyTextButtonDrawsNothing)
{
    CZuRadioButton* radio = Make<CZuRadioButton>(7, "", 10);
    CZuBitmapGc& gc = iScreen.Gc();
    gc.SetDrawColor(CZuRgb(0xFFFFFF));
    gc.Clear();
    radio->DrawCtrl(gc, radio->Rect());
    for (int y = 10; y < 34; ++y)
        for (int x = 10; x < 60; ++x)
            ASSERT_EQ(PixelAt(gc, x, y), 0xFFFFFFu);
}

namespace
{
// The rows from first to last (inclusive) that hold ink in the columns [left, right) of gc, where ink is any
// pixel that is not white; first is -1 without any.
void InkRows(CZuBitmapGc& gc, int left, int right, int height, int& first, int& last)
{
    first = last = -1;
    for (int y = 0; y < height; ++y)
        for (int x = left; x < right; ++x)
            if (PixelAt(gc, x, y) != 0xFFFFFFu)
            {
                if (first < 0)
                    first = y;
                last = y;
            }
}
} // namespace

TEST_F(ToggleButtonTest, AFocusedCheckBoxHasAThickerFrameAsARadioRingIs)
{
    CZuCheckButton* check = Make<CZuCheckButton>(31, "Speak words", 10);
    check->SetForeground(CZuRgb(0, 0, 0));
    CZuBitmapGc& gc = iScreen.Gc();
    const int a = check->GetFont()->HeightInPixels();
    const CZuPoint outside(10 + a / 4 + 1, 10 + (24 - a) / 2 + 1 + a / 2);
    for (TZuControlState state : {EZuStateNormal, EZuStateFocused, EZuStatePressed})
    {
        gc.SetDrawColor(CZuRgb(0xFFFFFF));
        gc.Clear();
        check->SetState(state);
        check->DrawCtrl(gc, check->Rect());
        // One pixel outside the two-pixel frame, on its left side.
        EXPECT_EQ(PixelAt(gc, outside.iX, outside.iY), state == EZuStateNormal ? 0xFFFFFFu : 0u) << state;
    }
}

TEST_F(ToggleButtonTest, ASingleLineOfTextIsCentredOnTheIndicator)
{
    CZuCheckButton* check = Make<CZuCheckButton>(31, "口口", 10);
    check->SetForeground(CZuRgb(0, 0, 0));
    check->SetRect(CZuRect(10, 10, 200, 50));
    CZuBitmapGc& gc = iScreen.Gc();
    gc.SetDrawColor(CZuRgb(0xFFFFFF));
    gc.Clear();
    check->DrawCtrl(gc, check->Rect());
    const int a = check->GetFont()->HeightInPixels();
    int boxTop, boxBottom, textTop, textBottom;
    InkRows(gc, 10, 10 + a * 5 / 4, 60, boxTop, boxBottom);
    InkRows(gc, 10 + a * 3 / 2, 200, 60, textTop, textBottom);
    ASSERT_GE(boxTop, 0);
    ASSERT_GE(textTop, 0);
    // The square glyphs and the box share their middle within a pixel.
    EXPECT_LE(std::abs((boxTop + boxBottom) - (textTop + textBottom)), 2)
        << boxTop << "-" << boxBottom << " " << textTop << "-" << textBottom;
}

TEST_F(ToggleButtonTest, ADisabledToggleButtonDrawsItsIndicatorAndTextDimmed)
{
    CZuCheckButton* check = Make<CZuCheckButton>(31, "Speak words", 10);
    check->SetForeground(CZuRgb(0, 0, 0));
    check->SetDisabled(true);
    CZuBitmapGc& gc = iScreen.Gc();
    gc.SetDrawColor(CZuRgb(0xFFFFFF));
    gc.Clear();
    check->DrawCtrl(gc, check->Rect());
    const int a = check->GetFont()->HeightInPixels();
    const unsigned dimmed = Rgb(CZuDrawUtil::Dimmed(CZuRgb(0, 0, 0)));
    EXPECT_NE(dimmed, 0u);
    // The frame's left column, in the dimmed ink; nothing anywhere in full black.
    EXPECT_EQ(PixelAt(gc, 10 + a / 4 + 2, 10 + 12), dimmed);
    for (int y = 10; y < 34; ++y)
        for (int x = 10; x < 200; ++x)
            ASSERT_NE(PixelAt(gc, x, y), 0u) << x << "," << y;
}
