#include "ZuLexWnd.h"

#include "ZuCba.h"
#include "ZuControl.h"
#include "ZuLexIds.h"

CZuLexWnd::CZuLexWnd(CZuControl* parent) : CZuRootWnd(parent)
{
    SetWndID(KZuLexWndId);
    SetWndName(CZuString(KZuLexWndName));
    GetWnd()->SetRoundCornerSize(4);
    LayOutClientOverCba(KCbaHeight)->SetRoundCornerSize(0, 0, 4, 4);
}
