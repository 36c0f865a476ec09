#include "ZuReadFileStream.h"

#include "ZuInStream.h"
#include "ZuString.h"

CZuReadFileStream::CZuReadFileStream() : iBlock(new CZuInStream) {}

CZuReadFileStream::~CZuReadFileStream()
{
    delete iBlock;
}

bool CZuReadFileStream::Open(const CZuString& path)
{
    iBlock->Set(nullptr, 0, false);
    return iFile.Open(path, EZuFileReadOnly);
}

void CZuReadFileStream::Close()
{
    iFile.Close();
    iBlock->Set(nullptr, 0, false);
}

void CZuReadFileStream::Refill()
{
    // Empty Blocks are passed over; each turn consumes at least a Block header, or ends at the end.
    while (iBlock->Available() <= 0 && iFile.IsOpen())
    {
        if (iFile.Position() >= iFile.Length())
            return;
        iFile.Read(*iBlock);
    }
}

unsigned char CZuReadFileStream::ReadByte()
{
    Refill();
    return iBlock->ReadByte();
}

unsigned short CZuReadFileStream::ReadWord()
{
    Refill();
    return iBlock->ReadWord();
}

unsigned int CZuReadFileStream::ReadInteger()
{
    Refill();
    return iBlock->ReadInteger();
}

int CZuReadFileStream::ReadBuffer(void* data, int size)
{
    Refill();
    return iBlock->ReadBuffer(data, size);
}

void CZuReadFileStream::ReadString(CZuString& value)
{
    Refill();
    iBlock->ReadString(value);
}

CZuReadFileStream& operator>>(CZuReadFileStream& in, unsigned char& value)
{
    value = in.ReadByte();
    return in;
}

CZuReadFileStream& operator>>(CZuReadFileStream& in, unsigned short& value)
{
    value = in.ReadWord();
    return in;
}

CZuReadFileStream& operator>>(CZuReadFileStream& in, unsigned int& value)
{
    value = in.ReadInteger();
    return in;
}

CZuReadFileStream& operator>>(CZuReadFileStream& in, CZuString& value)
{
    in.ReadString(value);
    return in;
}
