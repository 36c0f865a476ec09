// The cost of one redraw of a full screen of controls, and of laying 100 cells out.
#include "ZuUi.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace
{
class CBenchUi : public CZuUiManager
{
public:
    void StartL() override {}
    void Release() override {}
};

// A bordered, rounded control with a caption.
class CCaption : public CZuControl
{
public:
    CCaption(CZuControl* parent, int number) : CZuControl(parent, true, EZuCtrlPane), iText("单词 ")
    {
        iText += CZuString(number);
        SetShowBackground(true, true, IZuGc::EGradualVertical);
        SetBorderType(EZuBorderLine);
        SetRoundCornerSize(6);
    }
    CZuString GetText() override { return iText; }
    void Draw(CZuGc& gc, const CZuRect& rect) override
    {
        gc.UseFont(GetFont());
        gc.SetDrawColor(Foreground());
        gc.DrawTextW(iText, rect, EAlignCenter, 0, 0);
        gc.DiscardFont();
    }

private:
    CZuString iText;
};

void BM_UiDraw50Controls(benchmark::State& state)
{
    CZuManualClock clock;
    CBenchUi ui;
    CZuControl* root = new CZuControl(static_cast<CZuWindow*>(nullptr));
    root->SetRect(CZuRect(0, 0, 480, 360));
    ui.SetPlatWindow(root, true);
    ui.SetBgColor(CZuRgb(231, 239, 246));
    // Ten rows of five, placed by a layout.
    CZuLayout* layout = new CZuLayout;
    root->AddLayout(layout);
    layout->SetRect(root->Rect());
    layout->SetInnerSpace(4);
    layout->SetRowspace(4);
    for (int i = 0; i < 50; ++i)
    {
        CCaption* caption = new CCaption(root, i);
        if (i % 5 == 0)
        {
            int row = layout->AppendRow(caption, -1, -1);
            layout->SetRowHeight(row, -1);
            layout->SetColSpace(row, 4);
        }
        else
        {
            layout->AppendCellToLastRow(caption, -1, -1, EAlignVCenter);
        }
    }
    layout->DoLayout();
    root->SetFocusToIndex(7);
    CZuBitmapGc screen(CZuSize(480, 360));
    for (auto _ : state)
    {
        ui.UiDraw(screen, CZuRect(0, 0, 480, 360));
        benchmark::DoNotOptimize(screen.EndDraw()->GetImgBuf()[4 * (180 * 480 + 240)]);
    }
}
BENCHMARK(BM_UiDraw50Controls)->Unit(benchmark::kMicrosecond);

void BM_Layout100Cells(benchmark::State& state)
{
    std::vector<std::unique_ptr<CZuControl>> controls;
    CZuLayout layout;
    layout.SetRect(CZuRect(0, 0, 480, 360));
    layout.SetRowspace(2);
    for (int i = 0; i < 100; ++i)
    {
        controls.emplace_back(new CZuControl(nullptr, false, EZuCtrlPane));
        controls.back()->SetPredefinedSize(CZuSize(20, 12));
        int width = i % 3 == 0 ? -1 : (i % 3 == 1 ? 40 : 0);
        if (i % 10 == 0)
        {
            int row = layout.AppendRow(controls.back().get(), width, 0);
            layout.SetColSpace(row, i % 20 == 0 ? 3 : -1);
            layout.SetRowHeight(row, -1);
        }
        else
        {
            layout.AppendCellToLastRow(controls.back().get(), width, 0, EAlignVCenter);
        }
    }
    for (auto _ : state)
    {
        layout.DoLayout();
        benchmark::DoNotOptimize(controls.back()->Rect());
    }
}
BENCHMARK(BM_Layout100Cells)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
