#include "ZuLexReviewView.h"

#include "ZuLexReviewContainer.h"
#include "ZuLexIds.h"

CZuLexReviewView::CZuLexReviewView(CZuUiManager* manager) : CZuLexView(manager, EZuLexStrTitleReview) {}

void CZuLexReviewView::CreateContainerL(CZuControl* parent)
{
    CZuLexReviewContainer* container = new CZuLexReviewContainer(parent, this);
    container->ConstructL();
}
