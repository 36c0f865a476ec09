#include "ZuGestureDetector.h"

#include "ZuControl.h"
#include "ZuGesture.h"
#include "ZuGestureObserver.h"
#include "ZuPointerEvent.h"
#include "ZuTime.h"

#include <cstdlib>

CZuGestureDetector::CZuGestureDetector(CZuControl* control)
    : iControl(control), iObserver(nullptr), iPressed(false), iDownTime(0), iHaveTap(false), iLastTapTime(0)
{
}

CZuGestureDetector::~CZuGestureDetector() {}

bool CZuGestureDetector::GestureDetector(const TZuPointerEvent& event)
{
    bool inside = iControl && iControl->Rect().Contains(event.iPosition);
    switch (event.iType)
    {
    case EZuPointerDown:
        return inside && HandleDown(event.iPosition);
    case EZuPointerDrag:
        return inside && HandleMove(event.iPosition);
    case EZuPointerUp:
        return HandleUp(event.iPosition, inside);
    default:
        return false;
    }
}

bool CZuGestureDetector::HandleDown(const CZuPoint& point)
{
    iPressed = true;
    iDownPoint = point;
    iDownTime = CZuTime::Clock();
    iLastPoint = point;
    return true;
}

bool CZuGestureDetector::HandleMove(const CZuPoint& point)
{
    // The press went to another control: its drag is not ours.
    if (!iPressed)
        return false;
    if (!iObserver)
        return true;
    TZuGesture gesture = DragGesture(EGestureMove, point);
    iLastPoint = point;
    iObserver->OnGesture(gesture);
    return true;
}

bool CZuGestureDetector::HandleUp(const CZuPoint& point, bool inside)
{
    if (!iPressed)
        return false;
    iPressed = false;
    MZuGestureObserver* observer = iObserver;
    if (!observer)
        return false;
    if (CZuPoint::Distance(point, iDownPoint) > KZuTapDistance)
    {
        TZuGesture end = DragGesture(EGestureMoveEnd, point);
        iLastPoint = point;
        bool fling = inside && (std::abs(end.iDownDx) > KZuFlingDistance || std::abs(end.iDownDy) > KZuFlingDistance);
        // The observer may delete this detector: nothing of it is read after the first call.
        observer->OnGesture(end);
        if (fling)
        {
            end.iKind = EGestureFling;
            observer->OnGesture(end);
        }
        return false;
    }
    // A release outside ends the press without a tap.
    if (!inside)
        return false;
    long now = CZuTime::Clock();
    TZuGesture tap;
    tap.iKind = TapKind(point, now);
    tap.iPoint = point;
    iHaveTap = true;
    iLastTapPoint = point;
    iLastTapTime = now;
    observer->OnGesture(tap);
    return false;
}

TZuGesture CZuGestureDetector::DragGesture(int kind, const CZuPoint& point) const
{
    TZuGesture gesture;
    gesture.iKind = kind;
    gesture.iDownDx = point.iX - iDownPoint.iX;
    gesture.iDownDy = point.iY - iDownPoint.iY;
    gesture.iLastDx = point.iX - iLastPoint.iX;
    gesture.iLastDy = point.iY - iLastPoint.iY;
    gesture.iPoint = point;
    return gesture;
}

int CZuGestureDetector::TapKind(const CZuPoint& point, long now) const
{
    if (!iHaveTap || now - iLastTapTime > KZuDoubleTapMs)
        return EGestureTap;
    return CZuPoint::Distance(iLastTapPoint, point) <= KZuTapDistance ? EGestureDoubleTap : EGestureTap;
}
