#ifndef ZULEXREVIEWVIEW_H
#define ZULEXREVIEWVIEW_H

#include "ZuLexView.h"

// The review screen (view 4), built in code; no cell of the main screen opens it.
class CZuLexReviewView : public CZuLexView
{
public:
    explicit CZuLexReviewView(CZuUiManager* manager);

protected:
    void CreateContainerL(CZuControl* parent) override;
};

#endif // ZULEXREVIEWVIEW_H
