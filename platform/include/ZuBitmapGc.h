#ifndef ZUBITMAPGC_H
#define ZUBITMAPGC_H

#include "ZuSize.h"
#include "ZuWindowGc.h"

class CZuImage;

// A drawing context that draws into an image of its own, so that a screen drawn once can be drawn again as
// an image. The image starts transparent black and belongs to the context: a caller that keeps it longer
// than the context (or than its size) must AddRef it.
class CZuBitmapGc : public CZuWindowGc
{
public:
    // Sizes below 1 x 1 are taken as 1 x 1.
    explicit CZuBitmapGc(const CZuSize& size);
    ~CZuBitmapGc() override;

    void BeginDraw();
    // The image drawn into (still owned by the context).
    CZuImage* EndDraw();
    // A new empty image when the size changes (the old one is released); nothing when it does not.
    void SetBitmapGcSize(const CZuSize& size);
    const CZuSize& BitmapSize() const { return iSize; }

private:
    void CreateImage(const CZuSize& size);

    CZuSize iSize;
    CZuImage* iImage;
};

#endif // ZUBITMAPGC_H
