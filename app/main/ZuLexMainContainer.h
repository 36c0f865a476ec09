#ifndef ZULEXMAINCONTAINER_H
#define ZULEXMAINCONTAINER_H

#include "ZuContainer.h"

class CZuGrid;

// The main screen's container: the grid of the five screens the learner can open, with their icons.
class CZuLexMainContainer : public CZuContainer
{
public:
    CZuLexMainContainer(CZuControl* parent, CZuView* view);

    // Makes the grid as the only row of the client layout, fills it with the five cells (none selected),
    // gives the container the UI manager's client rectangle and the grid the focus.
    void ConstructL();
    CZuGrid* Grid() const { return iGrid; }

private:
    CZuGrid* iGrid;
};

#endif // ZULEXMAINCONTAINER_H
