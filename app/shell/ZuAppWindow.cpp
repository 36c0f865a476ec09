#include "ZuAppWindow.h"

#include "ZuBitmapGc.h"
#include "ZuControl.h"
#include "ZuImage.h"
#include "ZuPlayerApp.h"
#include "ZuUiManager.h"
#include "ZuWindow.h"

#include <SDL.h>
#include <SDL_shape.h>
#include <cstdio>
#include <cstring>

namespace
{
// The platform's operating-system type the program reports to the toolkit.
const int KOsType = 2;

CZuRect DisplayBounds()
{
    SDL_Rect bounds{0, 0, CZuAppWindow::KWidth, CZuAppWindow::KHeight};
    SDL_GetDisplayBounds(0, &bounds);
    return CZuRect(bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h);
}

SDL_HitTestResult TitleBarHitTest(SDL_Window*, const SDL_Point* area, void* data)
{
    CZuPlayerApp* glue = static_cast<CZuPlayerApp*>(data);
    CZuUiManager* manager = glue ? glue->UiManager() : nullptr;
    return CZuAppWindow::IsDragArea(manager, CZuPoint(area->x, area->y)) ? SDL_HITTEST_DRAGGABLE
                                                                         : SDL_HITTEST_NORMAL;
}

// A Wayland program cannot place its window, so the title bar's own drag cannot move it; the compositor
// moves it instead when SDL reports the title bar as a drag area.
void LetCompositorDrag(CZuPlayerApp* glue)
{
    const char* driver = SDL_GetCurrentVideoDriver();
    if (glue->Window() && driver && std::strcmp(driver, "wayland") == 0)
        SDL_SetWindowHitTest(glue->Window(), TitleBarHitTest, glue);
}
// SDL falls back to drawing off screen when it finds no display: a window nobody sees. That driver counts
// only when it was asked for by name (the tests and benchmarks do).
bool HasDisplay()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0))
        return true;
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    return asked && SDL_strcasecmp(asked, driver) == 0;
}
} // namespace

SDL_Window* CZuAppWindow::Create(const char* title)
{
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
    {
        std::fprintf(stderr, "zulex: SDL cannot start: %s\n", SDL_GetError());
        return nullptr;
    }
    if (!HasDisplay())
    {
        std::fprintf(stderr, "zulex: there is no display to show the window on (neither DISPLAY nor "
                             "WAYLAND_DISPLAY is set); start ZuLex from a desktop session\n");
        SDL_Quit();
        return nullptr;
    }
    CZuRect screen = DisplayBounds();
    int left = screen.iTl.iX + (screen.Width() - KWidth) / 2;
    int top = screen.iTl.iY + (screen.Height() - KHeight) / 2;
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN;
    SDL_Window* window = SDL_CreateShapedWindow(title, left, top, KWidth, KHeight, flags);
    if (window && !SetRoundShape(window))
    {
        SDL_DestroyWindow(window);
        window = nullptr;
    }
    if (!window)
        window = SDL_CreateWindow(title, left, top, KWidth, KHeight, flags);
    if (!window)
    {
        std::fprintf(stderr, "zulex: no window: %s\n", SDL_GetError());
        SDL_Quit();
    }
    return window;
}

bool CZuAppWindow::SetRoundShape(SDL_Window* window)
{
    // The shape is a round rectangle one pixel larger than the client area, as the window region was.
    CZuBitmapGc mask(CZuSize(KWidth, KHeight));
    mask.SetDrawStyle(IZuGc::EDrawFill);
    mask.SetDrawColor(CZuRgb(255, 255, 255));
    mask.DrawRoundRect(CZuRect(0, 0, KWidth + 1, KHeight + 1), KCornerSize);
    CZuImage* image = mask.EndDraw();
    SDL_Surface* shape = SDL_CreateRGBSurfaceWithFormatFrom(image->GetImgBuf(), KWidth, KHeight, 32,
                                                            KWidth * 4, SDL_PIXELFORMAT_BGRA32);
    if (!shape)
        return false;
    SDL_WindowShapeMode mode;
    mode.mode = ShapeModeBinarizeAlpha;
    mode.parameters.binarizationCutoff = 128;
    bool shaped = SDL_SetWindowShape(window, shape, &mode) == 0;
    SDL_FreeSurface(shape);
    return shaped;
}

bool CZuAppWindow::IsShaped(SDL_Window* window)
{
    return window && SDL_IsShapedWindow(window);
}

CZuControl* CZuAppWindow::CreateRoot(SDL_Window* window)
{
    CZuControl* root = new CZuControl(new CZuWindow(window));
    root->SetBorderType(EZuBorderResizable);
    root->SetBorderWidth(1);
    root->SetRoundCornerSize(KCornerSize);
    root->SetInnerSpace(0);
    int width = KWidth;
    int height = KHeight;
    SDL_GetWindowSize(window, &width, &height);
    root->SetRect(CZuRect(0, 0, width, height));
    return root;
}

void CZuAppWindow::Bind(CZuUiManager* manager, CZuControl* root, CZuPlayerApp* glue)
{
    manager->SetOsType(KOsType);
    manager->SetPlatWindow(root, true);
    manager->SetObserver(glue);
    glue->SetUiManager(manager);
    manager->SetScreenRect(DisplayBounds());
    LetCompositorDrag(glue);
}

bool CZuAppWindow::IsDragArea(CZuUiManager* manager, const CZuPoint& point)
{
    CZuControl* bar = manager ? manager->GetTitleBar() : nullptr;
    if (!bar || !bar->IsVisible() || !bar->HitTest(point) || !manager->CanMoveUi() || manager->IsShowMenu())
        return false;
    for (int i = 0; i < bar->GetControlCount(); ++i)
    {
        CZuControl* child = bar->GetControl(i);
        if (child->IsVisible() && child->HitTest(point))
            return false;
    }
    return true;
}

void CZuAppWindow::Destroy(SDL_Window* window)
{
    if (window)
        SDL_DestroyWindow(window);
    SDL_Quit();
}
