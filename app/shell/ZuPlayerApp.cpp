#include "ZuPlayerApp.h"

#include "ZuEventLoop.h"
#include "ZuPointerEvent.h"
#include "ZuRect.h"
#include "ZuString.h"
#include "ZuTextInput.h"
#include "ZuUiManager.h"
#include "ZuWindowGc.h"

#include <SDL.h>

namespace
{

// The toolkit's modifier flags of a key value.
unsigned Modifiers(unsigned value)
{
    unsigned modifiers = 0;
    if (value & KZuKeyValueShift)
        modifiers |= EZuButtonShift;
    if (value & KZuKeyValueControl)
        modifiers |= EZuButtonControl;
    return modifiers;
}

} // namespace

CZuPlayerApp::CZuPlayerApp(SDL_Window* window) : iWindow(window), iManager(nullptr), iGc(nullptr)
{
    CZuEventLoop::SetHandler(window, this);
    // Text reaches the program only while a text field is being edited, so no other screen gets characters.
    CZuTextInput::Stop();
}

CZuPlayerApp::~CZuPlayerApp()
{
    CZuEventLoop::SetHandler(iWindow, nullptr);
    if (iWindow)
        SDL_SetWindowHitTest(iWindow, nullptr, nullptr);
    if (iManager)
        iManager->Release();
    iManager = nullptr;
    delete iGc;
}

const unsigned char* CZuPlayerApp::Pixels() const
{
    return iGc ? iGc->Bits() : nullptr;
}

int CZuPlayerApp::PixelWidth() const
{
    return iGc ? iGc->BufferWidth() : 0;
}

int CZuPlayerApp::PixelHeight() const
{
    return iGc ? iGc->BufferHeight() : 0;
}

void CZuPlayerApp::HandleExit()
{
    CZuEventLoop::PostQuit();
}

void CZuPlayerApp::HandleDraw()
{
    if (!iWindow)
        return;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(iWindow, &width, &height);
    if (width <= 0 || height <= 0)
        return;
    if (!iGc || iGc->BufferWidth() != width || iGc->BufferHeight() != height)
    {
        delete iGc;
        iGc = new CZuWindowGc(iWindow, width, height);
    }
    if (iManager)
        iManager->UiDraw(*iGc, CZuRect(0, 0, width, height));
    iGc->Flush();
}

void CZuPlayerApp::WakeUp()
{
    CZuEventLoop::PostWakeUp(iWindow);
}

void CZuPlayerApp::HandleKeyDown(unsigned code, unsigned value)
{
    if (iManager)
        iManager->OnKeyDown(code, value & 0xFFFF, Modifiers(value));
}

void CZuPlayerApp::HandleChar(unsigned code, unsigned value)
{
    if (iManager)
        iManager->OnChar(code, value & 0xFFFF, Modifiers(value));
}

void CZuPlayerApp::HandleKeyUp(unsigned code, unsigned value)
{
    if (iManager)
        iManager->OnKeyUp(code, value & 0xFFFF, Modifiers(value));
}

void CZuPlayerApp::HandleTextEditing(const char* utf8, int cursor, int)
{
    if (iManager)
        iManager->OnTextEditing(CZuString(utf8), cursor);
}

void CZuPlayerApp::HandlePointer(int type, unsigned flags, const CZuPoint& position,
                                 const CZuPoint& windowOrigin)
{
    if (!iManager)
        return;
    TZuPointerEvent event;
    event.iType = static_cast<TZuPointerType>(type);
    event.iFlags = flags;
    event.iPosition = position;
    event.iRefPoint = windowOrigin;
    iManager->HandlePointerEventL(event);
}

void CZuPlayerApp::HandleWheel(int steps, const CZuPoint& position, const CZuPoint& windowOrigin)
{
    if (!iManager)
        return;
    TZuPointerEvent event;
    event.iType = EZuPointerWheel;
    event.iPosition = position;
    event.iRefPoint = windowOrigin;
    event.iValue1 = steps;
    iManager->HandlePointerEventL(event);
}

void CZuPlayerApp::HandlePaint()
{
    HandleDraw();
}

void CZuPlayerApp::HandleWakeUp()
{
    if (iManager)
        iManager->HandlePlatformMessage();
}

void CZuPlayerApp::HandleClose()
{
    CZuEventLoop::PostQuit();
}
