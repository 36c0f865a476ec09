#include "ZuLexNewwordView.h"

#include "ZuLexNewwordContainer.h"
#include "ZuLexIds.h"

CZuLexNewwordView::CZuLexNewwordView(CZuUiManager* manager) : CZuLexView(manager, EZuLexStrTitleNewword) {}

void CZuLexNewwordView::CreateContainerL(CZuControl* parent)
{
    CZuLexNewwordContainer* container = new CZuLexNewwordContainer(parent, this);
    container->ConstructL();
}
