// The study screen of the real program, used as a learner uses it: the first word of the first group,
// stepping to the group's ends by keys and clicks, swipes both ways, the word heard through the sound
// driver, browsing and its stop, and the group dialog; each step looked at in the window and, on leaving,
// in "Word.cfg".
#include "E2eFixture.h"
#include "E2eWindow.h"

#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace
{

using namespace e2e;

using TClock = std::chrono::steady_clock;

// The study screen's parts as "Study.xml" places them in the window.
const int KScreenTop = 40;
const int KExplainBottom = 230;
const int KWordRowY = 62;
const int KPhoneticY = 100;
const int KExplainTop = 122;
const int KButtonRow1 = 250;
const int KButtonRow2 = 286;
const int KLeftButtonX = 86;
const int KMiddleButtonX = 241;
const int KRightButtonX = 395;

// Pixels dark enough to be text in the band of rows top to bottom.
int InkIn(const TE2eFrame& frame, int left, int top, int right, int bottom)
{
    int ink = 0;
    for (int y = top; y < bottom; ++y)
    {
        for (int x = left; x < right; ++x)
        {
            unsigned p = frame.At(x, y);
            int luma = (int((p >> 16) & 0xFF) * 3 + int((p >> 8) & 0xFF) * 6 + int(p & 0xFF)) / 10;
            ink += luma < 110 ? 1 : 0;
        }
    }
    return ink;
}

// The part of the screen that shows the word: word, phonetic, position and explanation.
int WordDifferences(const TE2eFrame& a, const TE2eFrame& b)
{
    return a.Differences(b, 0, KScreenTop, KWidth, KExplainBottom);
}

} // namespace

class StudyE2eTest : public CE2eFixture
{
protected:
    // The main menu's second cell, by keys.
    TE2eFrame OpenStudy(const std::string& name = std::string())
    {
        iProgram->Key("Right");
        iProgram->Frame();
        iProgram->Key("Right");
        iProgram->Frame();
        iProgram->Key("Return");
        return iProgram->Frame(name);
    }
    TE2eFrame Back()
    {
        iProgram->Key("F2");
        return iProgram->Frame();
    }
    TSettingsFile Settings() { return ReadSettings(iProgram->DataFile("Word.cfg")); }
    TE2eFrame ClickAt(int x, int y, const std::string& name = std::string())
    {
        iProgram->Click(x, y);
        return iProgram->Frame(name);
    }
    // The same for a click known to change the picture: waited for as long as a loaded machine needs.
    TE2eFrame ClickAndChange(int x, int y, const std::string& name = std::string())
    {
        iProgram->Click(x, y);
        return iProgram->Changed(name);
    }
};

TEST_F(StudyE2eTest, FirstWordIsShownAndSpokenAndTheGroupIsSteppedToItsEnds)
{
    iProgram->CaptureSound();
    Start();
    TE2eFrame first = OpenStudy("study-first-word");
    EXPECT_GT(WordDifferences(first, iMain), 1000);
    // The word, its phonetic line, its position and its explanation are all there.
    EXPECT_GT(InkIn(first, 10, 45, 200, 82), 50);
    EXPECT_GT(InkIn(first, 10, 90, 200, 112), 20);
    EXPECT_GT(InkIn(first, 330, 50, 470, 75), 20);
    EXPECT_GT(InkIn(first, 14, KExplainTop, 466, 150), 20);
    // Spoken as it is shown: the sound driver played more than silence.
    EXPECT_TRUE(CE2eProgram::Eventually([this] { return iProgram->SoundHeard(); }));

    // Enter presses the focused "next" button; "previous" brings the first word back.
    iProgram->Key("Return");
    TE2eFrame second = iProgram->Changed("study-second-word");
    EXPECT_GT(WordDifferences(second, first), 200);
    TE2eFrame again = ClickAndChange(KLeftButtonX, KButtonRow1);
    EXPECT_EQ(WordDifferences(again, first), 0) << again.DifferenceBox(first);
    // At the first word "previous" does nothing.
    TE2eFrame still = ClickAt(KLeftButtonX, KButtonRow1);
    EXPECT_EQ(WordDifferences(still, first), 0);

    for (int i = 0; i < 19; ++i)
        iProgram->Click(KMiddleButtonX, KButtonRow1);
    TE2eFrame last = iProgram->Changed("study-last-word");
    EXPECT_GT(WordDifferences(last, first), 200);
    // At the last word "next" does nothing.
    TE2eFrame past = ClickAt(KMiddleButtonX, KButtonRow1);
    EXPECT_EQ(WordDifferences(past, last), 0);
    Back();
    TSettingsFile settings = Settings();
    ASSERT_TRUE(settings.iRead);
    EXPECT_EQ(settings.iGroup, 0u);
    EXPECT_EQ(settings.iWord, 19u);
}

TEST_F(StudyE2eTest, SwipesGoBackAndForth)
{
    Start();
    TE2eFrame first = OpenStudy();
    // A swipe to the left is the previous word, at the first word nothing; to the right the next word.
    iProgram->Drag(300, KWordRowY, 150, KWordRowY);
    TE2eFrame unchanged = iProgram->Frame();
    EXPECT_EQ(WordDifferences(unchanged, first), 0);
    iProgram->Drag(150, KPhoneticY, 330, KPhoneticY);
    TE2eFrame next = iProgram->Changed("study-swiped-right");
    EXPECT_GT(WordDifferences(next, first), 200);
    iProgram->Drag(330, KPhoneticY, 150, KPhoneticY);
    TE2eFrame back = iProgram->Changed("study-swiped-left");
    EXPECT_EQ(WordDifferences(back, first), 0) << back.DifferenceBox(first);
    iProgram->Drag(150, KWordRowY, 330, KWordRowY);
    iProgram->Frame();
    iProgram->Drag(150, KWordRowY, 330, KWordRowY);
    iProgram->Frame();
    Back();
    EXPECT_EQ(Settings().iWord, 2u);
}

TEST_F(StudyE2eTest, BrowsingMovesOnByItselfUntilStopped)
{
    Start();
    TE2eFrame first = OpenStudy();
    TE2eFrame browsing = ClickAndChange(KMiddleButtonX, KButtonRow2, "study-browsing");
    EXPECT_GT(WordDifferences(browsing, first), 200);
    // Watched for a while: the word changes by itself, never much sooner than the interval after the last
    // (a loaded machine may draw one change late and the next on time).
    std::vector<TClock::time_point> changes;
    TE2eFrame seen = browsing;
    TClock::time_point start = TClock::now();
    while (TClock::now() - start < std::chrono::milliseconds(5200))
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        TE2eFrame now = iProgram->Peek();
        if (now.IsEmpty() || WordDifferences(now, seen) == 0)
            continue;
        changes.push_back(TClock::now());
        seen = now;
    }
    ASSERT_GE(changes.size(), 2u);
    for (size_t i = 1; i < changes.size(); ++i)
        EXPECT_GE(changes[i] - changes[i - 1], std::chrono::milliseconds(700));
    // Enter presses the stop button, which has the focus; then nothing moves.
    iProgram->Key("Return");
    TE2eFrame stopped = iProgram->Frame("study-browse-stopped");
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    TE2eFrame later = iProgram->Peek();
    EXPECT_EQ(WordDifferences(later, stopped), 0);
    Back();
    EXPECT_GE(Settings().iWord, 1u + changes.size());
    EXPECT_LE(Settings().iWord, 2u + changes.size());
}

TEST_F(StudyE2eTest, TheGroupDialogPicksTheThirdGroup)
{
    Start();
    TE2eFrame first = OpenStudy();
    // The menu's first entry opens the group dialog, on the current group.
    iProgram->Key("F1");
    iProgram->Frame();
    iProgram->Key("Return");
    TE2eFrame dialog = iProgram->Changed("study-group-dialog");
    EXPECT_GT(dialog.Differences(first, 0, 0, KWidth, 360), 5000);
    iProgram->Key("Down");
    iProgram->Frame();
    iProgram->Key("Down");
    iProgram->Frame();
    iProgram->Key("Return");
    TE2eFrame third = iProgram->Changed("study-group-three");
    EXPECT_GT(WordDifferences(third, first), 200);
    // The place is written at once: group 3, its first word.
    TSettingsFile settings = Settings();
    EXPECT_EQ(settings.iGroup, 2u);
    EXPECT_EQ(settings.iWord, 0u);
    Back();
    iProgram->Key("Return");
    TE2eFrame reopened = iProgram->Frame();
    EXPECT_EQ(WordDifferences(reopened, third), 0) << reopened.DifferenceBox(third);
}
