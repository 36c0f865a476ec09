#include "WordCourseSelectContainer.h"

CWordCourseSelectContainer::CWordCourseSelectContainer(CZuControl* parent, CZuView* view)
    : CZuLexFormContainer(parent, view, "SelectCourse.xml")
{
}
