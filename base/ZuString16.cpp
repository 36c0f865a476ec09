#include "ZuString16.h"

#include "ZuString.h"
#include "ZuStringUnits.h"
#include "ZuUnicode.h"

using namespace ZuStringUnits;

CZuString16::CZuString16() : iBuffer(nullptr), iLength(0) {}

CZuString16::CZuString16(const CZuString16& other) : iBuffer(nullptr), iLength(0)
{
    SetString(other);
}

CZuString16::CZuString16(TZuWChar ch, int count) : iBuffer(nullptr), iLength(0)
{
    SetString(ch, count);
}

CZuString16::CZuString16(const TZuWChar* s) : iBuffer(nullptr), iLength(0)
{
    SetString(s);
}

CZuString16::CZuString16(const TZuWChar* s, int count) : iBuffer(nullptr), iLength(0)
{
    SetString(s, count);
}

CZuString16::~CZuString16()
{
    delete[] iBuffer;
}

void CZuString16::Adopt(TZuWChar* buffer, int length)
{
    delete[] iBuffer;
    iBuffer = buffer;
    iLength = length;
}

void CZuString16::SetString(const CZuString16& other)
{
    if (other.iLength == 0)
    {
        Empty();
        return;
    }
    Adopt(NewCopy(other.iBuffer, other.iLength), other.iLength);
}

void CZuString16::SetString(TZuWChar ch, int count)
{
    if (count < 0)
        count = 0;
    Adopt(NewFilled(ch, count), count);
}

void CZuString16::SetString(const TZuWChar* s)
{
    if (s == nullptr)
    {
        Empty();
        return;
    }
    int length = MeasureZ(s);
    Adopt(NewCopy(s, length), length);
}

void CZuString16::SetString(const TZuWChar* s, int count)
{
    if (s == nullptr)
    {
        Empty();
        return;
    }
    if (count < 0)
        count = 0;
    Adopt(NewCopy(s, count), count);
}

CZuString16& CZuString16::operator=(const CZuString16& other)
{
    if (this != &other)
        SetString(other);
    return *this;
}

CZuString16& CZuString16::operator=(const TZuWChar* s)
{
    SetString(s);
    return *this;
}

CZuString16& CZuString16::operator=(TZuWChar ch)
{
    SetString(ch, 1);
    return *this;
}

void CZuString16::Append(const TZuWChar* s, int count)
{
    Adopt(NewJoined(iBuffer, iLength, s, count), iLength + count);
}

CZuString16& CZuString16::operator+=(const CZuString16& other)
{
    if (iBuffer == nullptr)
    {
        SetString(other);
        return *this;
    }
    if (other.iLength == 0)
        return *this;
    Append(other.iBuffer, other.iLength);
    return *this;
}

CZuString16& CZuString16::operator+=(const TZuWChar* s)
{
    if (iBuffer == nullptr)
    {
        SetString(s);
        return *this;
    }
    if (s == nullptr)
        return *this;
    Append(s, MeasureZ(s));
    return *this;
}

CZuString16& CZuString16::operator+=(TZuWChar ch)
{
    if (iBuffer == nullptr)
    {
        SetString(ch, 1);
        return *this;
    }
    Append(&ch, 1);
    return *this;
}

int CZuString16::Compare(const TZuWChar* s) const
{
    return ZuStringUnits::Compare<TZuWChar, TZuWChar>(iBuffer, s);
}

void CZuString16::Empty()
{
    Adopt(nullptr, 0);
}

void CZuString16::Allocate(int n)
{
    if (n <= 0)
    {
        Empty();
        return;
    }
    Adopt(NewFilled(TZuWChar(0), n), n);
}

void CZuString16::AdjustLength()
{
    if (iBuffer != nullptr)
        iLength = MeasureZ(iBuffer);
}

namespace
{

const TZuWChar KEmpty16[1] = {0};

const TZuWChar* Units(const CZuString16& s)
{
    return s.PtrZ() != nullptr ? s.PtrZ() : KEmpty16;
}

} // namespace

CZuString16 CZuString16::Mid(int start) const
{
    if (start < 0)
        start = 0;
    if (start > iLength)
        start = iLength;
    return CZuString16(Units(*this) + start);
}

CZuString16 CZuString16::Mid(int start, int count) const
{
    if (start < 0)
        start = 0;
    if (start > iLength)
        start = iLength;
    if (count > iLength - start)
        count = iLength - start;
    return CZuString16(Units(*this) + start, count);
}

CZuString16 CZuString16::Left(int count) const
{
    return Mid(0, count);
}

CZuString16 CZuString16::Right(int count) const
{
    if (count > iLength)
        count = iLength;
    return Mid(iLength - count, count);
}

int CZuString16::Find(TZuWChar ch) const
{
    if (iBuffer == nullptr)
        return -1;
    return FindUnit(iBuffer, 0, ch);
}

int CZuString16::Find(const CZuString16& s) const
{
    return FindText(Units(*this), 0, Units(s));
}

void CZuString16::ToLower()
{
    for (int i = 0; i < iLength; ++i)
        iBuffer[i] = AsciiLower(iBuffer[i]);
}

void CZuString16::ToUpper()
{
    for (int i = 0; i < iLength; ++i)
        iBuffer[i] = AsciiUpper(iBuffer[i]);
}

CZuString16 operator+(const CZuString16& a, const CZuString16& b)
{
    CZuString16 result(a);
    result += b;
    return result;
}

CZuString16 operator+(const CZuString16& a, TZuWChar b)
{
    CZuString16 result(a);
    result += b;
    return result;
}

CZuString16 operator+(TZuWChar a, const CZuString16& b)
{
    CZuString16 result(a, 1);
    result += b;
    return result;
}

CZuString16 operator+(const CZuString16& a, const TZuWChar* b)
{
    CZuString16 result(a);
    result += b;
    return result;
}

CZuString16 operator+(const TZuWChar* a, const CZuString16& b)
{
    CZuString16 result(a);
    result += b;
    return result;
}

namespace
{

int Order(const TZuWChar* a, const TZuWChar* b)
{
    return ZuStringUnits::Compare<TZuWChar, TZuWChar>(a, b);
}

} // namespace

ZU_STRING_COMPARISONS(CZuString16, TZuWChar)

void ConvertUtf8ToUnicode(const char* src, int len, CZuString16& out)
{
    if (len < 1)
        return;
    // A character of n bytes gives at most n / 2 + 1 units, so len units always suffice.
    TZuWChar* units = new TZuWChar[len + 1];
    int count = 0;
    int i = 0;
    while (i < len)
    {
        int taken = 0;
        unsigned codePoint = CZuUnicode::DecodeUtf8(src + i, len - i, taken);
        i += taken;
        if (codePoint != CZuUnicode::KFault)
            count += CZuUnicode::EncodeUtf16(codePoint, units + count);
    }
    out.SetString(units, count);
    delete[] units;
}

void ConvertUnicodeToUtf8(const TZuWChar* src, int len, CZuString& out)
{
    if (len < 1)
        return;
    // A unit gives at most three bytes, a pair four.
    char* bytes = new char[3 * len + 1];
    int count = 0;
    int i = 0;
    while (i < len)
    {
        int taken = 0;
        unsigned codePoint = CZuUnicode::DecodeUtf16(src + i, len - i, taken);
        i += taken;
        if (codePoint != CZuUnicode::KFault)
            count += CZuUnicode::EncodeUtf8(codePoint, bytes + count);
    }
    out.SetString(bytes, count);
    delete[] bytes;
}
