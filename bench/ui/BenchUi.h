#ifndef BENCHUI_H
#define BENCHUI_H

// What the toolkit's benchmarks share: a user interface of the program's size drawn into a bitmap, and the
// window and counters of the idle measurements.
#include "ZuUi.h"

#include <SDL.h>
#include <string>

const int KBenchWidth = 480;
const int KBenchHeight = 360;

// A 480 x 360 user interface: a window with a client area over a command bar, drawn into a bitmap on every
// draw it asks for; the toolkit's string table and the first colour scheme.
class CBenchUi : public CZuUiManager, public MZuUiManagerObserver
{
public:
    CBenchUi();
    ~CBenchUi() override;
    void StartL() override {}
    void Release() override {}
    void HandleExit() override {}
    void HandleDraw() override;

    CZuBitmapGc iScreen;
};

// The seconds an idle measurement lasts: ZU_IDLE_SECONDS, or fallback when it is not a positive number.
int IdleSeconds(int fallback);
// The context switches (voluntary and not) of the calling thread (RUSAGE_THREAD) or of the whole process
// (RUSAGE_SELF) so far.
long ContextSwitches(int who);
// SDL started and a borderless window of the bench size opened, on SDL's offscreen driver when there is no
// display; null, with error set, when SDL cannot start. The caller destroys the window and quits SDL.
SDL_Window* OpenIdleWindow(std::string& error);

#endif // BENCHUI_H
