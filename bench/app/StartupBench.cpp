// The program's start-up and its main menu: started as a separate process (a fresh start each time, as
// the learner starts it) until the main menu is drawn, its resident memory then, and one full redraw of the
// main menu inside a running program.
#include "AppTestSupport.h"
#include "ZuBitmapGc.h"
#include "ZuLexApp.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

// Runs zulex on dataDir until it says the main menu is drawn; the seconds that took and its resident
// memory then. False when it did not get there.
bool StartOnce(const std::string& dataDir, double& seconds, long& residentKilobytes)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0)
    {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("ZULEX_QUIT_WHEN_SHOWN", "1", 1);
        execl(ZU_TEST_OUT_DIR "/zulex", "zulex", "--data-dir", dataDir.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string said;
    char chunk[64];
    ssize_t n;
    while (said.find('\n') == std::string::npos && (n = read(out[0], chunk, sizeof chunk)) > 0)
        said.append(chunk, static_cast<size_t>(n));
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return std::sscanf(said.c_str(), "shown %ld", &residentKilobytes) == 1;
}

void BM_StartToMainMenuDrawn(benchmark::State& state)
{
    CAppDataDir data;
    long resident = 0;
    for (auto _ : state)
    {
        double seconds = 0;
        if (!StartOnce(data.Path(), seconds, resident))
        {
            state.SkipWithError("zulex did not draw its main menu");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["resident_MB"] = static_cast<double>(resident) / 1024.0;
}
BENCHMARK(BM_StartToMainMenuDrawn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_MainMenuFullRedraw(benchmark::State& state)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    CAppDataDir data;
    CAppUnderTest program;
    CZuBitmapGc gc(CZuSize(480, 360));
    CZuRect rect = program.App().GetUiRect();
    for (auto _ : state)
    {
        program.App().UiDraw(gc, rect);
        benchmark::DoNotOptimize(gc.EndDraw());
    }
}
BENCHMARK(BM_MainMenuFullRedraw)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
