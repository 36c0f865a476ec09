#include "ZuLexTestView.h"

#include "CourseOper.h"
#include "SelectTestRangeDlg.h"
#include "WordConfig.h"
#include "WordExplain.h"
#include "WordInfo.h"
#include "WordTest.h"
#include "ZuEnv.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuLexTestContainer.h"
#include "ZuLexText.h"
#include "ZuMenuData.h"
#include "ZuMessage.h"

CZuLexTestView::CZuLexTestView(CZuUiManager* manager)
    : CZuLexView(manager, EZuLexStrTitleTest), iTest(nullptr), iCurrent(0), iFresh(false), iEnded(false),
      iRefused(false), iRangeDialog(nullptr), iChosenRange(CWordConfig::ETestGroup)
{
}

CZuLexTestView::~CZuLexTestView()
{
    CloseRangeDialog();
    delete iTest;
}

CZuLexTestContainer* CZuLexTestView::TestContainer() const
{
    return static_cast<CZuLexTestContainer*>(GetContainer());
}

CWordConfig* CZuLexTestView::Settings() const
{
    CZuLexApp* app = App();
    return app ? app->Settings() : nullptr;
}

void CZuLexTestView::CreateContainerL(CZuControl* parent)
{
    CZuLexTestContainer* container = new CZuLexTestContainer(parent, this);
    container->ConstructL();
    container->WireControls();
    StartTest();
}

void CZuLexTestView::DoActivateL()
{
    CZuLexView::DoActivateL();
    if (CZuLexApp* app = App())
        app->SetPromptText(PositionText());
}

void CZuLexTestView::DoDeactivate()
{
    CZuLexView::DoDeactivate();
    CloseRangeDialog();
    delete iTest;
    iTest = nullptr;
    iCurrent = 0;
    iFresh = false;
    iEnded = false;
    iRefused = false;
    iResult = CZuString();
}

void CZuLexTestView::DynInitMenuData(CZuMenuData* menu)
{
    if (!menu)
        return;
    menu->MakeItemVisible(EZuLexCmdTestNew, iFresh);
    menu->MakeItemVisible(EZuLexCmdTestAgain, !iFresh);
}

int CZuLexTestView::LoadTest()
{
    CWordConfig* settings = Settings();
    if (!iTest)
        iTest = new CWordTest;
    iCurrent = 0;
    if (!settings)
        return 0;
    return iTest->Load(settings->CurrentCourse().iFile, settings->TestRange(), settings->Group(),
                       settings->CountPerGroup());
}

void CZuLexTestView::StartTest()
{
    LoadTest();
    iFresh = true;
    iEnded = false;
    iRefused = false;
    if (CZuLexTestContainer* container = TestContainer())
        container->StartAnswering();
    SetResult(CZuString(" "));
    if (iTest->IsEmpty())
    {
        ShowNoTest();
        return;
    }
    AskQuestion(0);
}

bool CZuLexTestView::AskQuestion(int i)
{
    iCurrent = i;
    if (!iTest->MakeQuestion(i))
    {
        iRefused = true;
        ShowNoTest();
        return false;
    }
    ShowQuestion();
    return true;
}

bool CZuLexTestView::IsAnswering() const
{
    return iTest && !iTest->IsEmpty() && !iRefused && !iEnded;
}

CZuString CZuLexTestView::PositionText() const
{
    bool asking = iTest && !iTest->IsEmpty() && !iRefused;
    int count = asking ? iTest->Count() : 0;
    int shown = asking ? iCurrent + 1 : 0;
    return CZuString(shown) + "/" + CZuString(count);
}

void CZuLexTestView::ShowQuestion()
{
    const CWordInfo& word = *iTest->Word(iCurrent);
    int length = 0;
    char* clip = iTest->Course()->ReadSpeech(word, length);
    bool hasSpeech = clip && length > 0;
    CZuLexApp* app = App();
    if (hasSpeech && app && Settings()->SpeaksAutomatically())
        app->PlaySpeech(clip, length);
    delete[] clip;
    if (CZuLexTestContainer* container = TestContainer())
        container->ShowQuestion(word.iWord, *iTest->Question(iCurrent), hasSpeech);
    if (app)
        app->SetPromptText(PositionText());
}

void CZuLexTestView::ShowNoTest()
{
    int message = iRefused ? EZuLexStrTooFewExplanations : EZuLexStrNoWords;
    iResult = CZuEnv::GetString(message);
    if (CZuLexTestContainer* container = TestContainer())
        container->ShowNoTest(iResult);
    if (CZuLexApp* app = App())
        app->SetPromptText(PositionText());
}

void CZuLexTestView::Answer(bool finish)
{
    CZuLexTestContainer* container = TestContainer();
    if (!IsAnswering() || !container)
        return;
    // Only finishing may leave a question unanswered (it then counts as wrong).
    int chosen = container->ChosenAnswer();
    if (!finish && chosen < 0)
        return;
    const CWordInfo& word = *iTest->Word(iCurrent);
    CZuString result;
    if (iTest->Judge(iCurrent, chosen))
        result = CZuEnv::GetString(EZuLexStrAnswerRight);
    else
        result = CZuEnv::GetString(EZuLexStrAnswerWrong) + "\\n" + word.iWord + "  " + word.iExplanation;
    iFresh = false;
    iResult = result;
    if (finish || iCurrent + 1 >= iTest->Count())
    {
        EndTest();
        return;
    }
    if (AskQuestion(iCurrent + 1))
    {
        container->FocusFirstAnswer();
        SetResult(result);
    }
}

void CZuLexTestView::EndTest()
{
    iEnded = true;
    int score = iTest->Score();
    iResult += CZuString("\\n") + CZuLexText::Get(EZuLexStrScore, score, 0) + "\\n" +
               CZuEnv::GetString(CWordTest::GradeTextId(score));
    if (CZuLexTestContainer* container = TestContainer())
        container->EndAnswering();
    SetResult(iResult);
}

void CZuLexTestView::SetResult(const CZuString& text)
{
    iResult = text;
    if (CZuLexTestContainer* container = TestContainer())
        container->SetResult(text);
}

void CZuLexTestView::Speak()
{
    if (!iTest || iTest->IsEmpty() || iRefused)
        return;
    int length = 0;
    char* clip = iTest->Course()->ReadSpeech(*iTest->Word(iCurrent), length);
    if (CZuLexApp* app = App())
        app->PlaySpeech(clip, length);
    delete[] clip;
}

bool CZuLexTestView::HandleMessage(CZuMessage* message)
{
    switch (message->iType)
    {
    case EZuLexMsgDialogClosed:
        if (!iRangeDialog || CZuMessage::ParamObject<CSelectTestRangeDlg>(message->iParam2) != iRangeDialog)
            return false;
        HandleRangeChosen(message->iParam1 != 0);
        return true;
    case EZuMsgCommand:
        switch (message->iParam1)
        {
        case EZuLexCmdTestRange:
            SelectRange();
            return true;
        case EZuLexCmdTestAgain:
        case EZuLexCmdTestNew:
            StartTest();
            return true;
        default:
            return CZuLexView::HandleMessage(message);
        }
    case EZuMsgButtonClicked:
        switch (message->iParam1)
        {
        case EZuLexCmdAnswerOk:
            Answer(false);
            return true;
        case EZuLexCmdFinishTest:
            Answer(true);
            return true;
        case EZuLexCmdSpeech:
            Speak();
            return true;
        default:
            return false;
        }
    case EZuMsgButtonChosen:
        if (IsAnswering() && TestContainer())
        {
            SetResult(CZuString("  "));
            TestContainer()->AnswerChosen();
        }
        return true;
    default:
        return false;
    }
}

void CZuLexTestView::SelectRange()
{
    CWordConfig* settings = Settings();
    if (!settings || iRangeDialog || !GetContainer())
        return;
    iChosenRange = settings->TestRange();
    iRangeDialog = new CSelectTestRangeDlg(&iChosenRange);
    iRangeDialog->ConstructL();
    iRangeDialog->ShowDialog(false, this);
}

void CZuLexTestView::CloseRangeDialog()
{
    delete iRangeDialog;
    iRangeDialog = nullptr;
}

void CZuLexTestView::HandleRangeChosen(bool accepted)
{
    CloseRangeDialog();
    CWordConfig* settings = Settings();
    if (!accepted || !settings)
        return;
    // The new range takes effect with the next test.
    settings->SetTestRange(iChosenRange);
    settings->Save();
}
