// What one step of the prompt bar's ticker costs: the bar's own redraw, and the whole screen's redraw that
// the step asks for (target for either: 1 ms).
#include "ZuUi.h"

#include <benchmark/benchmark.h>

namespace
{
class CBenchUi : public CZuUiManager
{
public:
    void StartL() override {}
    void Release() override {}
};

const char* const KPrompts[] = {"按左右键换词，按确定键听发音", "按菜单键打开选项", "生词本里有 12 个词"};

// A 480 x 360 user interface with a one-row ticker at the bottom.
class CTickerScreen
{
public:
    CTickerScreen() : iScreen(CZuSize(480, 360))
    {
        CZuControl* root = new CZuControl(static_cast<CZuWindow*>(nullptr));
        root->SetRect(CZuRect(0, 0, 480, 360));
        iUi.SetPlatWindow(root, true);
        iUi.SetBgColor(CZuRgb(231, 239, 246));
        CZuEnv::UiSetting()->Construct();
        iBar = new CZuPromptBar(root);
        iBar->SetShowBackground(true, true, IZuGc::EGradualVertical);
        for (const char* prompt : KPrompts)
            iBar->AppendPrompt(CZuString(prompt));
        iBar->SetDispMode(CZuPromptBar::EDispScroll);
        iBar->SetRect(CZuRect(0, 330 - iBar->RowHeight(), 480, 330));
    }
    // One ticker step, as its timer makes it.
    void Step() { iClock.Advance(CZuPromptBar::KScrollMs); }

    CZuManualClock iClock;
    CBenchUi iUi;
    CZuPromptBar* iBar;
    CZuBitmapGc iScreen;
};

void BM_TickerBarRedraw(benchmark::State& state)
{
    CTickerScreen screen;
    for (auto _ : state)
    {
        screen.Step();
        screen.iBar->DrawCtrl(screen.iScreen, screen.iBar->Rect());
        benchmark::DoNotOptimize(screen.iScreen.EndDraw()->GetImgBuf()[4 * (320 * 480 + 240)]);
    }
}
BENCHMARK(BM_TickerBarRedraw)->Unit(benchmark::kMicrosecond);

void BM_TickerScreenRedraw(benchmark::State& state)
{
    CTickerScreen screen;
    for (auto _ : state)
    {
        screen.Step();
        screen.iUi.UiDraw(screen.iScreen, CZuRect(0, 0, 480, 360));
        benchmark::DoNotOptimize(screen.iScreen.EndDraw()->GetImgBuf()[4 * (320 * 480 + 240)]);
    }
}
BENCHMARK(BM_TickerScreenRedraw)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
