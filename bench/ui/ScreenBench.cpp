// A typical screen: a view whose container holds a heading, a word, a list position, three gradient buttons
// and a titled pane of choices, over a command bar. What one full redraw costs (target 1 ms), what one step
// of the slide between two such screens costs (target 2 ms), and how many redraws an idle screen asks for on
// its own (target 0).
#include "ZuRootWnd.h"
#include "ZuUi.h"

#include <benchmark/benchmark.h>

namespace
{
const int KWidth = 480;
const int KHeight = 360;
const int KCmdSwitch = 501;

// Draws into its own picture whenever the queue asks, and counts the redraws.
class CBenchUi : public CZuUiManager, public MZuUiManagerObserver
{
public:
    CBenchUi() : iScreen(CZuSize(KWidth, KHeight)) {}
    void StartL() override {}
    void Release() override {}
    void HandleExit() override {}
    void HandleDraw() override
    {
        ++iDraws;
        UiDraw(iScreen, GetUiRect());
    }

    CZuBitmapGc iScreen;
    int iDraws = 0;
};

class CBenchWnd : public CZuRootWnd
{
public:
    explicit CBenchWnd(CZuControl* parent) : CZuRootWnd(parent)
    {
        SetWndName(CZuString("BenchWnd"));
        LayOutClientOverCba(28);
    }
};

// A study-like screen of twelve controls; its soft key switches to the other screen.
class CBenchView : public CZuView
{
public:
    CBenchView(CZuUiManager* manager, int id, int other) : CZuView(manager), iOther(other)
    {
        SetViewId(id);
        SetTransformEffect(id == 1 ? EZuTransFromLeft : EZuTransFromRight);
        SetCbaData(KCmdSwitch, CZuString("切换"), KCmdSwitch, CZuString("返回"));
    }

    void DoActivateL() override
    {
        CZuContainer* container = new CZuContainer(iUiManager->GetCurWnd()->GetWnd(), this, EZuCtrlContainer);
        container->ConstructL();
        container->SetBackground(CZuRgb(240, 246, 252));
        container->SetBackgroundTo(CZuRgb(214, 228, 244));
        container->SetShowBackground(true, true, IZuGc::EGradualVertical);
        CZuLayout* layout = container->GetClientLayout();
        layout->SetInnerSpace(8);
        layout->SetRowspace(4);
        layout->AppendRow(Label(container, "学习：第 3 组"), -1, 24);
        layout->AppendRow(Label(container, GetViewId() == 1 ? "apple  n. 苹果" : "orange  n. 橙子"), -1, 40);
        CZuLabel* position = Label(container, "");
        position->ListStatusChanged(3, 20);
        layout->AppendRow(position, -1, 20);

        CZuPane* pane = new CZuPane(container);
        pane->SetText(CZuString("每组词数"));
        pane->SetIsShowTitle(true);
        pane->SetShowPaneBorder(true);
        pane->SetInnerSpace(6, 6, 10, 10);
        for (int i = 0; i < 3; ++i)
        {
            CZuRadioButton* radio = new CZuRadioButton(pane);
            radio->Set(310 + i, CZuString(i == 0 ? "10 个" : (i == 1 ? "20 个" : "30 个")), nullptr, false);
            radio->SetSelected(i == 1);
            if (i == 0)
                pane->GetLayout()->AppendRow(radio, -1, 26);
            else
                pane->GetLayout()->AppendCellToLastRow(radio, -1, 26, EAlignVCenter);
        }
        CZuCheckButton* check = new CZuCheckButton(pane);
        check->Set(320, CZuString("自动朗读"), nullptr, true);
        check->SetSelected(true);
        pane->GetLayout()->AppendRow(check, -1, 26);
        int row = layout->AppendRow(pane, -1, -1);
        layout->SetRowHeight(row, -1);

        const char* captions[] = {"上一个", "朗读", "下一个"};
        for (int i = 0; i < 3; ++i)
        {
            CZuButton* button = new CZuButton(container);
            button->Set(400 + i, CZuString(captions[i]), nullptr, false);
            if (i == 0)
                layout->AppendRow(button, -1, 34);
            else
                layout->AppendCellToLastRow(button, -1, 34, EAlignVCenter);
        }
        layout->SetColSpace(layout->GetRowCount() - 1, 10);
        CZuView::DoActivateL();
    }

    bool HandleMessage(CZuMessage* message) override
    {
        if (message->iType != EZuMsgCommand || message->iParam1 != KCmdSwitch)
            return false;
        iUiManager->ActivateViewL(iOther);
        return true;
    }

private:
    CZuLabel* Label(CZuContainer* container, const char* text)
    {
        CZuLabel* label = new CZuLabel(container);
        label->SetText(CZuString(text));
        label->SetForeground(CZuRgb(24, 40, 64));
        return label;
    }

    int iOther;
};

// The window with the two screens, the first one shown.
class CBenchScreen
{
public:
    explicit CBenchScreen(bool slides)
    {
        CZuEnv::UiStyle()->SetColorScheme(CZuUiStyle::EUiColorSchemeFirst);
        CZuEnv::UiSetting()->Construct();
        CZuEnv::UiSetting()->EnableTransformEffectSupport(slides);
        CZuControl* root = new CZuControl(static_cast<CZuWindow*>(nullptr));
        root->SetRect(CZuRect(0, 0, KWidth, KHeight));
        iUi.SetPlatWindow(root, true);
        iUi.SetObserver(&iUi);
        iUi.SetBgColor(CZuRgb(231, 239, 246));
        CBenchWnd* wnd = new CBenchWnd(root);
        iUi.AppendWnd(wnd);
        iUi.SwitchWnd(CZuString("BenchWnd"));
        wnd->SetWndRect(CZuRect(0, 0, KWidth, KHeight));
        iUi.AddViewL(new CBenchView(&iUi, 1, 2));
        iUi.AddViewL(new CBenchView(&iUi, 2, 1));
        iUi.ActivateViewL(1);
        Settle();
    }
    ~CBenchScreen() { iUi.SetObserver(nullptr); }

    // Runs the queue and the slide until nothing is left to do.
    void Settle()
    {
        for (int i = 0; i < 1000 && (iUi.IsTransforming() || CZuEnv::MsgProcessor()->GetQueueCount() > 0);
             ++i)
            iClock.Advance(CZuMessageProcessor::KTickMs);
    }
    void Draw() { iUi.UiDraw(iUi.iScreen, iUi.GetUiRect()); }
    unsigned char Probe() { return iUi.iScreen.EndDraw()->GetImgBuf()[4 * (180 * KWidth + 240)]; }

    CZuManualClock iClock;
    CBenchUi iUi;
};

// The controls under control, itself included.
int CountControls(CZuControl* control)
{
    int count = 1;
    for (int i = 0; i < control->GetControlCount(); ++i)
        count += CountControls(control->GetControl(i));
    return count;
}

void BM_TypicalScreenRedraw(benchmark::State& state)
{
    CBenchScreen screen(false);
    for (auto _ : state)
    {
        screen.Draw();
        benchmark::DoNotOptimize(screen.Probe());
    }
    // The container's controls and the command bar's two soft keys, both laid out.
    CZuControl* container = screen.iUi.GetTopFromDispStack();
    state.counters["controls"] = CountControls(container) - 1 + screen.iUi.GetCba()->GetControlCount();
    state.counters["container_height"] = container->Rect().Height();
}
BENCHMARK(BM_TypicalScreenRedraw)->Unit(benchmark::kMicrosecond);

// One step of the slide, averaged over the eight steps (the first step also draws the new screen).
void BM_SlideStep(benchmark::State& state)
{
    CBenchScreen screen(true);
    int view = 1;
    long steps = 0;
    for (auto _ : state)
    {
        if (!screen.iUi.IsTransforming())
        {
            state.PauseTiming();
            view = 3 - view;
            screen.iUi.ActivateViewL(view);
            state.ResumeTiming();
        }
        screen.Draw();
        ++steps;
        benchmark::DoNotOptimize(screen.Probe());
    }
    state.counters["steps"] = static_cast<double>(steps);
}
BENCHMARK(BM_SlideStep)->Unit(benchmark::kMicrosecond);

// The first step alone: the old picture is kept, the new screen drawn and the first slice placed.
void BM_SlideFirstStep(benchmark::State& state)
{
    CBenchScreen screen(true);
    int view = 1;
    for (auto _ : state)
    {
        state.PauseTiming();
        view = 3 - view;
        screen.iUi.ActivateViewL(view);
        state.ResumeTiming();
        screen.Draw();
        benchmark::DoNotOptimize(screen.Probe());
        state.PauseTiming();
        screen.Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SlideFirstStep)->Unit(benchmark::kMicrosecond);

// Redraws nobody asked for: after a redraw at idle, ten seconds of the clock (the queue's ticks and every
// timer) pass and the redraws the screen asked for itself are counted (target 0).
void BM_IdleRedrawRequests(benchmark::State& state)
{
    CBenchScreen screen(true);
    int extra = 0;
    for (auto _ : state)
    {
        screen.Draw();
        const int before = screen.iUi.iDraws;
        screen.iClock.Advance(10000);
        extra += screen.iUi.iDraws - before;
    }
    state.counters["extra_draws"] = extra;
}
BENCHMARK(BM_IdleRedrawRequests)->Iterations(20)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
