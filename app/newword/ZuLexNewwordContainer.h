#ifndef ZULEXNEWWORDCONTAINER_H
#define ZULEXNEWWORDCONTAINER_H

#include "ZuLexFormContainer.h"

// The container of the new-word screen, read from "Newword.xml".
class CZuLexNewwordContainer : public CZuLexFormContainer
{
public:
    CZuLexNewwordContainer(CZuControl* parent, CZuView* view);
};

#endif // ZULEXNEWWORDCONTAINER_H
