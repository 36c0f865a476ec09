#include "ZuEventLoop.h"

#include "ZuKeyMap.h"
#include "ZuPointerType.h"
#include "ZuSdlTimerBackend.h"
#include "ZuWindowEventHandler.h"

#include <SDL.h>

namespace
{

const char* const KHandlerKey = "ZuEventHandler";
const char* const KPaintPendingKey = "ZuPaintPending";

// Timer expiry, paint request, wake-up request.
const int KEventTypeCount = 3;

// Room for the UTF-16 units of one SDL text event (at most 32 bytes of UTF-8).
const int KMaxTextUnits = 64;

// What SDL_RegisterEvents gives when it has no types left.
const Uint32 KNoEventType = static_cast<Uint32>(-1);

Uint32 FirstEventType()
{
    // Registered once, on first use, from whichever thread gets here first.
    static const Uint32 first = SDL_RegisterEvents(KEventTypeCount);
    return first;
}

Uint32 EventType(int index)
{
    Uint32 first = FirstEventType();
    return first == KNoEventType ? KNoEventType : first + static_cast<Uint32>(index);
}

SDL_Window* WindowOf(Uint32 windowId)
{
    return windowId == 0 ? nullptr : SDL_GetWindowFromID(windowId);
}

MZuWindowEventHandler* HandlerOf(Uint32 windowId)
{
    return CZuEventLoop::GetHandler(WindowOf(windowId));
}

bool PushWindowEvent(Uint32 type, SDL_Window* window)
{
    if (!window || type == KNoEventType)
        return false;
    SDL_Event event;
    SDL_zero(event);
    event.type = type;
    event.user.windowID = SDL_GetWindowID(window);
    return SDL_PushEvent(&event) == 1;
}

// The modifier bits of a key value (KZuKeyValueShift, KZuKeyValueControl) for an SDL_Keymod.
unsigned ModifierBits(unsigned sdlModifiers)
{
    unsigned bits = 0;
    if (sdlModifiers & KMOD_SHIFT)
        bits |= KZuKeyValueShift;
    if (sdlModifiers & KMOD_CTRL)
        bits |= KZuKeyValueControl;
    return bits;
}

void DispatchKey(const SDL_KeyboardEvent& key)
{
    unsigned code = CZuKeyMap::KeyCode(key.keysym.sym);
    if (code == 0)
        return;
    bool released = key.type == SDL_KEYUP;
    unsigned value = CZuKeyMap::KeyValue(key.keysym.scancode, key.repeat != 0, released);
    value |= ModifierBits(key.keysym.mod);
    MZuWindowEventHandler* handler = HandlerOf(key.windowID);
    if (!handler)
        return;
    if (released)
    {
        handler->HandleKeyUp(code, value);
        return;
    }
    handler->HandleKeyDown(code, value);
    // SDL types no text for these keys; the character follows the key-down as the toolkit expects.
    unsigned controlChar = CZuKeyMap::ControlChar(key.keysym.sym, key.keysym.mod);
    if (controlChar == 0)
        return;
    // The key-down may have closed the window.
    if (MZuWindowEventHandler* after = HandlerOf(key.windowID))
        after->HandleChar(controlChar, value);
}

void DispatchText(const SDL_TextInputEvent& text)
{
    TZuWChar units[KMaxTextUnits];
    int count = CZuKeyMap::TextToUnits(text.text, units, KMaxTextUnits);
    for (int i = 0; i < count; ++i)
    {
        MZuWindowEventHandler* handler = HandlerOf(text.windowID);
        if (!handler)
            return;
        handler->HandleChar(units[i], 1);
    }
}

void DispatchEditing(Uint32 windowId, const char* utf8, int cursor, int length)
{
    if (MZuWindowEventHandler* handler = HandlerOf(windowId))
        handler->HandleTextEditing(utf8 ? utf8 : "", cursor, length);
}

void DispatchPointer(Uint32 windowId, int type, unsigned flags, int x, int y)
{
    SDL_Window* window = WindowOf(windowId);
    MZuWindowEventHandler* handler = CZuEventLoop::GetHandler(window);
    if (!handler)
        return;
    CZuPoint origin;
    SDL_GetWindowPosition(window, &origin.iX, &origin.iY);
    handler->HandlePointer(type, flags, CZuPoint(x, y), origin);
}

void DispatchButton(const SDL_MouseButtonEvent& button)
{
    // The toolkit knows one button.
    if (button.button != SDL_BUTTON_LEFT)
        return;
    bool down = button.type == SDL_MOUSEBUTTONDOWN;
    unsigned held = SDL_GetMouseState(nullptr, nullptr) & ~SDL_BUTTON_LMASK;
    if (down)
        held |= SDL_BUTTON_LMASK;
    unsigned flags = CZuKeyMap::ButtonFlags(held, SDL_GetModState());
    DispatchPointer(button.windowID, down ? EZuPointerDown : EZuPointerUp, flags, button.x, button.y);
}

void DispatchMotion(const SDL_MouseMotionEvent& motion)
{
    int type = (motion.state & SDL_BUTTON_LMASK) ? EZuPointerDrag : EZuPointerMove;
    unsigned flags = CZuKeyMap::ButtonFlags(motion.state, SDL_GetModState());
    DispatchPointer(motion.windowID, type, flags, motion.x, motion.y);
}

void DispatchWheel(const SDL_MouseWheelEvent& wheel)
{
    int steps = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
    SDL_Window* window = WindowOf(wheel.windowID);
    MZuWindowEventHandler* handler = CZuEventLoop::GetHandler(window);
    if (steps == 0 || !handler)
        return;
    CZuPoint position;
    SDL_GetMouseState(&position.iX, &position.iY);
    CZuPoint origin;
    SDL_GetWindowPosition(window, &origin.iX, &origin.iY);
    handler->HandleWheel(steps, position, origin);
}

void DispatchWindowEvent(const SDL_WindowEvent& windowEvent)
{
    MZuWindowEventHandler* handler = HandlerOf(windowEvent.windowID);
    if (!handler)
        return;
    if (windowEvent.event == SDL_WINDOWEVENT_EXPOSED)
        handler->HandlePaint();
    else if (windowEvent.event == SDL_WINDOWEVENT_CLOSE)
        handler->HandleClose();
}

void DispatchPaint(Uint32 windowId)
{
    SDL_Window* window = WindowOf(windowId);
    if (!window)
        return;
    SDL_SetWindowData(window, KPaintPendingKey, nullptr);
    if (MZuWindowEventHandler* handler = CZuEventLoop::GetHandler(window))
        handler->HandlePaint();
}

void DispatchWakeUp(Uint32 windowId)
{
    if (MZuWindowEventHandler* handler = HandlerOf(windowId))
        handler->HandleWakeUp();
}

void DispatchUserEvent(const SDL_Event& event)
{
    if (event.type == CZuEventLoop::TimerEventType())
        CZuSdlTimerBackend::Instance().Deliver(event.user.code);
    else if (event.type == CZuEventLoop::PaintEventType())
        DispatchPaint(event.user.windowID);
    else if (event.type == CZuEventLoop::WakeUpEventType())
        DispatchWakeUp(event.user.windowID);
}

} // namespace

void CZuEventLoop::SetHandler(SDL_Window* window, MZuWindowEventHandler* handler)
{
    if (window)
        SDL_SetWindowData(window, KHandlerKey, handler);
}

MZuWindowEventHandler* CZuEventLoop::GetHandler(SDL_Window* window)
{
    if (!window)
        return nullptr;
    return static_cast<MZuWindowEventHandler*>(SDL_GetWindowData(window, KHandlerKey));
}

bool CZuEventLoop::Dispatch(const SDL_Event& event)
{
    switch (event.type)
    {
    case SDL_QUIT:
        return false;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        DispatchKey(event.key);
        break;
    case SDL_TEXTINPUT:
        DispatchText(event.text);
        break;
    case SDL_TEXTEDITING:
        DispatchEditing(event.edit.windowID, event.edit.text, event.edit.start, event.edit.length);
        break;
    case SDL_TEXTEDITING_EXT:
        DispatchEditing(event.editExt.windowID, event.editExt.text, event.editExt.start,
                        event.editExt.length);
        // The long composition's text is the receiver's to free.
        SDL_free(event.editExt.text);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        DispatchButton(event.button);
        break;
    case SDL_MOUSEMOTION:
        DispatchMotion(event.motion);
        break;
    case SDL_MOUSEWHEEL:
        DispatchWheel(event.wheel);
        break;
    case SDL_WINDOWEVENT:
        DispatchWindowEvent(event.window);
        break;
    default:
        if (event.type >= SDL_USEREVENT)
            DispatchUserEvent(event);
        break;
    }
    return true;
}

int CZuEventLoop::Run()
{
    int taken = 0;
    SDL_Event event;
    while (SDL_WaitEvent(&event))
    {
        ++taken;
        if (!Dispatch(event))
            break;
    }
    return taken;
}

void CZuEventLoop::PostPaint(SDL_Window* window)
{
    if (!window || SDL_GetWindowData(window, KPaintPendingKey))
        return;
    // Any non-null value marks the request as queued.
    SDL_SetWindowData(window, KPaintPendingKey, window);
    if (!PushWindowEvent(PaintEventType(), window))
        SDL_SetWindowData(window, KPaintPendingKey, nullptr);
}

void CZuEventLoop::PostWakeUp(SDL_Window* window)
{
    PushWindowEvent(WakeUpEventType(), window);
}

void CZuEventLoop::PostQuit()
{
    SDL_Event event;
    SDL_zero(event);
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

unsigned CZuEventLoop::TimerEventType()
{
    return EventType(0);
}

unsigned CZuEventLoop::PaintEventType()
{
    return EventType(1);
}

unsigned CZuEventLoop::WakeUpEventType()
{
    return EventType(2);
}
