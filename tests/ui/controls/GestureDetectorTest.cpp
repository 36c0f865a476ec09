#include "UiTestSupport.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{

// Records every gesture; may delete the detector while being told.
class CGestureLog : public MZuGestureObserver
{
public:
    void OnGesture(const TZuGesture& gesture) override
    {
        iGestures.push_back(gesture);
        if (iDeleteOnGesture)
        {
            delete iDeleteOnGesture;
            iDeleteOnGesture = nullptr;
        }
    }
    std::vector<int> Kinds() const
    {
        std::vector<int> kinds;
        for (const TZuGesture& gesture : iGestures)
            kinds.push_back(gesture.iKind);
        return kinds;
    }

    std::vector<TZuGesture> iGestures;
    CZuGestureDetector* iDeleteOnGesture = nullptr;
};

class GestureDetector : public ::testing::Test
{
protected:
    GestureDetector() : iControl(nullptr, false, EZuCtrlPane), iDetector(&iControl)
    {
        iControl.SetRect(CZuRect(100, 100, 300, 200));
        iDetector.SetObserver(&iLog);
    }

    bool Feed(TZuPointerType type, int x, int y)
    {
        return iDetector.GestureDetector(PointerEvent(type, x, y));
    }
    void Tap(int x, int y)
    {
        Feed(EZuPointerDown, x, y);
        Feed(EZuPointerUp, x, y);
    }

    CZuManualClock iClock;
    CZuControl iControl;
    CZuGestureDetector iDetector;
    CGestureLog iLog;
};

TEST_F(GestureDetector, TwoTapsThreeHundredMsApartMakeADoubleTap)
{
    iClock.Advance(1000);
    Tap(150, 150);
    iClock.Advance(300);
    Tap(152, 151);
    EXPECT_EQ((std::vector<int>{EGestureTap, EGestureDoubleTap}), iLog.Kinds());
    EXPECT_EQ(152, iLog.iGestures[1].iPoint.iX);
}

TEST_F(GestureDetector, TwoTapsThreeHundredAndOneMsApartAreTwoTaps)
{
    iClock.Advance(1000);
    Tap(150, 150);
    iClock.Advance(301);
    Tap(150, 150);
    EXPECT_EQ((std::vector<int>{EGestureTap, EGestureTap}), iLog.Kinds());
}

TEST_F(GestureDetector, TheFirstTapIsNeverADoubleTap)
{
    // At time 0 and at the origin of the last-tap record: still a single tap.
    iControl.SetRect(CZuRect(0, 0, 100, 100));
    Tap(0, 0);
    EXPECT_EQ((std::vector<int>{EGestureTap}), iLog.Kinds());
}

TEST_F(GestureDetector, QuickTapsFarApartAreTwoTaps)
{
    Tap(150, 150);
    iClock.Advance(100);
    Tap(161, 150);
    EXPECT_EQ((std::vector<int>{EGestureTap, EGestureTap}), iLog.Kinds());
    iClock.Advance(100);
    Tap(171, 150);
    EXPECT_EQ(EGestureDoubleTap, iLog.iGestures[2].iKind);
}

TEST_F(GestureDetector, AReleaseTenPixelsAwayIsATapElevenIsAMoveEnd)
{
    Feed(EZuPointerDown, 150, 150);
    EXPECT_FALSE(Feed(EZuPointerUp, 160, 150));
    iClock.Advance(1000);
    Feed(EZuPointerDown, 150, 150);
    EXPECT_FALSE(Feed(EZuPointerUp, 161, 150));
    EXPECT_EQ((std::vector<int>{EGestureTap, EGestureMoveEnd}), iLog.Kinds());
}

TEST_F(GestureDetector, ADragOfFortyOnePixelsFlingsFortyDoesNot)
{
    Feed(EZuPointerDown, 150, 150);
    Feed(EZuPointerUp, 190, 150);
    EXPECT_EQ((std::vector<int>{EGestureMoveEnd}), iLog.Kinds());
    Feed(EZuPointerDown, 150, 150);
    Feed(EZuPointerUp, 150, 191);
    EXPECT_EQ((std::vector<int>{EGestureMoveEnd, EGestureMoveEnd, EGestureFling}), iLog.Kinds());
    EXPECT_EQ(41, iLog.iGestures[2].iDownDy);
    Feed(EZuPointerDown, 250, 150);
    Feed(EZuPointerUp, 209, 150);
    EXPECT_EQ(EGestureFling, iLog.iGestures.back().iKind);
    EXPECT_EQ(-41, iLog.iGestures.back().iDownDx);
}

TEST_F(GestureDetector, MovesCarryBothDeltas)
{
    EXPECT_TRUE(Feed(EZuPointerDown, 150, 150));
    EXPECT_TRUE(Feed(EZuPointerDrag, 155, 140));
    EXPECT_TRUE(Feed(EZuPointerDrag, 160, 120));
    Feed(EZuPointerUp, 170, 110);
    ASSERT_EQ(3u, iLog.iGestures.size());
    const TZuGesture& second = iLog.iGestures[1];
    EXPECT_EQ(EGestureMove, second.iKind);
    EXPECT_EQ(10, second.iDownDx);
    EXPECT_EQ(-30, second.iDownDy);
    EXPECT_EQ(5, second.iLastDx);
    EXPECT_EQ(-20, second.iLastDy);
    const TZuGesture& end = iLog.iGestures[2];
    EXPECT_EQ(EGestureMoveEnd, end.iKind);
    EXPECT_EQ(20, end.iDownDx);
    EXPECT_EQ(-40, end.iDownDy);
    EXPECT_EQ(10, end.iLastDx);
    EXPECT_EQ(-10, end.iLastDy);
    EXPECT_EQ(170, end.iPoint.iX);
}

TEST_F(GestureDetector, EventsOutsideProduceNothingEvenDuringADrag)
{
    EXPECT_FALSE(Feed(EZuPointerDown, 50, 50));
    EXPECT_FALSE(Feed(EZuPointerUp, 50, 50));
    Feed(EZuPointerDown, 150, 150);
    EXPECT_FALSE(Feed(EZuPointerDrag, 350, 150));
    EXPECT_TRUE(iLog.iGestures.empty());
}

TEST_F(GestureDetector, AReleaseOutsideEndsTheDragWithoutATap)
{
    Feed(EZuPointerDown, 150, 150);
    Feed(EZuPointerDrag, 200, 150);
    EXPECT_FALSE(Feed(EZuPointerUp, 350, 150));
    EXPECT_EQ((std::vector<int>{EGestureMove, EGestureMoveEnd}), iLog.Kinds());
    EXPECT_FALSE(iDetector.IsPressed());
    // A release just outside, within the tap distance, is not a tap either.
    Feed(EZuPointerDown, 295, 150);
    Feed(EZuPointerUp, 301, 150);
    EXPECT_EQ(2u, iLog.iGestures.size());
}

TEST_F(GestureDetector, APressThatWentElsewhereMakesNoTapOrFling)
{
    // The press went to a button beside the control; the pointer was then dragged over it and released.
    EXPECT_FALSE(Feed(EZuPointerDrag, 150, 150));
    EXPECT_FALSE(Feed(EZuPointerUp, 150, 150));
    EXPECT_FALSE(Feed(EZuPointerDrag, 200, 150));
    EXPECT_FALSE(Feed(EZuPointerUp, 250, 150));
    EXPECT_TRUE(iLog.iGestures.empty());
    // One press gives one release: a second release is not a second tap.
    Tap(150, 150);
    Feed(EZuPointerUp, 150, 150);
    EXPECT_EQ((std::vector<int>{EGestureTap}), iLog.Kinds());
}

TEST_F(GestureDetector, WithoutAnObserverNothingChanges)
{
    iDetector.SetObserver(nullptr);
    EXPECT_TRUE(Feed(EZuPointerDown, 150, 150));
    EXPECT_TRUE(Feed(EZuPointerDrag, 200, 150));
    EXPECT_FALSE(Feed(EZuPointerUp, 200, 150));
    // No tap was recorded, so a tap now is not a double tap.
    iDetector.SetObserver(&iLog);
    Tap(150, 150);
    EXPECT_EQ((std::vector<int>{EGestureTap}), iLog.Kinds());
}

TEST_F(GestureDetector, OtherEventTypesAreNotConsumed)
{
    EXPECT_FALSE(Feed(EZuPointerMove, 150, 150));
    EXPECT_FALSE(Feed(EZuPointerWheel, 150, 150));
    EXPECT_TRUE(iLog.iGestures.empty());
}

TEST_F(GestureDetector, TheObserverMayDeleteTheDetector)
{
    CZuGestureDetector* detector = new CZuGestureDetector(&iControl);
    detector->SetObserver(&iLog);
    detector->GestureDetector(PointerEvent(EZuPointerDown, 150, 150));
    iLog.iDeleteOnGesture = detector;
    // A move end and a fling: the detector is gone after the first, the second still arrives.
    detector->GestureDetector(PointerEvent(EZuPointerUp, 199, 199));
    EXPECT_EQ((std::vector<int>{EGestureMoveEnd, EGestureFling}), iLog.Kinds());
}

} // namespace
