// GIF decoding: the first image of the file with its local or the global colour table, interlaced or not.
// Extension blocks are skipped; transparency is not carried over (every pixel is opaque).
#include "ZuImageDecoder.h"

#include <cstring>
#include <new>

namespace
{

const int KMaxCodes = 4096;
const int KMaxCodeSize = 12;

enum TGifBlock
{
    EExtension = 0x21,
    EImage = 0x2C,
    ETrailer = 0x3B
};

// The bits of the image data, read least significant first across the length-prefixed sub-blocks.
class CGifBitReader
{
public:
    explicit CGifBitReader(CZuByteReader& in) : iIn(in) {}

    // -1 when the data ends.
    int Read(int size)
    {
        while (iCount < size)
        {
            if (iBlockLeft == 0 && !NextBlock())
                return -1;
            iBits |= static_cast<uint32_t>(iIn.U8()) << iCount;
            iCount += 8;
            --iBlockLeft;
        }
        int code = static_cast<int>(iBits & ((1u << size) - 1));
        iBits >>= size;
        iCount -= size;
        return code;
    }

private:
    bool NextBlock()
    {
        if (iEnded)
            return false;
        size_t size = iIn.U8();
        // A block cut short by the end of the file still gives the bytes it has.
        if (size > iIn.Remaining())
            size = iIn.Remaining();
        if (iIn.Failed() || size == 0)
        {
            iEnded = true;
            return false;
        }
        iBlockLeft = size;
        return true;
    }

    CZuByteReader& iIn;
    size_t iBlockLeft = 0;
    uint32_t iBits = 0;
    int iCount = 0;
    bool iEnded = false;
};

// Where the decoded pixels go: rows in display order, interlaced pictures in their four passes.
class CGifOutput
{
public:
    CGifOutput(unsigned char* pixels, int width, int height, bool interlaced,
               const unsigned char (&palette)[256][4])
        : iPixels(pixels), iWidth(width), iHeight(height), iInterlaced(interlaced), iPalette(palette)
    {
        iRowStart = RowPixels(0);
    }

    bool Full() const { return iRow >= iHeight; }

    void Put(unsigned index)
    {
        std::memcpy(iRowStart + iX * 4, iPalette[index], 4);
        if (++iX < iWidth)
            return;
        iX = 0;
        NextRow();
    }

private:
    unsigned char* RowPixels(int y) const { return iPixels + static_cast<size_t>(y) * iWidth * 4; }

    void NextRow()
    {
        static const int starts[4] = {0, 4, 2, 1};
        static const int steps[4] = {8, 8, 4, 2};
        if (!iInterlaced)
        {
            ++iRow;
        }
        else
        {
            iRow += steps[iPass];
            while (iRow >= iHeight && iPass < 3)
            {
                ++iPass;
                iRow = starts[iPass];
            }
            if (iRow >= iHeight)
                iRow = iHeight;
        }
        if (iRow < iHeight)
            iRowStart = RowPixels(iRow);
        else
            iRowStart = nullptr;
    }

    unsigned char* iPixels;
    int iWidth;
    int iHeight;
    bool iInterlaced;
    const unsigned char (&iPalette)[256][4];
    unsigned char* iRowStart;
    int iRow = 0;
    int iX = 0;
    int iPass = 0;
};

// The code table: each code is a shorter code (its prefix) plus one last index.
struct TLzwTable
{
    uint16_t iPrefix[KMaxCodes];
    uint8_t iSuffix[KMaxCodes];
    uint8_t iFirst[KMaxCodes];
    uint8_t iStack[KMaxCodes + 1];
};

// Decodes until the picture is full, the end code, the end of the data or an invalid code.
void DecodeLzw(CGifBitReader& bits, int minCodeSize, TLzwTable& table, CGifOutput& out)
{
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    for (int i = 0; i < clear; ++i)
    {
        table.iSuffix[i] = static_cast<uint8_t>(i);
        table.iFirst[i] = static_cast<uint8_t>(i);
    }
    int codeSize = minCodeSize + 1;
    int next = clear + 2;
    int previous = -1;

    while (!out.Full())
    {
        const int code = bits.Read(codeSize);
        if (code < 0 || code == end)
            return;
        if (code == clear)
        {
            codeSize = minCodeSize + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (previous < 0)
        {
            if (code > clear)
                return;
            out.Put(static_cast<unsigned>(code));
            previous = code;
            continue;
        }
        if (code > next || (code == next && next >= KMaxCodes))
            return;
        if (next < KMaxCodes)
        {
            table.iPrefix[next] = static_cast<uint16_t>(previous);
            table.iFirst[next] = table.iFirst[previous];
            // A code not yet in the table repeats the previous string and its first index.
            table.iSuffix[next] = code == next ? table.iFirst[previous] : table.iFirst[code];
            ++next;
            if (next >= (1 << codeSize) && codeSize < KMaxCodeSize)
                ++codeSize;
        }
        int depth = 0;
        for (int c = code; depth <= KMaxCodes; c = table.iPrefix[c])
        {
            table.iStack[depth++] = table.iSuffix[c];
            if (c < clear)
                break;
        }
        while (depth > 0 && !out.Full())
            out.Put(table.iStack[--depth]);
        previous = code;
    }
}

bool SkipSubBlocks(CZuByteReader& in)
{
    for (;;)
    {
        const uint8_t size = in.U8();
        if (in.Failed())
            return false;
        if (size == 0)
            return true;
        if (!in.Skip(size))
            return false;
    }
}

bool ReadColorTable(CZuByteReader& in, uint8_t flags, unsigned char (&palette)[256][4])
{
    const int entries = 2 << (flags & 7);
    const unsigned char* rgb = in.Take(static_cast<size_t>(entries) * 3);
    if (!rgb)
        return false;
    for (int i = 0; i < entries; ++i)
    {
        palette[i][0] = rgb[i * 3 + 2];
        palette[i][1] = rgb[i * 3 + 1];
        palette[i][2] = rgb[i * 3];
        palette[i][3] = 0xFF;
    }
    return true;
}

// Without any colour table the indices are shown as grey levels from black to white.
void GreyPalette(int minCodeSize, unsigned char (&palette)[256][4])
{
    const int levels = 1 << minCodeSize;
    for (int i = 0; i < levels && i < 256; ++i)
    {
        const unsigned char grey = static_cast<unsigned char>(levels > 1 ? i * 255 / (levels - 1) : 0);
        palette[i][0] = palette[i][1] = palette[i][2] = grey;
        palette[i][3] = 0xFF;
    }
}

void ResetPalette(unsigned char (&palette)[256][4])
{
    std::memset(palette, 0, sizeof(unsigned char[256][4]));
    for (auto& entry : palette)
        entry[3] = 0xFF;
}

} // namespace

bool CZuImageDecoder::DecodeGif(const unsigned char* data, size_t length)
{
    Reset();
    if (!data || length < 6 || std::memcmp(data, "GIF8", 4) != 0)
        return Fail("Not a GIF");

    CZuByteReader in(data, length);
    in.Skip(6);
    in.U16(); // logical screen width
    in.U16(); // logical screen height
    const uint8_t screenFlags = in.U8();
    in.Skip(2); // background index, aspect ratio
    unsigned char globalPalette[256][4];
    ResetPalette(globalPalette);
    const bool haveGlobal = (screenFlags & 0x80) != 0;
    if (in.Failed() || (haveGlobal && !ReadColorTable(in, screenFlags, globalPalette)))
        return Fail("Read Error");

    for (;;)
    {
        const uint8_t block = in.U8();
        if (in.Failed() || block == ETrailer)
            return Fail("no image in GIF");
        if (block == EExtension)
        {
            in.U8(); // label
            if (!SkipSubBlocks(in))
                return Fail("Read Error");
            continue;
        }
        if (block != EImage)
            return Fail("unknown GIF block");
        break;
    }

    in.Skip(4); // position on the logical screen
    const int width = in.U16();
    const int height = in.U16();
    const uint8_t flags = in.U8();
    unsigned char palette[256][4];
    std::memcpy(palette, globalPalette, sizeof palette);
    if (flags & 0x80)
    {
        ResetPalette(palette);
        if (!ReadColorTable(in, flags, palette))
            return Fail("Read Error");
    }
    const int minCodeSize = in.U8();
    if (in.Failed())
        return Fail("Read Error");
    if (minCodeSize < 2 || minCodeSize > 8)
        return Fail("bad LZW code size");
    if (!haveGlobal && !(flags & 0x80))
        GreyPalette(minCodeSize, palette);

    if (!CreatePixels(width, height))
        return false;
    TLzwTable* table = new (std::nothrow) TLzwTable;
    if (!table)
        return Fail("can't allocate memory");

    // Pixels the data does not reach show colour 0.
    FillPixels(palette[0]);
    CGifOutput out(iPixels, width, height, (flags & 0x40) != 0, palette);
    CGifBitReader bits(in);
    DecodeLzw(bits, minCodeSize, *table, out);
    delete table;
    return true;
}
