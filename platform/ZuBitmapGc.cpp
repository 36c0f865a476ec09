#include "ZuBitmapGc.h"

#include "ZuImage.h"

CZuBitmapGc::CZuBitmapGc(const CZuSize& size) : iImage(nullptr)
{
    CreateImage(size);
}

CZuBitmapGc::~CZuBitmapGc()
{
    if (iImage)
    {
        iImage->Release();
    }
}

void CZuBitmapGc::BeginDraw() {}

CZuImage* CZuBitmapGc::EndDraw()
{
    return iImage;
}

void CZuBitmapGc::SetBitmapGcSize(const CZuSize& size)
{
    if (size == iSize)
    {
        return;
    }
    CreateImage(size);
}

void CZuBitmapGc::CreateImage(const CZuSize& size)
{
    // A holder that took its own reference keeps the old picture alive.
    if (iImage)
    {
        iImage->Release();
    }
    iSize = size;
    if (iSize.iWidth < 1 || iSize.iHeight < 1)
    {
        iSize.SetSize(1, 1);
    }
    iImage = new CZuImage();
    iImage->CreateEmptyImage(iSize);
    SetBuf(iImage->GetImgBuf(), static_cast<unsigned>(iSize.iWidth), static_cast<unsigned>(iSize.iHeight),
           iSize.iWidth * 4);
}
