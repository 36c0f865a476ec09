#include "ZuUiStyleCbaBar.h"

CZuUiStyleCbaBar::CZuUiStyleCbaBar()
{
    iForeground = iBaseColor.GetNewColor(-90, 90);
    iBackground = iBaseColor;
    iBgTransDegree = 80;
    iButtonStyle.iForeground = iBaseColor.GetNewColor(-90, 90);
    iButtonStyle.iForeTransDegree = 100;
}

CZuUiStyleCbaBar::~CZuUiStyleCbaBar() {}
