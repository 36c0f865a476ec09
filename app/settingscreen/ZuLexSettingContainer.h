#ifndef ZULEXSETTINGCONTAINER_H
#define ZULEXSETTINGCONTAINER_H

#include "ZuLexFormContainer.h"

// The container of the setting screen, read from "Setting.xml".
class CZuLexSettingContainer : public CZuLexFormContainer
{
public:
    CZuLexSettingContainer(CZuControl* parent, CZuView* view);
};

#endif // ZULEXSETTINGCONTAINER_H
