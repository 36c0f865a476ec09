// The decoders on their own: every supported variant of each format, and damaged input.
#include "TestImages.h"
#include "ZuImage.h"
#include "ZuImageDecoder.h"

#include <gtest/gtest.h>
#include <png.h>

#include <string>

namespace
{

class DecoderTest : public ::testing::Test
{
protected:
    DecoderTest() : iDecoder(CZuImage::KMaxBufferBytes) {}

    bool Decode(const TBytes& bytes) { return iDecoder.Decode(bytes.data(), bytes.size()); }

    // 0xAARRGGBB of the decoded pixel at (x, y), top row 0.
    uint32_t At(int x, int y) const
    {
        const unsigned char* p = iDecoder.Pixels() + (static_cast<size_t>(y) * iDecoder.Width() + x) * 4;
        return static_cast<uint32_t>(p[0]) | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
    }

    // Every pixel, top row first, as opaque 0xRRGGBB expected colours.
    void ExpectOpaque(const std::vector<uint32_t>& rgb, int width, int height)
    {
        ASSERT_EQ(width, iDecoder.Width());
        ASSERT_EQ(height, iDecoder.Height());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(0xFF000000u | rgb[static_cast<size_t>(y) * width + x], At(x, y)) << x << "," << y;
    }

    std::string Error() const { return iDecoder.LastError(); }

    CZuImageDecoder iDecoder;
};

const std::vector<uint32_t> KPalette16 = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                          0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                          0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

std::vector<uint32_t> PaletteColours(const std::vector<uint32_t>& indices,
                                     const std::vector<uint32_t>& palette)
{
    std::vector<uint32_t> out;
    for (uint32_t i : indices)
        out.push_back(i < palette.size() ? palette[i] : 0);
    return out;
}

std::vector<uint32_t> Pattern(int width, int height, int modulo)
{
    std::vector<uint32_t> out;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.push_back(static_cast<uint32_t>((x * 7 + y * 3 + x * y) % modulo));
    return out;
}

TBmpPicture IndexedBmp(int width, int height, int bitCount, const std::vector<uint32_t>& indices)
{
    TBmpPicture picture;
    picture.width = width;
    picture.height = height;
    picture.bitCount = bitCount;
    picture.palette.assign(KPalette16.begin(), KPalette16.begin() + (bitCount == 1 ? 2 : 16));
    picture.pixelData = PackBmpRows(indices, width, height, bitCount);
    return picture;
}

} // namespace

// ---- BMP ----

TEST_F(DecoderTest, Bmp24BottomUpRowsComeOutTopDown)
{
    TBmpPicture picture;
    picture.width = 3;
    picture.height = 2;
    std::vector<uint32_t> rgb = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203};
    picture.pixelData = PackBmpRows(rgb, 3, 2, 24);
    ASSERT_TRUE(Decode(MakeBmp(picture)));
    ExpectOpaque(rgb, 3, 2);
    EXPECT_FALSE(iDecoder.HaveAlpha());
}

TEST_F(DecoderTest, Bmp24TopDown)
{
    TBmpPicture picture;
    picture.width = 2;
    picture.height = -3;
    std::vector<uint32_t> rgb = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x123456, 0x654321};
    picture.pixelData = PackBmpRows(rgb, 2, 3, 24, true);
    ASSERT_TRUE(Decode(MakeBmp(picture)));
    ExpectOpaque(rgb, 2, 3);
}

TEST_F(DecoderTest, Bmp1Bit)
{
    std::vector<uint32_t> indices = Pattern(13, 3, 2);
    ASSERT_TRUE(Decode(MakeBmp(IndexedBmp(13, 3, 1, indices))));
    ExpectOpaque(PaletteColours(indices, KPalette16), 13, 3);
}

TEST_F(DecoderTest, Bmp4Bit)
{
    std::vector<uint32_t> indices = Pattern(7, 5, 16);
    ASSERT_TRUE(Decode(MakeBmp(IndexedBmp(7, 5, 4, indices))));
    ExpectOpaque(PaletteColours(indices, KPalette16), 7, 5);
}

TEST_F(DecoderTest, Bmp8BitIndexBeyondPaletteIsBlack)
{
    std::vector<uint32_t> indices = {0, 5, 15, 16, 200, 255};
    TBmpPicture picture = IndexedBmp(3, 2, 8, indices);
    picture.colorsUsed = 16;
    ASSERT_TRUE(Decode(MakeBmp(picture)));
    ExpectOpaque(PaletteColours(indices, KPalette16), 3, 2);
}

TEST_F(DecoderTest, Bmp8BitCoreHeaderWithThreeBytePalette)
{
    std::vector<uint32_t> indices = Pattern(5, 4, 16);
    TBmpPicture picture = IndexedBmp(5, 4, 8, indices);
    picture.headerSize = 12;
    ASSERT_TRUE(Decode(MakeBmp(picture)));
    ExpectOpaque(PaletteColours(indices, KPalette16), 5, 4);
}

TEST_F(DecoderTest, BmpWithoutPixelOffsetReadsAfterPalette)
{
    std::vector<uint32_t> indices = Pattern(4, 2, 16);
    TBytes bytes = MakeBmp(IndexedBmp(4, 2, 4, indices));
    bytes[10] = bytes[11] = bytes[12] = bytes[13] = 0;
    ASSERT_TRUE(Decode(bytes));
    ExpectOpaque(PaletteColours(indices, KPalette16), 4, 2);
}

TEST_F(DecoderTest, BmpRle8RunsAbsoluteRunsDeltaAndEndOfLine)
{
    TBmpPicture picture;
    picture.width = 6;
    picture.height = 3;
    picture.bitCount = 8;
    picture.compression = 1;
    picture.palette = KPalette16;
    // Bottom row: a run of 2 x index 9, then an absolute run of 3 (padded), then end of line.
    // Middle row: a delta of (2, 0) then 9 x index 12 (cut at the row's end), end of line.
    // Top row: a run of 4 x index 10, then end of bitmap.
    picture.pixelData = {2, 9, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 2, 0, 9, 12, 0, 0, 4, 10, 0, 1};
    ASSERT_TRUE(Decode(MakeBmp(picture)));
    std::vector<uint32_t> indices = {10, 10, 10, 10, 0, 0, 0, 0, 12, 12, 12, 12, 9, 9, 1, 2, 3, 0};
    ExpectOpaque(PaletteColours(indices, KPalette16), 6, 3);
}

TEST_F(DecoderTest, BmpRle4RunsAlternateNibbles)
{
    TBmpPicture picture;
    picture.width = 8;
    picture.height = 2;
    picture.bitCount = 4;
    picture.compression = 2;
    picture.palette = KPalette16;
    // Bottom row: 5 pixels alternating 1 and 2, then an absolute run of 3 nibbles (3, 4, 5) in 2 bytes.
    // Top row: an absolute run of 5 nibbles in 3 bytes padded to a word, then end of bitmap.
    picture.pixelData = {5, 0x12, 0, 3, 0x34, 0x50, 0, 0, 0, 5, 0x56, 0x78, 0x90, 0, 0, 1};
    ASSERT_TRUE(Decode(MakeBmp(picture)));
    std::vector<uint32_t> indices = {5, 6, 7, 8, 9, 0, 0, 0, 1, 2, 1, 2, 1, 3, 4, 5};
    ExpectOpaque(PaletteColours(indices, KPalette16), 8, 2);
}

TEST_F(DecoderTest, BmpRleEndingEarlyLeavesPaletteEntryZero)
{
    TBmpPicture picture;
    picture.width = 4;
    picture.height = 2;
    picture.bitCount = 8;
    picture.compression = 1;
    picture.palette = {0x336699, 0xFFFFFF};
    picture.pixelData = {3, 1};
    ASSERT_TRUE(Decode(MakeBmp(picture)));
    ExpectOpaque({0x336699, 0x336699, 0x336699, 0x336699, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x336699}, 4, 2);
}

TEST_F(DecoderTest, Bmp16BitDefault555)
{
    TBmpPicture picture;
    picture.width = 3;
    picture.height = 1;
    picture.bitCount = 16;
    picture.pixelData = PackBmpRows({0x7C00, 0x03E0, 0x001F | (16 << 10)}, 3, 1, 16);
    ASSERT_TRUE(Decode(MakeBmp(picture)));
    // Five-bit 16 scales to 132 (16 * 255 / 31, rounded).
    ExpectOpaque({0xFF0000, 0x00FF00, 0x8400FF}, 3, 1);
}

TEST_F(DecoderTest, Bmp16BitFields565)
{
    TBmpPicture picture;
    picture.width = 2;
    picture.height = 2;
    picture.bitCount = 16;
    picture.compression = 3;
    picture.masks[0] = 0xF800;
    picture.masks[1] = 0x07E0;
    picture.masks[2] = 0x001F;
    picture.pixelData = PackBmpRows({0xF800, 0x07E0, 0x001F, 0xFFFF}, 2, 2, 16);
    ASSERT_TRUE(Decode(MakeBmp(picture)));
    ExpectOpaque({0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, 2, 2);
}

TEST_F(DecoderTest, Bmp16BitFieldsInV4Header)
{
    TBmpPicture picture;
    picture.width = 2;
    picture.height = 1;
    picture.bitCount = 16;
    picture.compression = 3;
    picture.headerSize = 108;
    picture.masks[0] = 0x0F00;
    picture.masks[1] = 0x00F0;
    picture.masks[2] = 0x000F;
    picture.pixelData = PackBmpRows({0x0F00 | 0x0005, 0x0080}, 2, 1, 16);
    ASSERT_TRUE(Decode(MakeBmp(picture)));
    // Four-bit 5 scales to 85, 8 to 136.
    ExpectOpaque({0xFF0055, 0x008800}, 2, 1);
}

TEST_F(DecoderTest, Bmp32BitKeepsAlphaOfFourthByte)
{
    TBmpPicture picture;
    picture.width = 2;
    picture.height = 1;
    picture.bitCount = 32;
    picture.pixelData = PackBmpRows({0x80112233, 0x00445566}, 2, 1, 32);
    ASSERT_TRUE(Decode(MakeBmp(picture)));
    EXPECT_TRUE(iDecoder.HaveAlpha());
    EXPECT_EQ(0x80112233u, At(0, 0));
    EXPECT_EQ(0x00445566u, At(1, 0));
}

TEST_F(DecoderTest, Bmp32BitWithAllFourthBytesZeroIsOpaque)
{
    TBmpPicture picture;
    picture.width = 2;
    picture.height = 2;
    picture.bitCount = 32;
    picture.pixelData = PackBmpRows({0x112233, 0x445566, 0x778899, 0xAABBCC}, 2, 2, 32);
    ASSERT_TRUE(Decode(MakeBmp(picture)));
    EXPECT_FALSE(iDecoder.HaveAlpha());
    ExpectOpaque({0x112233, 0x445566, 0x778899, 0xAABBCC}, 2, 2);
}

TEST_F(DecoderTest, Bmp32BitFieldsUsingTheTopByteHaveNoAlpha)
{
    TBmpPicture picture;
    picture.width = 1;
    picture.height = 1;
    picture.bitCount = 32;
    picture.compression = 3;
    picture.masks[0] = 0xFF000000;
    picture.masks[1] = 0x00FF0000;
    picture.masks[2] = 0x0000FF00;
    picture.pixelData = PackBmpRows({0x12345600}, 1, 1, 32);
    ASSERT_TRUE(Decode(MakeBmp(picture)));
    EXPECT_FALSE(iDecoder.HaveAlpha());
    ExpectOpaque({0x123456}, 1, 1);
}

TEST_F(DecoderTest, BmpUnsupportedCompressionsAreRefused)
{
    TBmpPicture picture;
    picture.width = 1;
    picture.height = 1;
    picture.compression = 1;
    picture.pixelData = {0, 0, 0, 0};
    EXPECT_FALSE(Decode(MakeBmp(picture)));
    EXPECT_EQ("Not a PNG", Error()) << "the PNG decoder's error is kept";
    EXPECT_FALSE(iDecoder.DecodeBmp(MakeBmp(picture).data(), MakeBmp(picture).size()));
    EXPECT_EQ("unknown compression", Error());

    TBmpPicture indexed = IndexedBmp(1, 1, 8, {0});
    indexed.compression = 2;
    TBytes bytes = MakeBmp(indexed);
    EXPECT_FALSE(iDecoder.DecodeBmp(bytes.data(), bytes.size()));
    EXPECT_EQ("compression type not supported", Error());
}

TEST_F(DecoderTest, BmpDamagedHeadersAndData)
{
    TBmpPicture picture = IndexedBmp(8, 8, 8, Pattern(8, 8, 16));
    TBytes good = MakeBmp(picture);

    TBytes wrongMagic = good;
    wrongMagic[1] = 'X';
    EXPECT_FALSE(iDecoder.DecodeBmp(wrongMagic.data(), wrongMagic.size()));
    EXPECT_EQ("Not a BMP", Error());

    TBytes shortHeader(good.begin(), good.begin() + 30);
    EXPECT_FALSE(iDecoder.DecodeBmp(shortHeader.data(), shortHeader.size()));
    EXPECT_EQ("Error reading BMP info", Error());

    TBytes shortPixels(good.begin(), good.end() - 9);
    EXPECT_FALSE(iDecoder.DecodeBmp(shortPixels.data(), shortPixels.size()));
    EXPECT_EQ(nullptr, iDecoder.Pixels());

    picture.width = 0;
    TBytes noWidth = MakeBmp(picture);
    EXPECT_FALSE(iDecoder.DecodeBmp(noWidth.data(), noWidth.size()));
}

TEST_F(DecoderTest, OversizedPicturesAreRefusedBeforeAllocating)
{
    // 10000 x 10000 run-length pixels need 400 MB of 32-bit pixels.
    TBmpPicture picture;
    picture.width = 10000;
    picture.height = 10000;
    picture.bitCount = 8;
    picture.compression = 1;
    picture.palette = {0};
    picture.pixelData = {0, 1};
    TBytes bytes = MakeBmp(picture);
    EXPECT_FALSE(iDecoder.DecodeBmp(bytes.data(), bytes.size()));
    EXPECT_EQ("picture exceeds the memory limit", Error());

    // Limits are exact: 64 x 64 fits in 16384 bytes, 65 x 64 does not.
    CZuImageDecoder small(64 * 64 * 4);
    picture.width = 64;
    picture.height = 64;
    bytes = MakeBmp(picture);
    EXPECT_TRUE(small.DecodeBmp(bytes.data(), bytes.size()));
    picture.width = 65;
    bytes = MakeBmp(picture);
    EXPECT_FALSE(small.DecodeBmp(bytes.data(), bytes.size()));
}

// ---- GIF ----

namespace
{

TGifPicture SimpleGif(int width, int height, const std::vector<uint8_t>& indices,
                      const std::vector<uint32_t>& palette = KPalette16)
{
    TGifPicture picture;
    picture.screenWidth = width;
    picture.screenHeight = height;
    picture.globalPalette = palette;
    TGifFrame frame;
    frame.width = width;
    frame.height = height;
    frame.indices = indices;
    picture.frames.push_back(frame);
    return picture;
}

std::vector<uint8_t> Bytes(const std::vector<uint32_t>& values)
{
    return std::vector<uint8_t>(values.begin(), values.end());
}

std::vector<uint32_t> Widen(const std::vector<uint8_t>& values)
{
    return std::vector<uint32_t>(values.begin(), values.end());
}

} // namespace

TEST_F(DecoderTest, GifWithGlobalTable)
{
    std::vector<uint8_t> indices = Bytes(Pattern(9, 4, 16));
    ASSERT_TRUE(Decode(MakeGif(SimpleGif(9, 4, indices))));
    EXPECT_FALSE(iDecoder.HaveAlpha());
    ExpectOpaque(PaletteColours(Widen(indices), KPalette16), 9, 4);
}

TEST_F(DecoderTest, GifLocalTableOverridesGlobal)
{
    std::vector<uint8_t> indices = {0, 1, 1, 0};
    TGifPicture picture = SimpleGif(2, 2, indices);
    picture.frames[0].localPalette = {0xABCDEF, 0x102030};
    ASSERT_TRUE(Decode(MakeGif(picture)));
    ExpectOpaque({0xABCDEF, 0x102030, 0x102030, 0xABCDEF}, 2, 2);
}

TEST_F(DecoderTest, GifInterlacedRowsReturnToDisplayOrder)
{
    for (int height : {1, 2, 3, 5, 8, 11, 17})
    {
        std::vector<uint8_t> indices;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < 3; ++x)
                indices.push_back(static_cast<uint8_t>(y % 16));
        TGifPicture picture = SimpleGif(3, height, indices);
        picture.frames[0].interlaced = true;
        ASSERT_TRUE(Decode(MakeGif(picture))) << height;
        ExpectOpaque(PaletteColours(Widen(indices), KPalette16), 3, height);
    }
}

TEST_F(DecoderTest, GifExtensionsAreSkippedAndTransparencyIgnored)
{
    std::vector<uint8_t> indices = {0, 1, 2, 3};
    TGifPicture picture = SimpleGif(4, 1, indices);
    picture.comment = true;
    picture.graphicControl = true;
    ASSERT_TRUE(Decode(MakeGif(picture)));
    EXPECT_FALSE(iDecoder.HaveAlpha());
    ExpectOpaque(PaletteColours(Widen(indices), KPalette16), 4, 1);
}

TEST_F(DecoderTest, GifLargeImageFillsTheCodeTable)
{
    std::vector<uint32_t> palette;
    for (uint32_t i = 0; i < 256; ++i)
        palette.push_back(i * 0x010101);
    std::vector<uint8_t> indices;
    uint32_t state = 12345;
    for (int i = 0; i < 120 * 90; ++i)
    {
        state = state * 1103515245u + 12345u;
        indices.push_back(static_cast<uint8_t>((state >> 16) % 7 == 0 ? state >> 8 : i / 37));
    }
    for (bool deferred : {false, true})
    {
        TGifPicture picture = SimpleGif(120, 90, indices, palette);
        picture.frames[0].deferredClear = deferred;
        picture.frames[0].subBlockSize = deferred ? 7 : 255;
        ASSERT_TRUE(Decode(MakeGif(picture))) << deferred;
        ExpectOpaque(PaletteColours(Widen(indices), palette), 120, 90);
    }
}

TEST_F(DecoderTest, GifSmallCodeSizes)
{
    std::vector<uint8_t> indices = Bytes(Pattern(16, 16, 2));
    for (int minCodeSize : {2, 3, 8})
    {
        TGifPicture picture = SimpleGif(16, 16, indices, {0x000000, 0xFFFFFF});
        picture.frames[0].minCodeSize = minCodeSize;
        ASSERT_TRUE(Decode(MakeGif(picture))) << minCodeSize;
        ExpectOpaque(PaletteColours(Widen(indices), {0x000000, 0xFFFFFF}), 16, 16);
    }
}

TEST_F(DecoderTest, GifOnlyTheFirstImageIsDecoded)
{
    TGifPicture picture = SimpleGif(2, 1, {1, 2});
    TGifFrame second;
    second.width = 3;
    second.height = 3;
    second.indices.assign(9, 5);
    picture.frames.push_back(second);
    ASSERT_TRUE(Decode(MakeGif(picture)));
    ExpectOpaque({KPalette16[1], KPalette16[2]}, 2, 1);
}

TEST_F(DecoderTest, GifWithoutColourTableShowsGrey)
{
    TGifPicture picture = SimpleGif(4, 1, {0, 1, 2, 3}, {});
    picture.frames[0].minCodeSize = 2;
    ASSERT_TRUE(Decode(MakeGif(picture)));
    ExpectOpaque({0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF}, 4, 1);
}

TEST_F(DecoderTest, GifCutShortKeepsWhatWasDecoded)
{
    std::vector<uint8_t> indices(64, 3);
    indices[0] = 1;
    TBytes bytes = MakeGif(SimpleGif(8, 8, indices));
    // Keep the header, the table and the first bytes of the image data only.
    size_t imageData = 13 + 16 * 3 + 10 + 1;
    TBytes cut(bytes.begin(), bytes.begin() + imageData + 3);
    ASSERT_TRUE(Decode(cut));
    EXPECT_EQ(0xFF000000u | KPalette16[1], At(0, 0));
    EXPECT_EQ(0xFF000000u | KPalette16[0], At(7, 7)) << "pixels never reached show colour 0";
}

TEST_F(DecoderTest, GifInvalidCodeStopsDecoding)
{
    // Code size 2: clear (4), literal 1, then code 7 while the next free code is 6.
    TBytes bytes = {'G',  'I',  'F', '8', '9', 'a', 2, 0, 1, 0, 0x80, 0, 0, 0,    0,    0, 0xFF, 0xFF,
                    0xFF, 0x2C, 0,   0,   0,   0,   2, 0, 1, 0, 0,    2, 2, 0xCC, 0x01, 0, 0x3B};
    ASSERT_TRUE(Decode(bytes));
    ExpectOpaque({0xFFFFFF, 0x000000}, 2, 1);
}

TEST_F(DecoderTest, GifDamagedHeaders)
{
    TBytes good = MakeGif(SimpleGif(2, 2, {0, 1, 2, 3}));

    TBytes notGif = good;
    notGif[0] = 'J';
    EXPECT_FALSE(iDecoder.DecodeGif(notGif.data(), notGif.size()));
    EXPECT_EQ("Not a GIF", Error());

    TBytes trailerOnly(good.begin(), good.begin() + 13 + 48);
    trailerOnly.push_back(0x3B);
    EXPECT_FALSE(iDecoder.DecodeGif(trailerOnly.data(), trailerOnly.size()));
    EXPECT_EQ("no image in GIF", Error());

    for (uint8_t size : {0, 1, 9})
    {
        TBytes badCodeSize = good;
        badCodeSize[13 + 48 + 10] = size;
        EXPECT_FALSE(iDecoder.DecodeGif(badCodeSize.data(), badCodeSize.size()));
        EXPECT_EQ("bad LZW code size", Error());
    }

    TBytes noWidth = good;
    noWidth[13 + 48 + 5] = 0;
    EXPECT_FALSE(iDecoder.DecodeGif(noWidth.data(), noWidth.size()));

    TBytes shortTable(good.begin(), good.begin() + 20);
    EXPECT_FALSE(iDecoder.DecodeGif(shortTable.data(), shortTable.size()));
}

// ---- PNG ----

namespace
{

TPngPicture Png(int width, int height, int colorType, int bitDepth, const std::vector<uint8_t>& samples)
{
    TPngPicture picture;
    picture.width = width;
    picture.height = height;
    picture.colorType = colorType;
    picture.bitDepth = bitDepth;
    picture.samples = samples;
    return picture;
}

} // namespace

TEST_F(DecoderTest, PngGreyDepthsScaleToFullRange)
{
    ASSERT_TRUE(Decode(MakePng(Png(4, 1, PNG_COLOR_TYPE_GRAY, 2, {0, 1, 2, 3}))));
    ExpectOpaque({0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF}, 4, 1);
    ASSERT_TRUE(Decode(MakePng(Png(2, 1, PNG_COLOR_TYPE_GRAY, 1, {1, 0}))));
    ExpectOpaque({0xFFFFFF, 0x000000}, 2, 1);
    ASSERT_TRUE(Decode(MakePng(Png(2, 1, PNG_COLOR_TYPE_GRAY, 4, {15, 8}))));
    ExpectOpaque({0xFFFFFF, 0x888888}, 2, 1);
    ASSERT_TRUE(Decode(MakePng(Png(2, 1, PNG_COLOR_TYPE_GRAY, 16, {0x12, 0x34, 0xAB, 0xCD}))));
    ExpectOpaque({0x121212, 0xABABAB}, 2, 1);
}

TEST_F(DecoderTest, PngGreyAlphaHasAlpha)
{
    ASSERT_TRUE(Decode(MakePng(Png(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {0x40, 0x80, 0xFF, 0x00}))));
    EXPECT_TRUE(iDecoder.HaveAlpha());
    EXPECT_EQ(0x80404040u, At(0, 0));
    EXPECT_EQ(0x00FFFFFFu, At(1, 0));
}

TEST_F(DecoderTest, Png16BitRgbaIsReducedTo8Bits)
{
    ASSERT_TRUE(
        Decode(MakePng(Png(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16, {0x11, 0, 0x22, 0, 0x33, 0, 0x44, 0}))));
    EXPECT_TRUE(iDecoder.HaveAlpha());
    EXPECT_EQ(0x44112233u, At(0, 0));
}

TEST_F(DecoderTest, PngPaletteWithTransparencyLoadsOpaque)
{
    for (int depth : {1, 2, 4, 8})
    {
        TPngPicture picture = Png(3, 1, PNG_COLOR_TYPE_PALETTE, depth, {0, 1, 1});
        picture.palette = {0x102030, 0x405060};
        picture.paletteAlpha = {0, 128};
        ASSERT_TRUE(Decode(MakePng(picture))) << depth;
        EXPECT_FALSE(iDecoder.HaveAlpha());
        ExpectOpaque({0x102030, 0x405060, 0x405060}, 3, 1);
    }
}

TEST_F(DecoderTest, PngGreyColourKeyLoadsOpaque)
{
    TPngPicture picture = Png(2, 1, PNG_COLOR_TYPE_GRAY, 8, {0, 200});
    picture.greyKey = true;
    ASSERT_TRUE(Decode(MakePng(picture)));
    EXPECT_FALSE(iDecoder.HaveAlpha());
    ExpectOpaque({0x000000, 0xC8C8C8}, 2, 1);
}

TEST_F(DecoderTest, PngInterlaced)
{
    std::vector<uint8_t> samples;
    std::vector<uint32_t> expected;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 10; ++x)
        {
            samples.insert(samples.end(), {static_cast<uint8_t>(x * 20), static_cast<uint8_t>(y * 25), 7});
            expected.push_back(static_cast<uint32_t>((x * 20) << 16 | (y * 25) << 8 | 7));
        }
    TPngPicture picture = Png(10, 9, PNG_COLOR_TYPE_RGB, 8, samples);
    picture.interlaced = true;
    ASSERT_TRUE(Decode(MakePng(picture)));
    ExpectOpaque(expected, 10, 9);
}

TEST_F(DecoderTest, PngDamaged)
{
    TBytes good = MakePng(Png(16, 16, PNG_COLOR_TYPE_RGB, 8, std::vector<uint8_t>(16 * 16 * 3, 90)));
    ASSERT_TRUE(Decode(good));

    TBytes cut(good.begin(), good.begin() + good.size() / 2);
    EXPECT_FALSE(iDecoder.DecodePng(cut.data(), cut.size()));
    EXPECT_EQ(nullptr, iDecoder.Pixels());

    TBytes corrupt = good;
    corrupt[corrupt.size() / 2] ^= 0x55;
    EXPECT_FALSE(iDecoder.DecodePng(corrupt.data(), corrupt.size()));

    // A header announcing 30000 x 30000 pixels is refused before any row is read.
    TBytes huge = good;
    huge[16] = huge[20] = 0;
    huge[17] = huge[21] = 0;
    huge[18] = huge[22] = 0x75;
    huge[19] = huge[23] = 0x30;
    EXPECT_FALSE(iDecoder.DecodePng(huge.data(), huge.size()));
    EXPECT_EQ(nullptr, iDecoder.Pixels());

    TBytes notPng = good;
    notPng[1] = 'Q';
    EXPECT_FALSE(iDecoder.DecodePng(notPng.data(), notPng.size()));
    EXPECT_EQ("Not a PNG", Error());
}

// Every prefix of a file of each format decodes or fails cleanly (the sanitizers watch the reads).
TEST_F(DecoderTest, EveryTruncationIsHandled)
{
    std::vector<TBytes> files;
    files.push_back(MakePng(Png(5, 5, PNG_COLOR_TYPE_RGB_ALPHA, 8, std::vector<uint8_t>(100, 77))));
    files.push_back(MakeBmp(IndexedBmp(5, 5, 4, Pattern(5, 5, 16))));
    TBmpPicture rle;
    rle.width = 6;
    rle.height = 3;
    rle.bitCount = 8;
    rle.compression = 1;
    rle.palette = KPalette16;
    rle.pixelData = {2, 9, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 2, 0, 9, 12, 0, 0, 4, 10, 0, 1};
    files.push_back(MakeBmp(rle));
    TGifPicture gif = SimpleGif(9, 7, Bytes(Pattern(9, 7, 16)));
    gif.comment = true;
    gif.frames[0].interlaced = true;
    files.push_back(MakeGif(gif));
    for (const TBytes& file : files)
    {
        ASSERT_TRUE(Decode(file));
        for (size_t n = 0; n < file.size(); ++n)
        {
            TBytes prefix(file.begin(), file.begin() + n);
            if (Decode(prefix))
            {
                EXPECT_GT(iDecoder.Width(), 0);
                EXPECT_NE(nullptr, iDecoder.Pixels());
            }
            else
            {
                EXPECT_EQ(nullptr, iDecoder.Pixels());
            }
        }
    }
}
