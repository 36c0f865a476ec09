#ifndef ZUUISTYLEBUTTONGROUP_H
#define ZUUISTYLEBUTTONGROUP_H

#include "ZuUiStyleButton.h"
#include "ZuUiStyleCommon.h"

// The look of a row or column of buttons, with the record its buttons take.
class CZuUiStyleButtonGroup : public CZuUiStyleCommon
{
public:
    CZuUiStyleButtonGroup();
    ~CZuUiStyleButtonGroup() override;

    // The look of the group's buttons.
    CZuUiStyleButton iButtonStyle;
};

#endif // ZUUISTYLEBUTTONGROUP_H
