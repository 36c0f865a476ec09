#include "ZuUiStyleTabGroup.h"

CZuUiStyleTabGroup::CZuUiStyleTabGroup()
{
    iBackground = iBaseColor.GetNewColor(-60, 100);
    iBgTransDegree = 0;
    iButtonStyle.iForeTransDegree = 100;
}

CZuUiStyleTabGroup::~CZuUiStyleTabGroup() {}
