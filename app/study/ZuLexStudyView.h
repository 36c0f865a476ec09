#ifndef ZULEXSTUDYVIEW_H
#define ZULEXSTUDYVIEW_H

#include "ZuLexView.h"

// The study screen (view 3): the words of the current group one at a time, with their phonetic line,
// explanation and speech.
class CZuLexStudyView : public CZuLexView
{
public:
    explicit CZuLexStudyView(CZuUiManager* manager);

protected:
    void CreateContainerL(CZuControl* parent) override;
};

#endif // ZULEXSTUDYVIEW_H
