#include "ZuLexTestView.h"

#include "ZuLexTestContainer.h"
#include "ZuLexIds.h"

CZuLexTestView::CZuLexTestView(CZuUiManager* manager) : CZuLexView(manager, EZuLexStrTitleTest) {}

void CZuLexTestView::CreateContainerL(CZuControl* parent)
{
    CZuLexTestContainer* container = new CZuLexTestContainer(parent, this);
    container->ConstructL();
}
