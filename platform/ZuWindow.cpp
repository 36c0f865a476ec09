#include "ZuWindow.h"

#include "ZuEventLoop.h"

#include <SDL.h>

namespace
{

const int KDefaultDpi = 96;

// System cursors are made once and kept for the life of the program.
SDL_Cursor* SystemCursor(SDL_SystemCursor id)
{
    static SDL_Cursor* cursors[SDL_NUM_SYSTEM_CURSORS] = {};
    if (!cursors[id])
        cursors[id] = SDL_CreateSystemCursor(id);
    return cursors[id];
}

} // namespace

CZuWindow::CZuWindow(SDL_Window* window) : iWindow(window) {}

CZuWindow::~CZuWindow() {}

void CZuWindow::SetWindow(SDL_Window* window)
{
    iWindow = window;
}

CZuPoint CZuWindow::GetWndPos()
{
    CZuPoint position;
    if (iWindow)
        SDL_GetWindowPosition(iWindow, &position.iX, &position.iY);
    return position;
}

void CZuWindow::SetWndPos(const CZuPoint& position)
{
    if (iWindow)
        SDL_SetWindowPosition(iWindow, position.iX, position.iY);
}

CZuPoint CZuWindow::GetScreenCursorPos()
{
    CZuPoint position;
    SDL_GetGlobalMouseState(&position.iX, &position.iY);
    return position;
}

void CZuWindow::SetRect(const CZuRect& rect)
{
    if (!iWindow)
        return;
    SDL_SetWindowPosition(iWindow, rect.iTl.iX, rect.iTl.iY);
    SDL_SetWindowSize(iWindow, rect.Width(), rect.Height());
    DrawNow();
}

void CZuWindow::MakeVisible(bool visible)
{
    if (!iWindow)
        return;
    if (visible)
        SDL_ShowWindow(iWindow);
    else
        SDL_HideWindow(iWindow);
}

void CZuWindow::DrawNow(const CZuRect& /*rect*/)
{
    DrawNow();
}

void CZuWindow::DrawNow()
{
    if (iWindow)
        CZuEventLoop::PostPaint(iWindow);
}

void CZuWindow::DrawDeferred()
{
    DrawNow();
}

CZuRect CZuWindow::GetRect()
{
    if (!iWindow)
        return CZuRect();
    CZuSize size;
    SDL_GetWindowSize(iWindow, &size.iWidth, &size.iHeight);
    return CZuRect(GetWndPos(), size);
}

void CZuWindow::SetScreenCursorPos(const CZuPoint& position)
{
    SDL_WarpMouseGlobal(position.iX, position.iY);
}

void CZuWindow::SetCursor(TZuCursorType type)
{
    SDL_SystemCursor id;
    switch (type)
    {
    case EZuCursorNone:
        id = SDL_SYSTEM_CURSOR_ARROW;
        break;
    case EZuCursorSizeWE:
        id = SDL_SYSTEM_CURSOR_SIZEWE;
        break;
    case EZuCursorSizeNS:
        id = SDL_SYSTEM_CURSOR_SIZENS;
        break;
    default:
        return;
    }
    if (SDL_Cursor* cursor = SystemCursor(id))
        SDL_SetCursor(cursor);
}

void CZuWindow::SetCapture()
{
    SDL_CaptureMouse(SDL_TRUE);
}

void CZuWindow::ReleaseCapture()
{
    SDL_CaptureMouse(SDL_FALSE);
}

void CZuWindow::ShowWindow(TShowUiWndType type)
{
    if (!iWindow)
        return;
    switch (type)
    {
    case EShowUiWnd:
        SDL_ShowWindow(iWindow);
        break;
    case EHideUiWnd:
        SDL_HideWindow(iWindow);
        break;
    case EMinimizeUiWnd:
        SDL_MinimizeWindow(iWindow);
        break;
    case EMaximizeUiWnd:
        SDL_MaximizeWindow(iWindow);
        break;
    default:
        break;
    }
}

int CZuWindow::GetDpi()
{
    float horizontal = 0;
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0 || SDL_GetDisplayDPI(0, nullptr, &horizontal, nullptr) != 0)
        return KDefaultDpi;
    int dpi = static_cast<int>(horizontal + 0.5f);
    return dpi > 0 ? dpi : KDefaultDpi;
}
