#ifndef ZUCONTAINER_H
#define ZUCONTAINER_H

#include "ZuControl.h"

class CZuLayout;
class CZuView;

// The control that holds a view's controls while the view is active, laid out by its client layout.
class CZuContainer : public CZuControl
{
public:
    // Does not add itself to the parent's children; registers itself as the view's container.
    CZuContainer(CZuControl* parent, CZuView* view, TZuControlType type);
    ~CZuContainer() override;

    // Creates the client layout.
    void ConstructL();
    CZuLayout* GetClientLayout() const { return iClientLayout; }
    CZuView* GetView() const { return iView; }
    // Lays the client layout out again and asks for a redraw.
    void Relayout();

    // Always 0 x 0: a container takes the space it is given.
    CZuSize GetMinSize() override;
    void SizeChanged() override;
    void StateChanged() override;

private:
    CZuView* iView;
    CZuLayout* iClientLayout;
};

#endif // ZUCONTAINER_H
