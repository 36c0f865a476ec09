#ifndef ZULEXREVIEWCONTAINER_H
#define ZULEXREVIEWCONTAINER_H

#include "ZuContainer.h"

class CZuComboBox;

// The container of the review screen, built in code: one choice of five sample items, the third chosen.
class CZuLexReviewContainer : public CZuContainer
{
public:
    CZuLexReviewContainer(CZuControl* parent, CZuView* view);

    // Makes the client layout with the choice as its one row, gives the container the UI manager's client
    // rectangle and the choice the focus.
    void ConstructL();
    CZuComboBox* Choice() const { return iChoice; }

private:
    CZuComboBox* iChoice;
};

#endif // ZULEXREVIEWCONTAINER_H
