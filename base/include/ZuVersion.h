#ifndef ZUVERSION_H
#define ZUVERSION_H

#include "ZuObject.h"
#include "ZuString.h"

// A four-part version number, most significant part first; all 0 after construction.
class CZuVersion : public CZuObject
{
public:
    CZuVersion();

    // Reads "a.b.c.d" part by part; parts the text does not reach keep their values.
    void Decode(const CZuString& text);
    // "%d.%d.%d.%d".
    CZuString Encode() const;
    // 1, 0 or -1 by the first part that differs.
    int Compare(const CZuVersion* other) const;
    // Part 0 (most significant) to 3.
    int Part(int index) const { return iParts[index]; }

private:
    int iParts[4];
};

#endif // ZUVERSION_H
