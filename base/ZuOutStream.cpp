#include "ZuOutStream.h"

#include "ZuString.h"

#include <cstdio>
#include <cstring>

CZuOutStream::CZuOutStream() {}

CZuOutStream::~CZuOutStream() {}

void CZuOutStream::WriteByte(unsigned char value)
{
    iBuffer.Append(value);
}

void CZuOutStream::WriteWord(unsigned short value)
{
    const unsigned char bytes[2] = {static_cast<unsigned char>(value >> 8),
                                    static_cast<unsigned char>(value)};
    iBuffer.Append(bytes, 2);
}

void CZuOutStream::WriteInteger(unsigned int value)
{
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(value >> 24), static_cast<unsigned char>(value >> 16),
        static_cast<unsigned char>(value >> 8), static_cast<unsigned char>(value)};
    iBuffer.Append(bytes, 4);
}

void CZuOutStream::WriteString(const CZuString& value)
{
    WriteInteger(static_cast<unsigned int>(value.Length()));
    iBuffer.Append(value, value.Length());
}

void CZuOutStream::WriteBuffer(const void* data, int size)
{
    iBuffer.Append(static_cast<const unsigned char*>(data), size);
}

bool CZuOutStream::Check() const
{
    if (iBuffer.Size() >= 2048)
        return false;
    if (iBuffer.Size() < 4)
        return true;
    return iBuffer[3] == ' ';
}

bool CZuOutStream::TestLine() const
{
    return iBuffer.Find('\n') >= 0;
}

void CZuOutStream::ReadLine(CZuString& line)
{
    line.Empty();
    int lineFeed = iBuffer.Find('\n');
    if (lineFeed < 0)
        return;
    int length = lineFeed;
    if (length > 0 && iBuffer[length - 1] == '\r')
        --length;
    line.SetString(reinterpret_cast<const char*>(iBuffer.Data()), length);
    iBuffer.Erase(0, lineFeed + 1);
}

CZuOutStream& operator<<(CZuOutStream& out, char value)
{
    out.WriteByte(static_cast<unsigned char>(value));
    return out;
}

CZuOutStream& operator<<(CZuOutStream& out, int value)
{
    char text[16];
    int length = std::snprintf(text, sizeof text, "%d", value);
    out.WriteBuffer(text, length);
    return out;
}

CZuOutStream& operator<<(CZuOutStream& out, const CZuString& value)
{
    out.WriteBuffer(value.PtrZ(), value.Length());
    return out;
}
