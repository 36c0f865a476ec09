#ifndef ZUTESTIMAGES_H
#define ZUTESTIMAGES_H

// Builders of small PNG, BMP and GIF files for the image tests, written from C++ so that every variant
// the decoders accept can be made with known pixels.
#include <cstdint>
#include <string>
#include <vector>

typedef std::vector<uint8_t> TBytes;

// PNG through libpng. samples: height rows of width pixels, each pixel the channels of colorType at
// bitDepth (16-bit samples as two bytes, big-endian; sub-byte depths one sample per byte).
struct TPngPicture
{
    int width = 0;
    int height = 0;
    int colorType = 0;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<uint32_t> palette;     // 0xRRGGBB
    std::vector<uint8_t> paletteAlpha; // tRNS for palette pictures
    bool greyKey = false;              // tRNS colour key for grey pictures (value 0)
    std::vector<uint8_t> samples;
};
TBytes MakePng(const TPngPicture& picture);

// BMP from already encoded pixel data (rows as the file holds them).
struct TBmpPicture
{
    int width = 0;
    int height = 0; // negative: rows top-down
    int bitCount = 24;
    int compression = 0;           // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
    int headerSize = 40;           // 12 (core), 40, 108 or 124
    std::vector<uint32_t> palette; // 0xRRGGBB
    uint32_t masks[3] = {0, 0, 0}; // red, green, blue for bit fields
    int colorsUsed = 0;
    TBytes pixelData;
};
TBytes MakeBmp(const TBmpPicture& picture);

// Packs rows of samples (one per pixel, given top row first) into bottom-up rows of bitCount bits,
// each padded to 4 bytes. For 16 and 32 bits a sample is the whole pixel value, little-endian;
// for 24 bits it is 0xRRGGBB.
TBytes PackBmpRows(const std::vector<uint32_t>& pixels, int width, int height, int bitCount,
                   bool topDown = false);

// GIF with one image (or more, see frames) and an LZW encoder.
struct TGifFrame
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false;
    std::vector<uint32_t> localPalette; // 0xRRGGBB, empty: none
    std::vector<uint8_t> indices;       // rows top to bottom, in display order
    int minCodeSize = 0;                // 0: from the palette size
    bool deferredClear = false;         // keep coding at 12 bits when the table is full instead of clearing
    int subBlockSize = 255;
};
struct TGifPicture
{
    int screenWidth = 0;
    int screenHeight = 0;
    std::vector<uint32_t> globalPalette;
    bool graphicControl = false; // a graphic control extension with transparent index 0
    bool comment = false;        // a comment extension before the image
    std::vector<TGifFrame> frames;
};
TBytes MakeGif(const TGifPicture& picture);
// The LZW code stream of indices (without the sub-block framing).
TBytes GifLzw(const std::vector<uint8_t>& indices, int minCodeSize, bool deferredClear);

#endif // ZUTESTIMAGES_H
