// ZuLex: the program's entry. One window on the UI thread; the event loop runs until the window closes.
#include "UpdateCheck.h"
#include "ZuAppWindow.h"
#include "ZuConnection.h"
#include "ZuControl.h"
#include "ZuEventLoop.h"
#include "ZuLexApp.h"
#include "ZuLexOptions.h"
#include "ZuPlayerApp.h"

#include <cstdio>

namespace
{

// The program's window glue: at each wake-up the answers of finished network requests reach their
// receivers on the UI thread, before the toolkit handles its next message.
class CZuLexGlue : public CZuPlayerApp
{
public:
    explicit CZuLexGlue(SDL_Window* window) : CZuPlayerApp(window) {}

    void HandleWakeUp() override
    {
        CZuConnection::DeliverAnswers();
        CZuPlayerApp::HandleWakeUp();
    }
};

// Takes the command line and the environment; false when the program should not start.
bool TakeOptions(int argc, char** argv, int& exitCode)
{
    CZuLexOptions options;
    if (!options.Parse(argc, argv) || (!options.WantsHelp() && !options.ApplyDataDir()))
    {
        std::fprintf(stderr, "zulex: %s\n%s", Str(options.Error()), CZuLexOptions::Usage());
        exitCode = 2;
        return false;
    }
    if (options.WantsHelp())
    {
        std::fputs(CZuLexOptions::Usage(), stdout);
        exitCode = 0;
        return false;
    }
    CUpdateCheck::SetAddress(options.UpdateUrl());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    int exitCode = 0;
    if (!TakeOptions(argc, argv, exitCode))
        return exitCode;
    SDL_Window* window = CZuAppWindow::Create("ZuPlayer");
    if (!window)
        return 1;
    {
        CZuLexGlue glue(window);
        CZuConnection::SetWakeUp([&glue] { glue.WakeUp(); });
        CZuControl* root = CZuAppWindow::CreateRoot(window);
        CZuAppWindow::Bind(new CZuLexApp, root, &glue);
        glue.UiManager()->Start();
        CZuEventLoop::Run();
        // No worker may wake a glue that is going; the application cancels its requests as it goes.
        CZuConnection::SetWakeUp(nullptr);
        // The glue releases the application here, before the window goes.
    }
    CZuAppWindow::Destroy(window);
    return 0;
}
