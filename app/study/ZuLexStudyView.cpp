#include "ZuLexStudyView.h"

#include "CourseOper.h"
#include "NewWordBook.h"
#include "SelectGroupDlg.h"
#include "WordConfig.h"
#include "WordInfo.h"
#include "ZuEnv.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuLexStudyContainer.h"
#include "ZuMessage.h"
#include "ZuTimerManager.h"
#include "ZuUiManager.h"

CZuLexStudyView::CZuLexStudyView(CZuUiManager* manager)
    : CZuLexView(manager, EZuLexStrTitleStudy), iCourse(nullptr), iBook(nullptr), iBrowseTimer(0),
      iGroupDialog(nullptr), iChosenGroup(0)
{
}

CZuLexStudyView::~CZuLexStudyView()
{
    // The screen may still be shown: its timer must not call a view that is gone.
    CZuTimerManager* timers = CZuEnv::TimerMgr();
    if (IsBrowsing() && timers)
        timers->Stop(iBrowseTimer);
    CloseGroupDialog();
    if (iBook)
        iBook->Save();
    delete iBook;
    delete iCourse;
}

CZuLexStudyContainer* CZuLexStudyView::StudyContainer() const
{
    return static_cast<CZuLexStudyContainer*>(GetContainer());
}

CWordConfig* CZuLexStudyView::Settings() const
{
    CZuLexApp* app = App();
    return app ? app->Settings() : nullptr;
}

void CZuLexStudyView::CreateContainerL(CZuControl* parent)
{
    CZuLexStudyContainer* container = new CZuLexStudyContainer(parent, this);
    container->ConstructL();
    OpenCourses();
    container->WireControls();
    ShowWord();
}

void CZuLexStudyView::DoDeactivate()
{
    CZuLexView::DoDeactivate();
    StopBrowsing();
    CloseGroupDialog();
    if (iBook)
        iBook->Save();
    delete iBook;
    iBook = nullptr;
    delete iCourse;
    iCourse = nullptr;
    if (CWordConfig* settings = Settings())
        settings->Save();
}

void CZuLexStudyView::OpenCourses()
{
    CWordConfig* settings = Settings();
    if (!settings)
        return;
    delete iCourse;
    iCourse = new CCourseOper(settings->CurrentCourse().iFile);
    int perGroup = settings->CountPerGroup();
    iCourse->LoadRange(settings->FirstWordOfGroup(), perGroup);
    if (iCourse->WordCount() == 0)
    {
        settings->SetGroup(0);
        settings->SetWord(0);
        iCourse->LoadRange(0, perGroup);
    }
    if (!iBook)
    {
        iBook = new CNewWordBook;
        iBook->Open();
    }
}

int CZuLexStudyView::CurrentPosition() const
{
    CWordConfig* settings = Settings();
    int loaded = iCourse ? iCourse->WordCount() : 0;
    if (!settings || loaded == 0)
        return -1;
    return settings->ClampWord(loaded);
}

int CZuLexStudyView::ShowWord()
{
    int position = CurrentPosition();
    if (position < 0)
        return 0;
    const CWordInfo& word = *iCourse->Word(position);
    int length = 0;
    char* clip = iCourse->ReadSpeech(word, length);
    bool hasSpeech = clip && length > 0;
    CZuLexApp* app = App();
    if (hasSpeech && app && Settings()->SpeaksAutomatically())
        app->PlaySpeech(clip, length);
    delete[] clip;
    if (CZuLexStudyContainer* container = StudyContainer())
        container->ShowWord(word, position, iCourse->WordCount(), iBook && iBook->Contains(word), hasSpeech);
    return iCourse->WordCount();
}

void CZuLexStudyView::NextWord()
{
    int position = CurrentPosition();
    if (position < 0)
        return;
    // Browsing goes round: after the group's last word comes its first.
    int next = position + 1 < iCourse->WordCount() ? position + 1 : 0;
    Settings()->SetWord(next);
    ShowWord();
    DrawStepNow();
}

void CZuLexStudyView::PrevWord()
{
    int position = CurrentPosition();
    if (position <= 0)
        return;
    Settings()->SetWord(position - 1);
    ShowWord();
    DrawStepNow();
}

void CZuLexStudyView::DrawStepNow()
{
    // The learner sees the new word on this tick of the message queue, not on the next one.
    if (iUiManager && GetContainer() && !iUiManager->IsTransforming())
        iUiManager->DrawNow();
}

void CZuLexStudyView::AddNewWord()
{
    int position = CurrentPosition();
    if (position < 0 || !iBook)
        return;
    iBook->Add(*iCourse->Word(position), iCourse->Name());
    if (CZuLexStudyContainer* container = StudyContainer())
        container->DisableAddWord();
}

void CZuLexStudyView::Speak()
{
    int position = CurrentPosition();
    if (position < 0)
        return;
    int length = 0;
    char* clip = iCourse->ReadSpeech(*iCourse->Word(position), length);
    if (CZuLexApp* app = App())
        app->PlaySpeech(clip, length);
    delete[] clip;
}

void CZuLexStudyView::StartBrowsing()
{
    CZuTimerManager* timers = CZuEnv::TimerMgr();
    if (IsBrowsing() || !timers)
        return;
    iBrowseTimer = timers->StartTimer(timers->GetNextIdleId(), KBrowseIntervalMs, this);
    CZuLexStudyContainer* container = StudyContainer();
    if (!container || !container->Control("browse_word"))
        return;
    NextWord();
    container->ShowBrowsing(true);
}

void CZuLexStudyView::StopBrowsing()
{
    if (!IsBrowsing())
        return;
    if (CZuTimerManager* timers = CZuEnv::TimerMgr())
        timers->Stop(iBrowseTimer);
    iBrowseTimer = 0;
    if (CZuLexStudyContainer* container = StudyContainer())
        container->ShowBrowsing(false);
}

void CZuLexStudyView::OnTimer(int id)
{
    if (id == iBrowseTimer)
        NextWord();
}

bool CZuLexStudyView::HandleMessage(CZuMessage* message)
{
    switch (message->iType)
    {
    case EZuLexMsgDialogClosed:
        if (!iGroupDialog || CZuMessage::ParamObject<CSelectGroupDlg>(message->iParam2) != iGroupDialog)
            return false;
        HandleGroupChosen(message->iParam1 != 0);
        return true;
    case EZuMsgCommand:
        if (message->iParam1 == EZuLexCmdSelectGroup)
        {
            SelectGroup();
            return true;
        }
        return CZuLexView::HandleMessage(message);
    case EZuMsgButtonClicked:
        HandleButton(static_cast<int>(message->iParam1));
        return true;
    default:
        return false;
    }
}

void CZuLexStudyView::HandleButton(int command)
{
    switch (command)
    {
    case EZuLexCmdAddNewWord:
        AddNewWord();
        break;
    case EZuLexCmdPrevWord:
        PrevWord();
        break;
    case EZuLexCmdNextWord:
        NextWord();
        break;
    case EZuLexCmdSpeech:
        Speak();
        break;
    case EZuLexCmdBrowse:
        StartBrowsing();
        break;
    case EZuLexCmdStopBrowse:
        StopBrowsing();
        break;
    default:
        break;
    }
}

void CZuLexStudyView::SelectGroup()
{
    CWordConfig* settings = Settings();
    if (!settings || iGroupDialog || !GetContainer())
        return;
    int words = settings->GetCourseWordCount(settings->CurrentCourse().iFile);
    iChosenGroup = settings->Group();
    iGroupDialog =
        new CSelectGroupDlg(&iChosenGroup, CSelectGroupDlg::GroupCount(words, settings->CountPerGroup()));
    iGroupDialog->ConstructL();
    iGroupDialog->ShowDialog(false, this);
}

void CZuLexStudyView::CloseGroupDialog()
{
    delete iGroupDialog;
    iGroupDialog = nullptr;
}

void CZuLexStudyView::HandleGroupChosen(bool accepted)
{
    CloseGroupDialog();
    CWordConfig* settings = Settings();
    if (!accepted || !settings)
        return;
    settings->SetGroup(iChosenGroup);
    settings->SetWord(0);
    settings->Save();
    OpenCourses();
    ShowWord();
}
