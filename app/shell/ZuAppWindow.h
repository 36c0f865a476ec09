#ifndef ZUAPPWINDOW_H
#define ZUAPPWINDOW_H

#include "ZuRect.h"

class CZuControl;
class CZuPlayerApp;
class CZuPoint;
class CZuUiManager;
struct SDL_Window;

// The program's platform window: borderless, 480 x 360, centred on the screen, cut to a round rectangle
// where the video driver can shape windows.
class CZuAppWindow
{
public:
    static constexpr int KWidth = 480;
    static constexpr int KHeight = 360;
    // The round corners of the window and of its root control.
    static constexpr int KCornerSize = 4;

    // Starts SDL's video and timers and makes the window (shaped when the driver allows it). Null when
    // SDL or the window cannot be had; the reason is on stderr.
    static SDL_Window* Create(const char* title);
    // The root control on the window: a resizable frame (border type 5, width 1) with round corners over
    // the whole client area. It owns its CZuWindow wrapper.
    static CZuControl* CreateRoot(SDL_Window* window);
    // Binds root and glue to the UI manager the way the program starts: OS type, platform window (owned),
    // observer, screen rectangle, and under Wayland the title bar as the area the compositor drags the
    // window by. Start() is left to the caller.
    static void Bind(CZuUiManager* manager, CZuControl* root, CZuPlayerApp* glue);
    // True where a press drags the window: on the current window's title bar, off its own controls, while
    // the window is smaller than the screen and no menu is open.
    static bool IsDragArea(CZuUiManager* manager, const CZuPoint& point);
    // Destroys the window and shuts SDL down.
    static void Destroy(SDL_Window* window);
    // True when the window was made with a shape.
    static bool IsShaped(SDL_Window* window);

private:
    static bool SetRoundShape(SDL_Window* window);
};

#endif // ZUAPPWINDOW_H
