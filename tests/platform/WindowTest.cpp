#include "SdlWindowFixture.h"

namespace
{

using WindowTest = SdlWindowTest;

TEST_F(WindowTest, RectIsTheWindowInScreenCoordinates)
{
    EXPECT_EQ(CZuRect(40, 30, 520, 390), iWindow.GetRect());
    EXPECT_EQ(CZuPoint(40, 30), iWindow.GetWndPos());
}

TEST_F(WindowTest, SetRectMovesResizesAndRepaints)
{
    iWindow.SetRect(CZuRect(10, 20, 330, 260));
    EXPECT_EQ(CZuRect(10, 20, 330, 260), iWindow.GetRect());
    DispatchQueued();
    EXPECT_EQ(1, iHandler.iPaints);
}

TEST_F(WindowTest, SetWndPosKeepsTheSize)
{
    iWindow.SetWndPos(CZuPoint(100, 50));
    EXPECT_EQ(CZuRect(100, 50, 580, 410), iWindow.GetRect());
}

TEST_F(WindowTest, ShowAndHide)
{
    iWindow.MakeVisible(true);
    EXPECT_TRUE(SDL_GetWindowFlags(iSdlWindow) & SDL_WINDOW_SHOWN);
    iWindow.ShowWindow(EHideUiWnd);
    EXPECT_FALSE(SDL_GetWindowFlags(iSdlWindow) & SDL_WINDOW_SHOWN);
    iWindow.ShowWindow(EShowUiWnd);
    EXPECT_TRUE(SDL_GetWindowFlags(iSdlWindow) & SDL_WINDOW_SHOWN);
    iWindow.MakeVisible(false);
    EXPECT_FALSE(SDL_GetWindowFlags(iSdlWindow) & SDL_WINDOW_SHOWN);
}

TEST_F(WindowTest, ShowWindowWithAnUnknownValueChangesNothing)
{
    Uint32 flags = SDL_GetWindowFlags(iSdlWindow);
    CZuRect rect = iWindow.GetRect();
    iWindow.ShowWindow(static_cast<TShowUiWndType>(4));
    EXPECT_EQ(flags, SDL_GetWindowFlags(iSdlWindow));
    EXPECT_EQ(rect, iWindow.GetRect());
}

TEST_F(WindowTest, DrawNowIsAsynchronousAndRequestsMerge)
{
    iWindow.DrawNow(CZuRect(1, 1, 2, 2));
    iWindow.DrawNow();
    iWindow.DrawDeferred();
    EXPECT_EQ(0, iHandler.iPaints);
    DispatchQueued();
    EXPECT_EQ(1, iHandler.iPaints);
    // Once delivered, the next request is a new paint.
    iWindow.DrawNow();
    DispatchQueued();
    EXPECT_EQ(2, iHandler.iPaints);
}

TEST_F(WindowTest, AWrapperWithoutWindowDoesNothing)
{
    CZuWindow none(nullptr);
    none.SetRect(CZuRect(0, 0, 10, 10));
    none.SetWndPos(CZuPoint(5, 5));
    none.MakeVisible(true);
    none.ShowWindow(EMaximizeUiWnd);
    none.DrawNow();
    EXPECT_EQ(CZuRect(), none.GetRect());
    EXPECT_EQ(CZuPoint(), none.GetWndPos());
    DispatchQueued();
    EXPECT_EQ(0, iHandler.iPaints);
}

TEST_F(WindowTest, UnknownCursorTypesChangeNothing)
{
    iWindow.SetCursor(EZuCursorSizeWE);
    SDL_Cursor* resize = SDL_GetCursor();
    iWindow.SetCursor(static_cast<TZuCursorType>(7));
    EXPECT_EQ(resize, SDL_GetCursor());
    // Where the driver has system cursors, the types select different ones.
    SDL_Cursor* probe = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_SIZENS);
    if (probe)
    {
        SDL_FreeCursor(probe);
        iWindow.SetCursor(EZuCursorSizeNS);
        EXPECT_NE(resize, SDL_GetCursor());
    }
}

TEST_F(WindowTest, DpiIsPositive)
{
    int dpi = CZuWindow::GetDpi();
    EXPECT_GE(dpi, 1);
    float horizontal = 0;
    if (SDL_GetDisplayDPI(0, nullptr, &horizontal, nullptr) != 0)
    {
        EXPECT_EQ(96, dpi);
    }
}

TEST(WindowDpi, WithoutVideoTheDpiIs96)
{
    SDL_Quit();
    EXPECT_EQ(96, CZuWindow::GetDpi());
}

} // namespace
