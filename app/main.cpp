// ZuLex: the program's entry. One window on the UI thread; the event loop runs until the window closes.
#include "ZuAppWindow.h"
#include "ZuControl.h"
#include "ZuEventLoop.h"
#include "ZuLexApp.h"
#include "ZuPlayerApp.h"

int main()
{
    SDL_Window* window = CZuAppWindow::Create("ZuPlayer");
    if (!window)
        return 1;
    {
        CZuPlayerApp glue(window);
        CZuControl* root = CZuAppWindow::CreateRoot(window);
        CZuAppWindow::Bind(new CZuLexApp, root, &glue);
        glue.UiManager()->Start();
        CZuEventLoop::Run();
        // The glue releases the application here, before the window goes.
    }
    CZuAppWindow::Destroy(window);
    return 0;
}
