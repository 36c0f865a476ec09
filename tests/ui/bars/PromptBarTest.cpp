#include "GalleryScene.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// One row of text as a control drew it.
struct TDrawnText
{
    std::string iText;
    CZuRect iRect;
};

// A drawing context that notes the texts drawn into rectangles.
class CTextRecordingGc : public CZuBitmapGc
{
public:
    explicit CTextRecordingGc(const CZuSize& size) : CZuBitmapGc(size) {}
    using CZuBitmapGc::DrawTextW;
    void DrawTextW(const CZuString& text, const CZuRect& rect, TZuAlign align, int unused,
                   int margin) override
    {
        iTexts.push_back(TDrawnText{text.PtrZ(), rect});
        CZuBitmapGc::DrawTextW(text, rect, align, unused, margin);
    }
    std::vector<TDrawnText> iTexts;
};

// A bar whose rows have a height of nothing.
class CFlatPromptBar : public CZuPromptBar
{
public:
    explicit CFlatPromptBar(CZuControl* parent) : CZuPromptBar(parent) {}
    int RowHeight() override { return 0; }
};
} // namespace

class PromptBarTest : public ::testing::Test
{
protected:
    CZuPromptBar* MakeBar(int prompts, int rows = 1)
    {
        CZuPromptBar* bar = new CZuPromptBar(iScene.Client());
        for (int i = 0; i < prompts; ++i)
            bar->AppendPrompt(CZuString(("prompt " + std::to_string(i)).c_str()));
        bar->SetRect(CZuRect(CZuPoint(0, 100), CZuSize(300, rows * bar->RowHeight())));
        return bar;
    }
    std::vector<TDrawnText> DrawnRows(CZuPromptBar* bar)
    {
        CTextRecordingGc gc(CZuSize(480, 360));
        bar->Draw(gc, bar->InnerRect());
        return gc.iTexts;
    }
    std::vector<std::string> DrawnTexts(CZuPromptBar* bar)
    {
        std::vector<std::string> texts;
        for (const TDrawnText& row : DrawnRows(bar))
            texts.push_back(row.iText);
        return texts;
    }
    bool TimerRunning(CZuPromptBar* bar) { return CZuEnv::TimerMgr()->IsRunning(bar->GetTimerId()); }

    CGalleryScene iScene{ZU_TEST_OUT_DIR "/", "", "prompt"};
};

TEST_F(PromptBarTest, IsAReadOnlyCentredClippingChild)
{
    CZuPromptBar* bar = MakeBar(0);
    EXPECT_EQ(bar->GetType(), EZuCtrlPromptBar);
    EXPECT_TRUE(bar->IsReadOnly());
    EXPECT_TRUE(bar->IsClip());
    EXPECT_EQ(bar->GetAlign(), EAlignCenter);
    EXPECT_EQ(iScene.Client()->FindControl(bar), 0);
    EXPECT_EQ(bar->RowHeight(), bar->GetFont()->HeightInPixels() + CZuEnv::UiSetting()->TextRowSpace());
    EXPECT_TRUE(DrawnRows(bar).empty());
}

TEST_F(PromptBarTest, TheTimerRunsFromTwoPromptsOn)
{
    CZuPromptBar* bar = MakeBar(1);
    EXPECT_FALSE(TimerRunning(bar));
    bar->AppendPrompt(CZuString("second"));
    EXPECT_TRUE(TimerRunning(bar));
    bar->ClearAllPrompt();
    EXPECT_FALSE(TimerRunning(bar));
    EXPECT_EQ(bar->GetPromptCount(), 0);
    EXPECT_TRUE(DrawnRows(bar).empty());
}

TEST_F(PromptBarTest, PageModeTurnsEveryTwoSecondsAndWraps)
{
    CZuPromptBar* bar = MakeBar(3, 3);
    EXPECT_EQ(DrawnTexts(bar), (std::vector<std::string>{"prompt 0", "prompt 1", "prompt 2"}));
    iScene.Advance(1999);
    EXPECT_EQ(bar->GetFirstShown(), 0);
    iScene.Advance(1);
    EXPECT_EQ(bar->GetFirstShown(), 1);
    EXPECT_EQ(DrawnTexts(bar), (std::vector<std::string>{"prompt 1", "prompt 2", "prompt 0"}));
    iScene.Advance(2000);
    EXPECT_EQ(bar->GetFirstShown(), 2);
    iScene.Advance(2000);
    EXPECT_EQ(bar->GetFirstShown(), 0);
    EXPECT_TRUE(TimerRunning(bar));
}

TEST_F(PromptBarTest, PageRowsStackFromTheTopAndStopAtTheBottom)
{
    CZuPromptBar* bar = MakeBar(2, 3);
    const int row = bar->RowHeight();
    std::vector<TDrawnText> rows = DrawnRows(bar);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].iText, "prompt 0");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rows[i].iRect, CZuRect(0, 100 + i * row, 300, 100 + (i + 1) * row));
}

TEST_F(PromptBarTest, PromptsAddedWhileTurningKeepThePace)
{
    CZuPromptBar* bar = MakeBar(2);
    iScene.Advance(1500);
    bar->AppendPrompt(CZuString("late"));
    iScene.Advance(500);
    EXPECT_EQ(bar->GetFirstShown(), 1);
}

TEST_F(PromptBarTest, TickerScrollsAPixelATenthAndWrapsAtTheRowHeight)
{
    CZuPromptBar* bar = MakeBar(2);
    bar->SetDispMode(CZuPromptBar::EDispScroll);
    const int row = bar->RowHeight();
    iScene.Advance(100);
    EXPECT_EQ(bar->GetScrollOffset(), 1);
    iScene.Advance(100 * (row - 2));
    EXPECT_EQ(bar->GetScrollOffset(), row - 1);
    EXPECT_EQ(bar->GetFirstShown(), 0);
    iScene.Advance(100);
    EXPECT_EQ(bar->GetScrollOffset(), 0);
    EXPECT_EQ(bar->GetFirstShown(), 1);
    // After the last prompt the first comes round again.
    iScene.Advance(100 * row);
    EXPECT_EQ(bar->GetScrollOffset(), 0);
    EXPECT_EQ(bar->GetFirstShown(), 0);
}

TEST_F(PromptBarTest, MidScrollTheFirstRowShowsItsLowerPartAndTheNextFollows)
{
    CZuPromptBar* bar = MakeBar(3);
    bar->SetDispMode(CZuPromptBar::EDispScroll);
    const int row = bar->RowHeight();
    iScene.Advance(100 * 5);
    std::vector<TDrawnText> rows = DrawnRows(bar);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].iText, "prompt 0");
    EXPECT_EQ(rows[0].iRect.iTl.iY, 100 - 5);
    EXPECT_EQ(rows[1].iText, "prompt 1");
    EXPECT_EQ(rows[1].iRect.iTl.iY, 100 - 5 + row);
}

TEST_F(PromptBarTest, SwitchingModesRestartsAtTheModesPace)
{
    CZuPromptBar* bar = MakeBar(2);
    iScene.Advance(1900);
    bar->SetDispMode(CZuPromptBar::EDispScroll);
    iScene.Advance(100);
    EXPECT_EQ(bar->GetFirstShown(), 0);
    EXPECT_EQ(bar->GetScrollOffset(), 1);
    bar->SetDispMode(CZuPromptBar::EDispPage);
    EXPECT_EQ(bar->GetScrollOffset(), 0);
    iScene.Advance(1999);
    EXPECT_EQ(bar->GetFirstShown(), 0);
    iScene.Advance(1);
    EXPECT_EQ(bar->GetFirstShown(), 1);
}

TEST_F(PromptBarTest, TwoBarsHaveTimersOfTheirOwn)
{
    CZuPromptBar* first = MakeBar(2);
    CZuPromptBar* second = MakeBar(2);
    EXPECT_NE(first->GetTimerId(), second->GetTimerId());
    first->ClearAllPrompt();
    EXPECT_TRUE(TimerRunning(second));
    iScene.Advance(2000);
    EXPECT_EQ(second->GetFirstShown(), 1);
}

TEST_F(PromptBarTest, ABarThatGoesStopsItsTimerAndNoOtherOne)
{
    CZuPromptBar* first = MakeBar(2);
    CZuPromptBar* second = MakeBar(2);
    const int firstTimer = first->GetTimerId();
    iScene.Client()->DeleteControl(first);
    EXPECT_FALSE(CZuEnv::TimerMgr()->IsRunning(firstTimer));
    EXPECT_TRUE(TimerRunning(second));
    iScene.Advance(4000);
    EXPECT_EQ(second->GetFirstShown(), 0);
    EXPECT_TRUE(TimerRunning(second));
}

TEST_F(PromptBarTest, RowsOfNoHeightDrawNothingAndTheTickerStillTurns)
{
    CFlatPromptBar* bar = new CFlatPromptBar(iScene.Client());
    bar->SetRect(CZuRect(0, 100, 300, 130));
    bar->AppendPrompt(CZuString("a"));
    bar->AppendPrompt(CZuString("b"));
    EXPECT_TRUE(DrawnRows(bar).empty());
    bar->SetDispMode(CZuPromptBar::EDispScroll);
    iScene.Advance(100);
    EXPECT_EQ(bar->GetFirstShown(), 1);
    EXPECT_EQ(bar->GetScrollOffset(), 0);
}

TEST_F(PromptBarTest, LeftAlignmentIndentsByTheLeftInnerSpaceAgain)
{
    CZuPromptBar* bar = MakeBar(1);
    bar->SetInnerSpace(0, 0, 7, 9);
    bar->SetAlign(EAlignLeft);
    CZuBitmapGc gc(CZuSize(480, 360));
    bar->Draw(gc, bar->InnerRect());
    // The text starts at the inner rectangle's left (7) plus the left inner space (7) as margin.
    bool inked = false;
    for (int y = 100; y < 100 + bar->RowHeight() && !inked; ++y)
        inked = PixelAt(gc, 14, y) != 0 || PixelAt(gc, 15, y) != 0 || PixelAt(gc, 16, y) != 0;
    EXPECT_TRUE(inked);
    for (int y = 100; y < 100 + bar->RowHeight(); ++y)
        EXPECT_EQ(PixelAt(gc, 12, y), 0u) << y;
}

TEST_F(PromptBarTest, APageShowsWholeRowsOnlyWhileTheTickerShowsTheRowComingIn)
{
    CZuPromptBar* bar = MakeBar(3);
    const int row = bar->RowHeight();
    bar->SetRect(CZuRect(0, 100, 300, 100 + row + 5));
    EXPECT_EQ(DrawnTexts(bar), std::vector<std::string>{"prompt 0"});
    bar->SetDispMode(CZuPromptBar::EDispScroll);
    EXPECT_EQ(DrawnTexts(bar), (std::vector<std::string>{"prompt 0", "prompt 1"}));
    // A bar lower than a row still shows its first prompt.
    bar->SetDispMode(CZuPromptBar::EDispPage);
    bar->SetRect(CZuRect(0, 100, 300, 100 + row / 2));
    EXPECT_EQ(DrawnTexts(bar), std::vector<std::string>{"prompt 0"});
}
