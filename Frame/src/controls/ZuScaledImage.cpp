#include "ZuScaledImage.h"

#include "ZuImage.h"
#include "ZuRect.h"

#include <cstring>

namespace
{
// A copy of an unmasked picture, scaled: it stays unmasked, so none of its pixels turns transparent.
CZuImage* ScaledCopy(CZuImage* source, const CZuSize& size)
{
    CZuImage* copy = new CZuImage();
    const CZuSize natural = source->Size();
    copy->CreateEmptyImage(natural);
    if (copy->GetImgBuf() && source->GetImgBuf())
        std::memcpy(copy->GetImgBuf(), source->GetImgBuf(),
                    static_cast<size_t>(natural.iWidth) * natural.iHeight * 4);
    copy->Resize(size);
    return copy;
}
} // namespace

CZuScaledImage::CZuScaledImage() : iSource(nullptr), iScaled(nullptr) {}

CZuScaledImage::~CZuScaledImage()
{
    Reset();
}

CZuImage* CZuScaledImage::Get(CZuImage* source, const CZuSize& size)
{
    if (!source || size.iWidth <= 0 || size.iHeight <= 0)
        return nullptr;
    if (source->Size() == size)
        return source;
    if (iScaled && iSource == source && iScaled->Size() == size)
        return iScaled;
    Reset();
    CZuSize natural = source->Size();
    if (natural.iWidth <= 0 || natural.iHeight <= 0)
        return nullptr;
    iSource = source;
    iScaled = source->HaveMask() ? source->GetSubImage(CZuRect(natural), size) : ScaledCopy(source, size);
    return iScaled;
}

void CZuScaledImage::Reset()
{
    if (iScaled)
        iScaled->Release();
    iScaled = nullptr;
    iSource = nullptr;
}
