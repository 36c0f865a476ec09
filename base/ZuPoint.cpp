#include "ZuPoint.h"

#include <cmath>

int CZuPoint::Distance(const CZuPoint& a, const CZuPoint& b)
{
    // Squares in 64 bits: far-apart points must not overflow.
    long long dx = static_cast<long long>(a.iX) - b.iX;
    long long dy = static_cast<long long>(a.iY) - b.iY;
    return static_cast<int>(std::sqrt(static_cast<float>(dx * dx + dy * dy)));
}

CZuPoint operator-(const CZuPoint& a, const CZuPoint& b)
{
    return CZuPoint(a.iX - b.iX, a.iY - b.iY);
}

bool operator==(const CZuPoint& a, const CZuPoint& b)
{
    return a.iX == b.iX && a.iY == b.iY;
}

bool operator!=(const CZuPoint& a, const CZuPoint& b)
{
    return !(a == b);
}
