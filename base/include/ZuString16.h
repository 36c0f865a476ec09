#ifndef ZUSTRING16_H
#define ZUSTRING16_H

#include "ZuObject.h"
#include "ZuTypes.h"

class CZuString;

// A string of UTF-16 code units, for text that the platform layer measures and draws. Same rules as
// CZuString: exact allocations, the two empty states, comparisons that stop at the first zero unit.
class CZuString16 : public CZuObject
{
public:
    CZuString16();
    CZuString16(const CZuString16& other);
    CZuString16(TZuWChar ch, int count);
    CZuString16(const TZuWChar* s);
    CZuString16(const TZuWChar* s, int count);
    ~CZuString16() override;

    void SetString(const CZuString16& other);
    void SetString(TZuWChar ch, int count);
    void SetString(const TZuWChar* s);
    void SetString(const TZuWChar* s, int count);

    CZuString16& operator=(const CZuString16& other);
    CZuString16& operator=(const TZuWChar* s);
    CZuString16& operator=(TZuWChar ch);

    CZuString16& operator+=(const CZuString16& other);
    CZuString16& operator+=(const TZuWChar* s);
    CZuString16& operator+=(TZuWChar ch);

    int Compare(const TZuWChar* s) const;

    int Length() const { return iLength; }
    bool IsEmpty() const { return iLength == 0; }
    void Empty();
    void Allocate(int n);
    void AdjustLength();

    TZuWChar* PtrZ() const { return iBuffer; }
    operator const TZuWChar*() const { return iBuffer; }
    operator TZuWChar*() { return iBuffer; }

    TZuWChar At(int i) const { return iBuffer[i]; }
    TZuWChar& At(int i) { return iBuffer[i]; }
    TZuWChar operator[](int i) const { return iBuffer[i]; }
    TZuWChar& operator[](int i) { return iBuffer[i]; }
    void SetAt(int i, TZuWChar ch) { iBuffer[i] = ch; }

    CZuString16 Mid(int start) const;
    CZuString16 Mid(int start, int count) const;
    CZuString16 Left(int count) const;
    CZuString16 Right(int count) const;

    // Index of the first match, or -1.
    int Find(TZuWChar ch) const;
    int Find(const CZuString16& s) const;

    // ASCII letters only.
    void ToLower();
    void ToUpper();

private:
    void Adopt(TZuWChar* buffer, int length);
    void Append(const TZuWChar* s, int count);

    TZuWChar* iBuffer;
    int iLength;
};

CZuString16 operator+(const CZuString16& a, const CZuString16& b);
CZuString16 operator+(const CZuString16& a, TZuWChar b);
CZuString16 operator+(TZuWChar a, const CZuString16& b);
CZuString16 operator+(const CZuString16& a, const TZuWChar* b);
CZuString16 operator+(const TZuWChar* a, const CZuString16& b);

bool operator==(const CZuString16& a, const CZuString16& b);
bool operator==(const CZuString16& a, const TZuWChar* b);
bool operator==(const TZuWChar* a, const CZuString16& b);
bool operator!=(const CZuString16& a, const CZuString16& b);
bool operator!=(const CZuString16& a, const TZuWChar* b);
bool operator!=(const TZuWChar* a, const CZuString16& b);
bool operator<(const CZuString16& a, const CZuString16& b);
bool operator<(const CZuString16& a, const TZuWChar* b);
bool operator<(const TZuWChar* a, const CZuString16& b);
bool operator<=(const CZuString16& a, const CZuString16& b);
bool operator<=(const CZuString16& a, const TZuWChar* b);
bool operator<=(const TZuWChar* a, const CZuString16& b);
bool operator>(const CZuString16& a, const CZuString16& b);
bool operator>(const CZuString16& a, const TZuWChar* b);
bool operator>(const TZuWChar* a, const CZuString16& b);
bool operator>=(const CZuString16& a, const CZuString16& b);
bool operator>=(const CZuString16& a, const TZuWChar* b);
bool operator>=(const TZuWChar* a, const CZuString16& b);

// Decodes len bytes of UTF-8 into out, characters above U+FFFF as surrogate pairs; len below 1 leaves out
// as it was. Bytes that are no character (CZuUnicode's rule) are dropped.
void ConvertUtf8ToUnicode(const char* src, int len, CZuString16& out);
// Encodes len UTF-16 units as UTF-8 into out, a surrogate pair as one four-byte character; len below 1
// leaves out as it was. A lone surrogate is no character and is dropped.
void ConvertUnicodeToUtf8(const TZuWChar* src, int len, CZuString& out);

#endif // ZUSTRING16_H
