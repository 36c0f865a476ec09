#include "TestImages.h"

#include "TestBytes.h"

#include <png.h>

#include <map>
#include <utility>

namespace
{

void WriteToVector(png_structp png, png_bytep data, size_t length)
{
    TBytes* out = static_cast<TBytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void FlushNothing(png_structp) {}

int SamplesPerPixel(int colorType)
{
    switch (colorType)
    {
    case PNG_COLOR_TYPE_RGB:
        return 3;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return 4;
    default:
        return 1;
    }
}

} // namespace

TBytes MakePng(const TPngPicture& picture)
{
    TBytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, &info);
        return TBytes();
    }
    png_set_write_fn(png, &out, WriteToVector, FlushNothing);
    png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colorType,
                 picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (uint32_t c : picture.palette)
        palette.push_back(png_color{static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8),
                                    static_cast<png_byte>(c)});
    if (!palette.empty())
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    png_color_16 key = {};
    if (!picture.paletteAlpha.empty())
        png_set_tRNS(png, info, picture.paletteAlpha.data(), static_cast<int>(picture.paletteAlpha.size()),
                     nullptr);
    else if (picture.greyKey)
        png_set_tRNS(png, info, nullptr, 0, &key);
    png_write_info(png, info);
    if (picture.bitDepth < 8)
        png_set_packing(png);

    int bytesPerSample = picture.bitDepth == 16 ? 2 : 1;
    size_t rowBytes =
        static_cast<size_t>(picture.width) * SamplesPerPixel(picture.colorType) * bytesPerSample;
    std::vector<png_bytep> rows;
    TBytes samples = picture.samples;
    samples.resize(rowBytes * picture.height);
    for (int y = 0; y < picture.height; ++y)
        rows.push_back(samples.data() + y * rowBytes);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

TBytes MakeBmp(const TBmpPicture& picture)
{
    TBytes header;
    if (picture.headerSize == 12)
    {
        AppendLittleEndian32(header, 12);
        AppendLittleEndian16(header, picture.width);
        AppendLittleEndian16(header, picture.height);
        AppendLittleEndian16(header, 1);
        AppendLittleEndian16(header, picture.bitCount);
    }
    else
    {
        AppendLittleEndian32(header, picture.headerSize);
        AppendLittleEndian32(header, picture.width);
        AppendLittleEndian32(header, static_cast<uint32_t>(picture.height));
        AppendLittleEndian16(header, 1);
        AppendLittleEndian16(header, picture.bitCount);
        AppendLittleEndian32(header, picture.compression);
        AppendLittleEndian32(header, static_cast<uint32_t>(picture.pixelData.size()));
        AppendLittleEndian32(header, 2835);
        AppendLittleEndian32(header, 2835);
        AppendLittleEndian32(header, picture.colorsUsed);
        AppendLittleEndian32(header, 0);
        if (picture.headerSize > 40)
        {
            for (uint32_t mask : picture.masks)
                AppendLittleEndian32(header, mask);
            AppendLittleEndian32(header, 0); // alpha mask
            header.resize(picture.headerSize, 0);
        }
        else if (picture.compression == 3)
        {
            for (uint32_t mask : picture.masks)
                AppendLittleEndian32(header, mask);
        }
    }
    for (uint32_t c : picture.palette)
    {
        header.push_back(static_cast<uint8_t>(c));
        header.push_back(static_cast<uint8_t>(c >> 8));
        header.push_back(static_cast<uint8_t>(c >> 16));
        if (picture.headerSize != 12)
            header.push_back(0);
    }
    TBytes out = {'B', 'M'};
    uint32_t offset = 14 + static_cast<uint32_t>(header.size());
    AppendLittleEndian32(out, offset + static_cast<uint32_t>(picture.pixelData.size()));
    AppendLittleEndian32(out, 0);
    AppendLittleEndian32(out, offset);
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), picture.pixelData.begin(), picture.pixelData.end());
    return out;
}

TBytes PackBmpRows(const std::vector<uint32_t>& pixels, int width, int height, int bitCount, bool topDown)
{
    size_t stride = ((static_cast<size_t>(width) * bitCount + 31) / 32) * 4;
    TBytes out(stride * height, 0);
    for (int y = 0; y < height; ++y)
    {
        uint8_t* row = out.data() + (topDown ? y : height - 1 - y) * stride;
        for (int x = 0; x < width; ++x)
        {
            uint32_t v = pixels[static_cast<size_t>(y) * width + x];
            switch (bitCount)
            {
            case 1:
                row[x / 8] |= static_cast<uint8_t>((v & 1) << (7 - x % 8));
                break;
            case 4:
                row[x / 2] |= static_cast<uint8_t>((v & 15) << (x % 2 ? 0 : 4));
                break;
            case 8:
                row[x] = static_cast<uint8_t>(v);
                break;
            case 16:
                row[x * 2] = static_cast<uint8_t>(v);
                row[x * 2 + 1] = static_cast<uint8_t>(v >> 8);
                break;
            case 24:
                row[x * 3] = static_cast<uint8_t>(v);
                row[x * 3 + 1] = static_cast<uint8_t>(v >> 8);
                row[x * 3 + 2] = static_cast<uint8_t>(v >> 16);
                break;
            case 32:
                for (int i = 0; i < 4; ++i)
                    row[x * 4 + i] = static_cast<uint8_t>(v >> (8 * i));
                break;
            }
        }
    }
    return out;
}

TBytes GifLzw(const std::vector<uint8_t>& indices, int minCodeSize, bool deferredClear)
{
    TBytes out;
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    int codeSize = minCodeSize + 1;
    int next = clear + 2;
    uint32_t bits = 0;
    int bitCount = 0;
    auto emit = [&](int code)
    {
        bits |= static_cast<uint32_t>(code) << bitCount;
        bitCount += codeSize;
        while (bitCount >= 8)
        {
            out.push_back(static_cast<uint8_t>(bits));
            bits >>= 8;
            bitCount -= 8;
        }
    };
    std::map<std::pair<int, int>, int> table;
    emit(clear);
    int prefix = -1;
    for (uint8_t index : indices)
    {
        if (prefix < 0)
        {
            prefix = index;
            continue;
        }
        auto found = table.find({prefix, index});
        if (found != table.end())
        {
            prefix = found->second;
            continue;
        }
        emit(prefix);
        if (next < 4096)
        {
            table[{prefix, index}] = next++;
            // The decoder widens its codes one code later than the encoder adds the entry.
            if (next - 1 == (1 << codeSize) && codeSize < 12)
                ++codeSize;
        }
        else if (!deferredClear)
        {
            emit(clear);
            table.clear();
            next = clear + 2;
            codeSize = minCodeSize + 1;
        }
        prefix = index;
    }
    if (prefix >= 0)
        emit(prefix);
    emit(end);
    if (bitCount > 0)
        out.push_back(static_cast<uint8_t>(bits));
    return out;
}

namespace
{

int TableBits(size_t entries)
{
    int bits = 1;
    while ((static_cast<size_t>(1) << bits) < entries && bits < 8)
        ++bits;
    return bits;
}

void PutTable(TBytes& out, const std::vector<uint32_t>& palette)
{
    size_t entries = static_cast<size_t>(1) << TableBits(palette.size());
    for (size_t i = 0; i < entries; ++i)
    {
        uint32_t c = i < palette.size() ? palette[i] : 0;
        out.push_back(static_cast<uint8_t>(c >> 16));
        out.push_back(static_cast<uint8_t>(c >> 8));
        out.push_back(static_cast<uint8_t>(c));
    }
}

std::vector<uint8_t> InterlaceOrder(const std::vector<uint8_t>& indices, int width, int height)
{
    std::vector<uint8_t> out;
    static const int starts[4] = {0, 4, 2, 1};
    static const int steps[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass])
            out.insert(out.end(), indices.begin() + static_cast<size_t>(y) * width,
                       indices.begin() + static_cast<size_t>(y + 1) * width);
    return out;
}

} // namespace

TBytes MakeGif(const TGifPicture& picture)
{
    TBytes out = {'G', 'I', 'F', '8', '9', 'a'};
    AppendLittleEndian16(out, picture.screenWidth);
    AppendLittleEndian16(out, picture.screenHeight);
    if (picture.globalPalette.empty())
    {
        out.push_back(0);
    }
    else
    {
        out.push_back(static_cast<uint8_t>(0x80 | 0x70 | (TableBits(picture.globalPalette.size()) - 1)));
    }
    out.push_back(0); // background index
    out.push_back(0); // aspect
    if (!picture.globalPalette.empty())
        PutTable(out, picture.globalPalette);
    if (picture.comment)
    {
        const char text[] = "made for the image tests";
        out.insert(out.end(), {0x21, 0xFE, static_cast<uint8_t>(sizeof text - 1)});
        out.insert(out.end(), text, text + sizeof text - 1);
        out.push_back(0);
    }
    if (picture.graphicControl)
        out.insert(out.end(), {0x21, 0xF9, 4, 0x01, 0, 0, 0, 0});

    for (const TGifFrame& frame : picture.frames)
    {
        out.push_back(0x2C);
        AppendLittleEndian16(out, frame.left);
        AppendLittleEndian16(out, frame.top);
        AppendLittleEndian16(out, frame.width);
        AppendLittleEndian16(out, frame.height);
        uint8_t flags = frame.interlaced ? 0x40 : 0;
        if (!frame.localPalette.empty())
            flags |= static_cast<uint8_t>(0x80 | (TableBits(frame.localPalette.size()) - 1));
        out.push_back(flags);
        if (!frame.localPalette.empty())
            PutTable(out, frame.localPalette);
        const std::vector<uint32_t>& palette =
            frame.localPalette.empty() ? picture.globalPalette : frame.localPalette;
        int minCodeSize = frame.minCodeSize ? frame.minCodeSize : std::max(2, TableBits(palette.size()));
        out.push_back(static_cast<uint8_t>(minCodeSize));
        std::vector<uint8_t> order =
            frame.interlaced ? InterlaceOrder(frame.indices, frame.width, frame.height) : frame.indices;
        TBytes code = GifLzw(order, minCodeSize, frame.deferredClear);
        for (size_t pos = 0; pos < code.size(); pos += frame.subBlockSize)
        {
            size_t n = std::min(code.size() - pos, static_cast<size_t>(frame.subBlockSize));
            out.push_back(static_cast<uint8_t>(n));
            out.insert(out.end(), code.begin() + pos, code.begin() + pos + n);
        }
        out.push_back(0);
    }
    out.push_back(0x3B);
    return out;
}
