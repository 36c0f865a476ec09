#ifndef ZUUNICODE_H
#define ZUUNICODE_H

#include "ZuTypes.h"

// One character at a time in UTF-8 and UTF-16: the one decoder and encoder of the system.
//
// The rule for bad input, everywhere: bytes that are not a well-formed UTF-8 character are a fault, never
// a character. That covers a stray continuation byte (0x80 to 0xBF), the bytes 0xC0, 0xC1 and 0xF5 to 0xFF,
// overlong forms, surrogates (U+D800 to U+DFFF) written in UTF-8, values above U+10FFFF, and a sequence
// cut short by a byte that does not continue it or by the end of the text. A fault spans the longest start
// of a sequence that could still have become a character, and at least one byte, so the character after it
// is never swallowed. Converters drop faults; validators report the offset of the first. In UTF-16 a lone
// surrogate unit is the fault, one unit long.
class CZuUnicode
{
public:
    // What the decoders return for a fault.
    static const unsigned KFault = 0xFFFFFFFFu;
    static const unsigned KMaxCodePoint = 0x10FFFF;

    // The character at the start of bytes (length bytes there, at least 1); taken becomes the bytes it
    // spans, 1 to 4 and never more than length. KFault for a fault.
    static unsigned DecodeUtf8(const char* bytes, int length, int& taken);
    // Writes codePoint as 1 to 4 bytes into out (room for 4) and returns their number; 0 for a surrogate
    // or a value above U+10FFFF, which are no characters.
    static int EncodeUtf8(unsigned codePoint, char* out);

    // The offset of the first fault in the length bytes, or length when there is none.
    static int FirstUtf8Fault(const char* bytes, int length);
    static bool IsValidUtf8(const char* bytes, int length);
    // The longest start of the length bytes, at most limit long, that cuts no character (nor fault) in two.
    static int Utf8CutLength(const char* bytes, int length, int limit);

    // The character at the start of units (length units there, at least 1): a unit, or a surrogate pair;
    // taken becomes 1 or 2. KFault, taken 1, for a lone surrogate.
    static unsigned DecodeUtf16(const TZuWChar* units, int length, int& taken);
    // Writes codePoint as one unit, or a pair above U+FFFF, into out (room for 2) and returns their
    // number; 0 for a surrogate or a value above U+10FFFF.
    static int EncodeUtf16(unsigned codePoint, TZuWChar* out);
};

#endif // ZUUNICODE_H
