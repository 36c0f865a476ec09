#include "ZuLexReviewView.h"

#include "ZuLexIds.h"
#include "ZuLexReviewContainer.h"

CZuLexReviewView::CZuLexReviewView(CZuUiManager* manager) : CZuLexView(manager, EZuLexStrTitleReview) {}

CZuLexReviewContainer* CZuLexReviewView::ReviewContainer() const
{
    return dynamic_cast<CZuLexReviewContainer*>(GetContainer());
}

void CZuLexReviewView::CreateContainerL(CZuControl* parent)
{
    CZuLexReviewContainer* container = new CZuLexReviewContainer(parent, this);
    container->ConstructL();
}
