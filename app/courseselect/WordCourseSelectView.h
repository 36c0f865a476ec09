#ifndef WORDCOURSESELECTVIEW_H
#define WORDCOURSESELECTVIEW_H

#include "ZuLexView.h"

// The course screen (view 2): the installed courses and the new-word book, one of which the learner makes current.
class CWordCourseSelectView : public CZuLexView
{
public:
    explicit CWordCourseSelectView(CZuUiManager* manager);

    // The course screen also goes back on command 4.
    bool HandleMessage(CZuMessage* message) override;

protected:
    void CreateContainerL(CZuControl* parent) override;
};

#endif // WORDCOURSESELECTVIEW_H
