#ifndef ZUWINDOW_H
#define ZUWINDOW_H

#include "ZuPoint.h"
#include "ZuRect.h"

struct SDL_Window;

// Cursor shapes for CZuWindow::SetCursor.
enum TZuCursorType
{
    // The normal arrow.
    EZuCursorNone = 0,
    // Left-right resize arrow.
    EZuCursorSizeWE = 1,
    // Up-down resize arrow.
    EZuCursorSizeNS = 2
};

// States for CZuWindow::ShowWindow; other values change nothing.
enum TShowUiWndType
{
    EShowUiWnd = 0,
    EHideUiWnd = 1,
    EMinimizeUiWnd = 2,
    EMaximizeUiWnd = 3
};

// The toolkit's view of its top-level window: position, size, visibility and repaint requests.
class IZuWindow
{
public:
    // Screen position of the window's top-left corner.
    virtual CZuPoint GetWndPos() = 0;
    // Moves the top-left corner; the size stays.
    virtual void SetWndPos(const CZuPoint& position) = 0;
    // Pointer position in screen coordinates.
    virtual CZuPoint GetScreenCursorPos() = 0;
    // Moves and resizes the window to rect (screen coordinates) and repaints it.
    virtual void SetRect(const CZuRect& rect) = 0;
    virtual void MakeVisible(bool visible) = 0;
    // Repaints the whole window; rect is not used.
    virtual void DrawNow(const CZuRect& rect) = 0;
    // Asks for a repaint: the window's handler gets HandlePaint from the event loop, later.
    virtual void DrawNow() = 0;
    virtual void DrawDeferred() = 0;
    virtual ~IZuWindow() {}
};

// IZuWindow over an SDL window. It neither creates nor destroys the window; every operation on a wrapper
// without a window does nothing (and reads give zeros).
class CZuWindow : public IZuWindow
{
public:
    explicit CZuWindow(SDL_Window* window);
    ~CZuWindow() override;

    CZuPoint GetWndPos() override;
    void SetWndPos(const CZuPoint& position) override;
    CZuPoint GetScreenCursorPos() override;
    void SetRect(const CZuRect& rect) override;
    void MakeVisible(bool visible) override;
    void DrawNow(const CZuRect& rect) override;
    void DrawNow() override;
    void DrawDeferred() override;

    void SetWindow(SDL_Window* window);
    SDL_Window* GetWindow() const { return iWindow; }

    // The window's rectangle in screen coordinates.
    CZuRect GetRect();
    void SetScreenCursorPos(const CZuPoint& position);
    // Other values than those of TZuCursorType change nothing.
    void SetCursor(TZuCursorType type);
    // Keeps pointer events coming to this window while the pointer is outside it.
    void SetCapture();
    void ReleaseCapture();
    void ShowWindow(TShowUiWndType type);

    // Horizontal dots per inch of the main display; 96 when unknown.
    static int GetDpi();

private:
    CZuWindow(const CZuWindow&) = delete;
    CZuWindow& operator=(const CZuWindow&) = delete;

    SDL_Window* iWindow;
};

#endif // ZUWINDOW_H
