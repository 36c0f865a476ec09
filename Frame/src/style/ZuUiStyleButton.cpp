#include "ZuUiStyleButton.h"

CZuUiStyleButton::CZuUiStyleButton()
    : iNormalColor(iBaseColor.GetNewColor(-40, 40)), iDownColor(iBaseColor.GetNewColor(0, -30)),
      iFocusedBtnColor(iFocusedColor), iDefaultFocusedColor(iFocusedColor.GetNewColor(-30, 0)),
      iDisabledColor(160, 160, 160), iNormalColor2(iBaseColor), iDownColor2(iBaseColor.GetNewColor(-20, 10)),
      iFocusedBtnColor2(iFocusedColor.GetNewColor(20, -10)),
      iDefaultFocusedColor2(iFocusedColor.GetNewColor(-10, -10)), iDisabledColor2(128, 128, 128)
{
}

CZuUiStyleButton::~CZuUiStyleButton() {}
