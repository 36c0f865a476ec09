#include "TestCard.h"
#include "ZuAppWindow.h"
#include "ZuLexApp.h"
#include "ZuLexColours.h"
#include "ZuLexIds.h"
#include "ZuPlayerApp.h"
#include "ZuUi.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace
{
unsigned PixelAt(const CZuPlayerApp& glue, int x, int y)
{
    const unsigned char* p = glue.Pixels() + (y * glue.PixelWidth() + x) * 4;
    return (unsigned(p[2]) << 16) | (unsigned(p[1]) << 8) | p[0];
}
} // namespace

class AppShellTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        iClock = new CZuManualClock;
        iWindow = CZuAppWindow::Create("ZuPlayer");
        ASSERT_NE(iWindow, nullptr);
        iGlue = new CZuPlayerApp(iWindow);
        iApp = new CZuLexApp;
        CZuAppWindow::Bind(iApp, CZuAppWindow::CreateRoot(iWindow), iGlue);
        iApp->Start();
    }
    void TearDown() override
    {
        delete iGlue;
        CZuAppWindow::Destroy(iWindow);
        delete iClock;
    }
    void Pump()
    {
        for (int i = 0; i < 100 && CZuEnv::MsgProcessor()->GetQueueCount() > 0; ++i)
            iClock->Advance(CZuMessageProcessor::KTickMs);
    }

    CZuManualClock* iClock = nullptr;
    SDL_Window* iWindow = nullptr;
    CZuPlayerApp* iGlue = nullptr;
    CZuLexApp* iApp = nullptr;
};

TEST_F(AppShellTest, StartsOnTheMainScreenInTheWholeWindow)
{
    EXPECT_EQ(iApp->GetWelcome(), nullptr);
    ASSERT_NE(iApp->GetCurView(), nullptr);
    EXPECT_EQ(iApp->GetCurView()->GetViewId(), int(EZuLexViewMain));
    EXPECT_EQ(iApp->GetUiRect(), CZuRect(1, 1, 479, 359));
    EXPECT_EQ(iApp->PlatWindow1()->GetBorderType(), EZuBorderResizable);
    // The slide into the main screen runs to its end, then the picture stays.
    for (int i = 0; i < 20 && iApp->IsTransforming(); ++i)
        iGlue->HandleDraw();
    EXPECT_FALSE(iApp->IsTransforming());
    Pump();
    iGlue->HandleDraw();
    ASSERT_EQ(iGlue->PixelWidth(), CZuAppWindow::KWidth);
    EXPECT_EQ(PixelAt(*iGlue, 240, 150), KZuLexScreen);
    // The window frame and the command bar are blue.
    EXPECT_EQ(PixelAt(*iGlue, 0, 150), KZuLexBorder);
    EXPECT_NE(PixelAt(*iGlue, 240, 350), KZuLexScreen);
    WritePng(ZU_TEST_BINARY_DIR "/zulex-main.png", iGlue->Pixels(), iGlue->PixelWidth(),
             iGlue->PixelHeight());
}

TEST_F(AppShellTest, RightSoftKeyClosesTheProgram)
{
    SDL_FlushEvent(SDL_QUIT);
    iGlue->HandleDraw();
    EXPECT_EQ(iApp->GetCba()->GetRightCommand(), int(EZuLexCmdExit));
    iGlue->HandleKeyDown(113, 1);
    iGlue->HandleKeyUp(113, 1u | (1u << 30) | (1u << 31));
    Pump();
    SDL_PumpEvents();
    EXPECT_TRUE(SDL_HasEvent(SDL_QUIT));
    SDL_FlushEvent(SDL_QUIT);
}
