// PNG decoding through libpng, reading from memory. libpng reports errors by longjmp, so everything that
// must be freed afterwards lives in TZuPngReader, outside the frame that calls setjmp.
#include "ZuImageDecoder.h"

#include <png.h>

#include <cstring>
#include <new>

struct TZuPngReader
{
    CZuImageDecoder* iDecoder;
    const unsigned char* iData;
    size_t iLength;
    size_t iPos;
    png_bytep* iRows;
    char iError[256];

    bool Read(png_structp png, png_infop info);
    bool Prepare(png_structp png, png_infop info, int& colorType);
    void ExpandPalette(png_structp png, png_infop info);
};

namespace
{

void ReadFromMemory(png_structp png, png_bytep out, size_t count)
{
    TZuPngReader* reader = static_cast<TZuPngReader*>(png_get_io_ptr(png));
    if (count > reader->iLength - reader->iPos)
        png_error(png, "Read Error");
    std::memcpy(out, reader->iData + reader->iPos, count);
    reader->iPos += count;
}

void OnError(png_structp png, png_const_charp message)
{
    TZuPngReader* reader = static_cast<TZuPngReader*>(png_get_error_ptr(png));
    std::strncpy(reader->iError, message, sizeof reader->iError - 1);
    reader->iError[sizeof reader->iError - 1] = '\0';
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp)
{
    // Ancillary-chunk complaints do not stop a picture from being shown.
}

} // namespace

bool TZuPngReader::Read(png_structp png, png_infop info)
{
    if (setjmp(png_jmpbuf(png)))
        return false;

    png_set_read_fn(png, this, ReadFromMemory);
    png_set_option(png, PNG_SKIP_sRGB_CHECK_PROFILE, PNG_OPTION_ON);
    png_read_info(png, info);

    int colorType = 0;
    if (!Prepare(png, info, colorType))
        return false;

    png_uint_32 width = png_get_image_width(png, info);
    png_uint_32 height = png_get_image_height(png, info);
    if (!iDecoder->CreatePixels(width, height))
        return false;

    iRows = new (std::nothrow) png_bytep[height];
    if (!iRows)
    {
        iDecoder->Fail("can't allocate memory");
        return false;
    }
    unsigned char* pixels = iDecoder->iPixels;
    for (png_uint_32 y = 0; y < height; ++y)
        iRows[y] = pixels + static_cast<size_t>(y) * width * 4;

    png_read_image(png, iRows);
    png_read_end(png, nullptr);

    if (colorType == PNG_COLOR_TYPE_PALETTE)
        ExpandPalette(png, info);
    iDecoder->iHaveAlpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0;
    return true;
}

// Sets the transformations that make libpng write BGRA rows straight into the pixel buffer. Palette
// pictures are read as one index byte per pixel and looked up afterwards, so that tRNS is left out:
// palette and colour-key transparency do not become alpha.
bool TZuPngReader::Prepare(png_structp png, png_infop info, int& colorType)
{
    colorType = png_get_color_type(png, info);
    int bitDepth = png_get_bit_depth(png, info);
    switch (colorType)
    {
    case PNG_COLOR_TYPE_GRAY:
    case PNG_COLOR_TYPE_PALETTE:
    case PNG_COLOR_TYPE_RGB:
    case PNG_COLOR_TYPE_GRAY_ALPHA:
    case PNG_COLOR_TYPE_RGB_ALPHA:
        break;
    default:
        iDecoder->Fail("unknown PNG color type");
        return false;
    }

    if (bitDepth == 16)
        png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_PALETTE)
    {
        png_set_packing(png);
    }
    else
    {
        if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
            png_set_expand_gray_1_2_4_to_8(png);
        if (!(colorType & PNG_COLOR_MASK_COLOR))
            png_set_gray_to_rgb(png);
        if (!(colorType & PNG_COLOR_MASK_ALPHA))
            png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
        png_set_bgr(png);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    size_t expected =
        static_cast<size_t>(png_get_image_width(png, info)) * (colorType == PNG_COLOR_TYPE_PALETTE ? 1 : 4);
    if (png_get_rowbytes(png, info) != expected)
    {
        iDecoder->Fail("unsupported PNG pixel layout");
        return false;
    }
    return true;
}

// Each row holds width index bytes at its start; widening from the right end keeps them unread until used.
void TZuPngReader::ExpandPalette(png_structp png, png_infop info)
{
    unsigned char table[256][4] = {};
    png_colorp palette = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &palette, &count) == 0)
        count = 0;
    for (int i = 0; i < count && i < 256; ++i)
    {
        table[i][0] = palette[i].blue;
        table[i][1] = palette[i].green;
        table[i][2] = palette[i].red;
    }
    for (int i = 0; i < 256; ++i)
        table[i][3] = 0xFF;

    int width = iDecoder->iWidth;
    for (int y = 0; y < iDecoder->iHeight; ++y)
    {
        unsigned char* row = iRows[y];
        for (int x = width - 1; x >= 0; --x)
            std::memcpy(row + x * 4, table[row[x]], 4);
    }
}

bool CZuImageDecoder::DecodePng(const unsigned char* data, size_t length)
{
    Reset();
    if (!data || length < 8 || png_sig_cmp(data, 0, 8) != 0)
        return Fail("Not a PNG");

    TZuPngReader reader = {this, data, length, 0, nullptr, ""};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &reader, OnError, OnWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info)
    {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return Fail("can't allocate memory");
    }

    bool ok = reader.Read(png, info);
    png_destroy_read_struct(&png, &info, nullptr);
    delete[] reader.iRows;
    if (!ok)
    {
        if (reader.iError[0])
            return Fail(reader.iError);
        Reset();
        return false;
    }
    return true;
}
