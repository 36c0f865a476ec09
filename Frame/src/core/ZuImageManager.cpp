#include "ZuImageManager.h"

#include "ZuImage.h"

#include <sys/stat.h>

namespace
{
bool FileExists(const CZuString& path)
{
    struct stat info;
    return !path.IsEmpty() && stat(path.PtrZ(), &info) == 0 && S_ISREG(info.st_mode);
}
} // namespace

CZuImageManager::CZuImageManager() : iImages(true) {}

CZuImageManager::~CZuImageManager() {}

void CZuImageManager::AddImagePath(const CZuString& path)
{
    iImagePath = path;
}

CZuImage* CZuImageManager::Find(const CZuString& name, int width, int height) const
{
    for (int i = 0; i < iImages.GetCount(); ++i)
    {
        CZuImage* image = static_cast<CZuImage*>(iImages.GetAt(i));
        if (image->Name().Compare(name) != 0)
            continue;
        if (width > 0 && (image->Size().iWidth != width || image->Size().iHeight != height))
            continue;
        return image;
    }
    return nullptr;
}

CZuImage* CZuImageManager::Load(const CZuString& name, bool withMask, const char* data, int length)
{
    CZuImage* image = new CZuImage;
    if (data && length > 0)
    {
        image->Load(data, length);
    }
    else
    {
        CZuString path = iImagePath;
        path += name;
        if (!FileExists(path))
        {
            delete image;
            return nullptr;
        }
        image->Load(path);
    }
    if (!image->HaveBitmap())
    {
        delete image;
        return nullptr;
    }
    image->SetName(name);
    if (withMask)
        image->CreateMask();
    return image;
}

CZuImage* CZuImageManager::GetImage(const CZuString& name, bool withMask, const char* data, int length)
{
    CZuImage* cached = Find(name, 0, 0);
    if (cached)
    {
        if (withMask && !cached->HaveMask())
            cached->CreateMask();
        cached->AddRef();
        return cached;
    }
    CZuImage* image = Load(name, withMask, data, length);
    if (image)
        iImages.Append(image);
    return image;
}

CZuImage* CZuImageManager::GetImage(const CZuString& name, int width, int height, bool withMask,
                                    const char* data, int length)
{
    if (width <= 0 || height <= 0)
        return GetImage(name, withMask, data, length);
    CZuImage* cached = Find(name, width, height);
    if (cached)
    {
        if (withMask && !cached->HaveMask())
            cached->CreateMask();
        cached->AddRef();
        return cached;
    }
    CZuImage* image = Load(name, false, data, length);
    if (!image)
        return nullptr;
    if (image->Size() != CZuSize(width, height))
        image->Resize(CZuSize(width, height));
    if (withMask)
        image->CreateMask();
    iImages.Append(image);
    return image;
}

void CZuImageManager::ReleaseImage(CZuImage* image)
{
    if (!image)
        return;
    int index = iImages.Find(image);
    if (index < 0)
    {
        delete image;
        return;
    }
    iImages.Remove(index);
    if (!image->Release())
        iImages.Insert(index, image);
}

void CZuImageManager::ReleaseImage(CZuObjectList* images)
{
    if (!images)
        return;
    for (int i = 0; i < images->GetCount(); ++i)
        ReleaseImage(static_cast<CZuImage*>(images->GetAt(i)));
    images->RemoveAll();
}
