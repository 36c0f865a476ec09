#ifndef ZUUISTYLECBABAR_H
#define ZUUISTYLECBABAR_H

#include "ZuUiStyleButton.h"
#include "ZuUiStyleCommon.h"

// The look of the command bar at the bottom of a window, with the record of its buttons.
class CZuUiStyleCbaBar : public CZuUiStyleCommon
{
public:
    CZuUiStyleCbaBar();
    ~CZuUiStyleCbaBar() override;

    // The look of the bar's buttons.
    CZuUiStyleButton iButtonStyle;
};

#endif // ZUUISTYLECBABAR_H
