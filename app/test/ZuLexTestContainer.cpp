#include "ZuLexTestContainer.h"

CZuLexTestContainer::CZuLexTestContainer(CZuControl* parent, CZuView* view)
    : CZuLexFormContainer(parent, view, "Test.xml")
{
}
