#include "ZuInStream.h"

#include "ZuString.h"

#include <cstring>

CZuInStream::CZuInStream(const unsigned char* data, int size, bool ownsData)
    : iData(const_cast<unsigned char*>(data)), iOwnsData(ownsData), iCursor(0), iSize(size < 0 ? 0 : size)
{
}

CZuInStream::~CZuInStream()
{
    Release();
}

void CZuInStream::Release()
{
    if (iOwnsData)
        delete[] iData;
    iData = nullptr;
    iOwnsData = false;
}

void CZuInStream::Set(const unsigned char* data, int size, bool ownsData)
{
    if (data != iData)
        Release();
    iData = const_cast<unsigned char*>(data);
    iOwnsData = ownsData;
    iCursor = 0;
    iSize = size < 0 ? 0 : size;
}

void CZuInStream::Set(int size)
{
    Release();
    if (size < 0)
        size = 0;
    iData = new unsigned char[size + 1];
    iOwnsData = true;
    iCursor = 0;
    iSize = size;
}

void CZuInStream::SetCursor(int cursor)
{
    iCursor = cursor < 0 ? 0 : (cursor > iSize ? iSize : cursor);
}

void CZuInStream::Skip(int count)
{
    if (count > Available())
        count = Available();
    SetCursor(iCursor + count);
}

unsigned char CZuInStream::ReadByte()
{
    if (Available() < 1)
        return 0;
    return iData[iCursor++];
}

unsigned short CZuInStream::ReadWord()
{
    if (Available() < 2)
        return 0;
    const unsigned char* p = iData + iCursor;
    iCursor += 2;
    return static_cast<unsigned short>((p[0] << 8) | p[1]);
}

unsigned int CZuInStream::ReadInteger()
{
    if (Available() < 4)
        return 0;
    const unsigned char* p = iData + iCursor;
    iCursor += 4;
    return (static_cast<unsigned int>(p[0]) << 24) | (static_cast<unsigned int>(p[1]) << 16) |
           (static_cast<unsigned int>(p[2]) << 8) | static_cast<unsigned int>(p[3]);
}

int CZuInStream::ReadBuffer(void* data, int size)
{
    if (size <= 0 || Available() <= 0)
        return 0;
    if (size > Available())
        size = Available();
    std::memcpy(data, iData + iCursor, size);
    iCursor += size;
    return size;
}

void CZuInStream::ReadString(CZuString& value)
{
    if (Available() < 4)
    {
        value.Empty();
        return;
    }
    unsigned int length = ReadInteger();
    if (length == 0)
    {
        value.Empty();
        return;
    }
    if (length > static_cast<unsigned int>(Available()))
    {
        // A damaged length: nothing after it can be trusted.
        value.Empty();
        iCursor = iSize;
        return;
    }
    value.SetString(reinterpret_cast<const char*>(iData + iCursor), static_cast<int>(length));
    iCursor += static_cast<int>(length);
}

CZuInStream& operator>>(CZuInStream& in, unsigned char& value)
{
    value = in.ReadByte();
    return in;
}

CZuInStream& operator>>(CZuInStream& in, unsigned short& value)
{
    value = in.ReadWord();
    return in;
}

CZuInStream& operator>>(CZuInStream& in, unsigned int& value)
{
    value = in.ReadInteger();
    return in;
}

CZuInStream& operator>>(CZuInStream& in, CZuString& value)
{
    in.ReadString(value);
    return in;
}
