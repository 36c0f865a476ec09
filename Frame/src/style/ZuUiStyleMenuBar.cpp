#include "ZuUiStyleMenuBar.h"

CZuUiStyleMenuBar::CZuUiStyleMenuBar()
{
    iBackground = iBaseColor.GetNewColor(-90, 90);
    iBgTransDegree = 20;
}

CZuUiStyleMenuBar::~CZuUiStyleMenuBar() {}
