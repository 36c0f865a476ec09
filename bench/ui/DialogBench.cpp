// What dialogs cost: opening a list selection of 1 000 rows to its first drawn frame (target 20 ms); a key
// typed into the search row of a list of 10 000 rows, alone and to the redrawn frame (target 5 ms); and a
// modal dialog waiting while nothing happens (target below 1 % of a core): how often the nested wait wakes
// up and how much processor time its thread takes. The idle run lasts ZU_IDLE_SECONDS (default 5) and wants
// a display (run it under xvfb-run); SDL's offscreen driver polls and says little about idling.
#include "BenchUi.h"

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <thread>

namespace
{

void FillItems(CZuObjectList& items, int count)
{
    for (int i = 0; i < count; ++i)
    {
        std::string text = "单词 word" + std::to_string(i);
        // Only the last one answers the search "z": the whole list is searched.
        const char* extra = i == count - 1 ? "zuihou" : "danci";
        items.Append(
            new CZuComboItem(i, CZuString(text.c_str()), CZuString(text.c_str()), CZuString(extra), nullptr));
    }
}

CZuListSelectDlg* OpenList(CZuObjectList& items, int* selection, bool search)
{
    CZuListSelectDlg* dialog = new CZuListSelectDlg(0, selection);
    dialog->EnableSearch(search);
    dialog->ConstructL();
    dialog->SetListData(&items);
    dialog->ShowDialog(false, nullptr);
    return dialog;
}

void BM_OpenListSelect1000(benchmark::State& state)
{
    CBenchUi ui;
    CZuObjectList items(true);
    FillItems(items, 1000);
    int selection = 500;
    for (auto _ : state)
    {
        CZuListSelectDlg* dialog = OpenList(items, &selection, false);
        ui.HandleDraw();
        state.PauseTiming();
        delete dialog;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenListSelect1000)->Unit(benchmark::kMillisecond);

// A key that changes the search text ("z", found only in the last row); the Backspace that empties the
// text again searches nothing and is not counted.
void SearchKey(benchmark::State& state, bool redraw)
{
    CBenchUi ui;
    CZuObjectList items(true);
    FillItems(items, 10000);
    int selection = 0;
    CZuListSelectDlg* dialog = OpenList(items, &selection, true);
    CZuList* list = dialog->GetScrollList()->GetList();
    ui.HandleDraw();
    for (auto _ : state)
    {
        ui.OnChar('z', 1, 0);
        if (redraw)
            ui.HandleDraw();
        state.PauseTiming();
        if (list->GetSelectedRowIndex() != 9999)
            state.SkipWithError("the search did not find the last row");
        ui.OnKeyDown(EZuKeyBackspace, 1, 0);
        ui.OnKeyUp(EZuKeyBackspace, 1, 0);
        list->SetSelectedRow(0);
        state.ResumeTiming();
    }
    delete dialog;
}

void BM_SearchKey10000(benchmark::State& state)
{
    SearchKey(state, false);
}
BENCHMARK(BM_SearchKey10000)->Unit(benchmark::kMicrosecond);

void BM_SearchKey10000Redrawn(benchmark::State& state)
{
    SearchKey(state, true);
}
BENCHMARK(BM_SearchKey10000Redrawn)->Unit(benchmark::kMicrosecond);

// Every event SDL queues wakes a waiting loop.
int CountEvent(void* counter, SDL_Event*)
{
    ++*static_cast<long*>(counter);
    return 1;
}

double ThreadCpuSeconds()
{
    rusage usage;
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A modal question open over the screen, nothing happening until the window is closed.
void BM_ModalWaitIdle(benchmark::State& state)
{
    std::string error;
    SDL_Window* window = OpenIdleWindow(error);
    if (!window && !error.empty())
    {
        state.SkipWithError(error.c_str());
        return;
    }
    const int seconds = IdleSeconds(5);
    long events = 0;
    double cpu = 0;
    double switches = 0;
    {
        CBenchUi ui;
        for (auto _ : state)
        {
            CZuInfoDlg* dialog = new CZuInfoDlg(0);
            dialog->ConstructL();
            dialog->SetInfo(CZuString("确定要退出 ZuLex 吗？"));
            // What opening the dialog queued (draws) is done before the idle time starts.
            SDL_Event event;
            while (SDL_PollEvent(&event))
                CZuEventLoop::Dispatch(event);
            std::thread alarm(
                [seconds]
                {
                    std::this_thread::sleep_for(std::chrono::seconds(seconds));
                    CZuEventLoop::PostQuit();
                });
            double cpuBefore = ThreadCpuSeconds();
            long switchesBefore = ContextSwitches(RUSAGE_THREAD);
            events = 0;
            SDL_AddEventWatch(CountEvent, &events);
            dialog->ShowDialog(true, nullptr);
            SDL_DelEventWatch(CountEvent, &events);
            cpu = ThreadCpuSeconds() - cpuBefore;
            switches = static_cast<double>(ContextSwitches(RUSAGE_THREAD) - switchesBefore);
            alarm.join();
            delete dialog;
            CZuSynWait::ClearQuitRequest();
            SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        }
    }
    state.counters["events_per_s"] = static_cast<double>(events) / seconds;
    state.counters["thread_switches_per_s"] = switches / seconds;
    state.counters["cpu_percent_of_a_core"] = 100.0 * cpu / seconds;
    state.SetLabel(SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "?");
    SDL_DestroyWindow(window);
    SDL_Quit();
}
BENCHMARK(BM_ModalWaitIdle)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
