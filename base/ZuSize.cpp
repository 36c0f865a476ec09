#include "ZuSize.h"

bool operator==(const CZuSize& a, const CZuSize& b)
{
    return a.iWidth == b.iWidth && a.iHeight == b.iHeight;
}

bool operator!=(const CZuSize& a, const CZuSize& b)
{
    return !(a == b);
}
