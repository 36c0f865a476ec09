#ifndef ZULEXREVIEWCONTAINER_H
#define ZULEXREVIEWCONTAINER_H

#include "ZuContainer.h"

// The container of the review screen, built in code.
class CZuLexReviewContainer : public CZuContainer
{
public:
    CZuLexReviewContainer(CZuControl* parent, CZuView* view);

    // Makes the client layout and gives the container the UI manager's client rectangle.
    void ConstructL();
};

#endif // ZULEXREVIEWCONTAINER_H
