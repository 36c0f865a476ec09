#ifndef ZUUISTYLELIST_H
#define ZUUISTYLELIST_H

#include "ZuString.h"
#include "ZuUiStyleCommon.h"

// The look of lists: the title row, the selected row and cell, and the grid, and the list's font.
class CZuUiStyleList : public CZuUiStyleCommon
{
public:
    CZuUiStyleList();
    ~CZuUiStyleList() override;

    CZuRgb iTitleColor;
    CZuRgb iTitleBgColor;
    CZuRgb iSelTextColor;
    CZuRgb iSelRowBorderColor;
    CZuRgb iSelRowColor;
    CZuRgb iSelCellColor;
    CZuRgb iGridColor;
    CZuString iFontName;
    int iFontSize;
    int iFlag;
};

#endif // ZUUISTYLELIST_H
