// The study screen driven directly: the word with its phonetic line and explanation, stepping through the
// group by buttons, taps, swipes and the browse timer, speech, the new-word book, and a place that is
// always inside the course.
#include "CourseOper.h"
#include "NewWordBook.h"
#include "SelectGroupDlg.h"
#include "StudyAndTestFixture.h"
#include "WordConfig.h"
#include "WordInfo.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuLexStudyContainer.h"
#include "ZuLexStudyView.h"
#include "ZuLexText.h"
#include "ZuUi.h"

namespace
{
std::string Position(int word, int count)
{
    return Text(CZuLexText::Get(EZuLexStrStudyPosition, word, count));
}
} // namespace

class StudyScreenTest : public StudyAndTestFixture
{
protected:
    CZuLexStudyContainer& Screen() const { return *Study().StudyContainer(); }
    CZuControl* Control(const char* name) const { return Screen().Control(name); }
    std::string Shown(const char* name) const { return Text(Control(name)); }
    bool Enabled(const char* name) const { return Control(name) && !Control(name)->IsDisabled(); }
    // A point of the screen where no control takes the pointer: beside the word, left or right.
    CZuPoint FreeSpot(bool left) const
    {
        CZuRect word = Control("word")->Rect();
        CZuRect screen = Screen().Rect();
        return CZuPoint(left ? screen.iTl.iX + 40 : screen.iBr.iX - 160, word.iTl.iY + word.Height() / 2);
    }
    // Taps are kept apart so that no two make a double tap.
    void Tap(bool left)
    {
        Wait(400);
        CZuPoint at = FreeSpot(left);
        iApp->Click(at.iX, at.iY);
    }
};

TEST_F(StudyScreenTest, ShowsTheFirstWordOfTheGroupWithItsPhoneticAndExplanation)
{
    OpenStudy();
    CWordInfo first = CoreWord(0);
    EXPECT_EQ(Shown("word"), Text(first.iWord));
    EXPECT_EQ(Shown("Phonetic"), Text(first.iPhonetic) + "  " + Text(first.iPhoneticNote));
    EXPECT_EQ(Shown("explain"), Text(first.iExplanation));
    EXPECT_EQ(Shown("cur_word"), Position(1, 20));
    EXPECT_EQ(Text(Study().GetTitle()), Text(CZuEnv::GetString(EZuLexStrTitleStudy)));
    // The explanation is wrapped text, not a single line.
    EXPECT_NE(dynamic_cast<CZuTextReader*>(Control("explain")), nullptr);
    EXPECT_EQ(Control("Phonetic")->GetFont()->FontName(), EFontPhonetic);
    EXPECT_EQ(Control("word")->GetFont()->FontSize(), 180);
    EXPECT_FALSE(Enabled("prev_word"));
    EXPECT_TRUE(Enabled("next_word"));
    EXPECT_TRUE(Enabled("speech"));
    EXPECT_TRUE(Enabled("add_new_word"));
    EXPECT_TRUE(Control("next_word")->IsFocused());
    EXPECT_TRUE(Control("browse_word")->IsVisible());
    EXPECT_FALSE(Control("stop_browse")->IsVisible());
    EXPECT_EQ(Text(Control("browse_word")->GetText()), Text(CZuEnv::GetString(EZuLexStrBrowse)));
    // Automatic speech is the default: the word was heard.
    EXPECT_EQ(iSpeech.iPlays, 1);
    EXPECT_GT(iSpeech.iLastSize, 0);
    Picture("study-short-word");
}

TEST_F(StudyScreenTest, StepsThroughTheGroupAndStopsAtItsEnds)
{
    OpenStudy();
    Button(EZuLexCmdPrevWord);
    EXPECT_EQ(Settings().Word(), 0);
    EXPECT_EQ(Shown("cur_word"), Position(1, 20));
    for (int i = 1; i < 20; ++i)
        Button(EZuLexCmdNextWord);
    EXPECT_EQ(Settings().Word(), 19);
    EXPECT_EQ(Shown("word"), Text(CoreWord(19).iWord));
    EXPECT_EQ(Shown("cur_word"), Position(20, 20));
    EXPECT_EQ(Text(App().PromptText()), Position(20, 20));
    // The last word: next is off, and the focus moved to a button that still works and goes nowhere.
    EXPECT_FALSE(Enabled("next_word"));
    EXPECT_TRUE(Enabled("prev_word"));
    EXPECT_TRUE(Control("speech")->IsFocused());
    Program().PressKey(13);
    EXPECT_EQ(Settings().Word(), 19);
    Button(EZuLexCmdPrevWord);
    EXPECT_EQ(Shown("word"), Text(CoreWord(18).iWord));
    EXPECT_TRUE(Enabled("next_word"));
    EXPECT_EQ(iSpeech.iPlays, 22);
}

TEST_F(StudyScreenTest, NextAfterTheLastWordGoesRoundToTheFirst)
{
    UseCourse("own", 0, 19);
    OpenStudy();
    EXPECT_EQ(Shown("word"), "word20");
    // A click on the disabled button is no tap on the screen's right half.
    ClickOn(Control("next_word"));
    EXPECT_EQ(Shown("word"), "word20");
    // What a tap or the browse timer sends still works where the button is off.
    Button(EZuLexCmdNextWord);
    EXPECT_EQ(Shown("word"), "word1");
    EXPECT_EQ(Settings().Word(), 0);
}

TEST_F(StudyScreenTest, KeysPressTheFocusedButton)
{
    OpenStudy();
    Program().PressKey(13);
    EXPECT_EQ(Shown("cur_word"), Position(2, 20));
    EXPECT_EQ(Shown("word"), Text(CoreWord(1).iWord));
}

TEST_F(StudyScreenTest, SpeaksOnlyOnRequestWhenAutomaticSpeechIsOff)
{
    Settings().SetWordSpeech(1);
    OpenStudy();
    Button(EZuLexCmdNextWord);
    EXPECT_EQ(iSpeech.iPlays, 0);
    Button(EZuLexCmdSpeech);
    EXPECT_EQ(iSpeech.iPlays, 1);
    ClickOn(Control("speech"));
    EXPECT_EQ(iSpeech.iPlays, 2);
}

TEST_F(StudyScreenTest, AWordWithoutSpeechDisablesTheSpeechButton)
{
    CCourseOper course(CZuString("mute"), CZuString(CourseFolder().c_str()));
    CWordInfo word;
    word.iWord = "quiet";
    word.iExplanation = "adj. 安静的";
    course.AppendWord(word);
    ASSERT_TRUE(course.Save());
    UseCourse("mute");
    OpenStudy();
    EXPECT_EQ(Shown("word"), "quiet");
    EXPECT_FALSE(Enabled("speech"));
    Button(EZuLexCmdSpeech);
    EXPECT_EQ(iSpeech.iPlays, 0);
}

TEST_F(StudyScreenTest, TapsOnTheLeftAndRightHalvesStep)
{
    UseCourse("own", 0, 5);
    OpenStudy();
    Tap(false);
    EXPECT_EQ(Shown("word"), "word7");
    Tap(false);
    EXPECT_EQ(Shown("word"), "word8");
    Tap(true);
    EXPECT_EQ(Shown("word"), "word7");
}

TEST_F(StudyScreenTest, SwipesStepAndShortOnesDoNot)
{
    UseCourse("own", 0, 5);
    OpenStudy();
    CZuPoint start = FreeSpot(true);
    Drag(start, CZuPoint(start.iX + 120, start.iY));
    EXPECT_EQ(Shown("word"), "word7");
    Wait(400);
    Drag(CZuPoint(start.iX + 120, start.iY), start);
    EXPECT_EQ(Shown("word"), "word6");
    // A drag too short to fling leaves the word; so does one that starts on a button.
    Wait(400);
    Drag(start, CZuPoint(start.iX + 25, start.iY + 30));
    EXPECT_EQ(Shown("word"), "word6");
    CZuRect speech = Control("speech")->Rect();
    CZuPoint onButton(speech.iTl.iX + 5, speech.iTl.iY + speech.Height() / 2);
    Drag(onButton, CZuPoint(onButton.iX - 150, onButton.iY));
    EXPECT_EQ(Shown("word"), "word6");
}

TEST_F(StudyScreenTest, BrowsingMovesOnEveryIntervalUntilStopped)
{
    Settings().SetWordSpeech(1);
    OpenStudy();
    Button(EZuLexCmdBrowse);
    ASSERT_TRUE(Study().IsBrowsing());
    EXPECT_EQ(Shown("cur_word"), Position(2, 20));
    EXPECT_FALSE(Control("browse_word")->IsVisible());
    EXPECT_TRUE(Control("stop_browse")->IsVisible());
    EXPECT_TRUE(Control("stop_browse")->IsFocused());
    // The stop button stands where the browse button stood.
    EXPECT_EQ(Control("stop_browse")->Rect(), Control("browse_word")->Rect());
    Wait(CZuLexStudyView::KBrowseIntervalMs - 50);
    EXPECT_EQ(Shown("cur_word"), Position(2, 20));
    Wait(50);
    EXPECT_EQ(Shown("cur_word"), Position(3, 20));
    Wait(CZuLexStudyView::KBrowseIntervalMs * 2);
    EXPECT_EQ(Shown("cur_word"), Position(5, 20));
    Program().PressKey(13);
    EXPECT_FALSE(Study().IsBrowsing());
    EXPECT_TRUE(Control("browse_word")->IsVisible());
    EXPECT_TRUE(Control("browse_word")->IsFocused());
    EXPECT_FALSE(Control("stop_browse")->IsVisible());
    Wait(CZuLexStudyView::KBrowseIntervalMs * 3);
    EXPECT_EQ(Shown("cur_word"), Position(5, 20));
    EXPECT_EQ(iSpeech.iPlays, 0);
}

TEST_F(StudyScreenTest, LeavingStopsBrowsingAndWritesThePlace)
{
    OpenStudy();
    Button(EZuLexCmdBrowse);
    int timer = Study().BrowseTimer();
    ASSERT_TRUE(CZuEnv::TimerMgr()->IsRunning(timer));
    Command(EZuLexCmdBack);
    EXPECT_EQ(Program().CurrentViewId(), int(EZuLexViewMain));
    EXPECT_FALSE(Study().IsBrowsing());
    EXPECT_FALSE(CZuEnv::TimerMgr()->IsRunning(timer));
    EXPECT_EQ(Study().Course(), nullptr);
    EXPECT_EQ(Study().Book(), nullptr);
    Wait(CZuLexStudyView::KBrowseIntervalMs * 2);
    // The place was written: a new start reads word 2.
    CWordConfig saved;
    EXPECT_EQ(saved.Word(), 1);
    EXPECT_EQ(Text(saved.CurrentCourse().iFile), "core");
}

TEST_F(StudyScreenTest, AddsTheWordToTheNewWordBookWrittenOnLeaving)
{
    OpenStudy();
    Button(EZuLexCmdNextWord);
    Button(EZuLexCmdAddNewWord);
    EXPECT_FALSE(Enabled("add_new_word"));
    // Adding again does nothing: the spelling is in the book.
    Button(EZuLexCmdAddNewWord);
    EXPECT_EQ(Study().Book()->Count(), 1);
    // Nothing is written before the screen is left.
    EXPECT_FALSE(FileExists(DataFile("course/newword.idx")));
    Button(EZuLexCmdPrevWord);
    EXPECT_TRUE(Enabled("add_new_word"));
    Button(EZuLexCmdNextWord);
    EXPECT_FALSE(Enabled("add_new_word"));
    Command(EZuLexCmdBack);
    CNewWordBook book(CZuString(CourseFolder().c_str()));
    book.Open();
    ASSERT_EQ(book.Count(), 1);
    EXPECT_EQ(Text(book.Word(0)->iWord), Text(CoreWord(1).iWord));
    EXPECT_EQ(Text(book.Word(0)->iSource), "core");
}

TEST_F(StudyScreenTest, AddedWordKeepsTheCourseItWasTakenFrom)
{
    // The words of "own" were taken from "core" and name it: their speech is there.
    UseCourse("own");
    OpenStudy();
    Button(EZuLexCmdAddNewWord);
    Command(EZuLexCmdBack);
    CNewWordBook book(CZuString(CourseFolder().c_str()));
    book.Open();
    ASSERT_EQ(book.Count(), 1);
    EXPECT_EQ(Text(book.Word(0)->iSource), "core");
    int length = 0;
    char* clip = book.Course().ReadSpeech(*book.Word(0), length);
    EXPECT_NE(clip, nullptr);
    delete[] clip;
}

TEST_F(StudyScreenTest, AGroupBeyondTheCourseFallsBackToTheFirst)
{
    UseCourse("own", 7, 3);
    OpenStudy();
    EXPECT_EQ(Settings().Group(), 0);
    EXPECT_EQ(Settings().Word(), 0);
    EXPECT_EQ(Shown("word"), "word1");
}

TEST_F(StudyScreenTest, AWordBeyondTheGroupIsItsLastAndStaysInsideIt)
{
    UseCourse("own", 2, 17);
    OpenStudy();
    // The last group holds words 41 to 45.
    EXPECT_EQ(Shown("word"), "word45");
    EXPECT_EQ(Shown("cur_word"), Position(5, 5));
    EXPECT_EQ(Settings().Word(), 4);
    Settings().SetWord(30);
    Button(EZuLexCmdSpeech);
    Button(EZuLexCmdAddNewWord);
    EXPECT_EQ(Study().Book()->Count(), 1);
    EXPECT_EQ(Text(Study().Book()->Word(0)->iWord), "word45");
    Settings().SetWord(30);
    Button(EZuLexCmdPrevWord);
    EXPECT_EQ(Shown("word"), "word44");
}

TEST_F(StudyScreenTest, ACourseWithoutWordsShowsNothingAndStepsNowhere)
{
    UseCourse("none");
    App().ActivateViewL(EZuLexViewStudy);
    Program().Pump();
    ASSERT_EQ(Program().CurrentViewId(), int(EZuLexViewStudy));
    std::string before = Shown("word");
    for (int command : {EZuLexCmdNextWord, EZuLexCmdPrevWord, EZuLexCmdSpeech, EZuLexCmdAddNewWord})
        Button(command);
    EXPECT_EQ(Shown("word"), before);
    EXPECT_EQ(iSpeech.iPlays, 0);
    EXPECT_EQ(Study().Book()->Count(), 0);
    Button(EZuLexCmdBrowse);
    Wait(CZuLexStudyView::KBrowseIntervalMs);
    Command(EZuLexCmdBack);
    EXPECT_EQ(Program().CurrentViewId(), int(EZuLexViewMain));
}

TEST_F(StudyScreenTest, ALongPhraseWithAThreeLineExplanationFits)
{
    CCourseOper course(CZuString("phrases"), CZuString(CourseFolder().c_str()));
    CWordInfo word = CoreWord(0);
    word.iSource = "core";
    word.iWord = "take something into account";
    word.iPhonetic = "/teɪk ˈsʌmθɪŋ ˈɪntə əˈkaʊnt/";
    word.iPhoneticNote = "phr.";
    word.iExplanation =
        "phr. 考虑到；把…计算在内\\n例：You must take the weather into account.\\n你必须把天气考虑在内。";
    course.AppendWord(word);
    ASSERT_TRUE(course.Save());
    UseCourse("phrases");
    OpenStudy();
    CZuTextReader* explain = dynamic_cast<CZuTextReader*>(Control("explain"));
    ASSERT_NE(explain, nullptr);
    EXPECT_EQ(explain->GetRowCount(), 3);
    // The phrase is shown smaller than a short word, and whole beside the position.
    CZuControl* phrase = Control("word");
    EXPECT_LT(phrase->GetFont()->FontSize(), 180);
    EXPECT_LT(phrase->GetFont()->TextWidthInPixels(phrase->GetText()), phrase->InnerRect().Width());
    EXPECT_LE(phrase->Rect().iBr.iX, Control("cur_word")->Rect().iTl.iX);
    EXPECT_EQ(explain->GetScrollBar() == nullptr || !explain->GetScrollBar()->IsVisible(), true);
    Picture("study-long-phrase");
}

TEST_F(StudyScreenTest, GroupCountsCoverTheCourse)
{
    EXPECT_EQ(CSelectGroupDlg::GroupCount(45, 20), 3);
    EXPECT_EQ(CSelectGroupDlg::GroupCount(40, 20), 2);
    EXPECT_EQ(CSelectGroupDlg::GroupCount(1, 20), 1);
    EXPECT_EQ(CSelectGroupDlg::GroupCount(0, 20), 0);
    EXPECT_EQ(CSelectGroupDlg::GroupCount(982, 10), 99);
}

TEST_F(StudyScreenTest, TheGroupDialogPicksAGroupAndShowsItsFirstWord)
{
    UseCourse("own", 1, 6);
    OpenStudy();
    Command(EZuLexCmdSelectGroup);
    CSelectGroupDlg* dialog = Study().GroupDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(App().GetTopFromDispStack(), dialog);
    EXPECT_EQ(Text(dialog->GetTitleLabel()), Text(CZuEnv::GetString(EZuLexStrSelectGroup)));
    CZuList* list = dialog->List();
    ASSERT_EQ(list->GetRowCount(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(Text(*list->GetRow(row)->GetCell(0)->iString), std::to_string(row + 1));
    // It opens on the current group, with the focus on the list.
    EXPECT_EQ(list->GetSelectedRowIndex(), 1);
    EXPECT_TRUE(list->IsFocused());
    // All three fit: the first is in view.
    EXPECT_EQ(list->GetTopRowIndex(), 0);
    Picture("study-group-dialog");
    Program().PressKey(40);
    EXPECT_EQ(list->GetSelectedRowIndex(), 2);
    Command(CZuDialog::KCmdOk);
    EXPECT_EQ(Study().GroupDialog(), nullptr);
    EXPECT_NE(App().GetTopFromDispStack(), static_cast<CZuControl*>(nullptr));
    EXPECT_EQ(Settings().Group(), 2);
    EXPECT_EQ(Settings().Word(), 0);
    EXPECT_EQ(Shown("word"), "word41");
    EXPECT_EQ(Shown("cur_word"), Position(1, 5));
    // The choice is written at once.
    CWordConfig saved;
    EXPECT_EQ(saved.Group(), 2);
    EXPECT_EQ(saved.Word(), 0);
}

TEST_F(StudyScreenTest, TheGroupDialogNeverStoresNoGroup)
{
    UseCourse("own", 1, 6);
    OpenStudy();
    Command(EZuLexCmdSelectGroup);
    CSelectGroupDlg* dialog = Study().GroupDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->List()->SetSelectedRow(-1);
    // OK, by soft key, title button or Enter, does nothing while no group is selected.
    Command(CZuDialog::KCmdOk);
    Button(CZuDialog::KCmdOk);
    Program().PressKey(13);
    EXPECT_EQ(Study().GroupDialog(), dialog);
    EXPECT_FALSE(dialog->IsClosed());
    EXPECT_EQ(Settings().Group(), 1);
    // Cancel closes it and keeps the place.
    Command(CZuDialog::KCmdCancel);
    EXPECT_EQ(Study().GroupDialog(), nullptr);
    EXPECT_EQ(Settings().Group(), 1);
    EXPECT_EQ(Settings().Word(), 6);
    EXPECT_EQ(Shown("word"), "word27");
}

TEST_F(StudyScreenTest, ClickingTheSelectedGroupAgainTakesIt)
{
    UseCourse("own", 1, 6);
    OpenStudy();
    Command(EZuLexCmdSelectGroup);
    CSelectGroupDlg* dialog = Study().GroupDialog();
    ASSERT_NE(dialog, nullptr);
    // Rows have a place once they are drawn.
    Program().Draw();
    CZuRect row = dialog->List()->GetDispRowRect(0);
    ASSERT_FALSE(row.IsEmpty());
    CZuPoint middle(row.iTl.iX + row.Width() / 2, row.iTl.iY + row.Height() / 2);
    iApp->Click(middle.iX, middle.iY);
    EXPECT_EQ(dialog->List()->GetSelectedRowIndex(), 0);
    EXPECT_EQ(Study().GroupDialog(), dialog);
    Wait(400);
    iApp->Click(middle.iX, middle.iY);
    EXPECT_EQ(Study().GroupDialog(), nullptr);
    EXPECT_EQ(Settings().Group(), 0);
    EXPECT_EQ(Shown("word"), "word1");
}

TEST_F(StudyScreenTest, LeavingTheScreenClosesTheGroupDialog)
{
    OpenStudy();
    Command(EZuLexCmdSelectGroup);
    ASSERT_NE(Study().GroupDialog(), nullptr);
    App().Shutdown();
    EXPECT_EQ(Study().GroupDialog(), nullptr);
    for (int i = 0; i < App().GetDispStackCount(); ++i)
        EXPECT_EQ(dynamic_cast<CSelectGroupDlg*>(App().GetDispStackAt(i)), nullptr);
}
