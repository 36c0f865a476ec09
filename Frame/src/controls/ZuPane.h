#ifndef ZUPANE_H
#define ZUPANE_H

#include "ZuPaneBase.h"

// A pane (EZuCtrlPane) with a layout of its own: fill its rows with the pane's children.
class CZuPane : public CZuPaneBase
{
public:
    explicit CZuPane(CZuControl* parent);
    ~CZuPane() override;

    // Owned by the pane.
    CZuLayout* GetLayout() const { return PaneLayout(); }
    using CZuControl::GetLayout;
};

#endif // ZUPANE_H
