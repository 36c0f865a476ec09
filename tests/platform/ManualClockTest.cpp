#include "ZuAl.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{

class CTimerList : public IZuTimerManager
{
public:
    CTimerList() : iTimers(false) { SetTimerManager(this); }
    ~CTimerList() override { SetTimerManager(nullptr); }
    CZuObjectList* GetTimerList() override { return &iTimers; }
    CZuObjectList iTimers;
};

// Records the clock's time of every expiry; may start another timer from inside one.
class CObserver : public MZuTimerObserver
{
public:
    explicit CObserver(CZuManualClock* clock) : iClock(clock) {}
    void OnTimer(int id) override
    {
        iLog.push_back(std::make_pair(id, iClock->NowMs()));
        if (iStartFromInside)
        {
            iStartFromInside->After(99, 15);
            iStartFromInside = nullptr;
        }
    }

    CZuManualClock* iClock;
    std::vector<std::pair<int, unsigned>> iLog;
    CZuTimer* iStartFromInside = nullptr;
};

TEST(ManualClock, InstallsItselfAndRestoresTheDefault)
{
    IZuTimerBackend* standard = IZuTimerBackend::Current();
    {
        CZuManualClock clock;
        EXPECT_EQ(&clock, IZuTimerBackend::Current());
        EXPECT_EQ(0u, clock.NowMs());
    }
    EXPECT_EQ(standard, IZuTimerBackend::Current());
}

TEST(ManualClock, DrivesTheBaseClock)
{
    long outside = CZuTime::Clock();
    {
        CZuManualClock clock;
        clock.Advance(300);
        EXPECT_EQ(300, CZuTime::Clock());
        clock.Advance(1);
        EXPECT_EQ(301, CZuTime::Clock());
    }
    // Back on the steady clock, which has run on meanwhile.
    EXPECT_GE(CZuTime::Clock(), outside);
}

TEST(ManualClock, TimeMovesOnlyWhenAdvanced)
{
    CZuManualClock clock;
    clock.Advance(40);
    clock.Advance(0);
    clock.Advance(-10);
    EXPECT_EQ(40u, clock.NowMs());
}

TEST(ManualClock, ExpiriesFireInTimeOrderAtTheirOwnTime)
{
    CZuManualClock clock;
    CTimerList list;
    CObserver observer(&clock);
    CZuTimer slow(&observer), fast(&observer);
    list.iTimers.Append(&slow);
    list.iTimers.Append(&fast);
    slow.StartTimer(1, 30);
    fast.StartTimer(2, 20);
    clock.Advance(60);
    std::vector<std::pair<int, unsigned>> expected = {{2, 20}, {1, 30}, {2, 40}, {1, 60}, {2, 60}};
    EXPECT_EQ(expected, observer.iLog);
    EXPECT_EQ(60u, clock.NowMs());
}

TEST(ManualClock, ATimerStartedDuringAnAdvanceTakesPart)
{
    CZuManualClock clock;
    CTimerList list;
    CObserver observer(&clock);
    CZuTimer first(&observer), second(&observer);
    list.iTimers.Append(&first);
    list.iTimers.Append(&second);
    observer.iStartFromInside = &second;
    first.After(1, 10);
    clock.Advance(100);
    std::vector<std::pair<int, unsigned>> expected = {{1, 10}, {99, 25}};
    EXPECT_EQ(expected, observer.iLog);
    EXPECT_EQ(0, clock.TimerCount());
}

TEST(ManualClock, FireNextJumpsToTheNextExpiry)
{
    CZuManualClock clock;
    CTimerList list;
    CObserver observer(&clock);
    CZuTimer timer(&observer);
    list.iTimers.Append(&timer);
    EXPECT_FALSE(clock.FireNext());
    timer.After(5, 250);
    EXPECT_TRUE(clock.FireNext());
    EXPECT_EQ(250u, clock.NowMs());
    ASSERT_EQ(1u, observer.iLog.size());
    EXPECT_FALSE(clock.FireNext());
}

TEST(ManualClock, DestroyedAndUnknownTimersAreForgotten)
{
    CZuManualClock clock;
    int id = clock.CreateTimer(10);
    EXPECT_NE(0, id);
    EXPECT_EQ(0, clock.CreateTimer(0));
    clock.DestroyTimer(id + 100);
    EXPECT_EQ(1, clock.TimerCount());
    clock.DestroyTimer(id);
    EXPECT_EQ(0, clock.TimerCount());
}

TEST(ManualClock, ATimerDestroyedWithoutStoppingLeavesNoNativeTimer)
{
    CZuManualClock clock;
    CObserver observer(&clock);
    {
        CZuTimer timer(&observer);
        timer.StartTimer(1, 10);
        EXPECT_EQ(1, clock.TimerCount());
    }
    EXPECT_EQ(0, clock.TimerCount());
}

} // namespace
