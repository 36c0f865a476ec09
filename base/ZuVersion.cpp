#include "ZuVersion.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

CZuVersion::CZuVersion() : iParts{0, 0, 0, 0} {}

void CZuVersion::Decode(const CZuString& text)
{
    const char* rest = Str(text);
    for (int part = 0; part < 4 && *rest != '\0'; ++part)
    {
        // A '.' at the very start does not end the part.
        const char* dot = std::strchr(rest + 1, '.');
        iParts[part] = std::atoi(rest);
        if (dot == nullptr)
            return;
        rest = dot + 1;
    }
}

CZuString CZuVersion::Encode() const
{
    char text[64];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", iParts[0], iParts[1], iParts[2], iParts[3]);
    return CZuString(text);
}

int CZuVersion::Compare(const CZuVersion* other) const
{
    if (other == nullptr)
        return 1;
    for (int i = 0; i < 4; ++i)
    {
        if (iParts[i] != other->iParts[i])
            return iParts[i] > other->iParts[i] ? 1 : -1;
    }
    return 0;
}
