#include "WordCourseSelectView.h"

#include "WordCourseSelectContainer.h"
#include "ZuLexIds.h"
#include "ZuMessage.h"
#include "ZuUiManager.h"

CWordCourseSelectView::CWordCourseSelectView(CZuUiManager* manager) : CZuLexView(manager, EZuLexStrTitleCourse) {}

void CWordCourseSelectView::CreateContainerL(CZuControl* parent)
{
    CWordCourseSelectContainer* container = new CWordCourseSelectContainer(parent, this);
    container->ConstructL();
}

bool CWordCourseSelectView::HandleMessage(CZuMessage* message)
{
    if (message->iType == EZuMsgCommand && message->iParam1 == EZuLexCmdCourseBack && iUiManager)
    {
        iUiManager->ActivateViewL(EZuLexViewMain);
        return true;
    }
    return CZuLexView::HandleMessage(message);
}
