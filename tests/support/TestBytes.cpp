#include "TestBytes.h"

#include "ZuLittleEndian.h"

void AppendLittleEndian16(std::vector<unsigned char>& bytes, unsigned value)
{
    unsigned char field[2];
    CZuLittleEndian::WriteInt16(field, value);
    bytes.insert(bytes.end(), field, field + 2);
}

void AppendLittleEndian32(std::vector<unsigned char>& bytes, unsigned value)
{
    unsigned char field[4];
    CZuLittleEndian::WriteInt32(field, value);
    bytes.insert(bytes.end(), field, field + 4);
}
