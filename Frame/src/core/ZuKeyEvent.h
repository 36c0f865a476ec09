#ifndef ZUKEYEVENT_H
#define ZUKEYEVENT_H

// The kinds of key event a control receives.
enum TZuKeyEventType
{
    // A character, an auto-repeat, or a release of a key that typed nothing.
    EZuKeyEventKey = 1,
    EZuKeyEventUp = 2,
    EZuKeyEventDown = 3
};

// A key event: the key code (TZuKeyCode) or character, and the value that came with it from the platform
// (see MZuWindowEventHandler).
struct TZuKeyEvent
{
    unsigned iCode = 0;
    unsigned iValue = 0;
};

#endif // ZUKEYEVENT_H
