#ifndef ZUIMAGEMANAGER_H
#define ZUIMAGEMANAGER_H

#include "ZuImageSource.h"
#include "ZuObjectList.h"
#include "ZuString.h"

class CZuImage;

// The shared images, cached by name (and size), reference counted, loaded from one image directory or
// from bytes the caller hands over. The resource package reader takes its images from here too.
class CZuImageManager : public MZuImageSource
{
public:
    CZuImageManager();
    // Deletes the images still cached, whatever their count.
    ~CZuImageManager() override;

    // The directory names are looked up in, with its trailing "/" (one directory).
    void AddImagePath(const CZuString& path);
    const CZuString& GetImagePath() const { return iImagePath; }

    // The cached image of this name with one more reference (masked first when withMask asks for it),
    // else a new image from data/length when given, else from the directory. Null when there is no file
    // and no data, or nothing could be decoded.
    CZuImage* GetImage(const CZuString& name, bool withMask, const char* data, int length) override;
    // With a positive width and height the cache key is the name and the size, and a new image is scaled
    // to that size; otherwise the call above.
    CZuImage* GetImage(const CZuString& name, int width, int height, bool withMask, const char* data,
                       int length) override;
    // Drops one reference; the image leaves the cache at 0. An image not from the cache is deleted at once.
    void ReleaseImage(CZuImage* image);
    // Releases every image of the list and empties it.
    void ReleaseImage(CZuObjectList* images);
    int GetImageCount() const { return iImages.GetCount(); }

private:
    CZuImageManager(const CZuImageManager&) = delete;
    CZuImageManager& operator=(const CZuImageManager&) = delete;
    // The cached image with this name and (when width > 0) this size, or null.
    CZuImage* Find(const CZuString& name, int width, int height) const;
    CZuImage* Load(const CZuString& name, bool withMask, const char* data, int length);

    CZuObjectList iImages;
    CZuString iImagePath;
};

#endif // ZUIMAGEMANAGER_H
