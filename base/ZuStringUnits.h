#ifndef ZUSTRINGUNITS_H
#define ZUSTRINGUNITS_H

// The unit-level work shared by CZuString (8-bit units) and CZuString16 (16-bit units).
namespace ZuStringUnits
{

template <typename T> int MeasureZ(const T* s)
{
    int n = 0;
    while (s[n] != 0)
        ++n;
    return n;
}

// A new buffer of count units copied from s (count may be 0) and a terminator.
template <typename T> T* NewCopy(const T* s, int count)
{
    T* buffer = new T[count + 1];
    for (int i = 0; i < count; ++i)
        buffer[i] = s[i];
    buffer[count] = 0;
    return buffer;
}

template <typename T> T* NewFilled(T ch, int count)
{
    T* buffer = new T[count + 1];
    for (int i = 0; i < count; ++i)
        buffer[i] = ch;
    buffer[count] = 0;
    return buffer;
}

// A new buffer holding a (aCount units) followed by b (bCount units).
template <typename T> T* NewJoined(const T* a, int aCount, const T* b, int bCount)
{
    T* buffer = new T[aCount + bCount + 1];
    for (int i = 0; i < aCount; ++i)
        buffer[i] = a[i];
    for (int i = 0; i < bCount; ++i)
        buffer[aCount + i] = b[i];
    buffer[aCount + bCount] = 0;
    return buffer;
}

// Three-way comparison where null is smaller than any text, and texts compare as unsigned units up to the
// first difference or terminator.
template <typename T, typename U> int Compare(const T* a, const T* b)
{
    if (a == nullptr || b == nullptr)
    {
        if (a == b)
            return 0;
        return a == nullptr ? -1 : 1;
    }
    for (int i = 0;; ++i)
    {
        U ua = static_cast<U>(a[i]);
        U ub = static_cast<U>(b[i]);
        if (ua != ub)
            return ua < ub ? -1 : 1;
        if (ua == 0)
            return 0;
    }
}

template <typename T> T AsciiLower(T ch)
{
    return (ch >= 'A' && ch <= 'Z') ? static_cast<T>(ch - 'A' + 'a') : ch;
}

template <typename T> T AsciiUpper(T ch)
{
    return (ch >= 'a' && ch <= 'z') ? static_cast<T>(ch - 'a' + 'A') : ch;
}

// Index of the first ch in the C string s at or after start, or -1.
template <typename T> int FindUnit(const T* s, int start, T ch)
{
    for (int i = start; s[i] != 0; ++i)
    {
        if (s[i] == ch)
            return i;
    }
    return -1;
}

// Index of the first occurrence of the C string needle in the C string s at or after start, or -1.
template <typename T> int FindText(const T* s, int start, const T* needle)
{
    for (int i = start; s[i] != 0 || needle[0] == 0; ++i)
    {
        int k = 0;
        while (needle[k] != 0 && s[i + k] == needle[k])
            ++k;
        if (needle[k] == 0)
            return i;
    }
    return -1;
}

} // namespace ZuStringUnits

// The six comparisons of a string class with itself and with C strings of its unit, each in both orders,
// through a three-way Order(const Unit*, const Unit*) in scope where the macro is used.
#define ZU_STRING_COMPARISON(op, String, Unit)                                                                 \
    bool operator op(const String& a, const String& b) { return Order(a.PtrZ(), b.PtrZ()) op 0; }              \
    bool operator op(const String& a, const Unit* b) { return Order(a.PtrZ(), b) op 0; }                       \
    bool operator op(const Unit* a, const String& b) { return Order(a, b.PtrZ()) op 0; }
#define ZU_STRING_COMPARISONS(String, Unit)                                                                    \
    ZU_STRING_COMPARISON(==, String, Unit)                                                                     \
    ZU_STRING_COMPARISON(!=, String, Unit)                                                                     \
    ZU_STRING_COMPARISON(<, String, Unit)                                                                      \
    ZU_STRING_COMPARISON(<=, String, Unit)                                                                     \
    ZU_STRING_COMPARISON(>, String, Unit)                                                                      \
    ZU_STRING_COMPARISON(>=, String, Unit)

#endif // ZUSTRINGUNITS_H
