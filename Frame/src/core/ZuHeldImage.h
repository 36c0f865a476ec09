#ifndef ZUHELDIMAGE_H
#define ZUHELDIMAGE_H

#include "ZuSize.h"

class CZuImage;

// An image a control shows, with whether the control owns it. An owned image is handed back to the image
// manager (or released) when it is replaced and when the holder goes; an image not owned is never
// released here.
class CZuHeldImage
{
public:
    CZuHeldImage() : iImage(nullptr), iOwned(false) {}
    ~CZuHeldImage();

    // Takes ownership of image when owned is true.
    void Set(CZuImage* image, bool owned);
    CZuImage* Get() const { return iImage; }
    bool IsOwned() const { return iOwned; }
    // There is an image and it has pixels.
    bool IsLoaded() const;
    // The image's size, 0 x 0 when there is none or it has no pixels.
    CZuSize Size() const;

private:
    CZuHeldImage(const CZuHeldImage&) = delete;
    CZuHeldImage& operator=(const CZuHeldImage&) = delete;

    CZuImage* iImage;
    bool iOwned;
};

#endif // ZUHELDIMAGE_H
