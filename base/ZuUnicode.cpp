#include "ZuUnicode.h"

namespace
{

const unsigned KSurrogateFirst = 0xD800;
const unsigned KLowSurrogateFirst = 0xDC00;
const unsigned KSurrogateLast = 0xDFFF;
const unsigned KFirstBeyondUnits = 0x10000;

bool IsSurrogate(unsigned value)
{
    return value >= KSurrogateFirst && value <= KSurrogateLast;
}

// The bytes a sequence that begins with lead spans, and the range its second byte must lie in; the range
// is what rules out overlong forms, surrogates and values above U+10FFFF. 0 for a byte that begins none.
int SequenceLength(unsigned lead, unsigned& secondLow, unsigned& secondHigh)
{
    secondLow = 0x80;
    secondHigh = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
    {
        if (lead == 0xE0)
            secondLow = 0xA0;
        if (lead == 0xED)
            secondHigh = 0x9F;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4)
    {
        if (lead == 0xF0)
            secondLow = 0x90;
        if (lead == 0xF4)
            secondHigh = 0x8F;
        return 4;
    }
    return 0;
}

} // namespace

unsigned CZuUnicode::DecodeUtf8(const char* bytes, int length, int& taken)
{
    taken = length > 0 ? 1 : 0;
    if (length < 1)
        return KFault;
    const unsigned char* at = reinterpret_cast<const unsigned char*>(bytes);
    unsigned secondLow;
    unsigned secondHigh;
    int needed = SequenceLength(at[0], secondLow, secondHigh);
    if (needed == 0)
        return KFault;
    if (needed == 1)
        return at[0];
    unsigned codePoint = at[0] & (0x7Fu >> needed);
    for (int i = 1; i < needed; ++i)
    {
        if (i >= length)
            return KFault;
        unsigned next = at[i];
        unsigned low = i == 1 ? secondLow : 0x80;
        unsigned high = i == 1 ? secondHigh : 0xBF;
        if (next < low || next > high)
            return KFault;
        codePoint = (codePoint << 6) | (next & 0x3F);
        taken = i + 1;
    }
    return codePoint;
}

int CZuUnicode::EncodeUtf8(unsigned codePoint, char* out)
{
    if (codePoint < 0x80)
    {
        out[0] = static_cast<char>(codePoint);
        return 1;
    }
    if (codePoint < 0x800)
    {
        out[0] = static_cast<char>(0xC0 | (codePoint >> 6));
        out[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 2;
    }
    if (IsSurrogate(codePoint) || codePoint > KMaxCodePoint)
        return 0;
    if (codePoint < KFirstBeyondUnits)
    {
        out[0] = static_cast<char>(0xE0 | (codePoint >> 12));
        out[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (codePoint >> 18));
    out[1] = static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 4;
}

int CZuUnicode::FirstUtf8Fault(const char* bytes, int length)
{
    int at = 0;
    while (at < length)
    {
        int taken = 0;
        if (DecodeUtf8(bytes + at, length - at, taken) == KFault)
            return at;
        at += taken;
    }
    return length < 0 ? 0 : length;
}

bool CZuUnicode::IsValidUtf8(const char* bytes, int length)
{
    return FirstUtf8Fault(bytes, length) == (length < 0 ? 0 : length);
}

int CZuUnicode::Utf8CutLength(const char* bytes, int length, int limit)
{
    if (limit >= length)
        return length < 0 ? 0 : length;
    int at = 0;
    while (at < limit)
    {
        int taken = 0;
        DecodeUtf8(bytes + at, length - at, taken);
        if (at + taken > limit)
            break;
        at += taken;
    }
    return at;
}

unsigned CZuUnicode::DecodeUtf16(const TZuWChar* units, int length, int& taken)
{
    taken = length > 0 ? 1 : 0;
    if (length < 1)
        return KFault;
    unsigned first = units[0];
    if (!IsSurrogate(first))
        return first;
    if (first >= KLowSurrogateFirst || length < 2)
        return KFault;
    unsigned second = units[1];
    if (second < KLowSurrogateFirst || second > KSurrogateLast)
        return KFault;
    taken = 2;
    return KFirstBeyondUnits + ((first - KSurrogateFirst) << 10) + (second - KLowSurrogateFirst);
}

int CZuUnicode::EncodeUtf16(unsigned codePoint, TZuWChar* out)
{
    if (IsSurrogate(codePoint) || codePoint > KMaxCodePoint)
        return 0;
    if (codePoint < KFirstBeyondUnits)
    {
        out[0] = static_cast<TZuWChar>(codePoint);
        return 1;
    }
    codePoint -= KFirstBeyondUnits;
    out[0] = static_cast<TZuWChar>(KSurrogateFirst + (codePoint >> 10));
    out[1] = static_cast<TZuWChar>(KLowSurrogateFirst + (codePoint & 0x3FF));
    return 2;
}
