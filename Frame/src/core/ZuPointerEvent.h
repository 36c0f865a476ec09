#ifndef ZUPOINTEREVENT_H
#define ZUPOINTEREVENT_H

#include "ZuPoint.h"
#include "ZuPointerType.h"

// A pointer event as the window glue hands it to the UI manager.
struct TZuPointerEvent
{
    TZuPointerType iType = EZuPointerMove;
    // TZuButtonFlag bits held during the event.
    unsigned iFlags = 0;
    // In window coordinates.
    CZuPoint iPosition;
    // The window's screen position at the time of the event.
    CZuPoint iRefPoint;
    // Two further values the glue may pass along; the toolkit only keeps them with the last press.
    int iValue1 = 0;
    int iValue2 = 0;
};

#endif // ZUPOINTEREVENT_H
