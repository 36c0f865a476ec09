#include "ZuUiSetting.h"

#include "ZuFont.h"

namespace
{
// Scroll bars before the metrics are filled: as wide as they are with the 16-pixel normal font.
const int KDefaultScrollBarSize = 14;
} // namespace

CZuUiSetting::CZuUiSetting()
    : iTransSupport(false), iGradientSupport(true), iTransformEffectSupport(false), iNormalFontHeight(0),
      iTextRowSpace(0), iSmallIconSize(0), iMidIconSize(0), iBigIconSize(0), iScrollBarSize(KDefaultScrollBarSize),
      iListOnceSelectClicked(false)
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
    iScrollBarSize = static_cast<int>(iNormalFontHeight * 0.875);
}
