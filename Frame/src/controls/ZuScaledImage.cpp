#include "ZuScaledImage.h"

#include "ZuImage.h"

#include <cstdint>
#include <cstring>

namespace
{
// A new image of size with zeroed pixels, or null when they do not fit in memory.
CZuImage* NewImage(const CZuSize& size)
{
    CZuImage* image = new CZuImage();
    image->CreateEmptyImage(size);
    if (image->GetImgBuf())
        return image;
    image->Release();
    return nullptr;
}

CZuImage* Copy(const CZuImage& source)
{
    const CZuSize size = source.Size();
    CZuImage* copy = NewImage(size);
    if (copy)
        std::memcpy(copy->GetImgBuf(), source.GetImgBuf(), static_cast<size_t>(size.iWidth) * size.iHeight * 4);
    return copy;
}

// The image at half its width, half its height or both, each pixel the average of the block it covers
// (an odd last column or row is left out).
CZuImage* Halved(const CZuImage& source, bool halveWidth, bool halveHeight)
{
    const CZuSize from = source.Size();
    const int stepX = halveWidth ? 2 : 1;
    const int stepY = halveHeight ? 2 : 1;
    CZuImage* halved = NewImage(CZuSize(from.iWidth / stepX, from.iHeight / stepY));
    if (!halved)
        return nullptr;
    const CZuSize to = halved->Size();
    const size_t stride = static_cast<size_t>(from.iWidth) * 4;
    const size_t nextX = (stepX - 1) * 4;
    const size_t nextY = (stepY - 1) * stride;
    unsigned char* out = halved->GetImgBuf();
    for (int y = 0; y < to.iHeight; ++y)
    {
        const unsigned char* top = source.GetImgBuf() + static_cast<size_t>(y) * stepY * stride;
        for (int x = 0; x < to.iWidth; ++x, out += 4)
        {
            const unsigned char* tl = top + static_cast<size_t>(x) * stepX * 4;
            for (int c = 0; c < 4; ++c)
                out[c] = static_cast<unsigned char>(
                    (tl[c] + tl[nextX + c] + tl[nextY + c] + tl[nextY + nextX + c] + 2) >> 2);
        }
    }
    return halved;
}

// Bilinear scaling with the source's own scaler, after halving for as long as the picture stays at
// least twice the target's size.
CZuImage* SmoothScaled(const CZuImage& source, const CZuSize& size)
{
    CZuImage* current = nullptr;
    for (;;)
    {
        const CZuSize at = current ? current->Size() : source.Size();
        const bool halveWidth = at.iWidth >= 2 * static_cast<long long>(size.iWidth);
        const bool halveHeight = at.iHeight >= 2 * static_cast<long long>(size.iHeight);
        if (!halveWidth && !halveHeight)
            break;
        CZuImage* halved = Halved(current ? *current : source, halveWidth, halveHeight);
        if (current)
            current->Release();
        current = halved;
        if (!current)
            return nullptr;
    }
    if (!current && !(current = Copy(source)))
        return nullptr;
    current->Resize(size);
    return current;
}

// Where output position i of count falls in a source of sourceCount: an index and the share of the next
// one, remainder / denominator (the corners of both meet, as in the image's own scaler).
struct TSample
{
    int iIndex;
    int64_t iRemainder;
    int64_t iDenominator;
    int Nearest() const { return iIndex + (2 * iRemainder >= iDenominator && iRemainder > 0 ? 1 : 0); }
};

TSample SampleAt(int i, int count, int sourceCount)
{
    if (count <= 1)
        return TSample{0, 0, 1};
    const int64_t n = static_cast<int64_t>(i) * (sourceCount - 1);
    return TSample{static_cast<int>(n / (count - 1)), n % (count - 1), count - 1};
}

unsigned Rgb(const unsigned char* pixel)
{
    return pixel[0] | (pixel[1] << 8) | (pixel[2] << 16);
}

// Bilinear scaling of a colour-keyed picture: a pixel whose nearest source pixel is the key stays the
// key, and the others blend only their neighbours that are not the key, so edges show no key colour.
CZuImage* KeyedScaled(const CZuImage& source, const CZuSize& size)
{
    CZuImage* scaled = NewImage(size);
    if (!scaled)
        return nullptr;
    const unsigned key = source.MaskColor() & 0xFFFFFF;
    const CZuSize from = source.Size();
    const size_t stride = static_cast<size_t>(from.iWidth) * 4;
    unsigned char* out = scaled->GetImgBuf();
    for (int y = 0; y < size.iHeight; ++y)
    {
        const TSample row = SampleAt(y, size.iHeight, from.iHeight);
        const unsigned char* top = source.GetImgBuf() + row.iIndex * stride;
        const unsigned char* below = row.iRemainder ? top + stride : top;
        const unsigned char* nearestRow = source.GetImgBuf() + row.Nearest() * stride;
        for (int x = 0; x < size.iWidth; ++x, out += 4)
        {
            const TSample column = SampleAt(x, size.iWidth, from.iWidth);
            const unsigned char* nearest = nearestRow + column.Nearest() * 4;
            if (Rgb(nearest) == key)
            {
                std::memcpy(out, nearest, 4);
                continue;
            }
            const int64_t ex = column.iRemainder, cx = column.iDenominator;
            const int64_t ey = row.iRemainder, cy = row.iDenominator;
            const unsigned char* tl = top + column.iIndex * 4;
            const unsigned char* bl = below + column.iIndex * 4;
            const unsigned char* corners[4] = {tl, ex ? tl + 4 : tl, bl, ex ? bl + 4 : bl};
            int64_t weights[4] = {(cx - ex) * (cy - ey), ex * (cy - ey), (cx - ex) * ey, ex * ey};
            int64_t total = 0;
            for (int k = 0; k < 4; ++k)
            {
                if (Rgb(corners[k]) == key)
                    weights[k] = 0;
                total += weights[k];
            }
            for (int c = 0; c < 4; ++c)
            {
                int64_t sum = total / 2;
                for (int k = 0; k < 4; ++k)
                    sum += corners[k][c] * weights[k];
                out[c] = static_cast<unsigned char>(sum / total);
            }
            // A blend that happens to hit the key would turn transparent.
            if (Rgb(out) == key)
                out[0] = static_cast<unsigned char>(out[0] ^ 1);
        }
    }
    return scaled;
}
} // namespace

CZuScaledImage::CZuScaledImage() : iSource(nullptr), iScaled(nullptr) {}

CZuScaledImage::~CZuScaledImage()
{
    Reset();
}

CZuImage* CZuScaledImage::Get(CZuImage* source, const CZuSize& size)
{
    if (!source || !source->GetImgBuf() || size.iWidth <= 0 || size.iHeight <= 0)
        return nullptr;
    const CZuSize natural = source->Size();
    if (natural == size)
        return source;
    if (iScaled && iSource == source && iSourceSize == natural && iScaled->Size() == size)
        return iScaled;
    Reset();
    const bool keyed = source->HaveMask() && !source->HaveAlpha();
    CZuImage* scaled = keyed ? KeyedScaled(*source, size) : SmoothScaled(*source, size);
    if (!scaled)
        return nullptr;
    if (scaled->Size() != size)
    {
        scaled->Release();
        return nullptr;
    }
    scaled->TakeTransparencyOf(*source);
    iSource = source;
    iSourceSize = natural;
    iScaled = scaled;
    return iScaled;
}

void CZuScaledImage::Reset()
{
    if (iScaled)
        iScaled->Release();
    iScaled = nullptr;
    iSource = nullptr;
    iSourceSize = CZuSize();
}
