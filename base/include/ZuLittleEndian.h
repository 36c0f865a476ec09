#ifndef ZULITTLEENDIAN_H
#define ZULITTLEENDIAN_H

// Integers stored little-endian, whatever the host's byte order: the course files, the string tables, the
// resource package and the pictures and sounds of other makers. What the system serialises itself is
// big-endian (CZuInStream, CZuOutStream). The reads are inline, for the decoders' per-pixel loops.
class CZuLittleEndian
{
public:
    static unsigned ReadUint16(const unsigned char* p) { return p[0] | (unsigned(p[1]) << 8); }
    static unsigned ReadUint32(const unsigned char* p) { return ReadUint16(p) | (ReadUint16(p + 2) << 16); }
    // The two's-complement value of the 16 or 32 bits.
    static int ReadInt16(const unsigned char* p) { return static_cast<short>(ReadUint16(p)); }
    static int ReadInt32(const unsigned char* p) { return static_cast<int>(ReadUint32(p)); }

    // The low 16 or 32 bits of value.
    static void WriteInt16(unsigned char* p, unsigned value);
    static void WriteInt32(unsigned char* p, unsigned value);
};

#endif // ZULITTLEENDIAN_H
