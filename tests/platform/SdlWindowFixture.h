#ifndef SDLWINDOWFIXTURE_H
#define SDLWINDOWFIXTURE_H

#include "ZuAl.h"

#include <SDL.h>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Records what the event loop delivers to a window, as readable lines ("down 13 0x...").
class CRecordingHandler : public MZuWindowEventHandler
{
public:
    void HandleKeyDown(unsigned code, unsigned value) override { Add("down", code, value); }
    void HandleChar(unsigned code, unsigned value) override { Add("char", code, value); }
    void HandleKeyUp(unsigned code, unsigned value) override { Add("up", code, value); }
    void HandleTextEditing(const char* utf8, int cursor, int length) override
    {
        char line[160];
        std::snprintf(line, sizeof(line), "edit \"%s\" %d %d", utf8, cursor, length);
        iKeys.push_back(line);
    }
    void HandlePointer(int type, unsigned flags, const CZuPoint& position, const CZuPoint& origin) override
    {
        iPointers.push_back(TPointer{type, flags, position, origin});
    }
    void HandleWheel(int steps, const CZuPoint& position, const CZuPoint& origin) override
    {
        iPointers.push_back(TPointer{EZuPointerWheel, unsigned(steps), position, origin});
    }
    void HandlePaint() override { ++iPaints; }
    void HandleWakeUp() override
    {
        ++iWakeUps;
        if (iStopOnWakeUp)
            iStopOnWakeUp->StopWait();
    }
    void HandleClose() override { ++iCloses; }

    struct TPointer
    {
        int iType;
        unsigned iFlags;
        CZuPoint iPosition;
        CZuPoint iOrigin;
    };

    std::vector<std::string> iKeys;
    std::vector<TPointer> iPointers;
    int iPaints = 0;
    int iWakeUps = 0;
    int iCloses = 0;
    CZuSynWait* iStopOnWakeUp = nullptr;

private:
    void Add(const char* what, unsigned code, unsigned value)
    {
        char line[64];
        std::snprintf(line, sizeof(line), "%s %u 0x%08X", what, code, value);
        iKeys.push_back(line);
    }
};

// A real SDL window (the offscreen driver in tests) with a recording handler.
class SdlWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS)) << SDL_GetError();
        iSdlWindow = SDL_CreateWindow("ZuLex", 40, 30, 480, 360, SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
        ASSERT_NE(nullptr, iSdlWindow) << SDL_GetError();
        iWindow.SetWindow(iSdlWindow);
        CZuEventLoop::SetHandler(iSdlWindow, &iHandler);
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    void TearDown() override
    {
        if (iSdlWindow)
            SDL_DestroyWindow(iSdlWindow);
        SDL_Quit();
    }

    // Dispatches everything queued now.
    void DispatchQueued()
    {
        SDL_Event event;
        while (SDL_PollEvent(&event))
            CZuEventLoop::Dispatch(event);
    }
    void PushKey(Uint32 type, SDL_Keycode key, SDL_Scancode scancode, Uint16 mod = KMOD_NONE,
                 Uint8 repeat = 0)
    {
        SDL_Event event;
        SDL_zero(event);
        event.type = type;
        event.key.windowID = SDL_GetWindowID(iSdlWindow);
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.repeat = repeat;
        event.key.keysym.sym = key;
        event.key.keysym.scancode = scancode;
        event.key.keysym.mod = mod;
        SDL_PushEvent(&event);
    }

    SDL_Window* iSdlWindow = nullptr;
    CZuWindow iWindow{nullptr};
    CRecordingHandler iHandler;
};

#endif // SDLWINDOWFIXTURE_H
