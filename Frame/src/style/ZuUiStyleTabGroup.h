#ifndef ZUUISTYLETABGROUP_H
#define ZUUISTYLETABGROUP_H

#include "ZuUiStyleButtonGroup.h"

// The look of the tabs of a tab group: a button group with a lighter background.
class CZuUiStyleTabGroup : public CZuUiStyleButtonGroup
{
public:
    CZuUiStyleTabGroup();
    ~CZuUiStyleTabGroup() override;
};

#endif // ZUUISTYLETABGROUP_H
