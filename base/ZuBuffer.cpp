#include "ZuBuffer.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace
{

const int KFirstGrowth = 128;

} // namespace

CZuBuffer::CZuBuffer() : iCapacity(0) {}

CZuBuffer::CZuBuffer(const unsigned char* data, int size) : iCapacity(0)
{
    Assign(data, size);
}

CZuBuffer::CZuBuffer(const CZuBuffer& other) : CZuLink(), iCapacity(0)
{
    Assign(other.Data(), other.Size());
}

CZuBuffer::CZuBuffer(const CZuLink& other) : iCapacity(0)
{
    Assign(other.Data(), other.Size());
}

CZuBuffer::CZuBuffer(const CZuLinkC& other) : iCapacity(0)
{
    Assign(other.Data(), other.Size());
}

CZuBuffer::CZuBuffer(int size) : iCapacity(0)
{
    if (size < 1)
        return;
    Reserve(size);
    if (iCapacity >= size)
        iSize = size;
}

CZuBuffer::~CZuBuffer()
{
    FreeOwned();
}

void CZuBuffer::FreeOwned()
{
    if (iCapacity > 0)
        std::free(Data());
}

void CZuBuffer::Assign(const unsigned char* data, int size)
{
    if (size <= 0)
    {
        iSize = 0;
        return;
    }
    // The source may lie in this buffer's own block, which Reserve may move.
    bool inside = iData != nullptr && data >= iData && data < iData + iSize;
    long offset = inside ? data - iData : 0;
    if (iCapacity < size)
        Reserve(size);
    if (iCapacity < size)
        return;
    std::memmove(Data(), inside ? iData + offset : data, size);
    iSize = size;
}

void CZuBuffer::Assign(const CZuLinkC& other)
{
    Assign(other.Data(), other.Size());
}

CZuBuffer& CZuBuffer::operator=(const CZuBuffer& other)
{
    if (this != &other)
        Assign(other.Data(), other.Size());
    return *this;
}

CZuBuffer& CZuBuffer::operator=(const CZuLink& other)
{
    Assign(other.Data(), other.Size());
    return *this;
}

CZuBuffer& CZuBuffer::operator=(const CZuLinkC& other)
{
    Assign(other.Data(), other.Size());
    return *this;
}

void CZuBuffer::Link(const unsigned char* data, int size)
{
    FreeOwned();
    CZuLinkC::Link(data, size);
}

void CZuBuffer::Link(const unsigned char* begin, const unsigned char* end)
{
    Link(begin, static_cast<int>(end - begin));
}

void CZuBuffer::Link(const CZuLinkC& other)
{
    Link(other.Data(), other.Size());
}

void CZuBuffer::Reserve(int size)
{
    if (size <= iCapacity)
        return;
    unsigned char* block;
    if (iCapacity > 0 || iData == nullptr)
    {
        block = static_cast<unsigned char*>(std::realloc(Data(), size));
    }
    else
    {
        // Linked: the viewed bytes are copied and left to their owner.
        block = static_cast<unsigned char*>(std::malloc(size));
        if (block != nullptr && iSize > 0)
            std::memcpy(block, iData, iSize < size ? iSize : size);
    }
    if (block == nullptr)
        return;
    iData = block;
    iCapacity = size;
}

void CZuBuffer::Prepare(int size)
{
    if (size < 0 || size > INT_MAX - iSize)
        return;
    int needed = iSize + size;
    if (needed <= iCapacity)
        return;
    int capacity = iCapacity > 0 ? iCapacity : KFirstGrowth;
    while (capacity < needed)
        capacity = capacity > INT_MAX / 2 ? needed : capacity * 2;
    Reserve(capacity);
}

void CZuBuffer::Resize(int size)
{
    if (size < 0)
        size = 0;
    if (iCapacity < size)
        Reserve(size);
    if (iCapacity < size && size > 0)
        return;
    iSize = size;
}

void CZuBuffer::Append(unsigned char value)
{
    if (iSize >= iCapacity)
        Prepare(1);
    if (iSize >= iCapacity)
        return;
    Data()[iSize++] = value;
}

void CZuBuffer::Append(const unsigned char* data, int size)
{
    if (size <= 0)
        return;
    bool inside = iData != nullptr && data >= iData && data < iData + iSize;
    long offset = inside ? data - iData : 0;
    if (size > iCapacity - iSize)
        Prepare(size);
    if (size > iCapacity - iSize)
        return;
    std::memmove(Data() + iSize, inside ? iData + offset : data, size);
    iSize += size;
}

void CZuBuffer::Swap(CZuBuffer& other)
{
    CZuLinkC::Swap(other);
    int capacity = iCapacity;
    iCapacity = other.iCapacity;
    other.iCapacity = capacity;
}

void CZuBuffer::Manage(unsigned char* data, int size)
{
    FreeOwned();
    CZuLinkC::Unlink();
    iCapacity = 0;
    if (data == nullptr)
        return;
    if (size <= 0)
    {
        std::free(data);
        return;
    }
    iData = data;
    iSize = size;
    iCapacity = size;
}

void CZuBuffer::Deallocate()
{
    FreeOwned();
    Unlink();
}

void CZuBuffer::Unlink()
{
    CZuLinkC::Unlink();
    iCapacity = 0;
}
