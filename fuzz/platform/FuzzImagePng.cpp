// libFuzzer target: the PNG decoder on arbitrary bytes. Each input is also tried with its chunk checksums
// repaired, so that mutations reach the chunk contents instead of stopping at the first CRC check.
#include "ImageFuzzCheck.h"

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace
{

uint32_t BigEndian32(const uint8_t* p)
{
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | p[3];
}

// True when some checksum was changed.
bool RepairChecksums(std::vector<uint8_t>& png)
{
    bool changed = false;
    size_t pos = 8;
    while (pos + 12 <= png.size())
    {
        const uint32_t length = BigEndian32(&png[pos]);
        if (length > png.size() - pos - 12)
            break;
        uint8_t* crcAt = &png[pos + 8 + length];
        const uint32_t crc = static_cast<uint32_t>(crc32(0, &png[pos + 4], length + 4));
        if (BigEndian32(crcAt) != crc)
        {
            crcAt[0] = static_cast<uint8_t>(crc >> 24);
            crcAt[1] = static_cast<uint8_t>(crc >> 16);
            crcAt[2] = static_cast<uint8_t>(crc >> 8);
            crcAt[3] = static_cast<uint8_t>(crc);
            changed = true;
        }
        pos += 12 + length;
    }
    return changed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CZuImageDecoder decoder(KFuzzMaxBufferBytes);
    CheckDecoded(decoder.DecodePng(data, size), decoder);

    std::vector<uint8_t> repaired(data, data + size);
    if (RepairChecksums(repaired))
        CheckDecoded(decoder.DecodePng(repaired.data(), repaired.size()), decoder);
    return 0;
}
