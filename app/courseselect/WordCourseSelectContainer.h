#ifndef WORDCOURSESELECTCONTAINER_H
#define WORDCOURSESELECTCONTAINER_H

#include "ZuLexFormContainer.h"

// The container of the course screen, read from "SelectCourse.xml".
class CWordCourseSelectContainer : public CZuLexFormContainer
{
public:
    CWordCourseSelectContainer(CZuControl* parent, CZuView* view);
};

#endif // WORDCOURSESELECTCONTAINER_H
