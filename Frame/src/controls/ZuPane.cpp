#include "ZuPane.h"

#include "ZuLayout.h"

CZuPane::CZuPane(CZuControl* parent) : CZuPaneBase(parent, true, EZuCtrlPane)
{
    SetPaneLayout(new CZuLayout);
}

CZuPane::~CZuPane()
{
    CZuLayout* layout = PaneLayout();
    SetPaneLayout(nullptr);
    delete layout;
}
