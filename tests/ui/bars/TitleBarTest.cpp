#include "UiTestSupport.h"
#include "ZuAppWindow.h"
#include "ZuRootWnd.h"

#include <gtest/gtest.h>

namespace
{
// A platform window whose pointer the test places and whose moves it records.
class CFakeWindow : public CZuWindow
{
public:
    CFakeWindow() : CZuWindow(nullptr) {}
    CZuPoint GetScreenCursorPos() override { return iCursor; }
    void SetWndPos(const CZuPoint& position) override { iMoves.push_back(position); }

    CZuPoint iCursor;
    std::vector<CZuPoint> iMoves;
};

} // namespace

class TitleBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        iClock = new CZuManualClock;
        iUi = new CTestUiManager;
        CZuEnv::StringMgr()->AddStringRes(CZuString(ZU_TEST_OUT_DIR "/res/ZuUi_zh.bin"));
        iWindow = new CFakeWindow;
        iRoot = new CZuControl(iWindow);
        iRoot->SetRect(CZuRect(0, 0, 480, 360));
        iUi->SetPlatWindow(iRoot, true);
        iUi->SetObserver(iUi);
        iUi->SetScreenRect(CZuRect(0, 0, 1920, 1080));
        iBar = new CZuTitleBar(iRoot, true);
        iBar->SetRect(CZuRect(0, 0, 480, 30));
    }
    void TearDown() override
    {
        delete iUi;
        delete iClock;
    }
    // A press at (x, y) of the window while it stands at origin, the pointer then moved to the screen
    // point cursor with the button held.
    void PressAndDrag(const CZuPoint& origin, int x, int y, const CZuPoint& cursor)
    {
        iWindow->iCursor = CZuPoint(origin.iX + x, origin.iY + y);
        iUi->HandlePointerEventL(PointerEvent(EZuPointerDown, x, y));
        iWindow->iCursor = cursor;
        iUi->HandlePointerEventL(PointerEvent(EZuPointerDrag, x, y));
    }
    // A title bar that the UI manager finds as the current window's "TitleBar".
    CZuTitleBar* WindowsTitleBar()
    {
        CZuRootWnd* wnd = new CZuRootWnd(iRoot);
        wnd->SetWndName(CZuString("BarWnd"));
        iUi->AppendWnd(wnd);
        iUi->SwitchWnd(CZuString("BarWnd"));
        CZuTitleBar* bar = new CZuTitleBar(wnd->GetWnd(), true);
        bar->SetRect(CZuRect(0, 0, 480, 30));
        wnd->Append(bar, 1, CZuString("TitleBar"));
        return bar;
    }
    unsigned Pixel(int x, int y)
    {
        CZuBitmapGc gc(CZuSize(480, 360));
        iBar->DrawCtrl(gc, iBar->Rect());
        return PixelAt(gc, x, y);
    }

    CZuManualClock* iClock = nullptr;
    CTestUiManager* iUi = nullptr;
    CFakeWindow* iWindow = nullptr;
    CZuControl* iRoot = nullptr;
    CZuTitleBar* iBar = nullptr;
};

TEST_F(TitleBarTest, IsAReadOnlyBarInTheTitleBarsColours)
{
    EXPECT_EQ(iBar->GetType(), EZuCtrlTitleBar);
    EXPECT_TRUE(iBar->IsReadOnly());
    EXPECT_EQ(iBar->GetFont()->FontName(), EFontTitle);
    EXPECT_EQ(iBar->Background(), CZuEnv::UiStyle()->iTitleBar.iBackground);
    EXPECT_EQ(iBar->Foreground(), CZuEnv::UiStyle()->iTitleBar.iForeground);
    EXPECT_EQ(iBar->GetMenuNav(), nullptr);
    iBar->SetTitle(CZuString("背单词"));
    EXPECT_STREQ(iBar->GetText().PtrZ(), "背单词");
}

TEST_F(TitleBarTest, InputModesShowTheirIndicators)
{
    const std::pair<int, const char*> modes[] = {{0, ""},    {1, "T9"},   {2, "t9"},  {3, ""},
                                                 {4, "123"}, {5, "ABC"},  {6, "abc"}, {7, "Abc"},
                                                 {20, "中"}, {21, "ZhY"}, {22, "英"}, {8, "un"}};
    for (const auto& mode : modes)
    {
        iBar->SetInputMethodState(static_cast<TAknEditingState>(mode.first));
        const char* text = iBar->GetInputMethodText().PtrZ();
        EXPECT_EQ(std::string(text ? text : ""), mode.second) << mode.first;
    }
}

TEST_F(TitleBarTest, DraggingMovesTheWindowWithThePointer)
{
    const CZuPoint origin(400, 300);
    // 30 pixels right and 5 up.
    PressAndDrag(origin, 100, 10, CZuPoint(530, 305));
    ASSERT_EQ(iWindow->iMoves.size(), 1u);
    EXPECT_EQ(iWindow->iMoves[0], CZuPoint(430, 295));
    iWindow->iCursor = CZuPoint(540, 300);
    iUi->HandlePointerEventL(PointerEvent(EZuPointerUp, 100, 10));
    ASSERT_EQ(iWindow->iMoves.size(), 2u);
    EXPECT_EQ(iWindow->iMoves[1], CZuPoint(440, 290));
    EXPECT_FALSE(iBar->IsDragging());
    EXPECT_EQ(iUi->iMessages, (std::vector<unsigned>{EZuMsgMoveWindow, EZuMsgMoveWindow}));
}

TEST_F(TitleBarTest, AWindowDraggedPastTheScreensTopLeftGetsNegativeCoordinates)
{
    PressAndDrag(CZuPoint(10, 10), 100, 10, CZuPoint(-20, 3));
    ASSERT_EQ(iWindow->iMoves.size(), 1u);
    EXPECT_EQ(iWindow->iMoves[0], CZuPoint(-120, -7));
    iWindow->iCursor = CZuPoint(250, -4);
    iUi->HandlePointerEventL(PointerEvent(EZuPointerDrag, 100, 10));
    EXPECT_EQ(iWindow->iMoves.back(), CZuPoint(150, -14));
}

TEST_F(TitleBarTest, AMoveWithoutTheButtonEndsTheDrag)
{
    PressAndDrag(CZuPoint(400, 300), 100, 10, CZuPoint(530, 305));
    // The release happened where the bar could not see it; the pointer comes back with no button held.
    iUi->HandlePointerEventL(PointerEvent(EZuPointerMove, 120, 12));
    EXPECT_FALSE(iBar->IsDragging());
    iWindow->iCursor = CZuPoint(600, 400);
    iUi->HandlePointerEventL(PointerEvent(EZuPointerDrag, 120, 12));
    iUi->HandlePointerEventL(PointerEvent(EZuPointerUp, 120, 12));
    EXPECT_EQ(iWindow->iMoves.size(), 1u);
}

TEST_F(TitleBarTest, APressWhileDraggingStartsAgainFromThatPress)
{
    PressAndDrag(CZuPoint(400, 300), 100, 10, CZuPoint(530, 305));
    PressAndDrag(CZuPoint(430, 295), 50, 20, CZuPoint(500, 330));
    EXPECT_TRUE(iBar->IsDragging());
    EXPECT_EQ(iWindow->iMoves.back(), CZuPoint(450, 310));
}

TEST_F(TitleBarTest, AReleaseAnywhereEndsTheDrag)
{
    PressAndDrag(CZuPoint(400, 300), 100, 10, CZuPoint(530, 305));
    iUi->HandlePointerEventL(PointerEvent(EZuPointerUp, 300, 200));
    EXPECT_FALSE(iBar->IsDragging());
    iUi->HandlePointerEventL(PointerEvent(EZuPointerDrag, 300, 200));
    EXPECT_EQ(iWindow->iMoves.size(), 2u);
}

TEST_F(TitleBarTest, NothingMovesWhenTheUiFillsTheScreen)
{
    iUi->SetScreenRect(CZuRect(0, 0, 480, 360));
    PressAndDrag(CZuPoint(0, 0), 100, 10, CZuPoint(130, 5));
    EXPECT_FALSE(iBar->IsDragging());
    EXPECT_TRUE(iWindow->iMoves.empty());
}

TEST_F(TitleBarTest, APressBelowTheBarStartsNoDrag)
{
    PressAndDrag(CZuPoint(400, 300), 100, 40, CZuPoint(530, 305));
    EXPECT_FALSE(iBar->IsDragging());
    EXPECT_TRUE(iWindow->iMoves.empty());
}

TEST_F(TitleBarTest, AControlOnTheBarTakesItsOwnPresses)
{
    CRecordingControl* control = new CRecordingControl(iBar, false);
    control->SetPredefinedSize(CZuSize(40, 20));
    iBar->SetRightControl(control);
    // It keeps its size and ends 0.6 of its height before the bar's end, centred on the bar.
    EXPECT_EQ(control->Rect(), CZuRect(428, 5, 468, 25));
    EXPECT_EQ(iBar->FindControl(control), 0);
    PressAndDrag(CZuPoint(400, 300), 440, 10, CZuPoint(900, 305));
    EXPECT_FALSE(iBar->IsDragging());
    EXPECT_FALSE(control->iPointers.empty());
    PressAndDrag(CZuPoint(400, 300), 400, 10, CZuPoint(830, 305));
    EXPECT_TRUE(iBar->IsDragging());
}

TEST_F(TitleBarTest, TheIconFillsASquareOfTheBarsHeightBeforeTheTitle)
{
    iBar->SetInnerSpace(0);
    iBar->SetAppIcon(SolidImage(8, 8, 0xFA0000), true);
    EXPECT_NE(Pixel(20, 15), 0xFA0000u);
    iBar->SetShowAppIcon(true);
    EXPECT_EQ(Pixel(1, 1), 0xFA0000u);
    EXPECT_EQ(Pixel(29, 28), 0xFA0000u);
    EXPECT_NE(Pixel(31, 15), 0xFA0000u);
    // Another icon replaces the first, which the bar owned and now hands back.
    iBar->SetAppIcon(SolidImage(30, 30, 0x00FA00), true);
    EXPECT_EQ(Pixel(15, 15), 0x00FA00u);
}

TEST_F(TitleBarTest, ATitlePictureIsStretchedOverTheTextArea)
{
    iBar->SetInnerSpace(0);
    CZuImage* title = SolidImage(100, 10, 0x0000C8);
    iBar->SetTitle(title, false);
    EXPECT_EQ(iBar->GetMinSize(), CZuSize(100, 10));
    EXPECT_EQ(Pixel(2, 2), 0x0000C8u);
    EXPECT_EQ(Pixel(477, 27), 0x0000C8u);
    iBar->SetTitle(nullptr, false);
    EXPECT_NE(Pixel(2, 2), 0x0000C8u);
    title->Release();
}

TEST_F(TitleBarTest, TheTitleTextIsDrawnInTheForegroundColour)
{
    iBar->SetForeground(CZuRgb(255, 255, 255));
    iBar->SetBackground(CZuRgb(0, 0, 0));
    iBar->SetShowBackground(true, false, IZuGc::EGradualVertical);
    iBar->SetBgTransDegree(255);
    iBar->SetAlign(EAlignLeft);
    EXPECT_EQ(Pixel(5, 15), 0u);
    iBar->SetTitle(CZuString("██"));
    bool white = false;
    for (int x = 0; x < 30 && !white; ++x)
        white = Pixel(x, 15) == 0xFFFFFFu;
    EXPECT_TRUE(white);
}

TEST_F(TitleBarTest, UnderWaylandTheCompositorDragsByTheTitleBarOffItsControls)
{
    EXPECT_FALSE(CZuAppWindow::IsDragArea(iUi, CZuPoint(100, 10)));
    CZuTitleBar* bar = WindowsTitleBar();
    CRecordingControl* control = new CRecordingControl(bar, false);
    control->SetPredefinedSize(CZuSize(40, 20));
    bar->SetRightControl(control);

    EXPECT_TRUE(CZuAppWindow::IsDragArea(iUi, CZuPoint(100, 10)));
    EXPECT_FALSE(CZuAppWindow::IsDragArea(iUi, CZuPoint(100, 40)));
    EXPECT_FALSE(CZuAppWindow::IsDragArea(iUi, CZuPoint(440, 10)));
    bar->MakeVisible(false);
    EXPECT_FALSE(CZuAppWindow::IsDragArea(iUi, CZuPoint(100, 10)));
    bar->MakeVisible(true);
    iUi->SetScreenRect(CZuRect(0, 0, 480, 360));
    EXPECT_FALSE(CZuAppWindow::IsDragArea(iUi, CZuPoint(100, 10)));
    EXPECT_FALSE(CZuAppWindow::IsDragArea(nullptr, CZuPoint(100, 10)));
}

TEST_F(TitleBarTest, TheMenuButtonStandsTenPixelsBeforeTheRightHandControl)
{
    CZuButton* nav = new CZuButton(iBar);
    nav->SetPredefinedSize(CZuSize(50, 24));
    iBar->SetMenuNav(nav);
    EXPECT_EQ(iBar->GetMenuNav(), nav);
    EXPECT_EQ(iBar->FindControl(nav), 0);
    EXPECT_EQ(iBar->GetControlCount(), 1);
    // Without a right-hand control it ends ten pixels before the bar's end, at the bar's top.
    EXPECT_EQ(nav->Rect(), CZuRect(420, 0, 470, 24));
    CRecordingControl* control = new CRecordingControl(iBar, false);
    control->SetPredefinedSize(CZuSize(40, 20));
    iBar->SetRightControl(control);
    EXPECT_EQ(nav->Rect(), CZuRect(368, 0, 418, 24));
    iBar->SetRect(CZuRect(0, 0, 300, 30));
    EXPECT_EQ(control->Rect(), CZuRect(248, 5, 288, 25));
    EXPECT_EQ(nav->Rect(), CZuRect(188, 0, 238, 24));
    // Another button replaces the first, which goes.
    CZuButton* other = new CZuButton(iBar);
    iBar->SetMenuNav(other);
    EXPECT_EQ(iBar->GetControlCount(), 2);
    EXPECT_LT(iBar->FindControl(nav), 0);
    iBar->SetMenuNav(nullptr);
    EXPECT_EQ(iBar->GetControlCount(), 1);
}

TEST_F(TitleBarTest, ACentredMenuButtonIsWhereTheMenuOpens)
{
    CZuTitleBar* bar = WindowsTitleBar();
    iUi->SetMenuBasePos(CZuRect(1, 2, 3, 4));
    CZuButton* nav = new CZuButton(bar);
    nav->SetPredefinedSize(CZuSize(50, 24));
    bar->SetMenuNav(nav);
    nav->SetAlign(EAlignLeft);
    EXPECT_EQ(iUi->GetMenuBasePos(), CZuRect(1, 2, 3, 4));
    nav->SetAlign(EAlignCenter);
    EXPECT_EQ(iUi->GetMenuBasePos(), nav->Rect());
    EXPECT_FALSE(CZuAppWindow::IsDragArea(iUi, CZuPoint(440, 10)));
}

TEST_F(TitleBarTest, TheIndicatorStandsBeforeTheMenuButton)
{
    iBar->SetInnerSpace(0);
    iBar->SetForeground(CZuRgb(255, 255, 255));
    iBar->SetBackground(CZuRgb(0, 0, 0));
    iBar->SetShowBackground(true, false, IZuGc::EGradualVertical);
    iBar->SetBgTransDegree(255);
    iBar->SetInputMethodState(ELatinUpper);
    CZuButton* nav = new CZuButton(iBar);
    nav->SetPredefinedSize(CZuSize(50, 12));
    iBar->SetMenuNav(nav);
    nav->MakeVisible(false);
    // "ABC" in white at the bar's end while the button hides; before the button's left edge (420) once it
    // shows.
    auto inkBetween = [this](int from, int to)
    {
        CZuBitmapGc gc(CZuSize(480, 360));
        iBar->DrawCtrl(gc, iBar->Rect());
        for (int x = from; x < to; ++x)
            for (int y = 13; y < 30; ++y)
                if (PixelAt(gc, x, y) == 0xFFFFFFu)
                    return true;
        return false;
    };
    EXPECT_TRUE(inkBetween(440, 475));
    nav->MakeVisible(true);
    EXPECT_FALSE(inkBetween(420, 480));
    EXPECT_TRUE(inkBetween(380, 415));
}
