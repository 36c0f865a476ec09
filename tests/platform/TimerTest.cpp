#include "SdlWindowFixture.h"

#include <thread>

namespace
{

// The smallest timer manager: a list of timers, registered while it lives.
class CTimerList : public IZuTimerManager
{
public:
    CTimerList() : iTimers(true) { SetTimerManager(this); }
    ~CTimerList() override
    {
        SetTimerManager(nullptr);
        iTimers.DeleteAll();
    }
    CZuObjectList* GetTimerList() override { return &iTimers; }
    CZuTimer* Add(MZuTimerObserver* observer)
    {
        auto* timer = new CZuTimer(observer);
        iTimers.Append(timer);
        return timer;
    }

    CZuObjectList iTimers;
};

struct TExpiry
{
    int iId;
    bool iRunning;
    std::thread::id iThread;
};

// Records expiries; optionally ends the loop or a nested wait after a number of them.
class CObserver : public MZuTimerObserver
{
public:
    void OnTimer(int id) override
    {
        CZuTimer* timer = iTimer;
        iExpiries.push_back(TExpiry{id, timer && timer->IsRunning(), std::this_thread::get_id()});
        if (static_cast<int>(iExpiries.size()) != iEndAfter)
            return;
        if (iWait)
            iWait->StopWait();
        else
            CZuEventLoop::PostQuit();
    }

    CZuTimer* iTimer = nullptr;
    std::vector<TExpiry> iExpiries;
    int iEndAfter = 1;
    CZuSynWait* iWait = nullptr;
};

using SdlTimerTest = SdlWindowTest;

TEST_F(SdlTimerTest, ARepeatingTimerFiresOnTheLoopThreadAndKeepsRunning)
{
    CTimerList timers;
    CObserver observer;
    observer.iEndAfter = 3;
    observer.iTimer = timers.Add(&observer);
    observer.iTimer->StartTimer(42, 10);
    CZuEventLoop::Run();
    ASSERT_EQ(3u, observer.iExpiries.size());
    for (const TExpiry& expiry : observer.iExpiries)
    {
        EXPECT_EQ(42, expiry.iId);
        EXPECT_TRUE(expiry.iRunning);
        EXPECT_EQ(std::this_thread::get_id(), expiry.iThread);
    }
    observer.iTimer->Stop();
}

TEST_F(SdlTimerTest, AOneShotTimerIsNoLongerRunningWhenItsObserverIsCalled)
{
    CTimerList timers;
    CObserver observer;
    observer.iTimer = timers.Add(&observer);
    observer.iTimer->After(7, 10);
    EXPECT_TRUE(observer.iTimer->IsRunning());
    CZuEventLoop::Run();
    ASSERT_EQ(1u, observer.iExpiries.size());
    EXPECT_EQ(7, observer.iExpiries[0].iId);
    EXPECT_FALSE(observer.iExpiries[0].iRunning);
    EXPECT_EQ(0, observer.iTimer->GetNativeId());
}

TEST_F(SdlTimerTest, AnExpiryQueuedBeforeTheTimerStoppedIsDropped)
{
    CTimerList timers;
    CObserver observer;
    CZuTimer* timer = timers.Add(&observer);
    timer->StartTimer(1, 10);
    SDL_Event event;
    do
    {
        ASSERT_EQ(1, SDL_WaitEvent(&event));
    } while (event.type != CZuEventLoop::TimerEventType());
    timer->Stop();
    CZuEventLoop::Dispatch(event);
    EXPECT_TRUE(observer.iExpiries.empty());
}

TEST_F(SdlTimerTest, ANestedWaitEndsWhenATimerHandlerStopsIt)
{
    CTimerList timers;
    CZuSynWait wait;
    CObserver observer;
    observer.iWait = &wait;
    observer.iTimer = timers.Add(&observer);
    observer.iTimer->After(3, 20);
    wait.StartWait();
    EXPECT_FALSE(wait.IsWaiting());
    EXPECT_EQ(1u, observer.iExpiries.size());
}

using SynWaitTest = SdlWindowTest;

TEST_F(SynWaitTest, StopWaitBeforeStartWaitDoesNotEndTheNextWait)
{
    CZuSynWait wait;
    wait.StopWait();
    EXPECT_FALSE(wait.IsWaiting());
    iHandler.iStopOnWakeUp = &wait;
    // The paint comes first: a wait that ended at once would leave the wake-up queued.
    iWindow.DrawNow();
    CZuEventLoop::PostWakeUp(iSdlWindow);
    wait.StartWait();
    EXPECT_EQ(1, iHandler.iPaints);
    EXPECT_EQ(1, iHandler.iWakeUps);
}

TEST_F(SynWaitTest, AQuitEndsTheWaitAndIsQueuedAgainForTheProgramsLoop)
{
    CZuSynWait wait;
    iHandler.iStopOnWakeUp = &wait;
    CZuEventLoop::PostQuit();
    CZuEventLoop::PostWakeUp(iSdlWindow);
    wait.StartWait();
    EXPECT_FALSE(wait.IsWaiting());
    EXPECT_TRUE(CZuSynWait::IsQuitRequested());
    // The wake-up behind the quit was not taken by the wait: the program's loop gets it, then the quit.
    EXPECT_EQ(0, iHandler.iWakeUps);
    EXPECT_EQ(2, CZuEventLoop::Run());
    EXPECT_EQ(1, iHandler.iWakeUps);
    CZuSynWait::ClearQuitRequest();
}

TEST_F(SynWaitTest, AfterAQuitAWaitEndsAtOnce)
{
    CZuSynWait wait;
    CZuEventLoop::PostQuit();
    wait.StartWait();
    ASSERT_TRUE(CZuSynWait::IsQuitRequested());
    // Nothing is queued that could end a second wait: it must not start waiting at all.
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    wait.StartWait();
    EXPECT_FALSE(wait.IsWaiting());
    CZuSynWait::ClearQuitRequest();
    CZuEventLoop::PostWakeUp(iSdlWindow);
    iHandler.iStopOnWakeUp = &wait;
    wait.StartWait();
    EXPECT_EQ(1, iHandler.iWakeUps);
}

// A wake-up handler that starts a second wait inside the first; the quit posted then ends both.
class CNestingHandler : public CRecordingHandler
{
public:
    void HandleWakeUp() override
    {
        ++iWakeUps;
        iOrder.push_back(1);
        CZuEventLoop::PostQuit();
        iInner.StartWait();
        iOrder.push_back(2);
    }
    CZuSynWait iInner;
    std::vector<int> iOrder;
};

TEST_F(SynWaitTest, AQuitEndsNestedWaitsInnermostFirstAndReachesTheProgramsLoopOnce)
{
    CNestingHandler nesting;
    CZuEventLoop::SetHandler(iSdlWindow, &nesting);
    CZuSynWait outer;
    CZuEventLoop::PostWakeUp(iSdlWindow);
    outer.StartWait();
    EXPECT_EQ(std::vector<int>({1, 2}), nesting.iOrder);
    EXPECT_FALSE(outer.IsWaiting());
    EXPECT_FALSE(nesting.iInner.IsWaiting());
    SDL_PumpEvents();
    EXPECT_EQ(1, SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT));
    CZuEventLoop::SetHandler(iSdlWindow, &iHandler);
    CZuSynWait::ClearQuitRequest();
}

TEST_F(SynWaitTest, AWaitCanBeReused)
{
    CZuSynWait wait;
    iHandler.iStopOnWakeUp = &wait;
    for (int i = 1; i <= 2; ++i)
    {
        CZuEventLoop::PostWakeUp(iSdlWindow);
        wait.StartWait();
        EXPECT_EQ(i, iHandler.iWakeUps);
    }
}

} // namespace
