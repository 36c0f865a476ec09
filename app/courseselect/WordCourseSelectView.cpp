#include "WordCourseSelectView.h"

#include "Course.h"
#include "WordConfig.h"
#include "WordCourseSelectContainer.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuList.h"
#include "ZuMessage.h"
#include "ZuUiManager.h"

CWordCourseSelectView::CWordCourseSelectView(CZuUiManager* manager)
    : CZuLexView(manager, EZuLexStrTitleCourse)
{
}

CWordCourseSelectContainer* CWordCourseSelectView::CourseContainer() const
{
    return dynamic_cast<CWordCourseSelectContainer*>(GetContainer());
}

void CWordCourseSelectView::CreateContainerL(CZuControl* parent)
{
    CWordCourseSelectContainer* container = new CWordCourseSelectContainer(parent, this);
    container->ConstructL(App() ? App()->Settings() : nullptr);
}

bool CWordCourseSelectView::HandleMessage(CZuMessage* message)
{
    if (!iUiManager)
        return false;
    switch (message->iType)
    {
    case CZuList::KMsgListNotify:
        HandleListMessage(static_cast<int>(message->iParam1));
        return true;
    case EZuMsgButtonClicked:
        if (message->iParam1 == EZuLexCmdCourseOk)
            TakeSelectedCourse();
        else if (message->iParam1 == EZuLexCmdCourseCancel)
            iUiManager->ActivateViewL(EZuLexViewMain);
        return true;
    case EZuMsgCommand:
        if (message->iParam1 != EZuLexCmdCourseBack && message->iParam1 != EZuLexCmdBack)
            return false;
        iUiManager->ActivateViewL(EZuLexViewMain);
        return true;
    default:
        return false;
    }
}

void CWordCourseSelectView::HandleListMessage(int what)
{
    CWordCourseSelectContainer* container = CourseContainer();
    if (!container)
        return;
    if (what == CZuList::ENotifyRowActivated || what == CZuList::ENotifyCellActivated)
        container->ChooseSelection();
    else
        container->ShowSelection();
}

void CWordCourseSelectView::TakeSelectedCourse()
{
    CWordCourseSelectContainer* container = CourseContainer();
    CWordConfig* settings = App() ? App()->Settings() : nullptr;
    // A press that reaches the screen while "ok_course" is disabled (nothing chosen) takes nothing.
    if (!container || !settings || !container->CanTake())
        return;
    const CCourse& course = *container->SelectedCourse();
    if (course.iFile != settings->CurrentCourse().iFile)
        settings->SetCourse(course);
    iUiManager->ActivateViewL(EZuLexViewMain);
}
