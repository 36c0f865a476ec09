#include "ZuLittleEndian.h"

void CZuLittleEndian::WriteInt16(unsigned char* p, unsigned value)
{
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
}

void CZuLittleEndian::WriteInt32(unsigned char* p, unsigned value)
{
    WriteInt16(p, value);
    WriteInt16(p + 2, value >> 16);
}
