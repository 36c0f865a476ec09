#include "ZuUiStyleButtonGroup.h"

CZuUiStyleButtonGroup::CZuUiStyleButtonGroup()
{
    iBackground = iBaseColor.GetNewColor(-20, 20);
    iBgTransDegree = 0;
    iButtonStyle.iForeTransDegree = 100;
}

CZuUiStyleButtonGroup::~CZuUiStyleButtonGroup() {}
