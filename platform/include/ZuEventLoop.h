#ifndef ZUEVENTLOOP_H
#define ZUEVENTLOOP_H

class MZuWindowEventHandler;
struct SDL_Window;
union SDL_Event;

// The UI thread's event loop over SDL. Window input goes to the window's MZuWindowEventHandler, timer
// expiries to the shared timer callback (CZuTimer), paint and wake-up requests to the handler. Nothing
// here wakes the thread by itself: an idle loop sleeps in SDL_WaitEvent until an event arrives.
class CZuEventLoop
{
public:
    // Routes window's events to handler (null ends the routing). The handler must outlive its routing.
    static void SetHandler(SDL_Window* window, MZuWindowEventHandler* handler);
    static MZuWindowEventHandler* GetHandler(SDL_Window* window);

    // Translates one event and delivers it. Returns false for a quit request (SDL_QUIT), which it does not
    // deliver anywhere, true for everything else.
    static bool Dispatch(const SDL_Event& event);
    // Waits for events and dispatches them until a quit request. Returns how many events it took.
    static int Run();

    // Asks for one HandlePaint of window; requests made before it is delivered are merged into it.
    static void PostPaint(SDL_Window* window);
    // Asks for HandleWakeUp of window on the UI thread. Safe to call from any thread.
    static void PostWakeUp(SDL_Window* window);
    // Ends Run. Safe to call from any thread.
    static void PostQuit();

    // The SDL user event types of timer expiries, paint and wake-up requests.
    static unsigned TimerEventType();
    static unsigned PaintEventType();
    static unsigned WakeUpEventType();
};

#endif // ZUEVENTLOOP_H
