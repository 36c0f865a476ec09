#include "AppendBytes.h"

#include "ZuLittleEndian.h"

void AppendLittleEndian32(std::string& out, unsigned value)
{
    unsigned char field[4];
    CZuLittleEndian::WriteInt32(field, value);
    out.append(reinterpret_cast<const char*>(field), sizeof field);
}
