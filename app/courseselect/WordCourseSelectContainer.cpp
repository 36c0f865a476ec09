#include "WordCourseSelectContainer.h"

#include "Course.h"
#include "CourseList.h"
#include "WordConfig.h"
#include "ZuButton.h"
#include "ZuLexColours.h"
#include "ZuLexIds.h"
#include "ZuList.h"
#include "ZuListRow.h"
#include "ZuMessage.h"
#include "ZuObjectList.h"
#include "ZuVarient.h"
#include "ZuXmlForm.h"

namespace
{
const int KListSpace = 5;
} // namespace

CWordCourseSelectContainer::CWordCourseSelectContainer(CZuControl* parent, CZuView* view)
    : CZuLexFormContainer(parent, view, "SelectCourse.xml"), iList(nullptr), iSelectedName(nullptr),
      iOk(nullptr)
{
}

void CWordCourseSelectContainer::ConstructL(const CWordConfig* settings)
{
    CZuLexFormContainer::ConstructL();
    iList = Form()->GetControlAs<CZuList>(CZuString("course_list"));
    iSelectedName = Control("selected_course");
    iOk = Form()->GetControlAs<CZuButton>(CZuString("ok_course"));
    SetUpButtons();
    FillList(settings);
    if (iSelectedName)
        iSelectedName->SetText(SelectedCourse() ? SelectedCourse()->iName : CZuString());
    if (iList)
        iList->SetFocus(true);
}

void CWordCourseSelectContainer::SetUpButtons()
{
    if (iOk)
    {
        iOk->SetCommand(EZuLexCmdCourseOk);
        iOk->SetDisabled(true);
    }
    for (const char* name : {"cancel_course", "go_back"})
    {
        CZuButton* button = Form()->GetControlAs<CZuButton>(CZuString(name));
        if (!button)
            continue;
        button->SetCommand(EZuLexCmdCourseCancel);
        // The form container made "go_back" send the back command; here it cancels as the other does.
        button->SetMsgWnd(nullptr, EZuMsgButtonClicked);
    }
}

void CWordCourseSelectContainer::FillList(const CWordConfig* settings)
{
    if (!iList)
        return;
    iList->SetColCount(1);
    iList->SetDispColCount(1);
    iList->SetListType(CZuList::EListTable);
    iList->SetShowSelBgNoFocus(true);
    iList->SetRowSpace(KListSpace);
    iList->SetColSpace(KListSpace);
    iList->SetForeground(CZuRgb(KZuLexInk));
    iList->SetSelectedRowColor(CZuRgb(KZuLexBarBlue));
    iList->SetSelectedForeColor(CZuRgb(KZuLexBarText));
    // A click both selects and chooses a course, so that the mouse needs no second click.
    iList->SetOnceSelectClicked(true);
    CZuObjectList* courses = settings ? settings->LoadCourseList() : CCourseList::Load();
    int selected = 0;
    for (int i = 0; i < courses->GetCount(); ++i)
    {
        CCourse* course = static_cast<CCourse*>(courses->GetAt(i));
        int row = iList->AppendRow(new CZuVarient(course->iName));
        iList->SetRowDataPtr(row, course, true);
        if (settings && course->iFile == settings->CurrentCourse().iFile)
            selected = row;
    }
    // The rows own the courses now.
    courses->RemoveAll();
    delete courses;
    iList->SetSelectedRow(iList->GetRowCount() > 0 ? selected : -1);
    iList->HandleDataChanged();
}

CCourse* CWordCourseSelectContainer::SelectedCourse() const
{
    if (!iList || iList->GetSelectedRowIndex() < 0)
        return nullptr;
    return dynamic_cast<CCourse*>(iList->GetRowDataPtr(iList->GetSelectedRowIndex()));
}

void CWordCourseSelectContainer::ShowSelection()
{
    if (iSelectedName)
    {
        iSelectedName->SetText(SelectedCourse() ? SelectedCourse()->iName : CZuString());
        iSelectedName->DrawDeferred();
    }
    if (iOk)
    {
        iOk->SetDisabled(true);
        iOk->DrawDeferred();
    }
}

void CWordCourseSelectContainer::ChooseSelection()
{
    if (!iOk || !SelectedCourse())
        return;
    ShowSelection();
    iOk->SetDisabled(false);
    iOk->SetFocus(true);
    DrawDeferred();
}

bool CWordCourseSelectContainer::CanTake() const
{
    return iOk && !iOk->IsDisabled() && SelectedCourse();
}
