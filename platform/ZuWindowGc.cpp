#include "ZuWindowGc.h"

#include <SDL.h>

#include <cstring>

CZuWindowGc::CZuWindowGc() : iWindow(nullptr), iBits(nullptr), iWidth(0), iHeight(0) {}

CZuWindowGc::CZuWindowGc(SDL_Window* window, int width, int height)
    : iWindow(window), iBits(nullptr), iWidth(width > 0 ? width : 0), iHeight(height > 0 ? height : 0)
{
    // A plain memory surface is all a small software-drawn window needs; it also keeps GL drivers (and
    // what they leak) out of the process. The environment can still ask for acceleration.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    if (iWidth == 0 || iHeight == 0)
    {
        iWidth = iHeight = 0;
        return;
    }
    size_t bytes = static_cast<size_t>(iWidth) * static_cast<size_t>(iHeight) * 4;
    iBits = new unsigned char[bytes];
    std::memset(iBits, 0, bytes);
    SetBuf(iBits, static_cast<unsigned>(iWidth), static_cast<unsigned>(iHeight), iWidth * 4);
}

CZuWindowGc::~CZuWindowGc()
{
    delete[] iBits;
}

void CZuWindowGc::SetGc(SDL_Window* window)
{
    iWindow = window;
}

void CZuWindowGc::Flush()
{
    if (!iWindow || !iBits)
    {
        return;
    }
    SDL_Surface* target = SDL_GetWindowSurface(iWindow);
    if (!target)
    {
        return;
    }
    // Our bytes Blue, Green, Red, Alpha are ARGB8888 read as little-endian 32-bit words.
    SDL_Surface* source =
        SDL_CreateRGBSurfaceWithFormatFrom(iBits, iWidth, iHeight, 32, iWidth * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!source)
    {
        return;
    }
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
    int factor = 1;
    if (target->w >= iWidth * 2 && target->h >= iHeight * 2 && target->w % iWidth == 0 &&
        target->h % iHeight == 0 && target->w / iWidth == target->h / iHeight)
    {
        factor = target->w / iWidth;
    }
    if (factor > 1)
    {
        SDL_Rect scaled = {0, 0, iWidth * factor, iHeight * factor};
        SDL_BlitScaled(source, nullptr, target, &scaled);
    }
    else
    {
        SDL_Rect at = {0, 0, iWidth, iHeight};
        SDL_BlitSurface(source, nullptr, target, &at);
    }
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurface(iWindow);
}
