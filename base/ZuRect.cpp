#include "ZuRect.h"

namespace
{

int Min(int a, int b)
{
    return a < b ? a : b;
}

int Max(int a, int b)
{
    return a > b ? a : b;
}

} // namespace

CZuRect::CZuRect() {}

CZuRect::CZuRect(int left, int top, int right, int bottom) : iTl(left, top), iBr(right, bottom) {}

CZuRect::CZuRect(const CZuPoint& topLeft, const CZuPoint& bottomRight) : iTl(topLeft), iBr(bottomRight) {}

CZuRect::CZuRect(const CZuPoint& topLeft, const CZuSize& size)
    : iTl(topLeft), iBr(topLeft.iX + size.iWidth, topLeft.iY + size.iHeight)
{
}

CZuRect::CZuRect(const CZuSize& size) : iBr(size.iWidth, size.iHeight) {}

void CZuRect::SetRect(int left, int top, int right, int bottom)
{
    iTl = CZuPoint(left, top);
    iBr = CZuPoint(right, bottom);
}

void CZuRect::SetRect(const CZuPoint& topLeft, const CZuPoint& bottomRight)
{
    iTl = topLeft;
    iBr = bottomRight;
}

void CZuRect::SetRect(const CZuPoint& topLeft, const CZuSize& size)
{
    iTl = topLeft;
    iBr = CZuPoint(topLeft.iX + size.iWidth, topLeft.iY + size.iHeight);
}

bool CZuRect::operator==(const CZuRect& other) const
{
    return iTl == other.iTl && iBr == other.iBr;
}

bool CZuRect::operator!=(const CZuRect& other) const
{
    return !(*this == other);
}

void CZuRect::Move(int dx, int dy)
{
    iTl.iX += dx;
    iTl.iY += dy;
    iBr.iX += dx;
    iBr.iY += dy;
}

void CZuRect::Move(const CZuPoint& offset)
{
    Move(offset.iX, offset.iY);
}

void CZuRect::Resize(int dw, int dh)
{
    iBr.iX += dw;
    iBr.iY += dh;
}

void CZuRect::Resize(const CZuSize& delta)
{
    Resize(delta.iWidth, delta.iHeight);
}

void CZuRect::Grow(int dx, int dy)
{
    iTl.iX -= dx;
    iTl.iY -= dy;
    iBr.iX += dx;
    iBr.iY += dy;
}

void CZuRect::Grow(const CZuSize& delta)
{
    Grow(delta.iWidth, delta.iHeight);
}

void CZuRect::Empty()
{
    SetRect(0, 0, 0, 0);
}

bool CZuRect::Intersects(const CZuRect& other) const
{
    return !(other.iBr.iX < iTl.iX || other.iTl.iX > iBr.iX || other.iBr.iY < iTl.iY ||
             other.iTl.iY > iBr.iY);
}

void CZuRect::InterRect(const CZuRect& other)
{
    if (!Intersects(other))
    {
        Empty();
        return;
    }
    SetRect(Max(iTl.iX, other.iTl.iX), Max(iTl.iY, other.iTl.iY), Min(iBr.iX, other.iBr.iX),
            Min(iBr.iY, other.iBr.iY));
}

void CZuRect::BoundingRect(const CZuRect& other)
{
    if (other.IsEmpty())
        return;
    if (IsEmpty())
    {
        *this = other;
        return;
    }
    SetRect(Min(iTl.iX, other.iTl.iX), Min(iTl.iY, other.iTl.iY), Max(iBr.iX, other.iBr.iX),
            Max(iBr.iY, other.iBr.iY));
}

bool CZuRect::IsEmpty() const
{
    return Width() <= 0 || Height() <= 0;
}

bool CZuRect::Contains(const CZuPoint& point) const
{
    return point.iX >= iTl.iX && point.iX < iBr.iX && point.iY >= iTl.iY && point.iY < iBr.iY;
}

bool CZuRect::Contains(const CZuRect& other) const
{
    return other.iTl.iX >= iTl.iX && other.iTl.iY >= iTl.iY && other.iBr.iX <= iBr.iX &&
           other.iBr.iY <= iBr.iY;
}

CZuSize CZuRect::Size() const
{
    return CZuSize(Width(), Height());
}

CZuPoint CZuRect::Center() const
{
    return CZuPoint((iTl.iX + iBr.iX) / 2, (iTl.iY + iBr.iY) / 2);
}

void CZuRect::SetSize(const CZuSize& size)
{
    SetWidth(size.iWidth);
    SetHeight(size.iHeight);
}

void CZuRect::SetWidth(int width)
{
    iBr.iX = iTl.iX + width;
}

void CZuRect::SetHeight(int height)
{
    iBr.iY = iTl.iY + height;
}
