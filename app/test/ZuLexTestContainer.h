#ifndef ZULEXTESTCONTAINER_H
#define ZULEXTESTCONTAINER_H

#include "ZuLexFormContainer.h"

class CWordExplain;
class CZuPaneBase;

// The container of the test screen, read from "Test.xml": the word asked, its four explanations as radio
// buttons in the answer pane, the result of the last answer and the buttons that speak the word, take the
// answer, end the test and go back. What the buttons do is the view's.
class CZuLexTestContainer : public CZuLexFormContainer
{
public:
    CZuLexTestContainer(CZuControl* parent, CZuView* view);

    // Gives the answers their numbers (0 to 3, the positions of the choices they show), the buttons their
    // commands and captions and the result its font; the focus goes to the answers.
    void WireControls();
    // Shows the word and its four choices, none chosen, with the accept button off until one is.
    void ShowQuestion(const CZuString& word, const CWordExplain& question, bool hasSpeech);
    // No question can be asked: message stands in the result, and only going back is left.
    void ShowNoTest(const CZuString& message);
    // A new test: the answers and the finish button can be used again; the accept button waits for a choice.
    void StartAnswering();
    // The test is over: the answers, accept and finish are off.
    void EndAnswering();
    // An answer was chosen: accept can be pressed and has the focus.
    void AnswerChosen();
    // The first answer takes the focus.
    void FocusFirstAnswer();
    void SetResult(const CZuString& text);

    // The number of the chosen answer, -1 when none is.
    int ChosenAnswer() const;
    CZuPaneBase* AnswerPane() const;
    CZuControl* Answer(int i) const;

    // Under the answers: a band behind the one that has the focus.
    void Draw(CZuGc& gc, const CZuRect& rect) override;
    // The radio buttons of a pane mark their focus with a slightly thicker ring only; a band behind the
    // focused one (drawn before the pane, which is not filled) lets the learner see where the keys are.
    static void DrawFocusedChoice(CZuGc& gc, CZuControl* pane);

private:
    void Enable(CZuControl* control, bool enabled);
    void EnableAnswers(bool enabled);
    void ShowAnswers(bool shown);
    void FitAnswers();
    int ResultRowHeight() const;
    // Gives the answers the type size and their natural heights at the pane's width; their sum.
    int AnswersHeight(int fontSize);
    int AnswerRowSpace() const;
};

#endif // ZULEXTESTCONTAINER_H
