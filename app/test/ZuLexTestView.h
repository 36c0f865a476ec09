#ifndef ZULEXTESTVIEW_H
#define ZULEXTESTVIEW_H

#include "ZuLexView.h"

class CSelectTestRangeDlg;
class CWordConfig;
class CWordTest;
class CZuLexTestContainer;

// The test screen (view 5): four-choice questions over the current group, the groups so far or the whole
// course, asked one after another; each answer is judged at once, and after the last one (or "finish") the
// score and a grade are shown. A test starts when the screen is shown and when the learner asks for a new
// one; leaving the screen discards it.
class CZuLexTestView : public CZuLexView
{
public:
    explicit CZuLexTestView(CZuUiManager* manager);
    ~CZuLexTestView() override;

    // Shows the question's place in the prompt.
    void DoActivateL() override;
    // Discards the test and closes the range dialog.
    void DoDeactivate() override;
    // A new test is offered before the first answer, a repeat after it.
    void DynInitMenuData(CZuMenuData* menu) override;
    bool HandleMessage(CZuMessage* message) override;

    // Loads the test words of the settings' range; the number of questions.
    int LoadTest();
    // A new test from its first question.
    void StartTest();
    // Takes the chosen answer; with finish, or after the last question, the test ends.
    void Answer(bool finish);
    // Plays the word asked.
    void Speak();
    // Opens the test-range dialog over the screen.
    void SelectRange();

    CWordTest* Test() const { return iTest; }
    int Current() const { return iCurrent; }
    bool IsFresh() const { return iFresh; }
    bool IsEnded() const { return iEnded; }
    // True while a question waits for its answer.
    bool IsAnswering() const;
    CSelectTestRangeDlg* RangeDialog() const { return iRangeDialog; }
    CZuLexTestContainer* TestContainer() const;
    // The text the result shows.
    const CZuString& ResultText() const { return iResult; }
    // "n/m": the question shown and the number of questions; "0/0" without questions.
    CZuString PositionText() const;

protected:
    void CreateContainerL(CZuControl* parent) override;

private:
    CWordConfig* Settings() const;
    // Makes question i and shows it; false when the course cannot give it four different choices.
    bool AskQuestion(int i);
    void ShowQuestion();
    void ShowNoTest();
    void EndTest();
    void SetResult(const CZuString& text);
    void CloseRangeDialog();
    void HandleRangeChosen(bool accepted);

    CWordTest* iTest;
    int iCurrent;
    // From the start of a test until its first answer.
    bool iFresh;
    bool iEnded;
    // The course cannot give four different explanations: no test can be made of it.
    bool iRefused;
    CZuString iResult;
    CSelectTestRangeDlg* iRangeDialog;
    // The range the dialog chose, taken into the settings when it is accepted.
    int iChosenRange;
};

#endif // ZULEXTESTVIEW_H
