#include "ZuLexWnd.h"

#include "ZuCba.h"
#include "ZuControl.h"

CZuLexWnd::CZuLexWnd(CZuControl* parent) : CZuRootWnd(parent)
{
    SetWndID(1);
    SetWndName(CZuString("ZuLexWnd"));
    GetWnd()->SetRoundCornerSize(4);
    LayOutClientOverCba(KCbaHeight)->SetRoundCornerSize(0, 0, 4, 4);
}
