// ZuLex: the program's entry. One window on the UI thread; the event loop runs until the window closes.
// However the loop ends (the exit command, the window's close, SIGTERM or SIGINT, which SDL turns into a
// quit event), the application leaves its screen and writes the settings before anything goes.
//
// For tests: with ZULEX_FRAME_FILE set to a path, every picture painted into the window is also written
// there as PNG (whole: written beside it, then renamed). For the start-up benchmark: with
// ZULEX_QUIT_WHEN_SHOWN set, the program prints "shown" and its resident memory in kB once the first
// screen is drawn, then ends.
#include "TestCard.h"
#include "UpdateCheck.h"
#include "ZuAppWindow.h"
#include "ZuConnection.h"
#include "ZuControl.h"
#include "ZuEventLoop.h"
#include "ZuLexApp.h"
#include "ZuLexOptions.h"
#include "ZuPlayerApp.h"
#include "ZuRandom.h"
#include "ZuUiManager.h"
#include "ZuView.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

// The memory the process holds in RAM now, from the kernel's account of it; -1 when it cannot be read.
long ResidentKilobytes()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kilobytes = -1;
    while (std::fgets(line, sizeof line, status))
    {
        if (std::sscanf(line, "VmRSS: %ld kB", &kilobytes) == 1)
            break;
    }
    std::fclose(status);
    return kilobytes;
}

// The program's window glue: at each wake-up the answers of finished network requests reach their
// receivers on the UI thread, before the toolkit handles its next message.
class CZuLexGlue : public CZuPlayerApp
{
public:
    CZuLexGlue(SDL_Window* window, const char* frameFile, bool quitWhenShown)
        : CZuPlayerApp(window), iFrameFile(frameFile ? frameFile : ""), iQuitWhenShown(quitWhenShown)
    {
    }

    void HandleWakeUp() override
    {
        CZuConnection::DeliverAnswers();
        CZuPlayerApp::HandleWakeUp();
    }

    void HandleDraw() override
    {
        CZuPlayerApp::HandleDraw();
        CZuUiManager* ui = UiManager();
        if (iQuitWhenShown && ui && !ui->GetWelcome() && ui->GetCurView() && !ui->IsTransforming())
        {
            iQuitWhenShown = false;
            std::printf("shown %ld\n", ResidentKilobytes());
            std::fflush(stdout);
            HandleExit();
        }
        if (iFrameFile.empty() || !Pixels())
            return;
        std::string part = iFrameFile + ".part";
        if (WritePng(part, Pixels(), PixelWidth(), PixelHeight()))
            std::rename(part.c_str(), iFrameFile.c_str());
    }

private:
    std::string iFrameFile;
    bool iQuitWhenShown;
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
    if (options.HasSeed())
        CZuRandom::SetSeed(options.Seed());
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
        CZuLexGlue glue(window, std::getenv("ZULEX_FRAME_FILE"), std::getenv("ZULEX_QUIT_WHEN_SHOWN") != nullptr);
        CZuConnection::SetWakeUp([&glue] { glue.WakeUp(); });
        CZuControl* root = CZuAppWindow::CreateRoot(window);
        CZuLexApp* app = new CZuLexApp;
        CZuAppWindow::Bind(app, root, &glue);
        app->Start();
        CZuEventLoop::Run();
        app->Shutdown();
        // No worker may wake a glue that is going; the application has cancelled its requests.
        CZuConnection::SetWakeUp(nullptr);
        // The glue releases the application here, before the window goes.
    }
    CZuAppWindow::Destroy(window);
    return 0;
}
