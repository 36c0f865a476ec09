#include "ZuString.h"

#include "ZuStringUnits.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace ZuStringUnits;

namespace
{

// Formats value with "%d", or zero-padded to width digits.
int FormatNumber(char* out, int outSize, int width, int value)
{
    if (width <= 0)
        return std::snprintf(out, outSize, "%d", value);
    return std::snprintf(out, outSize, "%0*d", width, value);
}

const int KNumberTextSize = 48;

} // namespace

CZuString::CZuString() : iBuffer(nullptr), iLength(0) {}

CZuString::CZuString(const CZuString& other) : iBuffer(nullptr), iLength(0)
{
    SetString(other);
}

CZuString::CZuString(char ch, int count) : iBuffer(nullptr), iLength(0)
{
    SetString(ch, count);
}

CZuString::CZuString(const char* s) : iBuffer(nullptr), iLength(0)
{
    SetString(s);
}

CZuString::CZuString(const char* s, int count) : iBuffer(nullptr), iLength(0)
{
    SetString(s, count);
}

CZuString::CZuString(int value) : iBuffer(nullptr), iLength(0)
{
    SetString(value);
}

CZuString::CZuString(int width, int value) : iBuffer(nullptr), iLength(0)
{
    SetString(width, value);
}

CZuString::~CZuString()
{
    delete[] iBuffer;
}

// The new buffer is built before the old one is freed, so a source inside this string stays valid.
void CZuString::Adopt(char* buffer, int length)
{
    delete[] iBuffer;
    iBuffer = buffer;
    iLength = length;
}

void CZuString::SetString(const CZuString& other)
{
    // A copy of an empty string has no storage, whatever storage the source had.
    if (other.iLength == 0)
    {
        Empty();
        return;
    }
    Adopt(NewCopy(other.iBuffer, other.iLength), other.iLength);
}

void CZuString::SetString(char ch, int count)
{
    if (count < 0)
        count = 0;
    Adopt(NewFilled(ch, count), count);
}

void CZuString::SetString(const char* s)
{
    if (s == nullptr)
    {
        Empty();
        return;
    }
    int length = MeasureZ(s);
    Adopt(NewCopy(s, length), length);
}

void CZuString::SetString(const char* s, int count)
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

void CZuString::SetString(int value)
{
    SetString(0, value);
}

void CZuString::SetString(int width, int value)
{
    char text[KNumberTextSize];
    int length = FormatNumber(text, sizeof text, width, value);
    if (length < 0 || length >= KNumberTextSize)
        length = MeasureZ(text);
    SetString(text, length);
}

CZuString& CZuString::operator=(const CZuString& other)
{
    if (this != &other)
        SetString(other);
    return *this;
}

CZuString& CZuString::operator=(const char* s)
{
    SetString(s);
    return *this;
}

CZuString& CZuString::operator=(char ch)
{
    SetString(ch, 1);
    return *this;
}

void CZuString::Append(const char* s, int count)
{
    Adopt(NewJoined(iBuffer, iLength, s, count), iLength + count);
}

CZuString& CZuString::operator+=(const CZuString& other)
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

CZuString& CZuString::operator+=(const char* s)
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

CZuString& CZuString::operator+=(char ch)
{
    if (iBuffer == nullptr)
    {
        SetString(ch, 1);
        return *this;
    }
    Append(&ch, 1);
    return *this;
}

int CZuString::Compare(const char* s) const
{
    return ZuStringUnits::Compare<char, unsigned char>(iBuffer, s);
}

void CZuString::Empty()
{
    Adopt(nullptr, 0);
}

void CZuString::Allocate(int n)
{
    if (n <= 0)
    {
        Empty();
        return;
    }
    Adopt(NewFilled('\0', n), n);
}

void CZuString::AdjustLength()
{
    if (iBuffer != nullptr)
        iLength = MeasureZ(iBuffer);
}

CZuString CZuString::Mid(int start) const
{
    if (start < 0)
        start = 0;
    if (start > iLength)
        start = iLength;
    return CZuString(Str(*this) + start);
}

CZuString CZuString::Mid(int start, int count) const
{
    if (start < 0)
        start = 0;
    if (start > iLength)
        start = iLength;
    if (count > iLength - start)
        count = iLength - start;
    return CZuString(Str(*this) + start, count);
}

CZuString CZuString::Left(int count) const
{
    return Mid(0, count);
}

CZuString CZuString::Right(int count) const
{
    if (count > iLength)
        count = iLength;
    return Mid(iLength - count, count);
}

int CZuString::Find(char ch) const
{
    return Find(0, ch);
}

int CZuString::Find(int start, char ch) const
{
    if (iBuffer == nullptr || start > iLength)
        return -1;
    return FindUnit(iBuffer, start < 0 ? 0 : start, ch);
}

int CZuString::Find(const CZuString& s) const
{
    return Find(0, s);
}

int CZuString::Find(int start, const CZuString& s) const
{
    if (start > iLength)
        return -1;
    return FindText(Str(*this), start < 0 ? 0 : start, Str(s));
}

bool CZuString::IsInteger() const
{
    for (int i = 0; i < iLength; ++i)
    {
        char ch = iBuffer[i];
        if (ch >= '0' && ch <= '9')
            continue;
        if (ch == '-' && i == 0 && iLength > 1)
            continue;
        return false;
    }
    return true;
}

int CZuString::ToInteger() const
{
    return std::atoi(Str(*this));
}

void CZuString::ToLower()
{
    for (int i = 0; i < iLength; ++i)
        iBuffer[i] = AsciiLower(iBuffer[i]);
}

void CZuString::ToUpper()
{
    for (int i = 0; i < iLength; ++i)
        iBuffer[i] = AsciiUpper(iBuffer[i]);
}

void CZuString::TrimRight()
{
    int last = iLength - 1;
    while (last >= 0 && iBuffer[last] == ' ')
        --last;
    if (last < 0 || last == iLength - 1)
        return;
    iLength = last + 1;
    iBuffer[iLength] = '\0';
}

void CZuString::TrimLeft()
{
    int first = 0;
    while (first < iLength && iBuffer[first] == ' ')
        ++first;
    if (first == iLength || first == 0)
        return;
    std::memmove(iBuffer, iBuffer + first, iLength - first);
    iLength -= first;
    iBuffer[iLength] = '\0';
}

void CZuString::TrimAll()
{
    TrimRight();
    TrimLeft();
}

CZuString operator+(const CZuString& a, const CZuString& b)
{
    CZuString result(a);
    result += b;
    return result;
}

CZuString operator+(const CZuString& a, char b)
{
    CZuString result(a);
    result += b;
    return result;
}

CZuString operator+(char a, const CZuString& b)
{
    CZuString result(a, 1);
    result += b;
    return result;
}

CZuString operator+(const CZuString& a, const char* b)
{
    CZuString result(a);
    result += b;
    return result;
}

CZuString operator+(const char* a, const CZuString& b)
{
    CZuString result(a);
    result += b;
    return result;
}

namespace
{

int Order(const char* a, const char* b)
{
    return ZuStringUnits::Compare<char, unsigned char>(a, b);
}

} // namespace

ZU_STRING_COMPARISONS(CZuString, char)

char* Str(CZuString& s)
{
    static char empty[1] = {'\0'};
    return s.PtrZ() != nullptr ? s.PtrZ() : empty;
}

const char* Str(const CZuString& s)
{
    return s.PtrZ() != nullptr ? s.PtrZ() : "";
}
