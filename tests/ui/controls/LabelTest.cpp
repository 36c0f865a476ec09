#include "TestScreen.h"

#include <gtest/gtest.h>

namespace
{
const unsigned KWhite = 0xFFFFFF;

// Labels on the test screen's client pane, drawn black on white.
class LabelTest : public ::testing::Test
{
protected:
    CZuLabel* Make(const char* text, const CZuRect& rect)
    {
        CZuLabel* label = new CZuLabel(iScreen.Client());
        label->SetText(CZuString(text));
        label->SetRect(rect);
        label->SetForeground(CZuRgb(0, 0, 0));
        return label;
    }
    void DrawAlone(CZuControl* control)
    {
        CZuBitmapGc& gc = iScreen.Gc();
        gc.SetDrawColor(CZuRgb(KWhite));
        gc.Clear();
        control->DrawCtrl(gc, control->Rect());
    }
    // The first and last columns of rect holding a pixel that is not white; -1, -1 when there is none.
    std::pair<int, int> InkColumns(const CZuRect& rect)
    {
        int first = -1, last = -1;
        for (int x = rect.iTl.iX; x < rect.iBr.iX; ++x)
            for (int y = rect.iTl.iY; y < rect.iBr.iY; ++y)
                if (iScreen.Pixel(x, y) != KWhite)
                {
                    if (first < 0)
                        first = x;
                    last = x;
                    break;
                }
        return {first, last};
    }

    CTestScreen iScreen;
};
} // namespace

TEST_F(LabelTest, ALabelIsACentredSquareControlInTheLabelColours)
{
    CZuLabel label(nullptr);
    EXPECT_EQ(label.GetType(), EZuCtrlLabel);
    EXPECT_EQ(label.GetAlign(), EAlignCenter);
    int tl, tr, bl, br;
    label.RoundCornerSize(tl, tr, bl, br);
    EXPECT_EQ(tl + tr + bl + br, 0);
    const CZuUiStyleLabel& style = CZuEnv::UiStyle()->iLabel;
    EXPECT_EQ(label.Foreground(), style.iForeground);
    EXPECT_EQ(label.Background(), style.iBackground);
    EXPECT_EQ(label.GetBorderColor(), style.iBorderColor);
}

TEST_F(LabelTest, AListsPositionShowsAsPageSlashPages)
{
    CZuLabel* label = Make("", CZuRect(10, 10, 110, 30));
    iScreen.Pump();
    MZuListStatusNotify* notify = label;
    notify->ListStatusChanged(3, 20);
    EXPECT_EQ(label->GetText().Compare(CZuString("3/20")), 0);
    // The new text asks for a redraw.
    EXPECT_GT(CZuEnv::MsgProcessor()->GetQueueCount(), 0);
    notify->ListStatusChanged(0, 0);
    EXPECT_EQ(label->GetText().Compare(CZuString("0/0")), 0);
    notify->ListStatusChanged(-2147483647 - 1, 2147483647);
    EXPECT_EQ(label->GetText().Compare(CZuString("-2147483648/2147483647")), 0);
    notify->ListDragScrolled();
    EXPECT_EQ(label->GetText().Compare(CZuString("-2147483648/2147483647")), 0);
}

TEST_F(LabelTest, ARightInnerSpaceMovesRightAlignedTextLeftByItsWidth)
{
    const CZuRect rect(10, 10, 150, 34);
    CZuLabel* label = Make("3/20", rect);
    label->SetAlign(EAlignRight);
    label->SetInnerSpace(0);
    DrawAlone(label);
    const int plainRight = InkColumns(rect).second;
    label->SetInnerSpace(0, 0, 0, 6);
    DrawAlone(label);
    const int spacedRight = InkColumns(rect).second;
    ASSERT_GT(plainRight, 0);
    EXPECT_EQ(plainRight - spacedRight, 6);
}

TEST_F(LabelTest, ALeftInnerSpaceMovesLeftAlignedTextRightByItsWidth)
{
    const CZuRect rect(10, 10, 150, 34);
    CZuLabel* label = Make("单词 3/20", rect);
    label->SetAlign(EAlignLeft);
    label->SetInnerSpace(0);
    DrawAlone(label);
    const int plainLeft = InkColumns(rect).first;
    label->SetInnerSpace(0, 0, 9, 0);
    DrawAlone(label);
    ASSERT_GE(plainLeft, 10);
    EXPECT_EQ(InkColumns(rect).first - plainLeft, 9);
}

TEST_F(LabelTest, CentredTextSitsInTheMiddle)
{
    const CZuRect rect(10, 10, 150, 34);
    CZuLabel* label = Make("3/20", rect);
    DrawAlone(label);
    std::pair<int, int> ink = InkColumns(rect);
    ASSERT_GT(ink.first, 0);
    const int leftGap = ink.first - rect.iTl.iX;
    const int rightGap = rect.iBr.iX - 1 - ink.second;
    EXPECT_LE(std::abs(leftGap - rightGap), 2);
}

TEST_F(LabelTest, AnEmptyTextOrAnUnknownAlignmentDrawsNothing)
{
    const CZuRect rect(10, 10, 150, 34);
    CZuLabel* label = Make("", rect);
    DrawAlone(label);
    EXPECT_EQ(InkColumns(rect).first, -1);
    label->SetText(CZuString("3/20"));
    label->SetAlign(EAlignVCenter);
    DrawAlone(label);
    EXPECT_EQ(InkColumns(rect).first, -1);
}

TEST_F(LabelTest, AFontGivenToALabelIsSharedNotTakenOver)
{
    CZuFont* font = CZuEnv::FontMgr()->GetFont(EFontUi, 90, false);
    {
        CZuLabel label(nullptr);
        label.SetFont(font);
        label.SetText(CZuString("3/20"));
        label.SetRect(CZuRect(0, 0, 80, 20));
        CZuBitmapGc gc(CZuSize(80, 20));
        label.DrawCtrl(gc, label.Rect());
        label.DrawCtrl(gc, label.Rect());
    }
    // The label handed back only its own reference: the font still measures (ASan would see a freed one).
    EXPECT_GT(font->TextWidthInPixels(CZuString("3/20")), 0);
    CZuEnv::FontMgr()->ReleaseFont(font);
}

TEST_F(LabelTest, ATextLongerThanTheLabelIsCutAtItsEdges)
{
    for (TZuAlign align : {EAlignLeft, EAlignCenter, EAlignRight})
    {
        CZuLabel* label = Make("第 3 组，共 20 组，每组 20 个单词", CZuRect(60, 20, 100, 40));
        label->SetAlign(align);
        DrawAlone(label);
        // Ink inside, none beside it.
        EXPECT_NE(InkColumns(CZuRect(60, 20, 100, 40)).first, -1) << align;
        EXPECT_EQ(InkColumns(CZuRect(0, 0, 60, 60)).first, -1) << align;
        EXPECT_EQ(InkColumns(CZuRect(100, 0, 240, 60)).first, -1) << align;
        iScreen.Client()->DeleteControl(label);
    }
}

TEST_F(LabelTest, ALabelWithoutAreaDrawsNothing)
{
    CZuLabel* label = Make("3/20", CZuRect(60, 20, 60, 40));
    DrawAlone(label);
    EXPECT_EQ(InkColumns(CZuRect(0, 0, 240, 60)).first, -1);
}
