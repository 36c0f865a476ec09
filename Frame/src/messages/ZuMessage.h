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
    EZuMsgLastUiManager = 15,

    // What controls post to their screen (16 and above): to a receiver, or with none to the top of the
    // display stack and then the UI manager.
    // A soft key or menu command: param1 the command (TZuCommand).
    EZuMsgCommand = 18,
    // A push button was clicked: param1 its command.
    EZuMsgButtonClicked = 19,
    // A check or radio button was chosen: param1 its command; 0 in param2 tells the screen, any other
    // value is a pane's own radio group at work.
    EZuMsgButtonChosen = 20,
    // A button of a tab group was clicked: param1 its command.
    EZuMsgTabClicked = 24
};

// Commands with a meaning of their own to the toolkit; a screen's own commands are other numbers.
enum TZuCommand
{
    // Nothing: a soft key without a command.
    EZuCmdNone = 0,
    // Opens the options menu rather than going to the screen.
    EZuCmdMenu = 1,
    // The open menu's soft keys: choose the selected item, close the menu.
    EZuCmdMenuChoose = 3,
    EZuCmdMenuCancel = 4,
    // Closes the program.
    EZuCmdExit = 6
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
