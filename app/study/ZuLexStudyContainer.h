#ifndef ZULEXSTUDYCONTAINER_H
#define ZULEXSTUDYCONTAINER_H

#include "ZuLexFormContainer.h"

// The container of the study screen, read from "Study.xml".
class CZuLexStudyContainer : public CZuLexFormContainer
{
public:
    CZuLexStudyContainer(CZuControl* parent, CZuView* view);
};

#endif // ZULEXSTUDYCONTAINER_H
