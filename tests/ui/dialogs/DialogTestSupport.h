#ifndef DIALOGTESTSUPPORT_H
#define DIALOGTESTSUPPORT_H

#include "TestScreen.h"

#include <SDL.h>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// Modal dialogs wait in the platform's nested event loop. These helpers let a test act from inside such a
// wait: an SDL window (the offscreen driver) whose wake-ups each run the next step of a script. The step
// asks for the next wake-up before it runs, so a step that opens a further modal dialog still gets the
// steps after it. When the steps run out while something still waits, the script closes the window (a
// quit ends every wait) and notes that it ran dry, so a broken test fails instead of hanging.
class CWaitScript : public MZuWindowEventHandler
{
public:
    explicit CWaitScript(SDL_Window* window) : iWindow(window) { CZuEventLoop::SetHandler(window, this); }
    ~CWaitScript() override { CZuEventLoop::SetHandler(iWindow, nullptr); }

    // Steps run in the order added.
    void Add(std::function<void()> step)
    {
        iSteps.push_back(step);
        iIdleTurns = 0;
    }
    // Asks for the first step; call it before the modal ShowDialog.
    void Start() { CZuEventLoop::PostWakeUp(iWindow); }
    bool RanDry() const { return iRanDry; }
    int StepsRun() const { return static_cast<int>(iNext); }

    void HandleWakeUp() override
    {
        if (iNext >= iSteps.size())
        {
            // What the last step posted (a quit) comes after this wake-up: give it a turn first.
            if (++iIdleTurns < KIdleTurns)
            {
                CZuEventLoop::PostWakeUp(iWindow);
                return;
            }
            iRanDry = true;
            CZuEventLoop::PostQuit();
            return;
        }
        std::function<void()> step = iSteps[iNext++];
        CZuEventLoop::PostWakeUp(iWindow);
        step();
    }
    void HandleKeyDown(unsigned, unsigned) override {}
    void HandleChar(unsigned, unsigned) override {}
    void HandleKeyUp(unsigned, unsigned) override {}
    void HandleTextEditing(const char*, int, int) override {}
    void HandlePointer(int, unsigned, const CZuPoint&, const CZuPoint&) override {}
    void HandleWheel(int, const CZuPoint&, const CZuPoint&) override {}
    void HandlePaint() override {}
    void HandleClose() override { CZuEventLoop::PostQuit(); }

private:
    SDL_Window* iWindow;
    std::vector<std::function<void()>> iSteps;
    static const int KIdleTurns = 4;
    size_t iNext = 0;
    int iIdleTurns = 0;
    bool iRanDry = false;
};

// A test screen (240 x 160 unless given) with an SDL window for scripts of modal waits.
class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override { OpenScreen(240, 160); }
    void TearDown() override
    {
        delete iScript;
        iScript = nullptr;
        delete iScreen;
        iScreen = nullptr;
        if (iWindow)
            SDL_DestroyWindow(iWindow);
        iWindow = nullptr;
        CZuSynWait::ClearQuitRequest();
        SDL_Quit();
    }

    // A screen of this size (the command bar at its bottom) in place of the one there is.
    void OpenScreen(int width, int height, bool withClient = true)
    {
        delete iScript;
        iScript = nullptr;
        delete iScreen;
        iScreen = nullptr;
        if (!iWindow)
        {
            ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS)) << SDL_GetError();
            iWindow = SDL_CreateWindow("ZuLex", 0, 0, 100, 100, SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
            ASSERT_NE(nullptr, iWindow) << SDL_GetError();
        }
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        iScreen = new CTestScreen(withClient, width, height);
        iScript = new CWaitScript(iWindow);
    }

    // Drops what the SDL queue still holds (a script's last wake-up, a quit).
    void FlushSdl()
    {
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    bool QuitQueued()
    {
        SDL_PumpEvents();
        return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) > 0;
    }

    CTestScreen& Screen() { return *iScreen; }
    CTestUiManager& Ui() { return iScreen->Ui(); }
    CWaitScript& Script() { return *iScript; }
    void Press(unsigned code) { iScreen->Press(code); }
    void Click(int x, int y) { iScreen->Click(x, y); }
    void Pump() { iScreen->Pump(); }
    // Clicks the centre of a control.
    void ClickOn(CZuControl* control)
    {
        CZuRect rect = control->Rect();
        Click((rect.iTl.iX + rect.iBr.iX) / 2, (rect.iTl.iY + rect.iBr.iY) / 2);
    }

    SDL_Window* iWindow = nullptr;
    CTestScreen* iScreen = nullptr;
    CWaitScript* iScript = nullptr;
};

#endif // DIALOGTESTSUPPORT_H
