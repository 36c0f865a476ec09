#ifndef ZUSCALEDIMAGE_H
#define ZUSCALEDIMAGE_H

#include "ZuSize.h"

class CZuImage;

// A picture stretched to the size a control draws it at (a masked picture stays masked by its corner
// colour, an unmasked one stays whole). The scaled copy is made once and kept until the
// picture or the size changes, so a redraw costs one copy of pixels, not a rescale. The source picture
// is not owned; the copy is.
class CZuScaledImage
{
public:
    CZuScaledImage();
    ~CZuScaledImage();

    // The source itself at its natural size, else its copy scaled to size; null without a source or for
    // an empty size.
    CZuImage* Get(CZuImage* source, const CZuSize& size);
    // Drops the copy (call it when the source is about to go).
    void Reset();

private:
    CZuScaledImage(const CZuScaledImage&) = delete;
    CZuScaledImage& operator=(const CZuScaledImage&) = delete;

    CZuImage* iSource;
    CZuImage* iScaled;
};

#endif // ZUSCALEDIMAGE_H
