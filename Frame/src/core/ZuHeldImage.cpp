#include "ZuHeldImage.h"

#include "ZuEnv.h"
#include "ZuImage.h"

CZuHeldImage::~CZuHeldImage()
{
    Set(nullptr, false);
}

void CZuHeldImage::Set(CZuImage* image, bool owned)
{
    if (iOwned && iImage != image)
        CZuEnv::ReleaseImage(iImage);
    iImage = image;
    iOwned = image && owned;
}

bool CZuHeldImage::IsLoaded() const
{
    return iImage && iImage->HaveBitmap();
}

CZuSize CZuHeldImage::Size() const
{
    return IsLoaded() ? iImage->Size() : CZuSize(0, 0);
}
