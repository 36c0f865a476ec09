#include "ZuLexStudyView.h"

#include "ZuLexStudyContainer.h"
#include "ZuLexIds.h"

CZuLexStudyView::CZuLexStudyView(CZuUiManager* manager) : CZuLexView(manager, EZuLexStrTitleStudy) {}

void CZuLexStudyView::CreateContainerL(CZuControl* parent)
{
    CZuLexStudyContainer* container = new CZuLexStudyContainer(parent, this);
    container->ConstructL();
}
