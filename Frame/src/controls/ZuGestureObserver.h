#ifndef ZUGESTUREOBSERVER_H
#define ZUGESTUREOBSERVER_H

struct TZuGesture;

// Told of each gesture a detector recognises. It may delete the detector while it is being told.
class MZuGestureObserver
{
public:
    virtual void OnGesture(const TZuGesture& gesture) = 0;
    virtual ~MZuGestureObserver() {}
};

#endif // ZUGESTUREOBSERVER_H
