#include "ZuLinkC.h"

#include <cstring>

CZuLinkC::CZuLinkC() : iData(nullptr), iSize(0) {}

CZuLinkC::CZuLinkC(const unsigned char* data, int size) : iData(data), iSize(size) {}

CZuLinkC::CZuLinkC(const CZuLinkC& other) : iData(other.iData), iSize(other.iSize) {}

CZuLinkC::~CZuLinkC() {}

void CZuLinkC::Link(const unsigned char* data, int size)
{
    Unlink();
    iData = data;
    iSize = size;
}

void CZuLinkC::Link(const unsigned char* begin, const unsigned char* end)
{
    Link(begin, static_cast<int>(end - begin));
}

void CZuLinkC::Link(const CZuLinkC& other)
{
    Link(other.iData, other.iSize);
}

CZuLinkC& CZuLinkC::operator=(const CZuLinkC& other)
{
    if (this != &other)
        Link(other.iData, other.iSize);
    return *this;
}

void CZuLinkC::Unlink()
{
    iData = nullptr;
    iSize = 0;
}

int CZuLinkC::Find(unsigned char value) const
{
    if (iSize < 1)
        return -1;
    const void* found = std::memchr(iData, value, iSize);
    return found == nullptr ? -1 : static_cast<int>(static_cast<const unsigned char*>(found) - iData);
}

bool CZuLinkC::operator==(const CZuLinkC& other) const
{
    if (iSize != other.iSize)
        return false;
    if (iData == other.iData || iSize <= 0)
        return true;
    return std::memcmp(iData, other.iData, iSize) == 0;
}

void CZuLinkC::Swap(CZuLinkC& other)
{
    const unsigned char* data = iData;
    int size = iSize;
    iData = other.iData;
    iSize = other.iSize;
    other.iData = data;
    other.iSize = size;
}
