// A keystroke in an edit box holding 200 characters (Latin and Chinese), from the key to the redrawn frame
// (target 1 ms); and the same keystroke in a box holding its largest text, 32 767 units.
#include "ZuEditBuffer.h"
#include "ZuUi.h"

#include <benchmark/benchmark.h>

#include <string>

namespace
{

// A UI manager that is its own observer: a draw request redraws the screen into a bitmap.
class CBenchUi : public CZuUiManager, public MZuUiManagerObserver
{
public:
    CBenchUi() : iScreen(CZuSize(480, 360)) {}
    void StartL() override {}
    void Release() override {}
    void HandleExit() override {}
    void HandleDraw() override
    {
        UiDraw(iScreen, GetUiRect());
        ++iFrames;
    }
    CZuBitmapGc iScreen;
    int iFrames = 0;
};

// Mixed text of `characters` characters: a Latin word and a Chinese word in turn.
std::string MixedText(int characters)
{
    const char* const pieces[] = {"word ", "\xE5\x8D\x95\xE8\xAF\x8D"};
    const int lengths[] = {5, 2};
    std::string text;
    int count = 0;
    for (int i = 0; count < characters; ++i)
    {
        text += pieces[i % 2];
        count += lengths[i % 2];
    }
    return text;
}

// Types one character and deletes it again in turns, each keystroke followed by the frame it asks for.
void RunKeystrokes(benchmark::State& state, const std::string& text)
{
    CZuManualClock clock;
    CBenchUi ui;
    CZuControl* root = new CZuControl(static_cast<CZuWindow*>(nullptr));
    root->SetRect(CZuRect(0, 0, 480, 360));
    ui.SetPlatWindow(root, true);
    ui.SetObserver(&ui);
    ui.SetBgColor(CZuRgb(231, 239, 246));
    CZuEdit* edit = new CZuEdit(root);
    edit->SetRect(CZuRect(40, 60, 440, 86));
    edit->SetText(CZuString(text.c_str()));
    edit->SetFocus(true);
    ui.OnKeyDown(EZuKeyEnter, 1, 0);
    ui.OnKeyUp(EZuKeyEnter, 1, 0);
    clock.Advance(CZuMessageProcessor::KTickMs);
    if (!edit->IsEditing())
    {
        state.SkipWithError("the editor did not open");
        return;
    }
    bool typeNext = true;
    for (auto _ : state)
    {
        ui.OnChar(typeNext ? unsigned('x') : 8u, 1, 0);
        typeNext = !typeNext;
        // The next tick of the message queue answers the draw request with the frame.
        clock.Advance(CZuMessageProcessor::KTickMs);
    }
    state.counters["frames"] = ui.iFrames;
    state.counters["bytes"] = edit->GetText().Length();
}

void BM_EditKeystroke200Characters(benchmark::State& state)
{
    RunKeystrokes(state, MixedText(200));
}
BENCHMARK(BM_EditKeystroke200Characters)->Unit(benchmark::kMicrosecond);

void BM_EditKeystrokeLargestText(benchmark::State& state)
{
    RunKeystrokes(state, std::string(CZuEditBuffer::KMaxUnits - 1, 'w'));
}
BENCHMARK(BM_EditKeystrokeLargestText)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
