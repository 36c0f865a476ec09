#ifndef ZUMESSAGE_H
#define ZUMESSAGE_H

#include "ZuObject.h"
#include "ZuPoint.h"

class MZuMessageWnd;

// The toolkit's own message types (0 to 15), all handled by the UI manager.
enum TZuMessageType
{
    EZuMsgShowMenu = 1,
    EZuMsgCloseMenu = 2,
    EZuMsgShowWindow = 3,
    EZuMsgMoveWindow = 4,
    EZuMsgResizeWindow = 5,
    // A draw request: runs of them in the queue are answered by one redraw.
    EZuMsgDraw = 10,
    EZuMsgExit = 11,
    EZuMsgKeyDown = 12,
    EZuMsgChar = 13,
    EZuMsgKeyUp = 14,
    EZuMsgSetCursor = 15,
    EZuMsgLastUiManager = 15
};

// A message of the toolkit's queue: who gets it, what it is, and its values. It owns nothing.
class CZuMessage : public CZuObject
{
public:
    CZuMessage();
    CZuMessage(MZuMessageWnd* receiver, unsigned type, unsigned param1, unsigned param2,
               const CZuPoint& point = CZuPoint());
    ~CZuMessage() override;

    // May be null: the message processor then finds the receiver.
    MZuMessageWnd* iReceiver;
    unsigned iType;
    unsigned iParam1;
    unsigned iParam2;
    CZuPoint iPoint;
};

#endif // ZUMESSAGE_H
