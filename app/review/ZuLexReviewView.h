#ifndef ZULEXREVIEWVIEW_H
#define ZULEXREVIEWVIEW_H

#include "ZuLexView.h"

class CZuLexReviewContainer;

// The review screen (view 4), built in code; no cell of the main screen opens it. It only goes back.
class CZuLexReviewView : public CZuLexView
{
public:
    explicit CZuLexReviewView(CZuUiManager* manager);

    CZuLexReviewContainer* ReviewContainer() const;

protected:
    void CreateContainerL(CZuControl* parent) override;
};

#endif // ZULEXREVIEWVIEW_H
