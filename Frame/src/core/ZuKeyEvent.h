#ifndef ZUKEYEVENT_H
#define ZUKEYEVENT_H

#include "ZuPointerType.h"

// The kinds of key event a control receives.
enum TZuKeyEventType
{
    // A character, an auto-repeat, or a release of a key that typed nothing.
    EZuKeyEventKey = 1,
    EZuKeyEventUp = 2,
    EZuKeyEventDown = 3
};

// A key event: the key code (TZuKeyCode) or character, and the value that came with it from the platform
// (see MZuWindowEventHandler). A typed character is marked as one: its code is a character, not a key
// code, so soft keys, focus moves and buttons ignore it ("p" is not F1); text entry takes it.
struct TZuKeyEvent
{
    unsigned iCode = 0;
    unsigned iValue = 0;
    bool iIsChar = false;
    // The modifier keys held: EZuButtonShift and EZuButtonControl bits (TZuButtonFlag).
    unsigned iModifiers = 0;
    // A key event of a key held down long enough to repeat (neither its press nor its release).
    bool iIsRepeat = false;

    // True for a key code, false for a typed character.
    bool IsKey() const { return !iIsChar; }
    bool IsShift() const { return (iModifiers & EZuButtonShift) != 0; }
};

#endif // ZUKEYEVENT_H
