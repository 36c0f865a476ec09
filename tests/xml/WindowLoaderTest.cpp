#include "TestFiles.h"
#include "UiTestSupport.h"
#include "ZuXml.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

const char* const KWindow = "<window border=\"line\" corner=\"4\">\n"
                            "  <row height=\"28\">\n"
                            "    <titlebar name=\"TitleBar\" width=\"-1\" height=\"-1\" app-icon=\"true\">\n"
                            "      <button name=\"TitleMenu\" command=\"1\"/>\n"
                            "    </titlebar>\n"
                            "  </row>\n"
                            "  <row height=\"-1\"><layout name=\"ClientLayout\" width=\"-1\" height=\"-1\"/></row>\n"
                            "  <row height=\"20\"><promptbar name=\"PromptBar\" width=\"-1\" height=\"-1\"/></row>\n"
                            "  <row height=\"30\"><cba name=\"Cba\" width=\"-1\" height=\"-1\"/></row>\n"
                            "</window>\n";

// A view whose container fills the client area.
class CPlainView : public CZuView
{
public:
    explicit CPlainView(CZuUiManager* manager) : CZuView(manager) {}
    void DoActivateL() override
    {
        CZuContainer* container = new CZuContainer(iUiManager->GetCurWnd()->GetWnd(), this, EZuCtrlContainer);
        container->ConstructL();
        CZuView::DoActivateL();
    }
};

} // namespace

class WindowLoaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CZuLog::SetLogDirectory(CZuString(iFolder.Path().c_str()));
        iUi = new CTestUiManager;
        iRoot = new CZuControl(static_cast<CZuWindow*>(nullptr));
        iRoot->SetRect(CZuRect(0, 0, 480, 360));
        iUi->SetPlatWindow(iRoot, true);
        iWnd = new CZuXmlWnd(1, CZuString("ZuLexWnd"));
    }
    void TearDown() override
    {
        delete iUi;
        CZuLog::SetLogDirectory(CZuString());
    }
    bool Load(const std::string& xml)
    {
        return iWnd->LoadWndText(xml.c_str(), static_cast<int>(xml.size()), CZuString("WordWnd.xml"));
    }

    CTempFolder iFolder;
    CTestUiManager* iUi = nullptr;
    CZuControl* iRoot = nullptr;
    CZuXmlWnd* iWnd = nullptr;
};

TEST_F(WindowLoaderTest, NamedBarsAndTheClientLayoutAreFoundThroughTheWindow)
{
    iUi->AppendWnd(iWnd);
    ASSERT_TRUE(Load(KWindow)) << iWnd->GetFault(0).PtrZ();
    EXPECT_EQ(iWnd->GetWndID(), 1);
    EXPECT_EQ(std::string(iWnd->GetWndName().PtrZ()), "ZuLexWnd");
    EXPECT_NE(iWnd->GetControlAs<CZuTitleBar>(CZuString("TitleBar")), nullptr);
    EXPECT_NE(iWnd->GetControlAs<CZuCba>(CZuString("Cba")), nullptr);
    EXPECT_NE(iWnd->GetControlAs<CZuPromptBar>(CZuString("PromptBar")), nullptr);
    EXPECT_EQ(iWnd->GetControlAs<CZuCba>(CZuString("PromptBar")), nullptr);
    EXPECT_NE(iWnd->GetLayout(CZuString("ClientLayout")), nullptr);
    EXPECT_EQ(iWnd->GetControl(CZuString("ClientLayout")), nullptr);
    EXPECT_EQ(iWnd->GetWnd()->GetBorderType(), EZuBorderLine);

    iUi->SwitchWnd(CZuString("ZuLexWnd"));
    EXPECT_EQ(iUi->GetCurWnd(), iWnd);
    EXPECT_EQ(iWnd->GetWnd()->Parent(), iRoot);
    EXPECT_EQ(iUi->GetCba(), iWnd->GetControl(CZuString("Cba")));
    EXPECT_EQ(iUi->GetTitleBar(), iWnd->GetControl(CZuString("TitleBar")));
}

TEST_F(WindowLoaderTest, WindowIsLaidOutInItsRectangle)
{
    iUi->AppendWnd(iWnd);
    ASSERT_TRUE(Load(KWindow));
    iUi->SwitchWnd(CZuString("ZuLexWnd"));
    iWnd->SetWndRect(CZuRect(0, 0, 480, 360));
    // Inside the one-pixel border: the title bar on top, the command bar at the bottom, the client between.
    EXPECT_EQ(iWnd->GetControl(CZuString("TitleBar"))->Rect(), CZuRect(1, 1, 479, 29));
    EXPECT_EQ(iWnd->GetControl(CZuString("Cba"))->Rect(), CZuRect(1, 329, 479, 359));
    EXPECT_EQ(iWnd->GetControl(CZuString("PromptBar"))->Rect(), CZuRect(1, 309, 479, 329));
    EXPECT_EQ(iUi->GetClientRect(), CZuRect(1, 29, 479, 309));

    CPlainView* view = new CPlainView(iUi);
    view->SetViewId(1);
    iUi->AddViewL(view);
    iUi->ActivateViewL(1);
    ASSERT_NE(view->GetContainer(), nullptr);
    EXPECT_EQ(view->GetContainer()->Rect(), CZuRect(1, 29, 479, 309));
}

TEST_F(WindowLoaderTest, LoadingAgainReplacesTheWindow)
{
    iUi->AppendWnd(iWnd);
    ASSERT_TRUE(Load(KWindow));
    ASSERT_TRUE(Load("<window><cba name=\"Cba\" width=\"-1\" height=\"30\"/></window>"));
    EXPECT_EQ(iWnd->GetControl(CZuString("TitleBar")), nullptr);
    EXPECT_EQ(iWnd->GetWnd()->GetControlCount(), 1);
    EXPECT_FALSE(Load("<form/>"));
    EXPECT_EQ(iWnd->GetWnd()->GetControlCount(), 0);
    EXPECT_EQ(iWnd->GetControl(CZuString("Cba")), nullptr);
}

TEST_F(WindowLoaderTest, FaultsNameTheFileAndLine)
{
    iUi->AppendWnd(iWnd);
    EXPECT_FALSE(Load("<window>\n  <row>\n    <cba name=\"Cba\" look=\"flat\"/>\n  </row>\n</window>"));
    ASSERT_EQ(iWnd->GetFaultCount(), 1);
    EXPECT_EQ(std::string(iWnd->GetFault(0).PtrZ()), "WordWnd.xml:3: <cba>: unknown attribute \"look\"");
    EXPECT_NE(iWnd->GetControl(CZuString("Cba")), nullptr);
    EXPECT_FALSE(iWnd->LoadWnd(CZuString(iFolder.File("WordWnd.xml").c_str())));
    EXPECT_EQ(iWnd->GetFaultCount(), 1);
}

// Controls appended by the program are found beside those of the file.
TEST_F(WindowLoaderTest, AppendedItemsAreFoundToo)
{
    iUi->AppendWnd(iWnd);
    ASSERT_TRUE(Load(KWindow));
    CZuButton* extra = new CZuButton(iWnd->GetWnd());
    iWnd->Append(extra, 5, CZuString("Extra"));
    EXPECT_EQ(iWnd->GetControl(CZuString("Extra")), extra);
    EXPECT_EQ(iWnd->GetControl(5), extra);
}

// Without a UI manager the window is still made and read.
TEST(WindowLoaderAlone, NeedsNoPlatformRoot)
{
    CZuXmlWnd wnd(2, CZuString("Other"));
    std::string xml = "<window><button name=\"b\" width=\"-1\"/></window>";
    EXPECT_TRUE(wnd.LoadWndText(xml.c_str(), static_cast<int>(xml.size()), CZuString("Other.xml")));
    wnd.SetWndRect(CZuRect(0, 0, 100, 50));
    EXPECT_EQ(wnd.GetControl(CZuString("b"))->Rect().Width(), 100);
}
