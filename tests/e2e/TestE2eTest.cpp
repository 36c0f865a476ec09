// The test screen of the real program, used as a learner uses it: a test over the current group answered
// with the mouse and Enter, a right and a wrong answer and what each shows, finishing with the score and
// grade, and the range dialog whose choice lands in "Word.cfg".
#include "E2eFixture.h"
#include "E2eWindow.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace
{

const int KWidth = 480;
// The test screen's parts as "Test.xml" places them in the window.
const int KScreenTop = 40;
const int KAnswerX = 120;
const int KFirstAnswerY = 97;
const int KButtonsTop = 268;
const int KButtonRow = 285;
const int KFinishX = 241;
// The answer pane's frame colour.
const unsigned KPaneFrame = 0xA8BCD0;

bool Near(unsigned a, unsigned b)
{
    int dr = int((a >> 16) & 0xFF) - int((b >> 16) & 0xFF);
    int dg = int((a >> 8) & 0xFF) - int((b >> 8) & 0xFF);
    int db = int(a & 0xFF) - int(b & 0xFF);
    return std::abs(dr) + std::abs(dg) + std::abs(db) < 24;
}

bool IsInk(unsigned p)
{
    return (int((p >> 16) & 0xFF) * 3 + int((p >> 8) & 0xFF) * 6 + int(p & 0xFF)) / 10 < 110;
}

// The bottom line of the answer pane's frame, or -1 when the pane is not shown.
int PaneBottom(const TE2eFrame& frame)
{
    for (int y = KButtonsTop; y > KScreenTop; --y)
    {
        if (Near(frame.At(20, y), KPaneFrame) && Near(frame.At(KWidth / 2, y), KPaneFrame))
            return y;
    }
    return -1;
}

// Rows of text between top and the buttons: runs of pixel rows that hold ink.
int TextRows(const TE2eFrame& frame, int top)
{
    int rows = 0;
    bool inRow = false;
    for (int y = top; y < KButtonsTop; ++y)
    {
        int ink = 0;
        for (int x = 12; x < 450; ++x)
            ink += IsInk(frame.At(x, y)) ? 1 : 0;
        bool text = ink >= 3;
        if (text && !inRow)
            ++rows;
        inRow = text;
    }
    return rows;
}

// The rows of the result under the answers.
int ResultRows(const TE2eFrame& frame)
{
    int bottom = PaneBottom(frame);
    return bottom < 0 ? -1 : TextRows(frame, bottom + 3);
}

} // namespace

class TestE2eTest : public CE2eFixture
{
protected:
    void SetUp() override
    {
        CE2eFixture::SetUp();
        Start();
    }
    // The main menu's third cell, by keys.
    TE2eFrame OpenTest(const std::string& name)
    {
        for (int i = 0; i < 3; ++i)
        {
            iProgram->Key("Right");
            iProgram->Frame();
        }
        iProgram->Key("Return");
        return iProgram->Frame(name);
    }
};

TEST_F(TestE2eTest, ARightAndAWrongAnswerThenTheScoreAndGrade)
{
    TE2eFrame question = OpenTest("test-first-question");
    EXPECT_GT(question.Differences(iMain, 0, KScreenTop, KWidth, KButtonsTop), 1000);
    ASSERT_GT(PaneBottom(question), 0);
    // No result yet.
    EXPECT_EQ(ResultRows(question), 0);

    // The first answer of each question, taken with Enter on the OK button, until one was right and one
    // wrong: a right one is told in one row, a wrong one with the word and its explanation below.
    bool right = false;
    bool wrong = false;
    for (int i = 0; i < 20 && !(right && wrong); ++i)
    {
        iProgram->Click(KAnswerX, KFirstAnswerY);
        TE2eFrame chosen = iProgram->Frame();
        iProgram->Key("Return");
        TE2eFrame judged = iProgram->Frame();
        int rows = ResultRows(judged);
        ASSERT_GE(rows, 1) << i;
        if (rows == 1 && !right)
        {
            right = true;
            iProgram->Frame("test-right-answer");
        }
        if (rows >= 2 && !wrong)
        {
            wrong = true;
            iProgram->Frame("test-wrong-answer");
        }
        EXPECT_GT(judged.Differences(chosen, 0, KScreenTop, KWidth, KButtonsTop), 0) << i;
    }
    EXPECT_TRUE(right);
    EXPECT_TRUE(wrong);

    // Finish: the answers give way to the judgement, the score and the grade.
    iProgram->Click(KFinishX, KButtonRow);
    TE2eFrame finished = iProgram->Frame("test-finished");
    EXPECT_EQ(PaneBottom(finished), -1);
    EXPECT_GE(TextRows(finished, KScreenTop + 45), 3);
    // A finished test takes no more answers: clicking where they were changes nothing.
    iProgram->Click(KAnswerX, KFirstAnswerY);
    TE2eFrame after = iProgram->Frame();
    EXPECT_EQ(after.Differences(finished, 0, KScreenTop, KWidth, KButtonsTop), 0);
}

TEST_F(TestE2eTest, TheRangeDialogChangesTheRangeAndItIsWritten)
{
    TE2eFrame question = OpenTest(std::string());
    EXPECT_EQ(e2e::ReadSettings(iProgram->DataFile("Word.cfg")).iTestRange, 1u);
    // The menu's first entry is the range dialog; the focus starts on the current range.
    iProgram->Key("F1");
    iProgram->Frame();
    iProgram->Key("Return");
    TE2eFrame dialog = iProgram->Frame("test-range-dialog");
    EXPECT_GT(dialog.Differences(question, 0, 0, KWidth, 360), 5000);
    iProgram->Key("Down");
    iProgram->Frame();
    iProgram->Key("Down");
    iProgram->Frame();
    iProgram->Key("Return");
    TE2eFrame chosen = iProgram->Frame("test-range-course-chosen");
    EXPECT_GT(chosen.Differences(dialog, 0, 0, KWidth, 360), 0);
    // The left soft key is OK.
    iProgram->Key("F1");
    TE2eFrame closed = iProgram->Frame();
    EXPECT_EQ(closed.Differences(question, 0, KScreenTop, KWidth, 360), 0) << closed.DifferenceBox(question);
    EXPECT_EQ(e2e::ReadSettings(iProgram->DataFile("Word.cfg")).iTestRange, 3u);
}
