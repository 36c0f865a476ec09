#include "SdlWindowFixture.h"

#include <thread>

namespace
{

using EventLoopTest = SdlWindowTest;

TEST_F(EventLoopTest, KeysArriveAsToolkitCodes)
{
    PushKey(SDL_KEYDOWN, SDLK_LEFT, SDL_SCANCODE_LEFT);
    PushKey(SDL_KEYDOWN, SDLK_LEFT, SDL_SCANCODE_LEFT, KMOD_NONE, 1);
    PushKey(SDL_KEYUP, SDLK_LEFT, SDL_SCANCODE_LEFT);
    DispatchQueued();
    ASSERT_EQ(3u, iHandler.iKeys.size());
    EXPECT_EQ("down 37 0x00500001", iHandler.iKeys[0]);
    EXPECT_EQ("down 37 0x40500001", iHandler.iKeys[1]);
    EXPECT_EQ("up 37 0xC0500001", iHandler.iKeys[2]);
}

TEST_F(EventLoopTest, EnterTypesACarriageReturnAfterItsKeyDown)
{
    PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN);
    PushKey(SDL_KEYUP, SDLK_RETURN, SDL_SCANCODE_RETURN);
    DispatchQueued();
    ASSERT_EQ(3u, iHandler.iKeys.size());
    EXPECT_EQ("down 13 0x00280001", iHandler.iKeys[0]);
    EXPECT_EQ("char 13 0x00280001", iHandler.iKeys[1]);
    EXPECT_EQ("up 13 0xC0280001", iHandler.iKeys[2]);
}

TEST_F(EventLoopTest, TextInputArrivesAsUtf16Characters)
{
    SDL_Event event;
    SDL_zero(event);
    event.type = SDL_TEXTINPUT;
    event.text.windowID = SDL_GetWindowID(iSdlWindow);
    std::snprintf(event.text.text, sizeof(event.text.text), "%s", "a\xE4\xB8\xAD");
    SDL_PushEvent(&event);
    DispatchQueued();
    ASSERT_EQ(2u, iHandler.iKeys.size());
    EXPECT_EQ("char 97 0x00000001", iHandler.iKeys[0]);
    EXPECT_EQ("char 20013 0x00000001", iHandler.iKeys[1]);
}

TEST_F(EventLoopTest, KeyValuesTellShiftAndCtrl)
{
    PushKey(SDL_KEYDOWN, SDLK_LEFT, SDL_SCANCODE_LEFT, KMOD_LSHIFT);
    PushKey(SDL_KEYUP, SDLK_LEFT, SDL_SCANCODE_LEFT, KMOD_RSHIFT | KMOD_LCTRL);
    PushKey(SDL_KEYDOWN, SDLK_c, SDL_SCANCODE_C, KMOD_RCTRL);
    DispatchQueued();
    ASSERT_EQ(4u, iHandler.iKeys.size());
    EXPECT_EQ("down 37 0x01500001", iHandler.iKeys[0]);
    EXPECT_EQ("up 37 0xC3500001", iHandler.iKeys[1]);
    EXPECT_EQ("down 67 0x02060001", iHandler.iKeys[2]);
    // Ctrl+C types its control character, with the same value.
    EXPECT_EQ("char 3 0x02060001", iHandler.iKeys[3]);
}

TEST_F(EventLoopTest, CompositionsArriveWithTheirCursor)
{
    SDL_Event event;
    SDL_zero(event);
    event.type = SDL_TEXTEDITING;
    event.edit.windowID = SDL_GetWindowID(iSdlWindow);
    std::snprintf(event.edit.text, sizeof(event.edit.text), "%s", "ni\xE5\xA5\xBD");
    event.edit.start = 2;
    event.edit.length = 1;
    SDL_PushEvent(&event);
    std::snprintf(event.edit.text, sizeof(event.edit.text), "%s", "");
    event.edit.start = 0;
    event.edit.length = 0;
    SDL_PushEvent(&event);
    DispatchQueued();
    ASSERT_EQ(2u, iHandler.iKeys.size());
    EXPECT_EQ("edit \"ni\xE5\xA5\xBD\" 2 1", iHandler.iKeys[0]);
    EXPECT_EQ("edit \"\" 0 0", iHandler.iKeys[1]);
}

TEST_F(EventLoopTest, ALongCompositionArrivesWholeAndIsFreed)
{
    std::string text(100, 'x');
    SDL_Event event;
    SDL_zero(event);
    event.type = SDL_TEXTEDITING_EXT;
    event.editExt.windowID = SDL_GetWindowID(iSdlWindow);
    event.editExt.text = SDL_strdup(text.c_str());
    event.editExt.start = 100;
    SDL_PushEvent(&event);
    // One for another window: not delivered, freed all the same (the leak check would tell).
    event.editExt.windowID = SDL_GetWindowID(iSdlWindow) + 100;
    event.editExt.text = SDL_strdup("y");
    SDL_PushEvent(&event);
    DispatchQueued();
    ASSERT_EQ(1u, iHandler.iKeys.size());
    EXPECT_EQ("edit \"" + text + "\" 100 0", iHandler.iKeys[0]);
}

TEST_F(EventLoopTest, TextInputStartsAndStopsWithItsBand)
{
    CZuTextInput::Stop();
    EXPECT_FALSE(CZuTextInput::IsActive());
    CZuTextInput::Start(CZuRect(10, 20, 110, 36));
    EXPECT_TRUE(CZuTextInput::IsActive());
    EXPECT_EQ(CZuTextInput::Band(), CZuRect(10, 20, 110, 36));
    CZuTextInput::SetBand(CZuRect(30, 20, 110, 36));
    EXPECT_EQ(CZuTextInput::Band(), CZuRect(30, 20, 110, 36));
    CZuTextInput::Stop();
    EXPECT_FALSE(CZuTextInput::IsActive());
}

TEST_F(EventLoopTest, TheClipboardKeepsText)
{
    ASSERT_TRUE(CZuClipboard::SetText(CZuString("\xE5\xAD\xA6 learn")));
    EXPECT_STREQ(CZuClipboard::Text().PtrZ(), "\xE5\xAD\xA6 learn");
    ASSERT_TRUE(CZuClipboard::SetText(CZuString()));
    EXPECT_TRUE(CZuClipboard::Text().IsEmpty());
}

TEST_F(EventLoopTest, KeysWithoutCodeAndOtherWindowsAreNotDelivered)
{
    PushKey(SDL_KEYDOWN, SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP);
    SDL_Event event;
    SDL_zero(event);
    event.type = SDL_KEYDOWN;
    event.key.windowID = SDL_GetWindowID(iSdlWindow) + 100;
    event.key.keysym.sym = SDLK_a;
    SDL_PushEvent(&event);
    DispatchQueued();
    EXPECT_TRUE(iHandler.iKeys.empty());
}

TEST_F(EventLoopTest, PrimaryButtonAndMovesBecomePointerEvents)
{
    Uint32 id = SDL_GetWindowID(iSdlWindow);
    SDL_Event event;
    SDL_zero(event);
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.windowID = id;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = 10;
    event.button.y = 20;
    SDL_PushEvent(&event);
    event.button.button = SDL_BUTTON_RIGHT;
    SDL_PushEvent(&event);
    SDL_zero(event);
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = id;
    event.motion.state = SDL_BUTTON_LMASK;
    event.motion.x = 15;
    event.motion.y = 25;
    SDL_PushEvent(&event);
    SDL_zero(event);
    event.type = SDL_MOUSEBUTTONUP;
    event.button.windowID = id;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = 16;
    event.button.y = 26;
    SDL_PushEvent(&event);
    SDL_zero(event);
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = id;
    event.motion.x = 30;
    event.motion.y = 40;
    SDL_PushEvent(&event);
    DispatchQueued();

    ASSERT_EQ(4u, iHandler.iPointers.size());
    EXPECT_EQ(EZuPointerDown, iHandler.iPointers[0].iType);
    EXPECT_EQ(unsigned(EZuButtonLeft), iHandler.iPointers[0].iFlags & EZuButtonLeft);
    EXPECT_EQ(CZuPoint(10, 20), iHandler.iPointers[0].iPosition);
    EXPECT_EQ(CZuPoint(40, 30), iHandler.iPointers[0].iOrigin);
    EXPECT_EQ(EZuPointerDrag, iHandler.iPointers[1].iType);
    EXPECT_EQ(CZuPoint(15, 25), iHandler.iPointers[1].iPosition);
    EXPECT_EQ(EZuPointerUp, iHandler.iPointers[2].iType);
    EXPECT_EQ(0u, iHandler.iPointers[2].iFlags & EZuButtonLeft);
    EXPECT_EQ(EZuPointerMove, iHandler.iPointers[3].iType);
    EXPECT_EQ(CZuPoint(30, 40), iHandler.iPointers[3].iPosition);
}

TEST_F(EventLoopTest, WheelStepsArriveWithTheirDirection)
{
    Uint32 id = SDL_GetWindowID(iSdlWindow);
    SDL_Event event;
    SDL_zero(event);
    event.type = SDL_MOUSEWHEEL;
    event.wheel.windowID = id;
    event.wheel.y = 2;
    SDL_PushEvent(&event);
    event.wheel.y = 1;
    event.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    SDL_PushEvent(&event);
    // A sideways turn has no vertical steps and is not delivered.
    event.wheel.y = 0;
    event.wheel.x = 3;
    SDL_PushEvent(&event);
    DispatchQueued();
    ASSERT_EQ(2u, iHandler.iPointers.size());
    EXPECT_EQ(EZuPointerWheel, iHandler.iPointers[0].iType);
    EXPECT_EQ(2, int(iHandler.iPointers[0].iFlags));
    EXPECT_EQ(-1, int(iHandler.iPointers[1].iFlags));
}

TEST_F(EventLoopTest, CloseAndExposeReachTheHandler)
{
    SDL_Event event;
    SDL_zero(event);
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SDL_GetWindowID(iSdlWindow);
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&event);
    event.window.event = SDL_WINDOWEVENT_EXPOSED;
    SDL_PushEvent(&event);
    DispatchQueued();
    EXPECT_EQ(1, iHandler.iCloses);
    EXPECT_EQ(1, iHandler.iPaints);
}

TEST_F(EventLoopTest, WithoutHandlerNothingIsDelivered)
{
    CZuEventLoop::SetHandler(iSdlWindow, nullptr);
    PushKey(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A);
    iWindow.DrawNow();
    DispatchQueued();
    EXPECT_TRUE(iHandler.iKeys.empty());
    EXPECT_EQ(0, iHandler.iPaints);
}

TEST_F(EventLoopTest, AWakeUpFromAnotherThreadIsHandledOnTheLoopThread)
{
    std::thread other(
        [this]
        {
            CZuEventLoop::PostWakeUp(iSdlWindow);
            CZuEventLoop::PostQuit();
        });
    int taken = CZuEventLoop::Run();
    other.join();
    EXPECT_EQ(2, taken);
    EXPECT_EQ(1, iHandler.iWakeUps);
}

TEST_F(EventLoopTest, RunEndsAtQuitAndLeavesLaterEventsQueued)
{
    CZuEventLoop::PostWakeUp(iSdlWindow);
    CZuEventLoop::PostQuit();
    CZuEventLoop::PostWakeUp(iSdlWindow);
    EXPECT_EQ(2, CZuEventLoop::Run());
    EXPECT_EQ(1, iHandler.iWakeUps);
    DispatchQueued();
    EXPECT_EQ(2, iHandler.iWakeUps);
}

TEST_F(EventLoopTest, QuitIsReportedByDispatch)
{
    SDL_Event event;
    SDL_zero(event);
    event.type = SDL_QUIT;
    EXPECT_FALSE(CZuEventLoop::Dispatch(event));
    event.type = SDL_KEYMAPCHANGED;
    EXPECT_TRUE(CZuEventLoop::Dispatch(event));
}

TEST_F(EventLoopTest, ThePlatformEventTypesAreDistinctUserEvents)
{
    unsigned timer = CZuEventLoop::TimerEventType();
    unsigned paint = CZuEventLoop::PaintEventType();
    unsigned wakeUp = CZuEventLoop::WakeUpEventType();
    EXPECT_GE(timer, unsigned(SDL_USEREVENT));
    EXPECT_NE(timer, paint);
    EXPECT_NE(paint, wakeUp);
    EXPECT_NE(timer, wakeUp);
}

} // namespace
