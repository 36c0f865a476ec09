#ifndef ZUGESTURE_H
#define ZUGESTURE_H

#include "ZuPoint.h"

// What a gesture detector recognised.
enum TZuGestureKind
{
    // The pointer moved while held down.
    EGestureMove = 1,
    // The pointer went up more than KZuTapDistance pixels from where it went down.
    EGestureMoveEnd = 2,
    EGestureTap = 5,
    // A second tap soon after and near the previous one.
    EGestureDoubleTap = 6,
    // Follows a move end whose movement along either axis exceeds KZuFlingDistance pixels.
    EGestureFling = 7
};

// How far (in pixels) the pointer may travel between down and up and still tap, how long (in ms) and how
// far apart two taps may be to make a double tap, and how far a drag must go to fling.
const int KZuTapDistance = 10;
const int KZuDoubleTapMs = 300;
const int KZuFlingDistance = 40;

// One recognised gesture. For taps only the kind and the point are meaningful.
struct TZuGesture
{
    int iKind = 0;
    // The current point less the point where the pointer went down.
    int iDownDx = 0;
    int iDownDy = 0;
    // The current point less the previous point of the drag.
    int iLastDx = 0;
    int iLastDy = 0;
    CZuPoint iPoint;
};

#endif // ZUGESTURE_H
