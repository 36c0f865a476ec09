#include "ZuImage.h"

#include "ZuImageDecoder.h"
#include "ZuRect.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

namespace
{

// A file may hold a little more than its pixels (headers, palette, compression that did not pay).
const long long KMaxFileBytes = CZuImage::KMaxBufferBytes + 1024 * 1024;

bool FitsLimit(long long width, long long height)
{
    return width > 0 && height > 0 && width <= CZuImage::KMaxBufferBytes / 4 &&
           height <= CZuImage::KMaxBufferBytes / 4 / width;
}

unsigned char* AllocatePixels(int width, int height)
{
    if (!FitsLimit(width, height))
        return nullptr;
    size_t bytes = static_cast<size_t>(width) * height * 4;
    unsigned char* pixels = new (std::nothrow) unsigned char[bytes];
    if (pixels)
        std::memset(pixels, 0, bytes);
    return pixels;
}

// The whole file, or nothing when it cannot be read or is larger than any picture we accept.
unsigned char* ReadWholeFile(const char* path, long long& length)
{
    length = 0;
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return nullptr;
    unsigned char* bytes = nullptr;
    if (std::fseek(file, 0, SEEK_END) == 0)
    {
        long size = std::ftell(file);
        if (size > 0 && size <= KMaxFileBytes && std::fseek(file, 0, SEEK_SET) == 0)
        {
            bytes = new (std::nothrow) unsigned char[size];
            if (bytes && std::fread(bytes, 1, size, file) == static_cast<size_t>(size))
            {
                length = size;
            }
            else
            {
                delete[] bytes;
                bytes = nullptr;
            }
        }
    }
    std::fclose(file);
    return bytes;
}

// Bilinear scaling with integer weights: output column x samples source column x*(srcW-1)/(W-1) and the
// one to its right in the ratio of the remainder over W-1 (likewise for rows), rounded to nearest.
void Scale(const unsigned char* src, int srcW, int srcH, unsigned char* dst, int dstW, int dstH)
{
    const int64_t cx = dstW > 1 ? dstW - 1 : 1;
    const int64_t cy = dstH > 1 ? dstH - 1 : 1;
    const int64_t area = cx * cy;
    const int64_t half = area / 2;
    const size_t srcStride = static_cast<size_t>(srcW) * 4;

    for (int y = 0; y < dstH; ++y)
    {
        const int64_t ny = dstH > 1 ? static_cast<int64_t>(y) * (srcH - 1) : 0;
        const int64_t sy = ny / cy;
        const int64_t ey = ny % cy;
        const unsigned char* top = src + sy * srcStride;
        const unsigned char* below = ey ? top + srcStride : top;
        unsigned char* out = dst + static_cast<size_t>(y) * dstW * 4;
        for (int x = 0; x < dstW; ++x, out += 4)
        {
            const int64_t nx = dstW > 1 ? static_cast<int64_t>(x) * (srcW - 1) : 0;
            const int64_t sx = nx / cx;
            const int64_t ex = nx % cx;
            const unsigned char* tl = top + sx * 4;
            const unsigned char* bl = below + sx * 4;
            if (ex == 0 && ey == 0)
            {
                std::memcpy(out, tl, 4);
                continue;
            }
            const unsigned char* tr = ex ? tl + 4 : tl;
            const unsigned char* br = ex ? bl + 4 : bl;
            const int64_t wTl = (cx - ex) * (cy - ey);
            const int64_t wTr = ex * (cy - ey);
            const int64_t wBl = (cx - ex) * ey;
            const int64_t wBr = ex * ey;
            for (int c = 0; c < 4; ++c)
                out[c] = static_cast<unsigned char>(
                    (tl[c] * wTl + tr[c] * wTr + bl[c] * wBl + br[c] * wBr + half) / area);
        }
    }
}

// Copies src out of the picture; pixels outside it stay transparent black.
unsigned char* CopyRegion(const unsigned char* pixels, const CZuSize& size, const CZuRect& src)
{
    const int w = src.Width();
    const int h = src.Height();
    unsigned char* region = AllocatePixels(w, h);
    if (!region || !pixels)
        return region;
    for (int y = 0; y < h; ++y)
    {
        const long long sy = static_cast<long long>(src.iTl.iY) + y;
        if (sy < 0 || sy >= size.iHeight)
            continue;
        long long x0 = src.iTl.iX;
        long long x1 = x0 + w;
        const long long from = x0 < 0 ? 0 : x0;
        const long long to = x1 > size.iWidth ? size.iWidth : x1;
        if (from >= to)
            continue;
        std::memcpy(region + (static_cast<size_t>(y) * w + (from - x0)) * 4,
                    pixels + (static_cast<size_t>(sy) * size.iWidth + from) * 4,
                    static_cast<size_t>(to - from) * 4);
    }
    return region;
}

} // namespace

IZuImage::IZuImage() : iCellWidth(0), iCellHeight(0), iCountA(0), iCountB(0) {}

IZuImage::~IZuImage() {}

void IZuImage::SetMultiImageInfo(int cellWidth, int cellHeight, int countA, int countB)
{
    iCellWidth = cellWidth;
    iCellHeight = cellHeight;
    iCountA = static_cast<unsigned short>(countA);
    iCountB = static_cast<unsigned short>(countB);
}

CZuImage* IZuImage::GetSubImageByPos(int row, int column, const CZuSize& size)
{
    CZuRect cell(column * iCellWidth, row * iCellHeight, (column + 1) * iCellWidth, (row + 1) * iCellHeight);
    CZuSize target = size.iWidth > 0 && size.iHeight > 0 ? size : CZuSize(iCellWidth, iCellHeight);
    return GetSubImage(cell, target);
}

void IZuImage::SetName(const CZuString& name)
{
    iName = name;
}

CZuImage::CZuImage()
    : iRefCount(1), iColorType(EColorNone), iHaveAlpha(false), iHaveMask(false), iMaskColor(0),
      iPixels(nullptr)
{
}

CZuImage::~CZuImage()
{
    delete[] iPixels;
}

int CZuImage::Load(const char* data, int length)
{
    Decode(reinterpret_cast<const unsigned char*>(data), data && length > 0 ? length : 0);
    return 1;
}

int CZuImage::Load(const CZuString& path)
{
    long long length = 0;
    unsigned char* bytes = path.PtrZ() ? ReadWholeFile(path.PtrZ(), length) : nullptr;
    Decode(bytes, length);
    delete[] bytes;
    return 1;
}

void CZuImage::Decode(const unsigned char* data, long long length)
{
    delete[] iPixels;
    iPixels = nullptr;
    iSize = CZuSize();
    iHaveAlpha = false;
    iColorType = EColorBgra32;
    if (!data || length <= 0)
        return;

    CZuImageDecoder decoder(KMaxBufferBytes);
    if (!decoder.Decode(data, static_cast<size_t>(length)))
        return;
    int width = decoder.Width();
    int height = decoder.Height();
    iHaveAlpha = decoder.HaveAlpha();
    Adopt(decoder.TakePixels(), width, height);
}

void CZuImage::Adopt(unsigned char* pixels, int width, int height)
{
    delete[] iPixels;
    iPixels = pixels;
    iSize = pixels ? CZuSize(width, height) : CZuSize();
}

bool CZuImage::HaveBitmap() const
{
    return iPixels != nullptr;
}

bool CZuImage::HaveMask() const
{
    return iHaveMask;
}

void CZuImage::CreateMask()
{
    if (!iPixels)
        return;
    iHaveMask = true;
    iMaskColor = static_cast<unsigned>(iPixels[0]) | (static_cast<unsigned>(iPixels[1]) << 8) |
                 (static_cast<unsigned>(iPixels[2]) << 16) | (static_cast<unsigned>(iPixels[3]) << 24);
}

CZuImage* CZuImage::GetSubImage(const CZuRect& src, const CZuSize& size)
{
    CZuImage* image = new CZuImage();
    image->iColorType = EColorBgra32;
    image->iHaveAlpha = iHaveAlpha;
    unsigned char* region = CopyRegion(iPixels, iSize, src);
    unsigned char* scaled = region ? AllocatePixels(size.iWidth, size.iHeight) : nullptr;
    if (scaled)
    {
        Scale(region, src.Width(), src.Height(), scaled, size.iWidth, size.iHeight);
        image->Adopt(scaled, size.iWidth, size.iHeight);
    }
    delete[] region;
    image->CreateMask();
    return image;
}

CZuSize CZuImage::Size() const
{
    return iSize;
}

void CZuImage::Resize(const CZuSize& size)
{
    if (!iPixels || size == iSize)
        return;
    unsigned char* scaled = AllocatePixels(size.iWidth, size.iHeight);
    if (!scaled)
        return;
    Scale(iPixels, iSize.iWidth, iSize.iHeight, scaled, size.iWidth, size.iHeight);
    Adopt(scaled, size.iWidth, size.iHeight);
}

IZuImage* CZuImage::CreateNewImage(const CZuSize&)
{
    return nullptr;
}

void CZuImage::CreateEmptyImage(const CZuSize& size)
{
    Adopt(AllocatePixels(size.iWidth, size.iHeight), size.iWidth, size.iHeight);
}

void CZuImage::AddRef()
{
    ++iRefCount;
}

bool CZuImage::Release()
{
    if (--iRefCount > 0)
        return false;
    delete this;
    return true;
}
