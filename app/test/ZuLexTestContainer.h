#ifndef ZULEXTESTCONTAINER_H
#define ZULEXTESTCONTAINER_H

#include "ZuLexFormContainer.h"

// The container of the test screen, read from "Test.xml".
class CZuLexTestContainer : public CZuLexFormContainer
{
public:
    CZuLexTestContainer(CZuControl* parent, CZuView* view);
};

#endif // ZULEXTESTCONTAINER_H
