#ifndef ZUPLAYERAPP_H
#define ZUPLAYERAPP_H

#include "ZuUiManagerObserver.h"
#include "ZuWindowEventHandler.h"

class CZuUiManager;
class CZuWindowGc;
struct SDL_Window;

// The program's window glue. It receives the platform window's input (through the event loop) and hands it
// to the UI manager, and it is the UI manager's observer: it paints the user interface into the window and
// closes the window when the program exits. The UI manager given to it is released with it. Text input is
// stopped while it is made: a text field starts it while it is being edited.
class CZuPlayerApp : public MZuUiManagerObserver, public MZuWindowEventHandler
{
public:
    explicit CZuPlayerApp(SDL_Window* window);
    // Releases the UI manager (the application object).
    ~CZuPlayerApp() override;

    void SetUiManager(CZuUiManager* manager) { iManager = manager; }
    CZuUiManager* UiManager() const { return iManager; }
    SDL_Window* Window() const { return iWindow; }
    // The last picture painted into the window: rows top to bottom, pixels Blue, Green, Red, Alpha.
    const unsigned char* Pixels() const;
    int PixelWidth() const;
    int PixelHeight() const;

    // MZuUiManagerObserver: ends the event loop; paints now.
    void HandleExit() override;
    void HandleDraw() override;
    // Asks the UI thread to handle one queued toolkit message (safe from any thread).
    void WakeUp();

    // MZuWindowEventHandler: the window procedure.
    void HandleKeyDown(unsigned code, unsigned value) override;
    void HandleChar(unsigned code, unsigned value) override;
    void HandleKeyUp(unsigned code, unsigned value) override;
    void HandleTextEditing(const char* utf8, int cursor, int length) override;
    void HandlePointer(int type, unsigned flags, const CZuPoint& position,
                       const CZuPoint& windowOrigin) override;
    void HandleWheel(int steps, const CZuPoint& position, const CZuPoint& windowOrigin) override;
    void HandlePaint() override;
    void HandleWakeUp() override;
    void HandleClose() override;

private:
    CZuPlayerApp(const CZuPlayerApp&) = delete;
    CZuPlayerApp& operator=(const CZuPlayerApp&) = delete;

    SDL_Window* iWindow;
    CZuUiManager* iManager;
    // The window's back buffer, made again when the client size changes.
    CZuWindowGc* iGc;
};

#endif // ZUPLAYERAPP_H
