#include "ZuRootWnd.h"

#include "ZuCba.h"
#include "ZuControl.h"
#include "ZuLayout.h"

CZuRootWnd::CZuRootWnd(CZuControl* parent) : iRoot(new CZuControl(parent, false, EZuCtrlPane))
{
    // The parent gives the pane its window only: a window description that is never shown must not keep a
    // parent that may go before it.
    iRoot->SetParent(nullptr);
}

CZuRootWnd::~CZuRootWnd()
{
    if (iRoot->Parent())
        iRoot->Parent()->RemoveControl(iRoot);
    delete iRoot;
}

CZuControl* CZuRootWnd::GetWnd()
{
    return iRoot;
}

void CZuRootWnd::SetWndRect(const CZuRect& rect)
{
    iRoot->SetRect(rect);
    GetWndLayout()->SetRect(iRoot->InnerRect());
    GetWndLayout()->DoLayout();
}

CZuCba* CZuRootWnd::LayOutClientOverCba(int cbaHeight)
{
    CZuCba* cba = new CZuCba(iRoot, true);
    CZuLayout* client = new CZuLayout;
    CZuLayout* layout = new CZuLayout;
    layout->AppendRow(client, -1, -1);
    layout->SetRowHeight(0, -1);
    layout->AppendRow(cba, -1, cbaHeight);
    SetWndLayout(layout);
    Append(client, 0, CZuString("ClientLayout"));
    Append(cba, 0, CZuString("Cba"));
    return cba;
}
