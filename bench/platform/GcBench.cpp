// Drawing a typical screen into a bitmap context, and measuring text with a warm glyph cache.
#include "ZuAl.h"
#include "ZuBase.h"

#include <benchmark/benchmark.h>

namespace
{
const int KWidth = 480;
const int KHeight = 360;

// A screen as the program draws one: a gradient background, ten buttons with a border and a caption, and
// twenty lines of mixed Chinese and Latin text.
void DrawScreen(CZuGc& gc, CZuFont& font)
{
    gc.SetDrawStyle(IZuGc::EDrawGradual);
    gc.SetDrawColor2(CZuRgb(231, 239, 246), CZuRgb(190, 210, 235), IZuGc::EGradualVertical);
    gc.DrawRect(CZuRect(0, 0, KWidth, KHeight));

    static const char* const KCaptions[10] = {"学习 Study", "测试 Test", "生词本",      "课程 Course",
                                              "设置",       "上一个",    "下一个 Next", "朗读 Speak",
                                              "确定 OK",    "返回 Back"};
    gc.UseFont(&font);
    for (int i = 0; i < 10; ++i)
    {
        CZuRect button(10 + (i % 5) * 94, 10 + (i / 5) * 40, 10 + (i % 5) * 94 + 86, 10 + (i / 5) * 40 + 32);
        gc.SetDrawStyle(IZuGc::EDrawGradual);
        gc.SetDrawColor2(CZuRgb(104, 158, 214), CZuRgb(52, 104, 170), IZuGc::EGradualVertical);
        gc.DrawRoundRect(button, 4);
        gc.SetDrawStyle(IZuGc::EDrawOutline);
        gc.SetDrawColor(CZuRgb(2, 82, 150));
        gc.DrawRoundRect(button, 4);
        gc.SetDrawColor(CZuRgb(255, 255, 200));
        gc.DrawTextW(CZuString(KCaptions[i]), button, EAlignCenter, 0, 0);
    }
    gc.SetDrawColor(CZuRgb(30, 40, 60));
    for (int line = 0; line < 20; ++line)
    {
        gc.DrawTextW(CZuString("第 12 课 vocabulary 词汇：abandon 放弃，ability 能力"),
                     CZuPoint(10, 108 + line * 12));
    }
    gc.DiscardFont();
}

void BM_DrawTypicalScreen(benchmark::State& state)
{
    CZuBitmapGc gc(CZuSize(KWidth, KHeight));
    CZuFont font(EFontUi, 100, false);
    DrawScreen(gc, font);
    for (auto _ : state)
    {
        DrawScreen(gc, font);
        benchmark::DoNotOptimize(gc.EndDraw()->GetImgBuf()[0]);
    }
}
BENCHMARK(BM_DrawTypicalScreen)->Unit(benchmark::kMicrosecond);

void BM_MeasureHundredCharacters(benchmark::State& state)
{
    CZuFont font(EFontUi, 100, false);
    // 100 characters: 40 Chinese and 60 Latin.
    CZuString text;
    for (int i = 0; i < 10; ++i)
    {
        text += "词汇测试 abcdef";
    }
    font.TextWidthInPixels(text);
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(font.TextWidthInPixels(text));
    }
}
BENCHMARK(BM_MeasureHundredCharacters)->Unit(benchmark::kMicrosecond);

// One character measured again and again, as a layout asks for the widths of the characters it meets.
void BM_CharWidthWarm(benchmark::State& state)
{
    CZuFont font(EFontUi, 100, false);
    font.CharWidthInPixels(0x8BCD);
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(font.CharWidthInPixels(0x8BCD));
    }
}
BENCHMARK(BM_CharWidthWarm)->Unit(benchmark::kNanosecond);

// Two fonts of different sizes on one engine measured in turn: every call switches the glyph cache.
void BM_CharWidthAlternatingSizes(benchmark::State& state)
{
    CZuFont normal(EFontUi, 100, false);
    CZuFont large(EFontUi, 150, false);
    normal.CharWidthInPixels('a');
    large.CharWidthInPixels('a');
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(normal.CharWidthInPixels('a'));
        benchmark::DoNotOptimize(large.CharWidthInPixels('a'));
    }
}
BENCHMARK(BM_CharWidthAlternatingSizes)->Unit(benchmark::kNanosecond);

void BM_DrawHundredCharacters(benchmark::State& state)
{
    CZuBitmapGc gc(CZuSize(KWidth, 40));
    CZuFont font(EFontUi, 100, false);
    CZuString text;
    for (int i = 0; i < 10; ++i)
    {
        text += "词汇测试 abcdef";
    }
    gc.UseFont(&font);
    gc.DrawTextW(text, CZuPoint(0, 20));
    for (auto _ : state)
    {
        gc.DrawTextW(text, CZuPoint(0, 20));
    }
}
BENCHMARK(BM_DrawHundredCharacters)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
