#ifndef ZURECT_H
#define ZURECT_H

#include "ZuObject.h"
#include "ZuPoint.h"
#include "ZuSize.h"

// A rectangle from its top-left corner iTl to its bottom-right corner iBr; the right and bottom edges are
// exclusive: width = right - left, height = bottom - top.
class CZuRect : public CZuObject
{
public:
    CZuRect();
    CZuRect(int left, int top, int right, int bottom);
    CZuRect(const CZuPoint& topLeft, const CZuPoint& bottomRight);
    CZuRect(const CZuPoint& topLeft, const CZuSize& size);
    explicit CZuRect(const CZuSize& size);
    CZuRect(const CZuRect& other) = default;
    CZuRect& operator=(const CZuRect& other) = default;

    void SetRect(int left, int top, int right, int bottom);
    void SetRect(const CZuPoint& topLeft, const CZuPoint& bottomRight);
    void SetRect(const CZuPoint& topLeft, const CZuSize& size);

    bool operator==(const CZuRect& other) const;
    bool operator!=(const CZuRect& other) const;

    // Shifts all four edges.
    void Move(int dx, int dy);
    void Move(const CZuPoint& offset);
    // Moves the right and bottom edges.
    void Resize(int dw, int dh);
    void Resize(const CZuSize& delta);
    // Pushes every edge outwards (negative values shrink).
    void Grow(int dx, int dy);
    void Grow(const CZuSize& delta);
    // All 0.
    void Empty();

    // Rectangles that only touch at an edge intersect.
    bool Intersects(const CZuRect& other) const;
    // Becomes the common part with other, or all 0 when they do not intersect.
    void InterRect(const CZuRect& other);
    // Becomes the smallest rectangle holding both (an empty other leaves it unchanged).
    void BoundingRect(const CZuRect& other);
    // True when it covers no pixel (width or height 0 or below).
    bool IsEmpty() const;
    bool Contains(const CZuPoint& point) const;
    bool Contains(const CZuRect& other) const;

    CZuSize Size() const;
    int Width() const { return iBr.iX - iTl.iX; }
    int Height() const { return iBr.iY - iTl.iY; }
    CZuPoint Center() const;
    // Keep the top-left corner.
    void SetSize(const CZuSize& size);
    void SetWidth(int width);
    void SetHeight(int height);

    CZuPoint iTl;
    CZuPoint iBr;
};

#endif // ZURECT_H
