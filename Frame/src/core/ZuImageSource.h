#ifndef ZUIMAGESOURCE_H
#define ZUIMAGESOURCE_H

class CZuImage;
class CZuString;

// Where the resource package gets its images: the shared image cache. Each call returns a cached image
// with one more reference, or makes one from data/length when given (else from the image directory);
// null when it has neither. The caller hands the image back to the cache when done.
class MZuImageSource
{
public:
    virtual CZuImage* GetImage(const CZuString& name, bool withMask, const char* data, int length) = 0;
    // With a positive width and height the image is made at that size.
    virtual CZuImage* GetImage(const CZuString& name, int width, int height, bool withMask, const char* data,
                               int length) = 0;

protected:
    virtual ~MZuImageSource() {}
};

#endif // ZUIMAGESOURCE_H
