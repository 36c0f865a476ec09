// The course screen: the installed courses and the new-word book in a list, the current one selected; a
// course is chosen in the list and taken with "ok_course", which starts it at its first word.
#include "AppScreenFixture.h"
#include "Course.h"
#include "CourseList.h"
#include "WordConfig.h"
#include "WordCourseSelectContainer.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuUi.h"

#include <cstdio>

class AppCourseScreenTest : public AppScreenTest
{
protected:
    CZuList* List() { return dynamic_cast<CZuList*>(Control("course_list")); }
    CZuButton* Ok() { return dynamic_cast<CZuButton*>(Control("ok_course")); }
    std::string SelectedName() { return Text(Control("selected_course")->GetText()); }
    std::string RowText(int row) { return Text(*List()->GetRow(row)->GetCell(0)->iString); }
    CWordConfig& Settings() { return *App().Settings(); }
    // The place the learner stands at, as the settings file on disk holds it.
    std::string PlaceOnDisk()
    {
        CWordConfig reread;
        return Text(reread.CurrentCourse().iFile) + " " + std::to_string(reread.Group()) + " " +
               std::to_string(reread.Word());
    }
};

TEST_F(AppCourseScreenTest, ListsTheCoursesWithTheCurrentOneSelected)
{
    Open(EZuLexCmdOpenCourse);
    ASSERT_EQ(CurrentViewId(), int(EZuLexViewCourse));
    ASSERT_NE(List(), nullptr);
    ASSERT_EQ(List()->GetRowCount(), 3);
    EXPECT_EQ(RowText(0), "核心词汇");
    EXPECT_EQ(RowText(1), "日常与旅行英语");
    EXPECT_EQ(RowText(2), Text(CZuEnv::GetString(EZuLexStrCaptionNewword)));
    CCourse* book = dynamic_cast<CCourse*>(List()->GetRowDataPtr(2));
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(Text(book->iFile), CCourseList::KNewWordFile);
    EXPECT_EQ(List()->GetSelectedRowIndex(), 0);
    EXPECT_EQ(SelectedName(), "核心词汇");
    EXPECT_TRUE(Ok()->IsDisabled());
    EXPECT_TRUE(List()->IsFocused());
    EXPECT_EQ(Text(App().GetCurView()->GetTitle()), Text(CZuEnv::GetString(EZuLexStrTitleCourse)));
    EXPECT_EQ(Text(App().PromptText()), Text(CZuLexApp::VersionPrompt()));
    Picture("zulex-course");
}

TEST_F(AppCourseScreenTest, OpensOnTheCurrentCourse)
{
    Settings().SetCourse(CCourse(CZuString("x"), CZuString(CCourseList::KNewWordFile)));
    Open(EZuLexCmdOpenCourse);
    EXPECT_EQ(List()->GetSelectedRowIndex(), 2);
    EXPECT_EQ(SelectedName(), Text(CZuEnv::GetString(EZuLexStrCaptionNewword)));
}

TEST_F(AppCourseScreenTest, KeysChooseAndTakeAnotherCourse)
{
    Settings().SetGroup(3);
    Settings().SetWord(5);
    Settings().Save();
    Open(EZuLexCmdOpenCourse);
    PressKey(KDown);
    EXPECT_EQ(List()->GetSelectedRowIndex(), 1);
    EXPECT_EQ(SelectedName(), "日常与旅行英语");
    // Moving is not choosing: the course cannot be taken yet.
    EXPECT_TRUE(Ok()->IsDisabled());
    Picture("zulex-course-moved");
    PressKey(KEnter);
    EXPECT_FALSE(Ok()->IsDisabled());
    EXPECT_TRUE(Ok()->IsFocused());
    Picture("zulex-course-chosen");
    PressKey(KEnter);
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain));
    EXPECT_EQ(Text(Settings().CurrentCourse().iFile), "daily");
    EXPECT_EQ(Text(Settings().CurrentCourse().iName), "日常与旅行英语");
    EXPECT_EQ(PlaceOnDisk(), "daily 0 0");
}

TEST_F(AppCourseScreenTest, AClickChoosesACourse)
{
    Open(EZuLexCmdOpenCourse);
    CZuRect row = List()->GetDispRowRect(1);
    Program().Click(row.iTl.iX + 20, row.iTl.iY + row.Height() / 2);
    EXPECT_EQ(List()->GetSelectedRowIndex(), 1);
    EXPECT_EQ(SelectedName(), "日常与旅行英语");
    EXPECT_FALSE(Ok()->IsDisabled());
    Click("ok_course");
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain));
    EXPECT_EQ(PlaceOnDisk(), "daily 0 0");
}

TEST_F(AppCourseScreenTest, TakingTheCurrentCourseKeepsThePlace)
{
    Settings().SetGroup(2);
    Settings().SetWord(7);
    Settings().Save();
    Open(EZuLexCmdOpenCourse);
    PressKey(KEnter);
    ASSERT_FALSE(Ok()->IsDisabled());
    Click("ok_course");
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain));
    EXPECT_EQ(Settings().Group(), 2);
    EXPECT_EQ(Settings().Word(), 7);
    EXPECT_EQ(PlaceOnDisk(), "core 2 7");
}

TEST_F(AppCourseScreenTest, OkPressedWhileDisabledTakesNothing)
{
    Open(EZuLexCmdOpenCourse);
    PressKey(KDown);
    // The button's command reaches the screen (as a stray message would) while nothing is chosen.
    CZuEnv::Static()->PostMessageW(nullptr, EZuMsgButtonClicked, EZuLexCmdCourseOk, 0);
    Program().Pump();
    EXPECT_EQ(CurrentViewId(), int(EZuLexViewCourse));
    EXPECT_EQ(Text(Settings().CurrentCourse().iFile), "core");
}

TEST_F(AppCourseScreenTest, EveryWayBackLeavesTheCourseAsItWas)
{
    for (int way = 0; way < 4; ++way)
    {
        Open(EZuLexCmdOpenCourse);
        PressKey(KDown);
        PressKey(KEnter);
        ASSERT_FALSE(Ok()->IsDisabled());
        if (way == 0)
            Click("cancel_course");
        else if (way == 1)
            Click("go_back");
        else if (way == 2)
            PressKey(KF2);
        else
            Command(EZuLexCmdCourseBack);
        EXPECT_EQ(CurrentViewId(), int(EZuLexViewMain)) << way;
        EXPECT_EQ(PlaceOnDisk(), "core 0 0") << way;
        EXPECT_EQ(App().GetView(EZuLexViewCourse)->GetContainer(), nullptr);
    }
}

TEST_F(AppCourseScreenTest, WithoutACourseListOnlyTheBookIsOffered)
{
    std::remove(Data().File("course/Course.xml").c_str());
    Open(EZuLexCmdOpenCourse);
    ASSERT_EQ(List()->GetRowCount(), 1);
    EXPECT_EQ(RowText(0), Text(CZuEnv::GetString(EZuLexStrCaptionNewword)));
    // The current course is not in the list: the first row is selected.
    EXPECT_EQ(List()->GetSelectedRowIndex(), 0);
    PressKey(KEnter);
    PressKey(KEnter);
    EXPECT_EQ(PlaceOnDisk(), "newword 0 0");
}
