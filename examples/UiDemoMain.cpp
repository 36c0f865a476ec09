// The toolkit's core on the real window: the welcome screen "Loading data" with a progress bar, then a
// board of bordered, rounded tiles placed by a layout. The arrow keys move the focus (it wraps around),
// the mouse focuses the tile under it, Escape or closing the window ends the program.
//
//   zu_uidemo            opens the window and runs until it is closed
//   zu_uidemo --png DIR  plays a fixed script on a test clock and writes its frames to DIR/*.png
//                        (run it with SDL_VIDEODRIVER=offscreen to need no display)
#include "TestCard.h"
#include "UiDemo.h"

#include "ZuAppWindow.h"
#include "ZuControl.h"
#include "ZuEventLoop.h"
#include "ZuManualClock.h"
#include "ZuPlayerApp.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
// Runs the demo's script, writing one PNG per step.
int WriteFrames(CZuPlayerApp& glue, CUiDemo& demo, CZuManualClock& clock, const std::string& directory)
{
    int written = 0;
    auto frame = [&](const char* name)
    {
        glue.HandleDraw();
        std::string path = directory + "/" + name + ".png";
        if (!WritePng(path, glue.Pixels(), glue.PixelWidth(), glue.PixelHeight()))
        {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return;
        }
        std::printf("%s\n", path.c_str());
        ++written;
    };
    auto press = [&](unsigned key)
    {
        glue.HandleKeyDown(key, 1);
        glue.HandleKeyUp(key, 1u | (1u << 30) | (1u << 31));
        clock.Advance(100);
    };

    demo.SetLoadingProgress(3);
    frame("01-welcome");
    demo.SetLoadingProgress(CUiDemo::KLoadSteps);
    frame("02-welcome-loaded");
    demo.FinishLoading();
    clock.Advance(100);
    frame("03-board");
    press(39);
    press(39);
    frame("04-right-right");
    press(40);
    frame("05-down");
    press(39);
    frame("06-right");
    glue.HandlePointer(7, 0, demo.TileCentre(11), CZuPoint(0, 0));
    clock.Advance(100);
    frame("07-mouse-over-last-tile");
    press(39);
    frame("08-right-wraps-to-first");
    // A slide to the same board, stopped half way.
    demo.Slide();
    glue.HandleDraw();
    glue.HandleDraw();
    glue.HandleDraw();
    frame("09-slide-half-way");
    clock.Advance(1000);
    return written > 0 ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    std::string pngDir;
    if (argc > 2 && std::strcmp(argv[1], "--png") == 0)
        pngDir = argv[2];

    SDL_Window* window = CZuAppWindow::Create("ZuUi demo");
    if (!window)
        return 1;
    int result = 0;
    {
        // Frames are written on a clock the script advances; the window runs on real time.
        CZuManualClock* clock = pngDir.empty() ? nullptr : new CZuManualClock;
        CZuPlayerApp glue(window);
        CUiDemo* demo = new CUiDemo(!pngDir.empty());
        CZuAppWindow::Bind(demo, CZuAppWindow::CreateRoot(window), &glue);
        demo->Start();
        if (clock)
            result = WriteFrames(glue, *demo, *clock, pngDir);
        else
            CZuEventLoop::Run();
        glue.SetUiManager(nullptr);
        demo->Release();
        delete clock;
    }
    CZuAppWindow::Destroy(window);
    return result;
}
