#include "ZuLexWnd.h"

#include "ZuCba.h"
#include "ZuControl.h"
#include "ZuLayout.h"
#include "ZuLayoutRow.h"

CZuLexWnd::CZuLexWnd(CZuControl* parent)
    : iRoot(new CZuControl(parent, false, EZuCtrlPane)), iCba(nullptr), iClientLayout(new CZuLayout)
{
    SetWndID(1);
    SetWndName(CZuString("ZuLexWnd"));
    iRoot->SetRoundCornerSize(4);
    iCba = new CZuCba(iRoot, true);
    iCba->SetRoundCornerSize(0, 0, 4, 4);

    CZuLayout* layout = new CZuLayout;
    layout->AppendRow(iClientLayout, -1, -1);
    layout->SetRowHeight(0, -1);
    layout->AppendRow(iCba, -1, KCbaHeight);
    SetWndLayout(layout);
    Append(iClientLayout, 0, CZuString("ClientLayout"));
    Append(iCba, 0, CZuString("Cba"));
}

CZuLexWnd::~CZuLexWnd()
{
    // The root owns the command bar and whatever the views left on it.
    if (iRoot->Parent())
        iRoot->Parent()->RemoveControl(iRoot);
    delete iRoot;
}

CZuControl* CZuLexWnd::GetWnd()
{
    return iRoot;
}

void CZuLexWnd::SetWndRect(const CZuRect& rect)
{
    iRoot->SetRect(rect);
    GetWndLayout()->SetRect(iRoot->InnerRect());
    GetWndLayout()->DoLayout();
}
