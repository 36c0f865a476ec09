#ifndef ZUPOINTERTYPE_H
#define ZUPOINTERTYPE_H

// The kinds of pointer event the toolkit receives (only the primary button presses and releases).
enum TZuPointerType
{
    EZuPointerDown = 0,
    EZuPointerUp = 1,
    // A move with the primary button held.
    EZuPointerDrag = 6,
    // A move with no button held.
    EZuPointerMove = 7,
    // The mouse wheel turned: TZuPointerEvent::iValue1 holds the steps, positive away from the user (up).
    EZuPointerWheel = 8
};

// The button flags of a pointer event (the Windows values): buttons and modifier keys held.
enum TZuButtonFlag
{
    EZuButtonLeft = 0x01,
    EZuButtonRight = 0x02,
    EZuButtonShift = 0x04,
    EZuButtonControl = 0x08,
    EZuButtonMiddle = 0x10
};

#endif // ZUPOINTERTYPE_H
