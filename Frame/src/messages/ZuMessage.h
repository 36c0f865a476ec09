#ifndef ZUMESSAGE_H
#define ZUMESSAGE_H

#include <cstdint>

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

// A message of the toolkit's queue: who gets it, what it is, and its values. It owns nothing. The two
// parameters are wide enough for a pointer, so that a message can name the dialog, list or button it is
// about; ParamObject and MakeParam convert both ways.
class CZuMessage : public CZuObject
{
public:
    CZuMessage();
    CZuMessage(MZuMessageWnd* receiver, unsigned type, uintptr_t param1, uintptr_t param2,
               const CZuPoint& point = CZuPoint());
    ~CZuMessage() override;

    // A pointer as a parameter, and back.
    template <typename T> static uintptr_t MakeParam(T* object) { return reinterpret_cast<uintptr_t>(object); }
    template <typename T> static T* ParamObject(uintptr_t param) { return reinterpret_cast<T*>(param); }

    // May be null: the message processor then finds the receiver.
    MZuMessageWnd* iReceiver;
    unsigned iType;
    uintptr_t iParam1;
    uintptr_t iParam2;
    CZuPoint iPoint;
};

#endif // ZUMESSAGE_H
