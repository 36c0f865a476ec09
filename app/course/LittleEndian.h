#ifndef LITTLEENDIAN_H
#define LITTLEENDIAN_H

// The course files store their integers little-endian, whatever the host's byte order.
namespace LittleEndian
{

inline int ReadInt32(const unsigned char* p)
{
    unsigned int value = static_cast<unsigned int>(p[0]) | (static_cast<unsigned int>(p[1]) << 8) |
                         (static_cast<unsigned int>(p[2]) << 16) | (static_cast<unsigned int>(p[3]) << 24);
    return static_cast<int>(value);
}

inline int ReadInt16(const unsigned char* p)
{
    return static_cast<short>(static_cast<unsigned short>(p[0] | (p[1] << 8)));
}

inline void WriteInt32(unsigned char* p, int value)
{
    unsigned int bits = static_cast<unsigned int>(value);
    p[0] = static_cast<unsigned char>(bits);
    p[1] = static_cast<unsigned char>(bits >> 8);
    p[2] = static_cast<unsigned char>(bits >> 16);
    p[3] = static_cast<unsigned char>(bits >> 24);
}

inline void WriteInt16(unsigned char* p, int value)
{
    unsigned int bits = static_cast<unsigned int>(value);
    p[0] = static_cast<unsigned char>(bits);
    p[1] = static_cast<unsigned char>(bits >> 8);
}

} // namespace LittleEndian

#endif // LITTLEENDIAN_H
