#ifndef ZUUISTYLEBUTTON_H
#define ZUUISTYLEBUTTON_H

#include "ZuUiStyleCommon.h"

// The look of buttons: besides the common colours, a pair of colours for each button state, the first
// at the top of a gradient and the second at its bottom.
class CZuUiStyleButton : public CZuUiStyleCommon
{
public:
    CZuUiStyleButton();
    ~CZuUiStyleButton() override;

    CZuRgb iNormalColor;
    CZuRgb iDownColor;
    CZuRgb iFocusedBtnColor;
    CZuRgb iDefaultFocusedColor;
    CZuRgb iDisabledColor;
    CZuRgb iNormalColor2;
    CZuRgb iDownColor2;
    CZuRgb iFocusedBtnColor2;
    CZuRgb iDefaultFocusedColor2;
    CZuRgb iDisabledColor2;
};

#endif // ZUUISTYLEBUTTON_H
