#ifndef ZUSCALEDIMAGE_H
#define ZUSCALEDIMAGE_H

#include "ZuSize.h"

class CZuImage;

// A picture scaled to the size a control draws it at. The copy keeps the source's transparency: its
// alpha, or its colour key, whose pixels stay exactly the key so that no fringe of the key colour shows.
// A large reduction averages blocks of pixels first, so that fine detail does not break up. The copy is
// made once and kept until the picture or the size changes, so a redraw costs one copy of pixels, not a
// rescale; the source is never changed. The source picture is not owned; the copy is.
class CZuScaledImage
{
public:
    CZuScaledImage();
    ~CZuScaledImage();

    // The source itself at its natural size, else its copy scaled to size; null without a source, for a
    // source without pixels, for an empty size and when the copy does not fit in memory.
    CZuImage* Get(CZuImage* source, const CZuSize& size);
    // Drops the copy (call it when the source is about to go).
    void Reset();

private:
    CZuScaledImage(const CZuScaledImage&) = delete;
    CZuScaledImage& operator=(const CZuScaledImage&) = delete;

    CZuImage* iSource;
    // The source's size when the copy was made: a source resized since then is scaled again.
    CZuSize iSourceSize;
    CZuImage* iScaled;
};

#endif // ZUSCALEDIMAGE_H
