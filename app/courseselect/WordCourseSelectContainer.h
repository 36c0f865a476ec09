#ifndef WORDCOURSESELECTCONTAINER_H
#define WORDCOURSESELECTCONTAINER_H

#include "ZuLexFormContainer.h"

class CCourse;
class CWordConfig;
class CZuButton;
class CZuControl;
class CZuList;

// The container of the course screen, read from "SelectCourse.xml": the list of the installed courses
// and the new-word book, the name of the one selected, and the buttons that take it or go back.
class CWordCourseSelectContainer : public CZuLexFormContainer
{
public:
    CWordCourseSelectContainer(CZuControl* parent, CZuView* view);

    // Loads the form and fills the list from the course list, with the row of the current course selected
    // (the first row when no course has its file, or without settings). "ok_course" stays disabled until a
    // row is chosen.
    void ConstructL(const CWordConfig* settings);

    CZuList* CourseList() const { return iList; }
    // The course of the selected row; null when there is none.
    CCourse* SelectedCourse() const;
    // The selection moved: its name is shown, and it must be chosen before it can be taken.
    void ShowSelection();
    // A row was chosen: "ok_course" takes it and has the focus.
    void ChooseSelection();
    bool CanTake() const;

private:
    void FillList(const CWordConfig* settings);
    void SetUpButtons();

    CZuList* iList;
    CZuControl* iSelectedName;
    CZuButton* iOk;
};

#endif // WORDCOURSESELECTCONTAINER_H
