// The study and test screens: the next word from the key press to the redrawn frame with its speech
// started, in the program's own event loop on its real timers (the message queue's 25 ms tick included);
// the resident memory after studying 200 words and after 1 000 and 2 000 more; and a 20-question test built
// over the whole bundled book of 982 words.
#include "TestFiles.h"
#include "WordConfig.h"
#include "WordTest.h"
#include "ZuAppWindow.h"
#include "ZuEventLoop.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuPathUtil.h"
#include "ZuPlayerApp.h"
#include "ZuSoundOutput.h"
#include "ZuUi.h"

#include <SDL.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace
{

using TClock = std::chrono::steady_clock;

const unsigned KEnter = 13;
const unsigned KPressValue = 1;
const unsigned KReleaseValue = 1u | (1u << 30) | (1u << 31);

// A copy of the built program's res/, dat/ and course/, which the program's paths point at while it lives.
class CDataCopy
{
public:
    CDataCopy()
    {
        namespace fs = std::filesystem;
        for (const char* part : {"res", "dat", "course"})
            fs::copy(fs::path(ZU_TEST_OUT_DIR) / part, fs::path(iFolder.Path()) / part,
                     fs::copy_options::recursive);
        CZuPathUtil::SetDataDirectory(CZuString(iFolder.Path().c_str()));
    }
    ~CDataCopy() { CZuPathUtil::SetDataDirectory(CZuString()); }
    const std::string& Path() const { return iFolder.Path(); }

private:
    CTempFolder iFolder;
};

// Where the sound goes: only the moment the last clip was handed over.
class CSpeechClock : public IZuSoundOutput
{
public:
    void PlayWav(const unsigned char*, int) override { iLast = TClock::now(); }
    bool IsPlaying() override { return false; }
    bool HasDevice() override { return true; }

    TClock::time_point iLast;
};

// The window glue, noting each frame it draws.
class CTimedGlue : public CZuPlayerApp
{
public:
    explicit CTimedGlue(SDL_Window* window) : CZuPlayerApp(window) {}
    void HandleDraw() override
    {
        CZuPlayerApp::HandleDraw();
        iLast = TClock::now();
        ++iFrames;
    }

    TClock::time_point iLast;
    long iFrames = 0;
};

// The program as it runs for the learner, on its real timers, in the event loop driven here.
class CRunningProgram
{
public:
    CRunningProgram()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        iOld = IZuSoundOutput::Replace(&iSpeech);
        iData.reset(new CDataCopy);
        iWindow = CZuAppWindow::Create("ZuPlayer");
        iGlue.reset(new CTimedGlue(iWindow));
        iApp = new CZuLexApp;
        CZuAppWindow::Bind(iApp, CZuAppWindow::CreateRoot(iWindow), iGlue.get());
        iApp->Start();
        RunUntilIdle();
    }
    ~CRunningProgram()
    {
        iApp->Shutdown();
        iGlue.reset();
        CZuAppWindow::Destroy(iWindow);
        IZuSoundOutput::Replace(iOld);
    }

    CZuLexApp& App() { return *iApp; }

    // Dispatches events until done() holds (or two seconds pass); false when it did not.
    bool RunUntil(const std::function<bool()>& done)
    {
        TClock::time_point end = TClock::now() + std::chrono::seconds(2);
        while (!done())
        {
            if (TClock::now() > end)
                return false;
            SDL_Event event;
            if (SDL_WaitEventTimeout(&event, 5))
                CZuEventLoop::Dispatch(event);
        }
        return true;
    }
    // Until the queue is empty and no slide runs.
    void RunUntilIdle()
    {
        RunUntil([this] { return CZuEnv::MsgProcessor()->GetQueueCount() == 0 && !iApp->IsTransforming(); });
    }

    // Opens the study screen on a group as long as the book, so that Enter always goes on.
    void OpenStudy()
    {
        iApp->Settings()->SetCountPerGroup(CWordConfig::KMaxCountPerGroup);
        iApp->Settings()->SetGroup(0);
        iApp->Settings()->SetWord(0);
        CZuEnv::UiSetting()->EnableTransformEffectSupport(false);
        iApp->OpenScreen(EZuLexCmdOpenStudy);
        RunUntilIdle();
    }

    // Enter on the focused "next" button; the milliseconds until a frame was drawn after the word's speech
    // was handed over, or -1.
    double NextWord()
    {
        TClock::time_point start = TClock::now();
        long frames = iGlue->iFrames;
        iGlue->HandleKeyDown(KEnter, KPressValue);
        iGlue->HandleKeyUp(KEnter, KReleaseValue);
        bool drawn = RunUntil(
            [&]
            { return iSpeech.iLast > start && iGlue->iFrames > frames && iGlue->iLast >= iSpeech.iLast; });
        if (!drawn)
            return -1;
        return std::chrono::duration<double, std::milli>(iGlue->iLast - start).count();
    }

private:
    CSpeechClock iSpeech;
    IZuSoundOutput* iOld = nullptr;
    std::unique_ptr<CDataCopy> iData;
    SDL_Window* iWindow = nullptr;
    std::unique_ptr<CTimedGlue> iGlue;
    CZuLexApp* iApp = nullptr;
};

double Percentile(std::vector<double> samples, double share)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    size_t at = static_cast<size_t>(share * (samples.size() - 1) + 0.5);
    return samples[at];
}

// Resident memory of this process in megabytes.
double ResidentMegabytes()
{
    long pages = 0, resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return 0;
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    std::fclose(statm);
    return static_cast<double>(resident) * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0);
}

void BM_NextWordToFrameWithSpeech(benchmark::State& state)
{
    CRunningProgram program;
    program.OpenStudy();
    std::vector<double> samples;
    for (auto _ : state)
    {
        double ms = program.NextWord();
        if (ms < 0)
        {
            state.SkipWithError("no frame with speech after the key");
            return;
        }
        samples.push_back(ms);
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["p50_ms"] = Percentile(samples, 0.5);
    state.counters["p95_ms"] = Percentile(samples, 0.95);
}
BENCHMARK(BM_NextWordToFrameWithSpeech)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_StudyResidentMemory(benchmark::State& state)
{
    for (auto _ : state)
    {
        CRunningProgram program;
        program.OpenStudy();
        for (int i = 0; i < 200; ++i)
            program.NextWord();
        double after200 = ResidentMegabytes();
        for (int i = 0; i < 1000; ++i)
            program.NextWord();
        double after1200 = ResidentMegabytes();
        // Every word of the book has been shown once by now: what grows further is no cache of new glyphs.
        for (int i = 0; i < 1000; ++i)
            program.NextWord();
        double after2200 = ResidentMegabytes();
        state.counters["resident_after_200_MB"] = after200;
        state.counters["resident_after_1200_MB"] = after1200;
        state.counters["resident_after_2200_MB"] = after2200;
        state.counters["growth_200_to_1200_MB"] = after1200 - after200;
        state.counters["growth_last_1000_MB"] = after2200 - after1200;
    }
}
BENCHMARK(BM_StudyResidentMemory)->Unit(benchmark::kSecond)->Iterations(1);

void BM_BuildTestOverTheWholeBook(benchmark::State& state)
{
    CDataCopy data;
    CZuString folder((data.Path() + "course/").c_str());
    CWordTest test(folder);
    for (auto _ : state)
    {
        test.Load(CZuString("core"), CWordConfig::ETestCourse, 0, CWordConfig::KDefaultCountPerGroup);
        for (int i = 0; i < test.Count(); ++i)
            benchmark::DoNotOptimize(test.MakeQuestion(i));
    }
    state.counters["questions"] = test.Count();
}
BENCHMARK(BM_BuildTestOverTheWholeBook)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
