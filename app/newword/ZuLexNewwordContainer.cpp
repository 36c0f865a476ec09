#include "ZuLexNewwordContainer.h"

CZuLexNewwordContainer::CZuLexNewwordContainer(CZuControl* parent, CZuView* view)
    : CZuLexFormContainer(parent, view, "Newword.xml")
{
}
