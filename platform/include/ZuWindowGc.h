#ifndef ZUWINDOWGC_H
#define ZUWINDOWGC_H

#include "ZuGc.h"

struct SDL_Window;

// A drawing context that owns a 32-bit back buffer of the window's size and copies it to the window's
// surface on Flush. The owner creates a new one when the window's size changes.
class CZuWindowGc : public CZuGc
{
public:
    // No buffer and no window: nothing can be drawn (the base of CZuBitmapGc).
    CZuWindowGc();
    // A width x height back buffer (all bytes 0) for the window; the window is not owned. Asks SDL for a
    // software window surface (unless the environment says otherwise), so create it before the window's
    // surface is first used.
    CZuWindowGc(SDL_Window* window, int width, int height);
    ~CZuWindowGc() override;

    // Replaces the window the buffer is copied to.
    void SetGc(SDL_Window* window);
    SDL_Window* Window() const { return iWindow; }
    // Copies the whole buffer to the window surface at (0,0) and shows it. A surface that is a whole
    // multiple of the buffer's size (a high-density display) gets the picture scaled by that factor.
    void Flush();

    // The back buffer: rows top to bottom, 4 * width bytes each, pixels Blue, Green, Red, Alpha.
    const unsigned char* Bits() const { return iBits; }
    int BufferWidth() const { return iWidth; }
    int BufferHeight() const { return iHeight; }

private:
    CZuWindowGc(const CZuWindowGc&) = delete;
    CZuWindowGc& operator=(const CZuWindowGc&) = delete;

    SDL_Window* iWindow;
    unsigned char* iBits;
    int iWidth;
    int iHeight;
};

#endif // ZUWINDOWGC_H
