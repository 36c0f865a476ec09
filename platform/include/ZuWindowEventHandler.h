#ifndef ZUWINDOWEVENTHANDLER_H
#define ZUWINDOWEVENTHANDLER_H

#include "ZuPoint.h"

// Bits of the value that comes with a key (HandleKeyDown, HandleChar, HandleKeyUp): the modifier keys held.
const unsigned KZuKeyValueShift = 1u << 24;
const unsigned KZuKeyValueControl = 1u << 25;

// What the program's window glue implements to receive its window's input, already translated into the
// toolkit's terms by CZuEventLoop::Dispatch. Register it with CZuEventLoop::SetHandler. Everything is
// called on the UI thread.
class MZuWindowEventHandler
{
public:
    // code: a key code of TZuKeyCode (the Windows virtual-key codes). value: repeat count 1 in bits 0-15,
    // the scan code in bits 16-23, KZuKeyValueShift and KZuKeyValueControl while those keys are held, bit 30
    // set when the key was already down (auto-repeat, release) and bit 31 set for a release.
    virtual void HandleKeyDown(unsigned code, unsigned value) = 0;
    // code: one UTF-16 unit of typed text (a character beyond U+FFFF comes as two surrogate units), or the
    // control character of Enter 13, Backspace 8, Tab 9, Escape 27 and Ctrl+A..Z 1..26. It follows the
    // HandleKeyDown of the key that produced it.
    virtual void HandleChar(unsigned code, unsigned value) = 0;
    virtual void HandleKeyUp(unsigned code, unsigned value) = 0;
    // type: TZuPointerType. flags: TZuButtonFlag bits held during the event. position: in window
    // coordinates. windowOrigin: the window's screen position at the time of the event.
    virtual void HandlePointer(int type, unsigned flags, const CZuPoint& position,
                               const CZuPoint& windowOrigin) = 0;
    // The mouse wheel turned by steps (positive: away from the user, to scroll up) with the pointer at
    // position (window coordinates).
    virtual void HandleWheel(int steps, const CZuPoint& position, const CZuPoint& windowOrigin) = 0;
    // The input method's composition changed: utf8 is the text being composed, not yet typed (empty when
    // the composition ended or was cancelled), cursor the caret in it and length the part the input method
    // marks, both counted in characters. Typed text still arrives through HandleChar.
    virtual void HandleTextEditing(const char* utf8, int cursor, int length) = 0;
    // The window must be repainted (exposed, or CZuWindow::DrawNow asked for it).
    virtual void HandlePaint() = 0;
    // CZuEventLoop::PostWakeUp was called for this window (from any thread).
    virtual void HandleWakeUp() = 0;
    // The user asked to close the window.
    virtual void HandleClose() = 0;

    virtual ~MZuWindowEventHandler() {}
};

#endif // ZUWINDOWEVENTHANDLER_H
