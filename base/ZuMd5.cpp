#include "ZuMd5.h"

#include "ZuOutStream.h"
#include "ZuString.h"

#include <cstdio>
#include <cstring>

namespace
{

// The MD5 message digest of RFC 1321.
class TMd5Digest
{
public:
    explicit TMd5Digest(const unsigned char* data, int size)
    {
        unsigned int state[4] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u};
        int whole = size - size % 64;
        for (int offset = 0; offset < whole; offset += 64)
            Transform(state, data + offset);

        // Padding: 0x80, zeros up to 56 mod 64, then the bit length, little-endian.
        unsigned char tail[128] = {};
        int rest = size - whole;
        if (rest > 0)
            std::memcpy(tail, data + whole, rest);
        tail[rest] = 0x80;
        int tailSize = rest < 56 ? 64 : 128;
        unsigned long long bits = static_cast<unsigned long long>(size) * 8;
        for (int i = 0; i < 8; ++i)
            tail[tailSize - 8 + i] = static_cast<unsigned char>(bits >> (8 * i));
        for (int offset = 0; offset < tailSize; offset += 64)
            Transform(state, tail + offset);

        for (int i = 0; i < 4; ++i)
        {
            for (int k = 0; k < 4; ++k)
                iBytes[4 * i + k] = static_cast<unsigned char>(state[i] >> (8 * k));
        }
    }

    unsigned char iBytes[16];

private:
    static unsigned int RotateLeft(unsigned int x, int n) { return (x << n) | (x >> (32 - n)); }

    static void Transform(unsigned int state[4], const unsigned char block[64])
    {
        static const unsigned int KSine[64] = {
            0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
            0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
            0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
            0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
            0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
            0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
            0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
            0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};
        static const int KShift[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                                       5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                                       4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                                       6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};
        unsigned int words[16];
        for (int i = 0; i < 16; ++i)
        {
            words[i] = static_cast<unsigned int>(block[4 * i]) |
                       (static_cast<unsigned int>(block[4 * i + 1]) << 8) |
                       (static_cast<unsigned int>(block[4 * i + 2]) << 16) |
                       (static_cast<unsigned int>(block[4 * i + 3]) << 24);
        }
        unsigned int a = state[0], b = state[1], c = state[2], d = state[3];
        for (int i = 0; i < 64; ++i)
        {
            unsigned int f;
            int g;
            if (i < 16)
            {
                f = (b & c) | (~b & d);
                g = i;
            }
            else if (i < 32)
            {
                f = (d & b) | (~d & c);
                g = (5 * i + 1) % 16;
            }
            else if (i < 48)
            {
                f = b ^ c ^ d;
                g = (3 * i + 5) % 16;
            }
            else
            {
                f = c ^ (b | ~d);
                g = (7 * i) % 16;
            }
            unsigned int next = d;
            d = c;
            c = b;
            b = b + RotateLeft(a + f + KSine[i] + words[g], KShift[i]);
            a = next;
        }
        state[0] += a;
        state[1] += b;
        state[2] += c;
        state[3] += d;
    }
};

} // namespace

void CZuMd5::make(const CZuString& text, CZuOutStream& out)
{
    TMd5Digest digest(text, text.Length());
    char hex[33];
    for (int i = 0; i < 16; ++i)
        std::snprintf(hex + 2 * i, 3, "%02x", digest.iBytes[i]);
    out.WriteBuffer(hex, 32);
}

unsigned int CZuMd5::make(const CZuString& text)
{
    TMd5Digest digest(text, text.Length());
    unsigned int folded = 0;
    for (int j = 0; j < 4; ++j)
    {
        unsigned int column =
            digest.iBytes[j] | digest.iBytes[4 + j] | digest.iBytes[8 + j] | digest.iBytes[12 + j];
        folded = folded * 257 + column;
    }
    return folded;
}
