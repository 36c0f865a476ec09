#include "ZuUiSetting.h"

#include "ZuFont.h"

CZuUiSetting::CZuUiSetting()
    : iTransSupport(false), iGradientSupport(true), iTransformEffectSupport(false), iNormalFontHeight(0),
      iTextRowSpace(0), iSmallIconSize(0), iMidIconSize(0), iBigIconSize(0), iListOnceSelectClicked(false)
{
}

CZuUiSetting::~CZuUiSetting() {}

void CZuUiSetting::Construct()
{
    iNormalFontHeight = CZuFont::GetNormalHeight();
    iTextRowSpace = static_cast<int>(iNormalFontHeight * 0.3);
    iSmallIconSize = static_cast<int>(iNormalFontHeight * 1.6);
    iMidIconSize = static_cast<int>(iNormalFontHeight * 2.8);
    iBigIconSize = static_cast<int>(iNormalFontHeight * 3.8);
}
