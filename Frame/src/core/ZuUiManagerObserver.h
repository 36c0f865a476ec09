#ifndef ZUUIMANAGEROBSERVER_H
#define ZUUIMANAGEROBSERVER_H

// Implemented by the program's window glue: what the toolkit asks of the platform window.
class MZuUiManagerObserver
{
public:
    // Close the application window.
    virtual void HandleExit() = 0;
    // Repaint now: draw the whole user interface (CZuUiManager::UiDraw) into the window and show it.
    virtual void HandleDraw() = 0;
    virtual ~MZuUiManagerObserver() {}
};

#endif // ZUUIMANAGEROBSERVER_H
