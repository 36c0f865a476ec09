#include "ZuImage.h"

#include "ZuBuffer.h"
#include "ZuFile.h"
#include "ZuImageDecoder.h"
#include "ZuLittleEndian.h"
#include "ZuRect.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

namespace
{

// A file may hold a little more than its pixels (headers, palette, compression that did not pay).
const long long KMaxFileBytes = CZuImage::KMaxBufferBytes + 1024 * 1024;

bool FitsLimit(long long width, long long height)
{
    return width > 0 && height > 0 && width <= CZuImage::KMaxBufferBytes / 4 &&
           height <= CZuImage::KMaxBufferBytes / 4 / width;
}

// Width x height pixels, zeroed unless the caller writes every byte; null beyond the memory limit.
unsigned char* AllocatePixels(int width, int height, bool zeroed = true)
{
    if (!FitsLimit(width, height))
        return nullptr;
    size_t bytes = static_cast<size_t>(width) * height * 4;
    unsigned char* pixels = new (std::nothrow) unsigned char[bytes];
    if (pixels && zeroed)
        std::memset(pixels, 0, bytes);
    return pixels;
}

// Exact integer division n / d by one multiplication, for n and d below 2^32 and d above 1.
class CDivider
{
public:
    explicit CDivider(uint64_t d) : iMultiplier(UINT64_MAX / d + 1) {}
    uint32_t Divide(uint64_t n) const
    {
        return static_cast<uint32_t>((static_cast<unsigned __int128>(iMultiplier) * n) >> 64);
    }

private:
    uint64_t iMultiplier;
};

struct TSample
{
    int64_t iIndex;
    int64_t iRemainder;
};

// Output position i of count samples source position i*(sourceCount-1)/(count-1) and the next one in the
// ratio remainder / (count-1).
TSample SampleAt(int i, int count, int sourceCount)
{
    if (count <= 1)
        return TSample{0, 0};
    const int64_t n = static_cast<int64_t>(i) * (sourceCount - 1);
    return TSample{n / (count - 1), n % (count - 1)};
}

// Bilinear scaling with integer weights, rounded to nearest. A neighbour to the right or below is read
// only when its weight is not zero, so the last row and column never reach past the source.
void Scale(const unsigned char* src, size_t srcStride, int srcW, int srcH, unsigned char* dst, int dstW,
           int dstH)
{
    const int64_t cx = dstW > 1 ? dstW - 1 : 1;
    const int64_t cy = dstH > 1 ? dstH - 1 : 1;
    const uint64_t area = static_cast<uint64_t>(cx * cy);
    const uint64_t half = area / 2;
    const bool fastDivide = area > 1 && area * 255 + half <= UINT32_MAX;
    const CDivider divider(area > 1 ? area : 2);

    std::vector<TSample> columns(dstW);
    for (int x = 0; x < dstW; ++x)
        columns[x] = SampleAt(x, dstW, srcW);

    for (int y = 0; y < dstH; ++y)
    {
        const TSample row = SampleAt(y, dstH, srcH);
        const int64_t ey = row.iRemainder;
        const unsigned char* top = src + row.iIndex * srcStride;
        const unsigned char* below = ey ? top + srcStride : top;
        unsigned char* out = dst + static_cast<size_t>(y) * dstW * 4;
        for (int x = 0; x < dstW; ++x, out += 4)
        {
            const int64_t ex = columns[x].iRemainder;
            const unsigned char* tl = top + columns[x].iIndex * 4;
            if (ex == 0 && ey == 0)
            {
                std::memcpy(out, tl, 4);
                continue;
            }
            const unsigned char* bl = below + columns[x].iIndex * 4;
            const unsigned char* tr = ex ? tl + 4 : tl;
            const unsigned char* br = ex ? bl + 4 : bl;
            const uint64_t wTl = (cx - ex) * (cy - ey);
            const uint64_t wTr = ex * (cy - ey);
            const uint64_t wBl = (cx - ex) * ey;
            const uint64_t wBr = ex * ey;
            for (int c = 0; c < 4; ++c)
            {
                const uint64_t sum = tl[c] * wTl + tr[c] * wTr + bl[c] * wBl + br[c] * wBr + half;
                out[c] = static_cast<unsigned char>(fastDivide ? divider.Divide(sum) : sum / area);
            }
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
    // Nothing is decoded from a file that cannot be read or is larger than any picture we accept.
    CZuBuffer bytes;
    if (path.PtrZ())
        CZuFile::ReadWhole(path, bytes, static_cast<int>(KMaxFileBytes));
    Decode(bytes.Data(), bytes.Size());
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
    iMaskColor = CZuLittleEndian::ReadUint32(iPixels);
}

CZuImage* CZuImage::GetSubImage(const CZuRect& src, const CZuSize& size)
{
    CZuImage* image = new CZuImage();
    image->iColorType = EColorBgra32;
    image->iHaveAlpha = iHaveAlpha;
    unsigned char* scaled = src.IsEmpty() ? nullptr : AllocatePixels(size.iWidth, size.iHeight, false);
    if (!scaled)
        return image;

    const bool inside = iPixels && src.iTl.iX >= 0 && src.iTl.iY >= 0 && src.iBr.iX <= iSize.iWidth &&
                        src.iBr.iY <= iSize.iHeight;
    unsigned char* region = inside ? nullptr : CopyRegion(iPixels, iSize, src);
    if (inside)
    {
        const size_t stride = static_cast<size_t>(iSize.iWidth) * 4;
        Scale(iPixels + src.iTl.iY * stride + src.iTl.iX * 4, stride, src.Width(), src.Height(), scaled,
              size.iWidth, size.iHeight);
    }
    else if (region)
    {
        Scale(region, static_cast<size_t>(src.Width()) * 4, src.Width(), src.Height(), scaled, size.iWidth,
              size.iHeight);
    }
    else
    {
        delete[] scaled;
        return image;
    }
    delete[] region;
    image->Adopt(scaled, size.iWidth, size.iHeight);
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
    unsigned char* scaled = AllocatePixels(size.iWidth, size.iHeight, false);
    if (!scaled)
        return;
    Scale(iPixels, static_cast<size_t>(iSize.iWidth) * 4, iSize.iWidth, iSize.iHeight, scaled, size.iWidth,
          size.iHeight);
    Adopt(scaled, size.iWidth, size.iHeight);
}

void CZuImage::TakeTransparencyOf(const CZuImage& source)
{
    iHaveAlpha = source.iHaveAlpha;
    iHaveMask = source.iHaveMask;
    iMaskColor = source.iMaskColor;
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
