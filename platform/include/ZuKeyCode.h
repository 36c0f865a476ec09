#ifndef ZUKEYCODE_H
#define ZUKEYCODE_H

// The key codes of the toolkit: the Windows virtual-key codes it is written against. Letters and digits are
// their upper-case ASCII codes ('A' 65 .. 'Z' 90, '0' 48 .. '9' 57). 0 is no key.
enum TZuKeyCode
{
    EZuKeyNone = 0,
    EZuKeyBackspace = 8,
    EZuKeyTab = 9,
    EZuKeyEnter = 13,
    EZuKeyShift = 16,
    EZuKeyControl = 17,
    EZuKeyAlt = 18,
    EZuKeyPause = 19,
    EZuKeyCapsLock = 20,
    EZuKeyEscape = 27,
    EZuKeySpace = 32,
    EZuKeyPageUp = 33,
    EZuKeyPageDown = 34,
    EZuKeyEnd = 35,
    EZuKeyHome = 36,
    EZuKeyLeft = 37,
    EZuKeyUp = 38,
    EZuKeyRight = 39,
    EZuKeyDown = 40,
    EZuKeyPrintScreen = 44,
    EZuKeyInsert = 45,
    EZuKeyDelete = 46,
    EZuKey0 = 48,
    EZuKeyA = 65,
    EZuKeyLeftMeta = 91,
    EZuKeyRightMeta = 92,
    EZuKeyMenu = 93,
    EZuKeyNumpad0 = 96,
    EZuKeyMultiply = 106,
    EZuKeyAdd = 107,
    EZuKeySubtract = 109,
    EZuKeyDecimal = 110,
    EZuKeyDivide = 111,
    // F1 is the left soft key, F2 the right soft key.
    EZuKeyF1 = 112,
    EZuKeyF2 = 113,
    EZuKeyF12 = 123,
    EZuKeyNumLock = 144,
    EZuKeyScrollLock = 145,
    EZuKeyBrowserBack = 166,
    EZuKeySemicolon = 186,
    EZuKeyEquals = 187,
    EZuKeyComma = 188,
    EZuKeyMinus = 189,
    EZuKeyPeriod = 190,
    EZuKeySlash = 191,
    EZuKeyBackquote = 192,
    EZuKeyLeftBracket = 219,
    EZuKeyBackslash = 220,
    EZuKeyRightBracket = 221,
    EZuKeyQuote = 222
};

#endif // ZUKEYCODE_H
