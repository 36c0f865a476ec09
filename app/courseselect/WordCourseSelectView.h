#ifndef WORDCOURSESELECTVIEW_H
#define WORDCOURSESELECTVIEW_H

#include "ZuLexView.h"

class CWordCourseSelectContainer;

// The course screen (view 2): the installed courses and the new-word book, one of which the learner makes
// current. Taking another course starts it at its first word; taking the current one keeps the place.
class CWordCourseSelectView : public CZuLexView
{
public:
    explicit CWordCourseSelectView(CZuUiManager* manager);

    // The list's selection, the buttons, and the back commands (4 and 5).
    bool HandleMessage(CZuMessage* message) override;
    CWordCourseSelectContainer* CourseContainer() const;

protected:
    void CreateContainerL(CZuControl* parent) override;

private:
    void HandleListMessage(int what);
    void TakeSelectedCourse();
};

#endif // WORDCOURSESELECTVIEW_H
