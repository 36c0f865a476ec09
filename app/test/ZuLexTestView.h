#ifndef ZULEXTESTVIEW_H
#define ZULEXTESTVIEW_H

#include "ZuLexView.h"

// The test screen (view 5): four-choice questions over the current group, the groups so far or the course.
class CZuLexTestView : public CZuLexView
{
public:
    explicit CZuLexTestView(CZuUiManager* manager);

protected:
    void CreateContainerL(CZuControl* parent) override;
};

#endif // ZULEXTESTVIEW_H
