#include "ZuUiStyleList.h"

CZuUiStyleList::CZuUiStyleList()
    : iTitleColor(iBaseColor.GetNewColor(-90, 90)), iTitleBgColor(iBaseColor.GetNewColor(-20, 0)),
      iSelTextColor(iBaseColor.GetNewColor(-90, 90)), iSelRowBorderColor(iBaseColor.GetNewColor(20, -20)),
      iSelRowColor(iBaseColor.GetNewColor(-30, 20)), iSelCellColor(iBaseColor.GetNewColor2(30, -30, 30)),
      iGridColor(iBaseColor.GetNewColor(-70, 50)), iFontName("Annotation"), iFontSize(15), iFlag(1)
{
}

CZuUiStyleList::~CZuUiStyleList() {}
