#include "BenchUi.h"

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <sys/resource.h>
#include <thread>

namespace
{

// A window that ignores its input, and the toolkit's queue with its timer manager.
class CIdleWindow : public MZuWindowEventHandler, public MZuMessageWnd
{
public:
    void HandleKeyDown(unsigned, unsigned) override {}
    void HandleChar(unsigned, unsigned) override {}
    void HandleKeyUp(unsigned, unsigned) override {}
    void HandleTextEditing(const char*, int, int) override {}
    void HandlePointer(int, unsigned, const CZuPoint&, const CZuPoint&) override {}
    void HandleWheel(int, const CZuPoint&, const CZuPoint&) override {}
    void HandlePaint() override {}
    void HandleWakeUp() override {}
    void HandleClose() override {}
    bool HandleMessage(CZuMessage*) override { return true; }
};

// The program after start-up: a message was handled, the queue is empty, nothing asked for a timer. Counts
// how often the event loop returns from waiting, and how often the UI thread was switched in at all.
void BM_IdleEventLoop(benchmark::State& state)
{
    std::string error;
    SDL_Window* sdlWindow = OpenIdleWindow(error);
    if (!sdlWindow && !error.empty())
    {
        state.SkipWithError(error.c_str());
        return;
    }
    CIdleWindow window;
    CZuEventLoop::SetHandler(sdlWindow, &window);
    int seconds = IdleSeconds(10);
    double wakeUps = 0;
    double switches = 0;
    double processSwitches = 0;
    {
        CZuTimerManager timers;
        CZuMessageProcessorImpl processor(&timers);
        processor.PostMessageW(new CZuMessage(&window, 19, 0, 0));
        SDL_Event event;
        while (processor.GetQueueCount() > 0 || timers.IsRunning(CZuMessageProcessor::KTimerId))
        {
            if (SDL_WaitEvent(&event))
                CZuEventLoop::Dispatch(event);
        }
        // What start-up left in the queue (the window's own events) is not idling.
        while (SDL_PollEvent(&event))
            CZuEventLoop::Dispatch(event);

        for (auto _ : state)
        {
            std::thread alarm(
                [seconds]
                {
                    std::this_thread::sleep_for(std::chrono::seconds(seconds));
                    CZuEventLoop::PostQuit();
                });
            long threadBefore = ContextSwitches(RUSAGE_THREAD);
            long processBefore = ContextSwitches(RUSAGE_SELF);
            // The quit that ends the run is not counted.
            wakeUps = CZuEventLoop::Run() - 1;
            switches = static_cast<double>(ContextSwitches(RUSAGE_THREAD) - threadBefore);
            processSwitches = static_cast<double>(ContextSwitches(RUSAGE_SELF) - processBefore);
            alarm.join();
        }
    }
    state.counters["wait_returns_per_s"] = wakeUps / seconds;
    state.counters["thread_switches_per_s"] = switches / seconds;
    state.counters["process_switches_per_s"] = processSwitches / seconds;
    state.counters["seconds"] = seconds;
    state.SetLabel(SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "?");
    SDL_DestroyWindow(sdlWindow);
    SDL_Quit();
}
BENCHMARK(BM_IdleEventLoop)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
