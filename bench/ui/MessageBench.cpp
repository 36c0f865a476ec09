#include "ZuUi.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

namespace
{

const int KMessages = 100000;
const unsigned KClick = 19;

class CCountingReceiver : public MZuMessageWnd
{
public:
    bool HandleMessage(CZuMessage* message) override
    {
        iSum += message->iParam1;
        return true;
    }
    unsigned iSum = 0;
};

// Posts all messages, then drains them one per tick of the (test) clock.
void BM_PostAllThenDispatch(benchmark::State& state)
{
    CZuManualClock clock;
    CZuTimerManager timers;
    CZuMessageProcessorImpl processor(&timers);
    CCountingReceiver receiver;
    for (auto _ : state)
    {
        for (int i = 0; i < KMessages; ++i)
            processor.PostMessageW(new CZuMessage(&receiver, KClick, 1, 0));
        while (processor.GetQueueCount() > 0)
            clock.Advance(CZuMessageProcessor::KTickMs);
    }
    benchmark::DoNotOptimize(receiver.iSum);
    state.SetItemsProcessed(state.iterations() * KMessages);
}
BENCHMARK(BM_PostAllThenDispatch)->Unit(benchmark::kMillisecond);

// Posts one message and dispatches it before the next: the queue's timer starts and stops every time.
void BM_PostOneDispatchOne(benchmark::State& state)
{
    CZuManualClock clock;
    CZuTimerManager timers;
    CZuMessageProcessorImpl processor(&timers);
    CCountingReceiver receiver;
    for (auto _ : state)
    {
        for (int i = 0; i < KMessages; ++i)
        {
            processor.PostMessageW(new CZuMessage(&receiver, KClick, 1, 0));
            clock.Advance(CZuMessageProcessor::KTickMs);
        }
    }
    benchmark::DoNotOptimize(receiver.iSum);
    state.SetItemsProcessed(state.iterations() * KMessages);
}
BENCHMARK(BM_PostOneDispatchOne)->Unit(benchmark::kMillisecond);

// The same on SDL timers, as the program runs: each message into an empty queue starts an SDL timer, and
// the wake-up handling dispatches it at once.
void BM_PostOneDispatchOneSdlTimer(benchmark::State& state)
{
    if (SDL_InitSubSystem(SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0)
    {
        state.SkipWithError("no SDL timers");
        return;
    }
    {
        CZuTimerManager timers;
        CZuMessageProcessorImpl processor(&timers);
        CCountingReceiver receiver;
        for (auto _ : state)
        {
            for (int i = 0; i < KMessages; ++i)
            {
                processor.PostMessageW(new CZuMessage(&receiver, KClick, 1, 0));
                processor.OnTimer(CZuMessageProcessor::KTimerId);
            }
        }
        benchmark::DoNotOptimize(receiver.iSum);
        state.SetItemsProcessed(state.iterations() * KMessages);
    }
    SDL_Quit();
}
BENCHMARK(BM_PostOneDispatchOneSdlTimer)->Unit(benchmark::kMillisecond);

// Draw requests collapse: a burst of them costs one dispatch.
void BM_CollapseDrawRequests(benchmark::State& state)
{
    CZuManualClock clock;
    CZuTimerManager timers;
    CZuMessageProcessorImpl processor(&timers);
    for (auto _ : state)
    {
        for (int i = 0; i < KMessages; ++i)
            processor.PostMessageW(new CZuMessage(nullptr, EZuMsgDraw, 0, 0));
        clock.Advance(CZuMessageProcessor::KTickMs);
    }
    state.SetItemsProcessed(state.iterations() * KMessages);
}
BENCHMARK(BM_CollapseDrawRequests)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
