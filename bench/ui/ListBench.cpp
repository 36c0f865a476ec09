// What the list and the text reader cost with a lot in them: 100 000 rows of 3 columns appended (target
// 100 ms), drawn whole (2 ms) and moved through by a key (1 ms, alone and with the redraw that follows); Down
// held for 10 s over them (at most 2 messages queued, the counter max_queued); 100 000 characters wrapped
// into rows (30 ms).
#include "ZuUi.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <string>

namespace
{

class CBenchUi : public CZuUiManager
{
public:
    void StartL() override {}
    void Release() override {}
};

// Takes the list's messages as a view would.
class CSink : public MZuMessageWnd
{
public:
    bool HandleMessage(CZuMessage*) override
    {
        ++iHandled;
        return true;
    }
    int iHandled = 0;
};

const int KRows = 100000;

// A 480 x 360 user interface holding one focused list.
class CListScreen
{
public:
    CListScreen() : iScreen(CZuSize(480, 360))
    {
        iRoot = new CZuControl(static_cast<CZuWindow*>(nullptr));
        iRoot->SetRect(CZuRect(0, 0, 480, 360));
        iUi.SetPlatWindow(iRoot, true);
        CZuEnv::UiSetting()->Construct();
    }
    CZuList* NewList()
    {
        CZuList* list = new CZuList(iRoot);
        list->SetShowTitle(true);
        list->SetShowGridH(true);
        list->SetShowGridV(true);
        list->AppendCellTitle(CZuString("单词"), EZuCellText, 120);
        list->AppendCellTitle(CZuString("序号"), EZuCellInteger, 60);
        list->AppendCellTitle(CZuString("释义"), EZuCellText, 0);
        list->SetRect(CZuRect(0, 0, 480, 330));
        list->SetMsgWnd(&iSink, CZuList::KMsgListNotify);
        return list;
    }
    static void Fill(CZuList* list)
    {
        for (int i = 0; i < KRows; ++i)
        {
            CZuListRow* row = new CZuListRow;
            row->AppendCell(new CZuVarient(CZuString("vocabulary")));
            row->AppendCell(new CZuVarient(i));
            row->AppendCell(new CZuVarient(CZuString("词汇；词汇表")));
            list->AppendRow(row);
        }
    }

    CZuManualClock iClock;
    CBenchUi iUi;
    CZuControl* iRoot;
    CSink iSink;
    CZuBitmapGc iScreen;
};

void BM_ListAppendRows(benchmark::State& state)
{
    CListScreen screen;
    for (auto _ : state)
    {
        CZuList* list = screen.NewList();
        CListScreen::Fill(list);
        benchmark::DoNotOptimize(list->GetRowCount());
        state.PauseTiming();
        screen.iRoot->DeleteControl(list);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ListAppendRows)->Unit(benchmark::kMillisecond);

void BM_ListDraw(benchmark::State& state)
{
    CListScreen screen;
    CZuList* list = screen.NewList();
    CListScreen::Fill(list);
    list->SetFocus(true);
    list->SetTopRowIndex(KRows / 2);
    list->SetSelectedRow(KRows / 2 + 3);
    for (auto _ : state)
    {
        list->DrawCtrl(screen.iScreen, list->Rect());
        benchmark::DoNotOptimize(screen.iScreen.EndDraw()->GetImgBuf()[4 * (100 * 480 + 240)]);
    }
}
BENCHMARK(BM_ListDraw)->Unit(benchmark::kMicrosecond);

void BM_ListKeyMove(benchmark::State& state)
{
    CListScreen screen;
    CZuList* list = screen.NewList();
    CListScreen::Fill(list);
    list->SetSelectedRow(KRows / 2);
    TZuKeyEvent down{EZuKeyDown, 0, false};
    TZuKeyEvent up{EZuKeyUp, 0, false};
    bool forward = true;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(list->HandleKeyEvent(forward ? down : up, EZuKeyEventKey));
        forward = !forward;
    }
}
BENCHMARK(BM_ListKeyMove)->Unit(benchmark::kMicrosecond);

// A key move as the user sees it: the move, then the list drawn again.
void BM_ListKeyMoveAndRedraw(benchmark::State& state)
{
    CListScreen screen;
    CZuList* list = screen.NewList();
    CListScreen::Fill(list);
    list->SetFocus(true);
    list->SetSelectedRow(KRows / 2);
    TZuKeyEvent down{EZuKeyDown, 0, false};
    TZuKeyEvent up{EZuKeyUp, 0, false};
    bool forward = true;
    for (auto _ : state)
    {
        list->HandleKeyEvent(forward ? down : up, EZuKeyEventKey);
        list->DrawCtrl(screen.iScreen, list->Rect());
        benchmark::DoNotOptimize(screen.iScreen.EndDraw()->GetImgBuf()[4 * (100 * 480 + 240)]);
        forward = !forward;
    }
}
BENCHMARK(BM_ListKeyMoveAndRedraw)->Unit(benchmark::kMicrosecond);

// Down held for 10 s: a press, then a repeat every 33 ms, the queue ticking on as time passes.
void BM_ListHoldDown(benchmark::State& state)
{
    const int KHoldMs = 10000;
    const int KRepeatMs = 33;
    int maxQueued = 0;
    int moved = 0;
    for (auto _ : state)
    {
        CListScreen screen;
        CZuList* list = screen.NewList();
        CListScreen::Fill(list);
        list->SetFocus(true);
        screen.iUi.OnKeyDown(EZuKeyDown, 1, 0);
        for (int t = 0; t < KHoldMs; t += KRepeatMs)
        {
            screen.iUi.OnKeyDown(EZuKeyDown, 1, 0);
            maxQueued = std::max(maxQueued, CZuEnv::MsgProcessor()->GetQueueCount());
            screen.iClock.Advance(KRepeatMs);
        }
        screen.iUi.OnKeyUp(EZuKeyDown, 1, 0);
        moved = list->GetSelectedRowIndex();
    }
    state.counters["max_queued"] = maxQueued;
    state.counters["rows_moved"] = moved;
}
BENCHMARK(BM_ListHoldDown)->Unit(benchmark::kMillisecond)->Iterations(1);

// 100 000 characters: Chinese, English words and spaces, and a line break now and then.
CZuString LongText()
{
    const std::string pieces[] = {"学习英语单词", " vocabulary ", "每天复习", " practise every day, ",
                                  "。\n"};
    std::string text;
    CZuString16 units;
    for (int i = 0; units.Length() < 100000; ++i)
    {
        const std::string& piece = pieces[i % 5];
        text += piece;
        CZuString16 added;
        ConvertUtf8ToUnicode(piece.c_str(), static_cast<int>(piece.size()), added);
        units += added;
    }
    return CZuString(text.c_str());
}

void BM_TextReaderWrap(benchmark::State& state)
{
    CListScreen screen;
    CZuTextReader* reader = new CZuTextReader(screen.iRoot);
    reader->SetRect(CZuRect(10, 10, 470, 320));
    CZuString text = LongText();
    CZuString16 units;
    ConvertUtf8ToUnicode(text.PtrZ(), text.Length(), units);
    for (auto _ : state)
    {
        reader->SetText(units);
        benchmark::DoNotOptimize(reader->GetRowCount());
    }
    state.counters["characters"] = units.Length();
    state.counters["rows"] = reader->GetRowCount();
}
BENCHMARK(BM_TextReaderWrap)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
