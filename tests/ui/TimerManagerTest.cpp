#include "ZuUi.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{

struct TExpiry
{
    int iId;
    unsigned iAtMs;
    bool iRunning;
};

// Records each expiry with the time and whether its timer was still running.
class CObserver : public MZuTimerObserver
{
public:
    CObserver(CZuManualClock* clock, CZuTimerManager* timers) : iClock(clock), iTimers(timers) {}
    void OnTimer(int id) override
    {
        iExpiries.push_back(TExpiry{id, iClock->NowMs(), iTimers->IsRunning(id)});
        if (iStopOnExpiry)
            iTimers->Stop(id);
    }

    CZuManualClock* iClock;
    CZuTimerManager* iTimers;
    std::vector<TExpiry> iExpiries;
    bool iStopOnExpiry = false;
};

class TimerManagerTest : public ::testing::Test
{
protected:
    TimerManagerTest() : iObserver(&iClock, &iTimers) {}

    CZuManualClock iClock;
    CZuTimerManager iTimers;
    CObserver iObserver;
};

TEST_F(TimerManagerTest, AutomaticIdsStartAt10001)
{
    EXPECT_EQ(10001, iTimers.StartTimer(0, 100, &iObserver));
    EXPECT_EQ(10002, iTimers.StartTimer(0, 100, &iObserver));
    EXPECT_EQ(10003, iTimers.After(-4, 100, &iObserver));
    EXPECT_EQ(3, iTimers.GetTimerList()->GetCount());
}

TEST_F(TimerManagerTest, AutomaticIdsSkipIdsInUse)
{
    iTimers.StartTimer(10001, 100, &iObserver);
    iTimers.StartTimer(10002, 100, &iObserver);
    EXPECT_EQ(10003, iTimers.GetNextIdleId());
    // Ids once given are not given again, even after their timer is gone.
    iTimers.Stop(10001);
    EXPECT_EQ(10004, iTimers.GetNextIdleId());
}

TEST_F(TimerManagerTest, ARepeatingTimerFiresEveryIntervalAndKeepsRunning)
{
    iTimers.StartTimer(7, 100, &iObserver);
    iClock.Advance(350);
    ASSERT_EQ(3u, iObserver.iExpiries.size());
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(7, iObserver.iExpiries[i].iId);
        EXPECT_EQ(static_cast<unsigned>(100 * (i + 1)), iObserver.iExpiries[i].iAtMs);
        EXPECT_TRUE(iObserver.iExpiries[i].iRunning);
    }
    EXPECT_TRUE(iTimers.IsRunning(7));
}

TEST_F(TimerManagerTest, AOneShotTimerIsStoppedWhenItsObserverIsCalledAndStaysListed)
{
    EXPECT_EQ(5, iTimers.After(5, 200, &iObserver));
    iClock.Advance(199);
    EXPECT_TRUE(iObserver.iExpiries.empty());
    iClock.Advance(1000);
    ASSERT_EQ(1u, iObserver.iExpiries.size());
    EXPECT_EQ(200u, iObserver.iExpiries[0].iAtMs);
    EXPECT_FALSE(iObserver.iExpiries[0].iRunning);
    EXPECT_FALSE(iTimers.IsRunning(5));
    EXPECT_EQ(1, iTimers.GetTimerList()->GetCount());
    EXPECT_EQ(0, iClock.TimerCount());
}

TEST_F(TimerManagerTest, AfterWithTheIdOfAnExpiredOneShotTimerReusesIt)
{
    iTimers.After(5, 50, &iObserver);
    CZuObject* first = iTimers.GetTimerList()->GetAt(0);
    iClock.Advance(50);
    iTimers.After(5, 30, &iObserver);
    EXPECT_EQ(1, iTimers.GetTimerList()->GetCount());
    EXPECT_EQ(first, iTimers.GetTimerList()->GetAt(0));
    EXPECT_TRUE(iTimers.IsRunning(5));
    iClock.Advance(30);
    ASSERT_EQ(2u, iObserver.iExpiries.size());
    EXPECT_EQ(80u, iObserver.iExpiries[1].iAtMs);
}

TEST_F(TimerManagerTest, StartingARunningTimerRestartsItWithTheNewIntervalAndObserver)
{
    CObserver other(&iClock, &iTimers);
    iTimers.StartTimer(3, 100, &iObserver);
    iClock.Advance(90);
    iTimers.StartTimer(3, 40, &other);
    EXPECT_EQ(1, iTimers.GetTimerList()->GetCount());
    // One native timer only: the old one does not go on firing unseen.
    EXPECT_EQ(1, iClock.TimerCount());
    iClock.Advance(100);
    EXPECT_TRUE(iObserver.iExpiries.empty());
    ASSERT_EQ(2u, other.iExpiries.size());
    EXPECT_EQ(130u, other.iExpiries[0].iAtMs);
    EXPECT_EQ(170u, other.iExpiries[1].iAtMs);
}

TEST_F(TimerManagerTest, StopDeletesTheTimer)
{
    iTimers.StartTimer(3, 100, &iObserver);
    iTimers.StartTimer(4, 100, &iObserver);
    iTimers.Stop(3);
    EXPECT_FALSE(iTimers.IsRunning(3));
    EXPECT_EQ(1, iTimers.GetTimerList()->GetCount());
    iClock.Advance(100);
    ASSERT_EQ(1u, iObserver.iExpiries.size());
    EXPECT_EQ(4, iObserver.iExpiries[0].iId);
}

TEST_F(TimerManagerTest, UnknownIdsAreHarmless)
{
    iTimers.Stop(99);
    EXPECT_FALSE(iTimers.IsRunning(99));
    EXPECT_FALSE(iTimers.IsRunning(0));
}

TEST_F(TimerManagerTest, AnObserverMayStopItsOwnTimer)
{
    iObserver.iStopOnExpiry = true;
    iTimers.StartTimer(8, 10, &iObserver);
    iClock.Advance(100);
    EXPECT_EQ(1u, iObserver.iExpiries.size());
    EXPECT_EQ(0, iTimers.GetTimerList()->GetCount());
    EXPECT_EQ(0, iClock.TimerCount());
}

TEST_F(TimerManagerTest, TimersDueAtOnceFireInTheOrderTheyWereStarted)
{
    iTimers.After(21, 50, &iObserver);
    iTimers.After(20, 50, &iObserver);
    iTimers.After(22, 20, &iObserver);
    iClock.Advance(50);
    ASSERT_EQ(3u, iObserver.iExpiries.size());
    EXPECT_EQ(22, iObserver.iExpiries[0].iId);
    EXPECT_EQ(21, iObserver.iExpiries[1].iId);
    EXPECT_EQ(20, iObserver.iExpiries[2].iId);
}

TEST_F(TimerManagerTest, IntervalsBelowTenMillisecondsAreRaisedToTen)
{
    iTimers.StartTimer(2, 0, &iObserver);
    iClock.Advance(9);
    EXPECT_TRUE(iObserver.iExpiries.empty());
    iClock.Advance(21);
    EXPECT_EQ(3u, iObserver.iExpiries.size());
}

TEST(TimerManager, RegistersItselfAndStopsEverythingWhenDestroyed)
{
    CZuManualClock clock;
    CObserver observer(&clock, nullptr);
    {
        CZuTimerManager timers;
        observer.iTimers = &timers;
        EXPECT_EQ(&timers, IZuTimerManager::GetTimerManager());
        timers.StartTimer(1, 10, &observer);
        timers.After(2, 10, &observer);
        EXPECT_EQ(2, clock.TimerCount());
    }
    EXPECT_EQ(nullptr, IZuTimerManager::GetTimerManager());
    EXPECT_EQ(0, clock.TimerCount());
    clock.Advance(100);
    EXPECT_TRUE(observer.iExpiries.empty());
}

TEST(TimerManager, WithoutARegisteredManagerExpiriesAreIgnored)
{
    CZuManualClock clock;
    CObserver observer(&clock, nullptr);
    CZuTimer timer(&observer);
    timer.StartTimer(1, 10);
    clock.Advance(30);
    EXPECT_TRUE(observer.iExpiries.empty());
    EXPECT_TRUE(timer.IsRunning());
}

} // namespace
