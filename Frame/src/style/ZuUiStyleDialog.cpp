#include "ZuUiStyleDialog.h"

CZuUiStyleDialog::CZuUiStyleDialog()
{
    iBorderColor = iBaseColor.GetNewColor(80, -80);
    iBgTransDegree = 20;
}

CZuUiStyleDialog::~CZuUiStyleDialog() {}
