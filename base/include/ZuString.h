#ifndef ZUSTRING_H
#define ZUSTRING_H

#include "ZuObject.h"

// A string of 8-bit units (UTF-8 text, or ASCII keys, names and numbers). Every change allocates exactly
// what is needed. Two empty states: no storage (PtrZ() is null) and empty with storage (PtrZ() is "").
// A string with no storage compares smaller than "", one that is empty with storage equals it.
class CZuString : public CZuObject
{
public:
    CZuString();
    CZuString(const CZuString& other);
    CZuString(char ch, int count);
    CZuString(const char* s);
    CZuString(const char* s, int count);
    // Decimal text of value ("%d").
    explicit CZuString(int value);
    // value zero-padded to width digits (width 2, 3 or 4 in this system).
    CZuString(int width, int value);
    ~CZuString() override;

    void SetString(const CZuString& other);
    void SetString(char ch, int count);
    void SetString(const char* s);
    void SetString(const char* s, int count);
    void SetString(int value);
    void SetString(int width, int value);

    CZuString& operator=(const CZuString& other);
    CZuString& operator=(const char* s);
    CZuString& operator=(char ch);

    CZuString& operator+=(const CZuString& other);
    CZuString& operator+=(const char* s);
    CZuString& operator+=(char ch);

    // -1, 0 or 1; a null operand (no storage, null pointer) is smaller than any text.
    int Compare(const char* s) const;

    int Length() const { return iLength; }
    bool IsEmpty() const { return iLength == 0; }
    // Frees the buffer: no storage.
    void Empty();
    // n zero units (n > 0), or no storage (n == 0).
    void Allocate(int n);
    // Recounts the length up to the first zero unit, after the buffer was written through PtrZ().
    void AdjustLength();

    // The raw buffer: null when the string has no storage.
    char* PtrZ() const { return iBuffer; }
    operator const char*() const { return iBuffer; }
    operator char*() { return iBuffer; }
    operator const unsigned char*() const { return reinterpret_cast<const unsigned char*>(iBuffer); }
    operator unsigned char*() { return reinterpret_cast<unsigned char*>(iBuffer); }

    char At(int i) const { return iBuffer[i]; }
    char& At(int i) { return iBuffer[i]; }
    char operator[](int i) const { return iBuffer[i]; }
    char& operator[](int i) { return iBuffer[i]; }
    void SetAt(int i, char ch) { iBuffer[i] = ch; }

    // The C string that begins at start.
    CZuString Mid(int start) const;
    // Exactly count units from start (as many as the string holds).
    CZuString Mid(int start, int count) const;
    CZuString Left(int count) const;
    CZuString Right(int count) const;

    // Index of the first match at or after start, counted from the beginning; -1 when there is none.
    int Find(char ch) const;
    int Find(int start, char ch) const;
    int Find(const CZuString& s) const;
    int Find(int start, const CZuString& s) const;

    // True for "" and for digits with an optional leading '-'.
    bool IsInteger() const;
    // atoi of the text.
    int ToInteger() const;

    // ASCII letters only.
    void ToLower();
    void ToUpper();

    // Only spaces (0x20) are trimmed; the buffer is not reallocated. All-space strings stay as they are.
    void TrimLeft();
    void TrimRight();
    void TrimAll();

private:
    void Adopt(char* buffer, int length);
    void Append(const char* s, int count);

    char* iBuffer;
    int iLength;
};

CZuString operator+(const CZuString& a, const CZuString& b);
CZuString operator+(const CZuString& a, char b);
CZuString operator+(char a, const CZuString& b);
CZuString operator+(const CZuString& a, const char* b);
CZuString operator+(const char* a, const CZuString& b);

bool operator==(const CZuString& a, const CZuString& b);
bool operator==(const CZuString& a, const char* b);
bool operator==(const char* a, const CZuString& b);
bool operator!=(const CZuString& a, const CZuString& b);
bool operator!=(const CZuString& a, const char* b);
bool operator!=(const char* a, const CZuString& b);
bool operator<(const CZuString& a, const CZuString& b);
bool operator<(const CZuString& a, const char* b);
bool operator<(const char* a, const CZuString& b);
bool operator<=(const CZuString& a, const CZuString& b);
bool operator<=(const CZuString& a, const char* b);
bool operator<=(const char* a, const CZuString& b);
bool operator>(const CZuString& a, const CZuString& b);
bool operator>(const CZuString& a, const char* b);
bool operator>(const char* a, const CZuString& b);
bool operator>=(const CZuString& a, const CZuString& b);
bool operator>=(const CZuString& a, const char* b);
bool operator>=(const char* a, const CZuString& b);

// The buffer of s, or "" when s has no storage: for functions that must not get null.
char* Str(CZuString& s);
const char* Str(const CZuString& s);

#endif // ZUSTRING_H
