#ifndef ZULEXNEWWORDVIEW_H
#define ZULEXNEWWORDVIEW_H

#include "ZuLexView.h"

// The new-word screen (view 6): the words of the new-word book, which the learner may delete.
class CZuLexNewwordView : public CZuLexView
{
public:
    explicit CZuLexNewwordView(CZuUiManager* manager);

protected:
    void CreateContainerL(CZuControl* parent) override;
};

#endif // ZULEXNEWWORDVIEW_H
