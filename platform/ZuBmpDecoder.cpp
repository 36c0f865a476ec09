// BMP decoding: 1, 4 and 8 bits with a palette (4 and 8 bits also run-length encoded), 16 and 32 bits
// with default or bit-field masks, 24 bits. Rows may be stored bottom-up (the usual) or top-down.
#include "ZuImageDecoder.h"
#include "ZuLittleEndian.h"

#include <cstring>

namespace
{

enum TBmpCompression
{
    ERgb = 0,
    ERle8 = 1,
    ERle4 = 2,
    EBitFields = 3
};

const size_t KFileHeaderSize = 14;
const uint32_t KCoreHeaderSize = 12;
const uint32_t KInfoHeaderSize = 40;

struct TBmpInfo
{
    long long iWidth = 0;
    long long iHeight = 0;
    bool iTopDown = false;
    int iBitCount = 0;
    uint32_t iCompression = ERgb;
    uint32_t iColorsUsed = 0;
    uint32_t iMasks[3] = {0, 0, 0};
    size_t iPaletteStart = 0;
    size_t iPaletteEntrySize = 4;
};

// One colour channel of a packed pixel, scaled to 0..255.
struct TChannel
{
    uint32_t iMask = 0;
    int iShift = 0;
    uint64_t iMax = 0;

    void SetMask(uint32_t mask)
    {
        iMask = mask;
        iShift = 0;
        iMax = 0;
        if (!mask)
            return;
        while (!((mask >> iShift) & 1))
            ++iShift;
        iMax = mask >> iShift;
    }

    uint8_t Extract(uint32_t pixel) const
    {
        if (!iMax)
            return 0;
        uint64_t value = (pixel & iMask) >> iShift;
        if (iMax == 255)
            return static_cast<uint8_t>(value);
        return static_cast<uint8_t>((value * 255 + iMax / 2) / iMax);
    }
};

// The BGRA pixel at (x, y) of the file's row order (row 0 is the first row stored).
class CBmpCanvas
{
public:
    CBmpCanvas(unsigned char* pixels, long long width, long long height, bool topDown)
        : iPixels(pixels), iWidth(width), iHeight(height), iTopDown(topDown)
    {
    }

    unsigned char* Row(long long y) const
    {
        long long row = iTopDown ? y : iHeight - 1 - y;
        return iPixels + static_cast<size_t>(row) * static_cast<size_t>(iWidth) * 4;
    }

    void Put(long long x, long long y, const unsigned char* bgra) const
    {
        if (x >= 0 && x < iWidth && y >= 0 && y < iHeight)
            std::memcpy(Row(y) + x * 4, bgra, 4);
    }

    long long Width() const { return iWidth; }
    long long Height() const { return iHeight; }

private:
    unsigned char* iPixels;
    long long iWidth;
    long long iHeight;
    bool iTopDown;
};

bool ReadInfo(CZuByteReader& in, TBmpInfo& info)
{
    in.Seek(KFileHeaderSize);
    uint32_t headerSize = in.U32();
    if (headerSize == KCoreHeaderSize)
    {
        info.iWidth = in.U16();
        info.iHeight = in.U16();
        in.U16(); // planes
        info.iBitCount = in.U16();
        info.iPaletteEntrySize = 3;
    }
    else if (headerSize >= KInfoHeaderSize)
    {
        info.iWidth = static_cast<int32_t>(in.U32());
        info.iHeight = static_cast<int32_t>(in.U32());
        in.U16(); // planes
        info.iBitCount = in.U16();
        info.iCompression = in.U32();
        in.Skip(12); // image size, resolution
        info.iColorsUsed = in.U32();
        in.U32(); // important colours
        // Bit-field masks follow a 40-byte header and sit inside the longer ones.
        if (info.iCompression == EBitFields || headerSize > KInfoHeaderSize)
        {
            for (uint32_t& mask : info.iMasks)
                mask = in.U32();
        }
    }
    else
    {
        return false;
    }
    if (in.Failed())
        return false;
    info.iPaletteStart = KFileHeaderSize + headerSize;
    if (headerSize == KInfoHeaderSize && info.iCompression == EBitFields)
        info.iPaletteStart += 12;
    if (info.iHeight < 0)
    {
        info.iHeight = -info.iHeight;
        info.iTopDown = true;
    }
    return true;
}

// Null when the depth and compression go together, else the reason.
const char* CheckCompression(const TBmpInfo& info)
{
    switch (info.iBitCount)
    {
    case 1:
        return info.iCompression == ERgb ? nullptr : "compression type not supported";
    case 4:
        return info.iCompression == ERgb || info.iCompression == ERle4 ? nullptr
                                                                       : "compression type not supported";
    case 8:
        return info.iCompression == ERgb || info.iCompression == ERle8 ? nullptr
                                                                       : "compression type not supported";
    case 16:
    case 32:
        return info.iCompression == ERgb || info.iCompression == EBitFields ? nullptr : "unknown compression";
    case 24:
        return info.iCompression == ERgb ? nullptr : "unknown compression";
    default:
        return "bit depth not supported";
    }
}

// A palette of 256 opaque entries; those the file does not give are black. Entries that would run into
// the pixel data are not read.
void ReadPalette(const unsigned char* data, size_t length, const TBmpInfo& info, size_t pixelStart,
                 unsigned char (&palette)[256][4])
{
    std::memset(palette, 0, sizeof palette);
    for (auto& entry : palette)
        entry[3] = 0xFF;
    if (info.iBitCount > 8)
        return;
    size_t count = static_cast<size_t>(1) << info.iBitCount;
    if (info.iColorsUsed > 0 && info.iColorsUsed < count)
        count = info.iColorsUsed;
    size_t end = pixelStart > info.iPaletteStart && pixelStart <= length ? pixelStart : length;
    for (size_t i = 0; i < count; ++i)
    {
        size_t at = info.iPaletteStart + i * info.iPaletteEntrySize;
        if (at + 3 > end)
            break;
        std::memcpy(palette[i], data + at, 3);
    }
}

void DecodeIndexedRows(const unsigned char* bits, size_t stride, const TBmpInfo& info,
                       const unsigned char (&palette)[256][4], const CBmpCanvas& canvas)
{
    const int depth = info.iBitCount;
    const int perByte = 8 / depth;
    const unsigned mask = (1u << depth) - 1;
    for (long long y = 0; y < canvas.Height(); ++y)
    {
        const unsigned char* row = bits + static_cast<size_t>(y) * stride;
        unsigned char* out = canvas.Row(y);
        for (long long x = 0; x < canvas.Width(); ++x, out += 4)
        {
            int shift = (perByte - 1 - static_cast<int>(x % perByte)) * depth;
            unsigned index = (row[x / perByte] >> shift) & mask;
            std::memcpy(out, palette[index], 4);
        }
    }
}

void Decode24Rows(const unsigned char* bits, size_t stride, const CBmpCanvas& canvas)
{
    for (long long y = 0; y < canvas.Height(); ++y)
    {
        const unsigned char* in = bits + static_cast<size_t>(y) * stride;
        unsigned char* out = canvas.Row(y);
        for (long long x = 0; x < canvas.Width(); ++x, in += 3, out += 4)
        {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
            out[3] = 0xFF;
        }
    }
}

// 16 and 32 bits through masks. Returns whether a 32-bit picture carried any alpha in its fourth byte.
bool DecodeMaskedRows(const unsigned char* bits, size_t stride, const TBmpInfo& info,
                      const CBmpCanvas& canvas)
{
    uint32_t masks[3] = {info.iMasks[0], info.iMasks[1], info.iMasks[2]};
    if (info.iCompression != EBitFields)
    {
        if (info.iBitCount == 16)
        {
            masks[0] = 0x7C00;
            masks[1] = 0x03E0;
            masks[2] = 0x001F;
        }
        else
        {
            masks[0] = 0xFF0000;
            masks[1] = 0x00FF00;
            masks[2] = 0x0000FF;
        }
    }
    TChannel red, green, blue;
    red.SetMask(masks[0]);
    green.SetMask(masks[1]);
    blue.SetMask(masks[2]);
    // The fourth byte is alpha unless the colour masks use it.
    const bool alphaByte = info.iBitCount == 32 && !((masks[0] | masks[1] | masks[2]) & 0xFF000000u);
    const size_t bytesPerPixel = info.iBitCount / 8;

    bool anyAlpha = false;
    for (long long y = 0; y < canvas.Height(); ++y)
    {
        const unsigned char* in = bits + static_cast<size_t>(y) * stride;
        unsigned char* out = canvas.Row(y);
        for (long long x = 0; x < canvas.Width(); ++x, in += bytesPerPixel, out += 4)
        {
            uint32_t pixel = bytesPerPixel == 4 ? CZuLittleEndian::ReadUint32(in) : CZuLittleEndian::ReadUint16(in);
            out[0] = blue.Extract(pixel);
            out[1] = green.Extract(pixel);
            out[2] = red.Extract(pixel);
            out[3] = alphaByte ? in[3] : 0xFF;
            anyAlpha = anyAlpha || (alphaByte && in[3] != 0);
        }
    }
    return anyAlpha;
}

void MakeOpaque(unsigned char* pixels, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        pixels[i * 4 + 3] = 0xFF;
}

// Run-length encoded 8- or 4-bit pixels. Runs beyond the row are cut; decoding ends at the end-of-bitmap
// code, past the last row, or where the data ends. Pixels the data never reaches keep palette entry 0.
void DecodeRle(CZuByteReader& in, bool fourBit, const unsigned char (&palette)[256][4],
               const CBmpCanvas& canvas)
{
    long long x = 0;
    long long y = 0;
    while (y < canvas.Height() && in.Remaining() >= 2)
    {
        const unsigned count = in.U8();
        const unsigned value = in.U8();
        if (count > 0)
        {
            for (unsigned i = 0; i < count; ++i, ++x)
            {
                unsigned index = fourBit ? (i % 2 ? value & 15 : value >> 4) : value;
                canvas.Put(x, y, palette[index]);
            }
            continue;
        }
        if (value == 0)
        {
            x = 0;
            ++y;
        }
        else if (value == 1)
        {
            return;
        }
        else if (value == 2)
        {
            x += in.U8();
            y += in.U8();
        }
        else
        {
            // An absolute run of `value` pixels, padded to a 16-bit boundary.
            const size_t bytes = fourBit ? (value + 1) / 2 : value;
            const unsigned char* run = in.Take(bytes);
            if (!run)
                return;
            for (unsigned i = 0; i < value; ++i, ++x)
            {
                unsigned index = fourBit ? (i % 2 ? run[i / 2] & 15 : run[i / 2] >> 4) : run[i];
                canvas.Put(x, y, palette[index]);
            }
            if (bytes % 2)
                in.Skip(1);
        }
    }
}

} // namespace

bool CZuImageDecoder::DecodeBmp(const unsigned char* data, size_t length)
{
    Reset();
    if (!data || length < KFileHeaderSize || data[0] != 'B' || data[1] != 'M')
        return Fail("Not a BMP");

    CZuByteReader in(data, length);
    in.Seek(10);
    const uint32_t offset = in.U32();
    TBmpInfo info;
    if (!ReadInfo(in, info))
        return Fail("Error reading BMP info");
    if (const char* error = CheckCompression(info))
        return Fail(error);
    if (info.iWidth <= 0 || info.iHeight <= 0)
        return Fail("width and height must be greater than zero");

    // Files that leave the offset out keep their pixels right after the palette.
    size_t pixelStart = offset;
    if (offset == 0)
    {
        size_t entries = info.iBitCount <= 8 ? (static_cast<size_t>(1) << info.iBitCount) : 0;
        if (info.iColorsUsed > 0 && info.iColorsUsed < entries)
            entries = info.iColorsUsed;
        pixelStart = info.iPaletteStart + entries * info.iPaletteEntrySize;
    }
    if (pixelStart > length)
        return Fail("Read Error");

    unsigned char palette[256][4];
    ReadPalette(data, length, info, pixelStart, palette);

    const bool rle = info.iCompression == ERle8 || info.iCompression == ERle4;
    // Uncompressed rows must all be there; checked before the pixels are allocated.
    const unsigned long long rowBytes =
        (static_cast<unsigned long long>(info.iWidth) * info.iBitCount + 7) / 8;
    const unsigned long long stride = (rowBytes + 3) / 4 * 4;
    if (!rle)
    {
        const unsigned long long available = length - pixelStart;
        if (static_cast<unsigned long long>(info.iHeight - 1) > available / stride ||
            stride * (info.iHeight - 1) + rowBytes > available)
            return Fail("Read Error");
    }

    if (!CreatePixels(info.iWidth, info.iHeight))
        return false;
    CBmpCanvas canvas(iPixels, info.iWidth, info.iHeight, info.iTopDown);
    const unsigned char* bits = data + pixelStart;

    if (rle)
    {
        CZuByteReader runs(data, length);
        runs.Seek(pixelStart);
        FillPixels(palette[0]);
        DecodeRle(runs, info.iCompression == ERle4, palette, canvas);
    }
    else if (info.iBitCount <= 8)
    {
        DecodeIndexedRows(bits, stride, info, palette, canvas);
    }
    else if (info.iBitCount == 24)
    {
        Decode24Rows(bits, stride, canvas);
    }
    else
    {
        iHaveAlpha = DecodeMaskedRows(bits, stride, info, canvas);
        if (!iHaveAlpha)
            MakeOpaque(iPixels, static_cast<size_t>(iWidth) * iHeight);
    }
    return true;
}
