#include "ZuUiStyleTitleBar.h"

CZuUiStyleTitleBar::CZuUiStyleTitleBar()
{
    iForeground = iBaseColor.GetNewColor(-90, 90);
    iBackground = iBaseColor;
    iBgTransDegree = 80;
}

CZuUiStyleTitleBar::~CZuUiStyleTitleBar() {}
