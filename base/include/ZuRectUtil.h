#ifndef ZURECTUTIL_H
#define ZURECTUTIL_H

class CZuRect;

// Layout helpers for fitting and centring one rectangle in another.
class CZuRectUtil
{
public:
    // The largest rectangle of content's aspect ratio that fits in box, centred in it.
    static CZuRect GetKeepRatioRect(const CZuRect& box, const CZuRect& content);
    // Centres b on a: outA is the overlap inside a (in a's coordinates), outB the matching part of b
    // (relative to b's own top-left corner).
    static void CalculateCenterRect(const CZuRect& a, const CZuRect& b, CZuRect& outA, CZuRect& outB);
};

#endif // ZURECTUTIL_H
