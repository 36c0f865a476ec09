#include "ZuLexTestContainer.h"

#include "WordExplain.h"
#include "ZuButton.h"
#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuLayout.h"
#include "ZuLexIds.h"
#include "ZuPane.h"
#include "ZuPaneBase.h"
#include "ZuToggleButton.h"
#include "ZuXmlForm.h"

namespace
{
const char* const KAnswerNames[CWordExplain::KChoiceCount] = {"answer1", "answer2", "answer3", "answer4"};
// Where the focus goes when the control holding it can no longer be used.
// Rows of result text the answers leave room for, unless four long answers need them.
const int KResultRows = 2;
// The answers' type sizes, tried in turn until four of them fit.
const int KAnswerFontSizes[] = {100, 90, 80};
// The band behind the focused answer: a light shade of the buttons' focus colour.
const unsigned KChoiceFocus = 0xFBDDB0;
const char* const KFocusOrder[] = {"answer1", "ok_answer", "finish", "speech", "go_back"};
} // namespace

CZuLexTestContainer::CZuLexTestContainer(CZuControl* parent, CZuView* view)
    : CZuLexFormContainer(parent, view, "Test.xml")
{
}

CZuPaneBase* CZuLexTestContainer::AnswerPane() const
{
    return dynamic_cast<CZuPaneBase*>(Control("answer_lyt"));
}

CZuControl* CZuLexTestContainer::Answer(int i) const
{
    return i >= 0 && i < CWordExplain::KChoiceCount ? Control(KAnswerNames[i]) : nullptr;
}

void CZuLexTestContainer::WireControls()
{
    if (!Form())
        return;
    for (int i = 0; i < CWordExplain::KChoiceCount; ++i)
    {
        if (CZuToggleButton* answer = Form()->GetControlAs<CZuToggleButton>(CZuString(KAnswerNames[i])))
            answer->Set(i, CZuString("explain ") + CZuString(i + 1), nullptr, false);
    }
    if (CZuButton* ok = Form()->GetControlAs<CZuButton>(CZuString("ok_answer")))
    {
        ok->Set(EZuLexCmdAnswerOk, CZuEnv::GetString(EZuLexUiStrOk), nullptr, false);
        ok->SetDisabled(true);
    }
    if (CZuButton* speech = Form()->GetControlAs<CZuButton>(CZuString("speech")))
        speech->Set(EZuLexCmdSpeech, CZuEnv::GetString(EZuLexStrSpeech), nullptr, false);
    if (CZuButton* finish = Form()->GetControlAs<CZuButton>(CZuString("finish")))
        finish->Set(EZuLexCmdFinishTest, CZuEnv::GetString(EZuLexStrFinishTest), nullptr, false);
    if (CZuControl* result = Control("result"))
    {
        CZuFont* font = CZuEnv::AcquireFont(EFontUi, 90, false);
        result->SetFont(font);
        CZuEnv::ReleaseFont(font);
        result->SetText(CZuString(""));
        result->SetAlign(EAlignLeft);
    }
    FocusFirstAnswer();
}

void CZuLexTestContainer::ShowQuestion(const CZuString& word, const CWordExplain& question, bool hasSpeech)
{
    if (CZuControl* control = Control("word"))
        control->SetText(word);
    for (int i = 0; i < CWordExplain::KChoiceCount; ++i)
    {
        if (CZuControl* answer = Answer(i))
            answer->SetText(i < question.ChoiceCount() ? question.Choice(i) : CZuString(""));
    }
    if (CZuPaneBase* pane = AnswerPane())
        pane->SetSelectRadioBtnBy(-1);
    FitAnswers();
    Enable(Control("ok_answer"), false);
    Enable(Control("speech"), hasSpeech);
    KeepFocusUsable(KFocusOrder);
    DrawDeferred();
}

void CZuLexTestContainer::ShowNoTest(const CZuString& message)
{
    if (CZuControl* control = Control("word"))
        control->SetText(CZuString(" "));
    for (int i = 0; i < CWordExplain::KChoiceCount; ++i)
    {
        if (CZuControl* answer = Answer(i))
            answer->SetText(CZuString(""));
    }
    if (CZuPaneBase* pane = AnswerPane())
        pane->SetSelectRadioBtnBy(-1);
    ShowAnswers(false);
    EnableAnswers(false);
    Enable(Control("ok_answer"), false);
    Enable(Control("finish"), false);
    Enable(Control("speech"), false);
    SetResult(message);
    KeepFocusUsable(KFocusOrder);
}

void CZuLexTestContainer::StartAnswering()
{
    ShowAnswers(true);
    EnableAnswers(true);
    Enable(Control("finish"), true);
    Enable(Control("ok_answer"), false);
    FocusFirstAnswer();
}

void CZuLexTestContainer::EndAnswering()
{
    // The answers give their room to the result, which now holds the score.
    ShowAnswers(false);
    EnableAnswers(false);
    Enable(Control("ok_answer"), false);
    Enable(Control("finish"), false);
    KeepFocusUsable(KFocusOrder);
    DrawDeferred();
}

void CZuLexTestContainer::AnswerChosen()
{
    CZuControl* ok = Control("ok_answer");
    if (!ok)
        return;
    Enable(ok, true);
    ok->SetFocus(true);
    DrawDeferred();
}

void CZuLexTestContainer::FocusFirstAnswer()
{
    CZuControl* first = Answer(0);
    if (first && !first->IsDisabled())
        first->SetFocus(true);
}

void CZuLexTestContainer::SetResult(const CZuString& text)
{
    if (CZuControl* result = Control("result"))
        result->SetText(text);
    Relayout();
}

int CZuLexTestContainer::ChosenAnswer() const
{
    CZuPaneBase* pane = AnswerPane();
    return pane ? pane->GetSelectRadioBtnCmdID() : -1;
}

void CZuLexTestContainer::Enable(CZuControl* control, bool enabled)
{
    if (control)
        control->SetDisabled(!enabled);
}

void CZuLexTestContainer::EnableAnswers(bool enabled)
{
    // The pane takes no pointer while it is off; each answer is greyed and passed over by the focus keys.
    Enable(AnswerPane(), enabled);
    for (int i = 0; i < CWordExplain::KChoiceCount; ++i)
        Enable(Answer(i), enabled);
}

void CZuLexTestContainer::FitAnswers()
{
    CZuPaneBase* pane = AnswerPane();
    CZuControl* ok = Control("ok_answer");
    if (!pane || !ok)
        return;
    int rowSpace = Form()->GetFormLayout() ? Form()->GetFormLayout()->GetRowSpace() : 0;
    // The room down to the buttons, and what the pane itself takes of it.
    int room = ok->Rect().iTl.iY - pane->Rect().iTl.iY - 2 * rowSpace;
    int frame = pane->Rect().Height() - pane->InnerRect().Height() +
                (CWordExplain::KChoiceCount - 1) * AnswerRowSpace();
    // Each answer is as tall as its text wrapped to the pane's width. Four long ones are shown in a smaller
    // type, leaving the result fewer rows (it scrolls), and are cut only when even that does not do.
    for (int resultRows = KResultRows; resultRows >= 1; --resultRows)
    {
        for (int size : KAnswerFontSizes)
        {
            if (AnswersHeight(size) + frame <= room - resultRows * ResultRowHeight())
            {
                Relayout();
                return;
            }
        }
    }
    int cut = (room - ResultRowHeight() - frame) / CWordExplain::KChoiceCount;
    for (int i = 0; i < CWordExplain::KChoiceCount; ++i)
    {
        CZuControl* answer = Answer(i);
        if (answer && answer->GetMinSize().iHeight > cut)
            answer->SetPredefinedSize(CZuSize(answer->GetPredefinedSize().iWidth, cut));
    }
    Relayout();
}

int CZuLexTestContainer::AnswersHeight(int fontSize)
{
    CZuPaneBase* pane = AnswerPane();
    int width = pane ? pane->InnerRect().Width() : 0;
    CZuFont* font = CZuEnv::AcquireFont(EFontUi, fontSize, false);
    int height = 0;
    for (int i = 0; i < CWordExplain::KChoiceCount; ++i)
    {
        if (CZuControl* answer = Answer(i))
        {
            answer->SetFont(font);
            answer->SetPredefinedSize(CZuSize(width, 0));
            height += answer->GetMinSize().iHeight;
        }
    }
    CZuEnv::ReleaseFont(font);
    return height;
}

int CZuLexTestContainer::AnswerRowSpace() const
{
    CZuPane* pane = dynamic_cast<CZuPane*>(AnswerPane());
    return pane && pane->GetLayout() ? pane->GetLayout()->GetRowSpace() : 0;
}

int CZuLexTestContainer::ResultRowHeight() const
{
    CZuControl* result = Control("result");
    return result ? result->GetFont()->HeightInPixels() * 3 / 2 : 0;
}

void CZuLexTestContainer::ShowAnswers(bool shown)
{
    CZuPaneBase* pane = AnswerPane();
    if (!pane || pane->IsVisible() == shown)
        return;
    pane->MakeVisible(shown);
    Relayout();
}

void CZuLexTestContainer::Draw(CZuGc& gc, const CZuRect& rect)
{
    CZuLexFormContainer::Draw(gc, rect);
    DrawFocusedChoice(gc, AnswerPane());
}

void CZuLexTestContainer::DrawFocusedChoice(CZuGc& gc, CZuControl* pane)
{
    if (!pane || !pane->IsVisible() || pane->IsDisabled())
        return;
    for (int i = 0; i < pane->GetControlCount(); ++i)
    {
        CZuControl* choice = pane->GetControl(i);
        if (!choice->IsFocused() || !choice->IsVisible() || choice->IsDisabled())
            continue;
        CZuRect band = choice->Rect();
        band.Grow(2, 0);
        gc.SetDrawStyle(IZuGc::EDrawFill);
        gc.SetDrawColor(CZuRgb(KChoiceFocus));
        gc.DrawRoundRect(band, 3, 3, 3, 3);
    }
}
