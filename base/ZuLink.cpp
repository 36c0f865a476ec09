#include "ZuLink.h"

#include <cstring>

CZuLink::CZuLink() {}

CZuLink::CZuLink(unsigned char* data, int size) : CZuLinkC(data, size) {}

CZuLink::CZuLink(const CZuLink& other) : CZuLinkC(other) {}

CZuLink& CZuLink::operator=(const CZuLink& other)
{
    CZuLinkC::operator=(other);
    return *this;
}

void CZuLink::Copy(const unsigned char* data, int size)
{
    if (size > 0)
        std::memmove(Data(), data, size);
}

void CZuLink::Copy(const CZuLinkC& other)
{
    Copy(other.Data(), other.Size());
}

void CZuLink::Erase(int pos, int count)
{
    if (count <= 0 || pos < 0 || pos >= iSize)
        return;
    if (count > iSize - pos)
        count = iSize - pos;
    std::memmove(Data() + pos, Data() + pos + count, iSize - pos - count);
    iSize -= count;
}
