#include "ZuUiStyleCommon.h"

CZuUiStyleCommon::CZuUiStyleCommon()
    : iBaseColor(22, 0, 250), iForeground(iBaseColor.GetNewColor(90, -90)),
      iBackground(iBaseColor.GetNewColor(-80, 80)), iBackgroundTo(),
      iBorderColor(iBaseColor.GetNewColor(100, 0)), iFocusedColor(245, 157, 86), iForeTransDegree(0),
      iBgTransDegree(80)
{
}

CZuUiStyleCommon::~CZuUiStyleCommon() {}
