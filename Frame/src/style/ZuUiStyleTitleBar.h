#ifndef ZUUISTYLETITLEBAR_H
#define ZUUISTYLETITLEBAR_H

#include "ZuUiStyleCommon.h"

// The look of the title bar at the top of a window.
class CZuUiStyleTitleBar : public CZuUiStyleCommon
{
public:
    CZuUiStyleTitleBar();
    ~CZuUiStyleTitleBar() override;
};

#endif // ZUUISTYLETITLEBAR_H
