#ifndef ZUGESTUREDETECTOR_H
#define ZUGESTUREDETECTOR_H

#include "ZuObject.h"
#include "ZuPoint.h"

class CZuControl;
class MZuGestureObserver;
struct TZuGesture;
struct TZuPointerEvent;

// Turns the pointer events that reach a control into drags, drag ends, flings, taps and double taps for
// one observer. Only a press inside the control's rectangle starts a gesture: moves and releases of a press
// that went elsewhere (to a button, say) make none. Times come from CZuTime::Clock().
class CZuGestureDetector : public CZuObject
{
public:
    // control: whose rectangle bounds the gestures; not owned.
    explicit CZuGestureDetector(CZuControl* control);
    ~CZuGestureDetector() override;

    // Not owned; null tells nobody.
    void SetObserver(MZuGestureObserver* observer) { iObserver = observer; }
    // Feeds one pointer event. True for a press inside the control and for the moves of that press;
    // releases stay available to others and give false.
    bool GestureDetector(const TZuPointerEvent& event);
    // Whether a press of this detector is held.
    bool IsPressed() const { return iPressed; }

private:
    CZuGestureDetector(const CZuGestureDetector&) = delete;
    CZuGestureDetector& operator=(const CZuGestureDetector&) = delete;
    bool HandleDown(const CZuPoint& point);
    bool HandleMove(const CZuPoint& point);
    bool HandleUp(const CZuPoint& point, bool inside);
    // The drag record of point, measured from the down point and from the last point.
    TZuGesture DragGesture(int kind, const CZuPoint& point) const;
    // The kind of a tap at point now: a double tap soon after and near the previous tap.
    int TapKind(const CZuPoint& point, long now) const;

    CZuControl* iControl;
    MZuGestureObserver* iObserver;
    bool iPressed;
    CZuPoint iDownPoint;
    long iDownTime;
    CZuPoint iLastPoint;
    bool iHaveTap;
    CZuPoint iLastTapPoint;
    long iLastTapTime;
};

#endif // ZUGESTUREDETECTOR_H
