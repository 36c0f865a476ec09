// The test screen driven directly, and the test it asks: the test words of each range, four different
// choices with the right one where the judge looks, answers judged and scored, a test started anew, and
// the tests that cannot be made.
#include "CourseOper.h"
#include "SelectTestRangeDlg.h"
#include "StudyAndTestFixture.h"
#include "WordConfig.h"
#include "WordExplain.h"
#include "WordInfo.h"
#include "WordTest.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuLexTestContainer.h"
#include "ZuLexTestView.h"
#include "ZuLexText.h"
#include "ZuRandom.h"
#include "ZuUi.h"

#include <set>

namespace
{
std::string Str(int id)
{
    return Text(CZuEnv::GetString(id));
}

// The word's number in the courses made by the fixture ("word7" is 7).
int Number(const CWordInfo* word)
{
    return std::stoi(Text(word->iWord).substr(4));
}

// Explanations that repeat every `kinds` words.
std::function<std::string(int)> RepeatingExplanations(int kinds)
{
    return [kinds](int i) { return "释义" + std::to_string(i % kinds); };
}
} // namespace

class TestScreenTest : public StudyAndTestFixture
{
protected:
    CZuLexTestContainer& Screen() const { return *TestScreen().TestContainer(); }
    CZuControl* Control(const char* name) const { return Screen().Control(name); }
    bool Enabled(const char* name) const { return Control(name) && !Control(name)->IsDisabled(); }
    CWordTest& Paper() const { return *TestScreen().Test(); }
    const CWordExplain& Question() const { return *Paper().Question(TestScreen().Current()); }
    // Chooses answer i with the pointer, as the learner does.
    void Choose(int i) { ClickOn(Screen().Answer(i)); }
    void AnswerRight() { Choose(Question().iAnswer); }
    void AnswerWrong() { Choose((Question().iAnswer + 1) % 4); }
    std::string Result() const { return Text(TestScreen().ResultText()); }
    // A test of file made directly, with every question made.
    std::unique_ptr<CWordTest> MakeTest(const std::string& file, int range, int group, int perGroup)
    {
        std::unique_ptr<CWordTest> test(new CWordTest(CZuString(CourseFolder().c_str())));
        test->Load(CZuString(file.c_str()), range, group, perGroup);
        return test;
    }
    // The answers one below the other inside the pane, the result below it with room for resultRows rows
    // above the buttons; whole: each answer as tall as its text's rows.
    void ExpectAnswersInPlace(bool whole, int resultRows)
    {
        CZuControl* pane = Control("answer_lyt");
        int bottom = pane->InnerRect().iTl.iY;
        for (int k = 0; k < 4; ++k)
        {
            CZuControl* answer = Screen().Answer(k);
            CZuRect rect = answer->Rect();
            EXPECT_GE(rect.iTl.iY, bottom) << k;
            EXPECT_LE(rect.iBr.iY, pane->InnerRect().iBr.iY) << k;
            bottom = rect.iBr.iY;
            if (!whole)
                continue;
            CZuString16 text;
            ConvertUtf8ToUnicode(answer->GetText().PtrZ(), answer->GetText().Length(), text);
            int rows = CZuStrUtil::GetTextRowCount(
                text, rect.Width() - answer->GetFont()->HeightInPixels() * 3 / 2 - 5, answer->GetFont());
            EXPECT_GE(rows, 2) << k;
            EXPECT_GE(rect.Height(), answer->GetMinSize().iHeight) << k;
        }
        CZuRect result = Control("result")->Rect();
        EXPECT_GE(result.iTl.iY, pane->Rect().iBr.iY);
        EXPECT_LE(result.iBr.iY, Control("ok_answer")->Rect().iTl.iY);
        EXPECT_GE(result.Height(), resultRows * Control("result")->GetFont()->HeightInPixels());
    }
    // Checks the question: four different choices, the word's own explanation at the answer.
    void ExpectSound(const CWordTest& test, int i)
    {
        const CWordExplain& question = *test.Question(i);
        ASSERT_EQ(question.ChoiceCount(), 4) << i;
        ASSERT_GE(question.iAnswer, 0);
        ASSERT_LT(question.iAnswer, 4);
        EXPECT_EQ(Text(question.Choice(question.iAnswer)),
                  Text(CWordExplain::ChoiceText(test.Word(i)->iExplanation)));
        std::set<std::string> choices;
        for (int k = 0; k < 4; ++k)
            choices.insert(Text(question.Choice(k)));
        EXPECT_EQ(choices.size(), 4u) << i;
    }
};

TEST_F(TestScreenTest, RangeOneAsksTheGroupsWordsInCourseOrder)
{
    MakeCourse("hundred", 100);
    std::unique_ptr<CWordTest> test = MakeTest("hundred", CWordConfig::ETestGroup, 2, 10);
    ASSERT_EQ(test->Count(), 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(Number(test->Word(i)), 21 + i);
}

TEST_F(TestScreenTest, RangeOneOnAGroupBeyondTheCourseAsksTheFirstGroup)
{
    std::unique_ptr<CWordTest> test = MakeTest("own", CWordConfig::ETestGroup, 5, 20);
    ASSERT_EQ(test->Count(), 20);
    EXPECT_EQ(Number(test->Word(0)), 1);
    // The same on the screen, after the words per group were raised.
    UseCourse("own", 2);
    Settings().SetCountPerGroup(50);
    OpenTest();
    EXPECT_EQ(Paper().Count(), 20);
    EXPECT_EQ(Number(Paper().Word(0)), 1);
    EXPECT_EQ(Text(App().PromptText()), "1/20");
}

TEST_F(TestScreenTest, RangeTwoDrawsFromTheGroupsSoFar)
{
    std::unique_ptr<CWordTest> test = MakeTest("own", CWordConfig::ETestGroupsSoFar, 0, 20);
    ASSERT_EQ(test->Count(), 20);
    std::set<int> numbers;
    for (int i = 0; i < 20; ++i)
        numbers.insert(Number(test->Word(i)));
    EXPECT_EQ(numbers.size(), 20u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 20);
    test = MakeTest("own", CWordConfig::ETestGroupsSoFar, 1, 20);
    for (int i = 0; i < test->Count(); ++i)
        EXPECT_LE(Number(test->Word(i)), 40);
}

TEST_F(TestScreenTest, RangeThreeOnATwentyWordCourseAsksEachWordOnce)
{
    MakeCourse("twenty", 20);
    std::unique_ptr<CWordTest> test = MakeTest("twenty", CWordConfig::ETestCourse, 0, 20);
    ASSERT_EQ(test->Count(), 20);
    std::set<int> numbers;
    for (int i = 0; i < 20; ++i)
        numbers.insert(Number(test->Word(i)));
    EXPECT_EQ(numbers.size(), 20u);
}

TEST_F(TestScreenTest, EveryQuestionOffersFourDifferentChoicesWithTheAnswerWhereTheJudgeLooks)
{
    // Few kinds of explanation: the first random words often repeat one, and the test word is often among
    // them; the search must go on through the course.
    MakeCourse("repeats", 30, RepeatingExplanations(4));
    for (unsigned seed = 1; seed <= 30; ++seed)
    {
        CZuRandom::SetSeed(seed);
        std::unique_ptr<CWordTest> test = MakeTest("repeats", CWordConfig::ETestCourse, 0, 20);
        ASSERT_EQ(test->Count(), 20);
        for (int i = 0; i < test->Count(); ++i)
        {
            ASSERT_TRUE(test->MakeQuestion(i)) << seed << " " << i;
            ExpectSound(*test, i);
            EXPECT_TRUE(test->Judge(i, test->Question(i)->iAnswer));
            EXPECT_FALSE(test->Judge(i, (test->Question(i)->iAnswer + 1) % 4));
        }
    }
}

TEST_F(TestScreenTest, AnswerPositionsVary)
{
    std::unique_ptr<CWordTest> test = MakeTest("core", CWordConfig::ETestCourse, 0, 20);
    std::set<int> positions;
    for (int i = 0; i < test->Count(); ++i)
    {
        ASSERT_TRUE(test->MakeQuestion(i));
        ExpectSound(*test, i);
        positions.insert(test->Question(i)->iAnswer);
    }
    EXPECT_GE(positions.size(), 3u);
}

TEST_F(TestScreenTest, ACourseOfFourWordsCanBeTested)
{
    MakeCourse("four", 4);
    std::unique_ptr<CWordTest> test = MakeTest("four", CWordConfig::ETestCourse, 0, 20);
    ASSERT_EQ(test->Count(), 4);
    for (int i = 0; i < 4; ++i)
    {
        ASSERT_TRUE(test->MakeQuestion(i));
        ExpectSound(*test, i);
    }
}

TEST_F(TestScreenTest, ACourseWithFewerThanFourDifferentExplanationsIsRefused)
{
    MakeCourse("three", 3);
    std::unique_ptr<CWordTest> test = MakeTest("three", CWordConfig::ETestCourse, 0, 20);
    ASSERT_EQ(test->Count(), 3);
    EXPECT_FALSE(test->MakeQuestion(0));
    EXPECT_EQ(test->Question(0)->ChoiceCount(), 0);
    MakeCourse("alike", 12, RepeatingExplanations(3));
    test = MakeTest("alike", CWordConfig::ETestCourse, 0, 20);
    EXPECT_FALSE(test->MakeQuestion(0));

    UseCourse("alike");
    OpenTest();
    EXPECT_FALSE(Str(EZuLexStrTooFewExplanations).empty());
    EXPECT_EQ(Result(), Str(EZuLexStrTooFewExplanations));
    EXPECT_EQ(Text(Control("result")), Str(EZuLexStrTooFewExplanations));
    EXPECT_EQ(Text(App().PromptText()), "0/0");
    for (const char* name : {"answer1", "answer4", "ok_answer", "finish", "speech"})
        EXPECT_FALSE(Enabled(name)) << name;
    EXPECT_TRUE(Enabled("go_back"));
    Button(EZuLexCmdFinishTest);
    EXPECT_EQ(Result(), Str(EZuLexStrTooFewExplanations));
}

TEST_F(TestScreenTest, TheFirstLineBreakOfAChoiceJoinsItsFirstTwoLines)
{
    EXPECT_EQ(Text(CWordExplain::ChoiceText(CZuString("a\\nb\\nc"))), "a  b\\nc");
    EXPECT_EQ(Text(CWordExplain::ChoiceText(CZuString("abc"))), "abc");
    EXPECT_EQ(Text(CWordExplain::ChoiceText(CZuString("\\n"))), "  ");
}

TEST_F(TestScreenTest, ScoresAndGrades)
{
    EXPECT_EQ(CWordTest::GradeTextId(100), int(EZuLexStrGrade90));
    EXPECT_EQ(CWordTest::GradeTextId(90), int(EZuLexStrGrade90));
    EXPECT_EQ(CWordTest::GradeTextId(89), int(EZuLexStrGrade80));
    EXPECT_EQ(CWordTest::GradeTextId(80), int(EZuLexStrGrade80));
    EXPECT_EQ(CWordTest::GradeTextId(79), int(EZuLexStrGrade60));
    EXPECT_EQ(CWordTest::GradeTextId(60), int(EZuLexStrGrade60));
    EXPECT_EQ(CWordTest::GradeTextId(59), int(EZuLexStrGradeBelow60));
    EXPECT_EQ(CWordTest::GradeTextId(0), int(EZuLexStrGradeBelow60));
    MakeCourse("nine", 9);
    std::unique_ptr<CWordTest> test = MakeTest("nine", CWordConfig::ETestCourse, 0, 20);
    ASSERT_EQ(test->Count(), 9);
    for (int i = 0; i < 9; ++i)
    {
        ASSERT_TRUE(test->MakeQuestion(i));
        test->Judge(i, i < 7 ? test->Question(i)->iAnswer : -1);
    }
    EXPECT_EQ(test->RightCount(), 7);
    EXPECT_EQ(test->Score(), 77);
    MakeCourse("ten", 10);
    test = MakeTest("ten", CWordConfig::ETestCourse, 0, 20);
    for (int i = 0; i < 10; ++i)
    {
        ASSERT_TRUE(test->MakeQuestion(i));
        test->Judge(i, i < 9 ? test->Question(i)->iAnswer : (test->Question(i)->iAnswer + 3) % 4);
    }
    EXPECT_EQ(test->Score(), 90);
    // Without questions the score is 0: nothing is divided by zero.
    CWordTest empty(CZuString(CourseFolder().c_str()));
    EXPECT_EQ(empty.Score(), 0);
}

TEST_F(TestScreenTest, ShowsTheFirstQuestionAndSpeaksTheWord)
{
    OpenTest();
    EXPECT_EQ(Text(TestScreen().GetTitle()), Str(EZuLexStrTitleTest));
    ASSERT_EQ(Paper().Count(), 20);
    EXPECT_EQ(Text(App().PromptText()), "1/20");
    EXPECT_EQ(Text(Control("word")), Text(Paper().Word(0)->iWord));
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(Text(Screen().Answer(k)), Text(Question().Choice(k))) << k;
    EXPECT_EQ(Screen().ChosenAnswer(), -1);
    EXPECT_FALSE(Enabled("ok_answer"));
    EXPECT_TRUE(Enabled("finish"));
    EXPECT_TRUE(Enabled("speech"));
    EXPECT_TRUE(Screen().Answer(0)->IsFocused());
    EXPECT_EQ(Text(Control("ok_answer")), Str(EZuLexUiStrOk));
    EXPECT_EQ(Text(Control("finish")), Str(EZuLexStrFinishTest));
    EXPECT_EQ(Text(Control("speech")), Str(EZuLexStrSpeech));
    EXPECT_EQ(iSpeech.iPlays, 1);
    Button(EZuLexCmdSpeech);
    EXPECT_EQ(iSpeech.iPlays, 2);
    EXPECT_TRUE(TestScreen().IsFresh());
    Picture("test-question");
}

TEST_F(TestScreenTest, ARightAndAWrongAnswerAreJudged)
{
    OpenTest();
    // OK does nothing before an answer is chosen.
    Button(EZuLexCmdAnswerOk);
    EXPECT_EQ(TestScreen().Current(), 0);
    AnswerRight();
    EXPECT_TRUE(Enabled("ok_answer"));
    EXPECT_TRUE(Control("ok_answer")->IsFocused());
    EXPECT_EQ(Result(), "  ");
    ClickOn(Control("ok_answer"));
    EXPECT_EQ(Result(), Str(EZuLexStrAnswerRight));
    EXPECT_TRUE(Paper().Question(0)->iRight);
    EXPECT_EQ(TestScreen().Current(), 1);
    EXPECT_EQ(Text(App().PromptText()), "2/20");
    EXPECT_FALSE(Enabled("ok_answer"));
    EXPECT_EQ(Screen().ChosenAnswer(), -1);
    EXPECT_TRUE(Screen().Answer(0)->IsFocused());
    EXPECT_FALSE(TestScreen().IsFresh());

    const CWordInfo& asked = *Paper().Word(1);
    AnswerWrong();
    Picture("test-wrong-chosen");
    Program().PressKey(13);
    EXPECT_FALSE(Paper().Question(1)->iRight);
    EXPECT_EQ(Result(),
              Str(EZuLexStrAnswerWrong) + "\\n" + Text(asked.iWord) + "  " + Text(asked.iExplanation));
    EXPECT_EQ(TestScreen().Current(), 2);
    Picture("test-after-wrong-answer");
}

TEST_F(TestScreenTest, FinishingEarlyScoresTheUnansweredAsWrong)
{
    OpenTest();
    for (int i = 0; i < 2; ++i)
    {
        AnswerRight();
        Button(EZuLexCmdAnswerOk);
    }
    ASSERT_EQ(TestScreen().Current(), 2);
    Button(EZuLexCmdFinishTest);
    EXPECT_TRUE(TestScreen().IsEnded());
    EXPECT_EQ(Paper().Score(), 10);
    std::string expected = Str(EZuLexStrAnswerWrong);
    EXPECT_EQ(Result().rfind(expected, 0), 0u);
    std::string score = Text(CZuLexText::Get(EZuLexStrScore, 10, 0)) + "\\n" + Str(EZuLexStrGradeBelow60);
    EXPECT_EQ(Result().substr(Result().size() - score.size()), score);
    for (const char* name : {"answer1", "answer2", "answer3", "answer4", "ok_answer", "finish"})
        EXPECT_FALSE(Enabled(name)) << name;
    EXPECT_TRUE(Enabled("speech"));
    // A finished test takes no more answers.
    Button(EZuLexCmdFinishTest);
    Button(EZuLexCmdAnswerOk);
    EXPECT_EQ(Paper().Score(), 10);
    EXPECT_EQ(Result().substr(Result().size() - score.size()), score);
    Picture("test-result");
}

TEST_F(TestScreenTest, TheLastAnswerEndsTheTestWithScoreAndGrade)
{
    MakeCourse("five", 5);
    UseCourse("five");
    Settings().SetTestRange(CWordConfig::ETestCourse);
    OpenTest();
    ASSERT_EQ(Paper().Count(), 5);
    for (int i = 0; i < 5; ++i)
    {
        if (i == 4)
            AnswerWrong();
        else
            AnswerRight();
        Button(EZuLexCmdAnswerOk);
    }
    EXPECT_TRUE(TestScreen().IsEnded());
    EXPECT_EQ(Paper().Score(), 80);
    std::string tail = Text(CZuLexText::Get(EZuLexStrScore, 80, 0)) + "\\n" + Str(EZuLexStrGrade80);
    EXPECT_EQ(Result().substr(Result().size() - tail.size()), tail);
    EXPECT_EQ(Text(App().PromptText()), "5/5");
}

TEST_F(TestScreenTest, StartingAnewWaitsForAnAnswerBeforeOk)
{
    OpenTest();
    CZuMenuData* menu = TestScreen().GetMenuData();
    TestScreen().DynInitMenuData(menu);
    EXPECT_TRUE(menu->GetMenuItemByCmdId(EZuLexCmdTestNew)->IsVisible());
    EXPECT_FALSE(menu->GetMenuItemByCmdId(EZuLexCmdTestAgain)->IsVisible());
    AnswerRight();
    Button(EZuLexCmdFinishTest);
    TestScreen().DynInitMenuData(menu);
    EXPECT_FALSE(menu->GetMenuItemByCmdId(EZuLexCmdTestNew)->IsVisible());
    EXPECT_TRUE(menu->GetMenuItemByCmdId(EZuLexCmdTestAgain)->IsVisible());

    Command(EZuLexCmdTestAgain);
    EXPECT_TRUE(TestScreen().IsFresh());
    EXPECT_FALSE(TestScreen().IsEnded());
    EXPECT_EQ(TestScreen().Current(), 0);
    EXPECT_EQ(Result(), " ");
    EXPECT_FALSE(Enabled("ok_answer"));
    EXPECT_TRUE(Enabled("finish"));
    EXPECT_TRUE(Enabled("answer1"));
    EXPECT_TRUE(Screen().Answer(0)->IsFocused());
    EXPECT_EQ(Screen().ChosenAnswer(), -1);
    EXPECT_EQ(Paper().RightCount(), 0);
    Button(EZuLexCmdAnswerOk);
    EXPECT_EQ(TestScreen().Current(), 0);
    AnswerRight();
    EXPECT_TRUE(Enabled("ok_answer"));
    Command(EZuLexCmdTestNew);
    EXPECT_FALSE(Enabled("ok_answer"));
}

TEST_F(TestScreenTest, AnEmptyTestSaysSoAndTakesNoAnswer)
{
    UseCourse("gone");
    App().ActivateViewL(EZuLexViewTest);
    Program().Pump();
    ASSERT_EQ(Program().CurrentViewId(), int(EZuLexViewTest));
    EXPECT_TRUE(Paper().IsEmpty());
    EXPECT_EQ(Result(), Str(EZuLexStrNoWords));
    EXPECT_EQ(Text(Control("result")), Str(EZuLexStrNoWords));
    EXPECT_EQ(Text(App().PromptText()), "0/0");
    for (const char* name : {"answer1", "answer2", "answer3", "answer4", "ok_answer", "finish", "speech"})
        EXPECT_FALSE(Enabled(name)) << name;
    for (int command : {EZuLexCmdAnswerOk, EZuLexCmdFinishTest, EZuLexCmdSpeech})
        Button(command);
    EXPECT_EQ(Result(), Str(EZuLexStrNoWords));
    EXPECT_EQ(iSpeech.iPlays, 0);
    // Starting anew keeps it empty and safe.
    Command(EZuLexCmdTestAgain);
    EXPECT_FALSE(Enabled("finish"));
    EXPECT_EQ(Text(App().PromptText()), "0/0");
    Picture("test-empty");
}

TEST_F(TestScreenTest, LeavingDiscardsTheTest)
{
    OpenTest();
    AnswerRight();
    Button(EZuLexCmdAnswerOk);
    Command(EZuLexCmdBack);
    EXPECT_EQ(Program().CurrentViewId(), int(EZuLexViewMain));
    EXPECT_EQ(TestScreen().Test(), nullptr);
    OpenTest();
    EXPECT_EQ(TestScreen().Current(), 0);
    EXPECT_TRUE(TestScreen().IsFresh());
    EXPECT_EQ(Text(App().PromptText()), "1/20");
}

TEST_F(TestScreenTest, LongChoicesWrapWholeAndNothingOverlaps)
{
    // Three lines, as the longer explanations of the bundled books have: two rows as a choice.
    MakeCourse("long", 8,
               [](int i)
               {
                   std::string n = std::to_string(i);
                   return "prep. 在…之后；在…后面" + n + "\\nconj. 在…以后\\nadv. 以后；后来；之后" + n;
               });
    UseCourse("long");
    OpenTest();
    ExpectAnswersInPlace(true, 1);
    Picture("test-long-choices");
}

TEST_F(TestScreenTest, ChoicesTooLongForTheScreenAreCutAndNothingOverlaps)
{
    MakeCourse("longer", 8,
               [](int i)
               {
                   std::string n = std::to_string(i);
                   return "prep. 在…之后；在…后面；追寻" + n +
                          "\\nconj. 在…以后；既然；由于；因为\\nadv. 以后；后来；之后" + n;
               });
    UseCourse("longer");
    OpenTest();
    ExpectAnswersInPlace(false, 1);
}

TEST_F(TestScreenTest, TheRangeDialogChangesTheRangeForTheNextTest)
{
    UseCourse("own");
    OpenTest();
    Command(EZuLexCmdTestRange);
    CSelectTestRangeDlg* dialog = TestScreen().RangeDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(App().GetTopFromDispStack(), dialog);
    EXPECT_EQ(Text(dialog->GetTitleLabel()), Str(EZuLexStrTestRange));
    const int texts[] = {EZuLexStrTestRangeGroup, EZuLexStrTestRangeSoFar, EZuLexStrTestRangeCourse};
    for (int range = 1; range <= 3; ++range)
    {
        ASSERT_NE(dialog->RangeButton(range), nullptr);
        EXPECT_EQ(Text(dialog->RangeButton(range)), Str(texts[range - 1]));
    }
    EXPECT_EQ(dialog->RangePane()->GetSelectRadioBtnCmdID(), 1);
    EXPECT_TRUE(dialog->RangeButton(1)->IsFocused());
    Picture("test-range-dialog");
    // Choosing a range stays in the dialog: the test below does not take it as an answer.
    ClickOn(dialog->RangeButton(3));
    EXPECT_EQ(dialog->RangePane()->GetSelectRadioBtnCmdID(), 3);
    EXPECT_FALSE(Enabled("ok_answer"));
    Command(CZuDialog::KCmdOk);
    EXPECT_EQ(TestScreen().RangeDialog(), nullptr);
    EXPECT_EQ(Settings().TestRange(), 3);
    CWordConfig saved;
    EXPECT_EQ(saved.TestRange(), 3);
    // The test shown goes on over the group; the next one covers the course.
    for (int i = 0; i < Paper().Count(); ++i)
        EXPECT_LE(Number(Paper().Word(i)), 20);
    Command(EZuLexCmdTestNew);
    int beyondGroup = 0;
    for (int i = 0; i < Paper().Count(); ++i)
        beyondGroup += Number(Paper().Word(i)) > 20 ? 1 : 0;
    EXPECT_GT(beyondGroup, 0);
}

TEST_F(TestScreenTest, TheRangeDialogKeepsTheRangeWhenCancelledOrWithNoneChosen)
{
    Settings().SetTestRange(CWordConfig::ETestGroupsSoFar);
    OpenTest();
    Command(EZuLexCmdTestRange);
    CSelectTestRangeDlg* dialog = TestScreen().RangeDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->RangePane()->GetSelectRadioBtnCmdID(), 2);
    EXPECT_TRUE(dialog->RangeButton(2)->IsFocused());
    dialog->RangePane()->SetSelectRadioBtnBy(-1);
    Command(CZuDialog::KCmdOk);
    EXPECT_EQ(TestScreen().RangeDialog(), dialog);
    EXPECT_FALSE(dialog->IsClosed());
    dialog->RangePane()->SetSelectRadioBtnBy(3);
    Command(CZuDialog::KCmdCancel);
    EXPECT_EQ(TestScreen().RangeDialog(), nullptr);
    EXPECT_EQ(Settings().TestRange(), 2);
}
