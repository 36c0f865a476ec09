// The program's form files as they stand in data/forms: each reads without a fault and holds every
// control its screen looks up, of the kind the screen uses.
#include "TestFiles.h"
#include "UiTestSupport.h"
#include "ZuXml.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

struct TNamed
{
    const char* iName;
    // The element that declares it.
    const char* iKind;
};

std::string Path(const char* file)
{
    return std::string(ZU_TEST_SOURCE_DIR "/data/forms/") + file;
}

// The control type each kind makes, where the kind fixes one.
int TypeOf(const std::string& kind)
{
    if (kind == "button")
        return EZuCtrlButton;
    if (kind == "label")
        return EZuCtrlLabel;
    if (kind == "radio")
        return EZuCtrlRadioButton;
    if (kind == "pane")
        return EZuCtrlPane;
    if (kind == "list")
        return EZuCtrlList;
    if (kind == "scrolllist")
        return EZuCtrlScrollList;
    if (kind == "combo")
        return EZuCtrlComboBox;
    if (kind == "titlebar")
        return EZuCtrlTitleBar;
    if (kind == "promptbar")
        return EZuCtrlPromptBar;
    if (kind == "cba")
        return EZuCtrlCba;
    return -1;
}

std::string Faults(int count, const std::function<CZuString(int)>& fault)
{
    std::string all;
    for (int i = 0; i < count; ++i)
        all += std::string(fault(i).PtrZ()) + "\n";
    return all;
}

} // namespace

class FormFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CZuEnv::StringMgr()->AddStringRes(CZuString(ZU_TEST_OUT_DIR "/res/ZuUi_zh.bin")));
        ASSERT_TRUE(CZuEnv::StringMgr()->AddStringRes(CZuString(ZU_TEST_OUT_DIR "/res/ZuLex_zh.bin")));
        iParent = new CZuControl(nullptr, false, EZuCtrlPane);
    }
    void TearDown() override { delete iParent; }

    // Skips the test while a kind the form uses is not one the loader makes yet.
    bool KindsKnown(const std::vector<TNamed>& controls)
    {
        for (const TNamed& control : controls)
        {
            if (!CZuXmlForm::KnowsKind(control.iKind))
            {
                iMissingKind = control.iKind;
                return false;
            }
        }
        return true;
    }
    void CheckForm(const char* file, const std::vector<TNamed>& controls)
    {
        CZuXmlForm* form = new CZuXmlForm(iParent);
        EXPECT_TRUE(form->LoadForm(CZuString(Path(file).c_str())))
            << Faults(form->GetFaultCount(), [form](int i) { return form->GetFault(i); });
        form->SetRect(CZuRect(0, 0, 476, 272));
        for (const TNamed& named : controls)
        {
            CZuControl* control = form->GetControl(CZuString(named.iName));
            ASSERT_NE(control, nullptr) << file << ": " << named.iName;
            if (TypeOf(named.iKind) >= 0)
            {
                EXPECT_EQ(control->GetType(), TypeOf(named.iKind)) << file << ": " << named.iName;
            }
            // Every control the screen uses lies inside the form as it is shown.
            if (control->IsVisible() && control->Parent() == form)
            {
                EXPECT_TRUE(form->Rect().Contains(control->Rect().iTl)) << file << ": " << named.iName;
                EXPECT_GT(control->Rect().Width(), 0) << file << ": " << named.iName;
            }
        }
    }

    CTestUiManager iUi;
    CZuControl* iParent = nullptr;
    std::string iMissingKind;
};

TEST_F(FormFilesTest, MainWindow)
{
    CZuXmlWnd wnd(1, CZuString("ZuLexWnd"));
    EXPECT_TRUE(wnd.LoadWnd(CZuString(Path("WordWnd.xml").c_str())))
        << Faults(wnd.GetFaultCount(), [&wnd](int i) { return wnd.GetFault(i); });
    for (const TNamed& named : std::vector<TNamed>{{"TitlePane", "pane"},
                                                   {"Prev", "button"},
                                                   {"Next", "button"},
                                                   {"TitleBar", "titlebar"},
                                                   {"TitleMenu", "button"},
                                                   {"PromptBar", "promptbar"},
                                                   {"Cba", "cba"}})
    {
        CZuControl* control = wnd.GetControl(CZuString(named.iName));
        ASSERT_NE(control, nullptr) << named.iName;
        EXPECT_EQ(control->GetType(), TypeOf(named.iKind)) << named.iName;
    }
    EXPECT_NE(wnd.GetLayout(CZuString("ClientLayout")), nullptr);
    // The title row and the status line never take the focus from the screen.
    EXPECT_TRUE(wnd.GetControl(CZuString("TitlePane"))->IsReadOnly());
    EXPECT_TRUE(wnd.GetControl(CZuString("PromptBar"))->IsReadOnly());
}

TEST_F(FormFilesTest, CourseScreen)
{
    std::vector<TNamed> controls = {{"course_list", "list"},
                                    {"selected_course", "label"},
                                    {"ok_course", "button"},
                                    {"cancel_course", "button"},
                                    {"go_back", "button"}};
    if (!KindsKnown(controls))
        GTEST_SKIP() << "the loader makes no <" << iMissingKind << "> yet";
    CheckForm("SelectCourse.xml", controls);
}

TEST_F(FormFilesTest, StudyScreen)
{
    std::vector<TNamed> controls = {
        {"word", "label"},         {"Phonetic", "label"},      {"explain", "textreader"},
        {"cur_word", "label"},     {"add_new_word", "button"}, {"prev_word", "button"},
        {"next_word", "button"},   {"speech", "button"},       {"browse_word", "button"},
        {"stop_browse", "button"}, {"go_back", "button"}};
    if (!KindsKnown(controls))
        GTEST_SKIP() << "the loader makes no <" << iMissingKind << "> yet";
    CheckForm("Study.xml", controls);
}

TEST_F(FormFilesTest, TestScreen)
{
    std::vector<TNamed> controls = {{"word", "label"},        {"answer_lyt", "pane"}, {"answer1", "radio"},
                                    {"answer2", "radio"},     {"answer3", "radio"},   {"answer4", "radio"},
                                    {"result", "textreader"}, {"speech", "button"},   {"ok_answer", "button"},
                                    {"finish", "button"},     {"go_back", "button"}};
    if (!KindsKnown(controls))
        GTEST_SKIP() << "the loader makes no <" << iMissingKind << "> yet";
    CheckForm("Test.xml", controls);
}

TEST_F(FormFilesTest, NewWordScreen)
{
    std::vector<TNamed> controls = {{"newword_list", "scrolllist"},
                                    {"delete", "button"},
                                    {"ok", "button"},
                                    {"cancel", "button"},
                                    {"go_back", "button"}};
    if (!KindsKnown(controls))
        GTEST_SKIP() << "the loader makes no <" << iMissingKind << "> yet";
    CheckForm("Newword.xml", controls);
}

TEST_F(FormFilesTest, SettingScreen)
{
    std::vector<TNamed> controls = {{"ui_transform", "combo"}, {"count_per_group", "combo"},
                                    {"word_speech", "combo"},  {"save", "button"},
                                    {"go_back", "button"},     {"cancel", "button"}};
    CheckForm("Setting.xml", controls);

    // Each choice gives back the id of its item: the value the settings store.
    CZuXmlForm* form = new CZuXmlForm(iParent);
    ASSERT_TRUE(form->LoadForm(CZuString(Path("Setting.xml").c_str())));
    CZuComboBox* group = form->GetControlAs<CZuComboBox>(CZuString("count_per_group"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(7, group->GetItemCount());
    EXPECT_EQ(-1, group->GetSelectedIndex());
    group->SetSelItemByID(25);
    EXPECT_EQ(std::string("25"), group->GetSelText().PtrZ());
    CZuComboBox* speech = form->GetControlAs<CZuComboBox>(CZuString("word_speech"));
    ASSERT_NE(speech, nullptr);
    ASSERT_EQ(2, speech->GetItemCount());
    speech->SetSelItemByIndex(1);
    EXPECT_EQ(std::string("1"), speech->GetSelText().PtrZ());
    EXPECT_EQ(std::string("按“发音”键时朗读"), speech->GetText().PtrZ());
    CZuComboBox* slide = form->GetControlAs<CZuComboBox>(CZuString("ui_transform"));
    ASSERT_NE(slide, nullptr);
    slide->SetSelItemByID(0);
    EXPECT_EQ(std::string("关闭"), slide->GetText().PtrZ());
}

// The examples of docs/forms.md read as they stand.
TEST_F(FormFilesTest, DocumentedExamples)
{
    std::vector<unsigned char> bytes = ReadFileBytes(ZU_TEST_SOURCE_DIR "/docs/forms.md");
    std::string page(bytes.begin(), bytes.end());
    std::vector<std::string> examples;
    for (size_t at = page.find("```xml\n"); at != std::string::npos; at = page.find("```xml\n", at))
    {
        size_t start = at + 7;
        size_t end = page.find("```", start);
        ASSERT_NE(end, std::string::npos);
        examples.push_back(page.substr(start, end - start));
        at = end + 3;
    }
    ASSERT_EQ(examples.size(), 2u);
    CZuXmlForm* form = new CZuXmlForm(iParent);
    EXPECT_TRUE(
        form->LoadFormText(examples[0].c_str(), static_cast<int>(examples[0].size()), CZuString("form")))
        << Faults(form->GetFaultCount(), [form](int i) { return form->GetFault(i); });
    EXPECT_NE(form->GetControl(CZuString("next_word")), nullptr);
    CZuXmlWnd wnd(1, CZuString("ZuLexWnd"));
    EXPECT_TRUE(
        wnd.LoadWndText(examples[1].c_str(), static_cast<int>(examples[1].size()), CZuString("window")))
        << Faults(wnd.GetFaultCount(), [&wnd](int i) { return wnd.GetFault(i); });
    EXPECT_NE(wnd.GetLayout(CZuString("ClientLayout")), nullptr);
}
