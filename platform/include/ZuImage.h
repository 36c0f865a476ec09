#ifndef ZUIMAGE_H
#define ZUIMAGE_H

#include "ZuObject.h"
#include "ZuSize.h"
#include "ZuString.h"

class CZuImage;
class CZuRect;

// How the pixels of an image are laid out: nothing yet, or 32-bit Blue, Green, Red, Alpha.
enum TZuColorType
{
    EColorNone = 0,
    EColorBgra32 = 1
};

// A picture as the toolkit sees it: a name for the image cache and the cells of a sprite sheet.
class IZuImage : public CZuObject
{
public:
    IZuImage();
    ~IZuImage() override;

    // Decodes PNG, BMP or GIF bytes; always 1. A picture that cannot be decoded leaves a 0 x 0 image.
    virtual int Load(const char* data, int length) = 0;
    // Decodes a PNG, BMP or GIF file (UTF-8 path); always 1. A missing or undecodable file leaves 0 x 0.
    virtual int Load(const CZuString& path) = 0;
    virtual bool HaveBitmap() const = 0;
    virtual bool HaveMask() const = 0;
    // Marks the image masked with its top-left pixel as the colour key; nothing without pixels.
    virtual void CreateMask() = 0;
    // A new image (the caller owns it): src cut out, scaled bilinearly to size, masked by its top-left
    // pixel. Parts of src outside the picture read as transparent black.
    virtual CZuImage* GetSubImage(const CZuRect& src, const CZuSize& size) = 0;
    // Describes the image as a sprite sheet of cells; the two counts are kept for the caller.
    virtual void SetMultiImageInfo(int cellWidth, int cellHeight, int countA, int countB);
    // The cell at (row, column) as a new image, scaled to size when both its sides are positive.
    virtual CZuImage* GetSubImageByPos(int row, int column, const CZuSize& size);
    virtual CZuSize Size() const = 0;
    // Scales the picture in place to size (bilinear, as GetSubImage).
    virtual void Resize(const CZuSize& size) = 0;
    // Not supported: null.
    virtual IZuImage* CreateNewImage(const CZuSize& size) = 0;
    // Replaces the pixels with width x height transparent black pixels.
    virtual void CreateEmptyImage(const CZuSize& size) = 0;

    void SetName(const CZuString& name);
    const CZuString& Name() const { return iName; }
    CZuSize CellSize() const { return CZuSize(iCellWidth, iCellHeight); }
    int CountA() const { return iCountA; }
    int CountB() const { return iCountB; }

private:
    CZuString iName;
    int iCellWidth;
    int iCellHeight;
    unsigned short iCountA;
    unsigned short iCountB;
};

// The in-memory picture: width x height pixels of 4 bytes, rows top to bottom without padding, each
// pixel Blue, Green, Red, Alpha. Alpha is meaningful only when HaveAlpha(); otherwise every pixel
// decoded from a file has alpha 255. A masked image (HaveMask) is drawn with a colour key, MaskColor(),
// read as 0x00RRGGBB in its low 24 bits. Reference counted: starts at 1; Release() at 0 deletes it.
class CZuImage : public IZuImage
{
public:
    // The largest pixel buffer a picture may need (256 MiB); larger pictures are refused.
    static constexpr long long KMaxBufferBytes = 256LL * 1024 * 1024;

    CZuImage();
    ~CZuImage() override;

    int Load(const char* data, int length) override;
    int Load(const CZuString& path) override;
    bool HaveBitmap() const override;
    bool HaveMask() const override;
    void CreateMask() override;
    CZuImage* GetSubImage(const CZuRect& src, const CZuSize& size) override;
    CZuSize Size() const override;
    void Resize(const CZuSize& size) override;
    IZuImage* CreateNewImage(const CZuSize& size) override;
    void CreateEmptyImage(const CZuSize& size) override;

    void AddRef();
    // Drops one reference; at 0 the image deletes itself and the result is true.
    bool Release();

    TZuColorType GetColorType() const { return iColorType; }
    // Width x height x 4 bytes, or null when the image has no pixels.
    unsigned char* GetImgBuf() const { return iPixels; }
    bool HaveAlpha() const { return iHaveAlpha; }
    // Says whether the pixels' alpha is their opacity, as for a picture drawn here rather than decoded.
    void SetHaveAlpha(bool haveAlpha) { iHaveAlpha = haveAlpha; }
    // The colour key as the top-left pixel's 32-bit value (0xAARRGGBB); only the low 24 bits count.
    unsigned MaskColor() const { return iMaskColor; }
    // Takes another image's transparency: its alpha flag, and its mask with the same colour key.
    void TakeTransparencyOf(const CZuImage& source);

private:
    CZuImage(const CZuImage&) = delete;
    CZuImage& operator=(const CZuImage&) = delete;

    void Adopt(unsigned char* pixels, int width, int height);
    void Decode(const unsigned char* data, long long length);

    int iRefCount;
    CZuSize iSize;
    TZuColorType iColorType;
    bool iHaveAlpha;
    bool iHaveMask;
    unsigned iMaskColor;
    unsigned char* iPixels;
};

#endif // ZUIMAGE_H
