#include "ZuLexStudyContainer.h"

CZuLexStudyContainer::CZuLexStudyContainer(CZuControl* parent, CZuView* view)
    : CZuLexFormContainer(parent, view, "Study.xml")
{
}
