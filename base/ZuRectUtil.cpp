#include "ZuRectUtil.h"

#include "ZuRect.h"

CZuRect CZuRectUtil::GetKeepRatioRect(const CZuRect& box, const CZuRect& content)
{
    int bw = box.Width();
    int bh = box.Height();
    int cw = content.Width();
    int ch = content.Height();
    // Without a shape to keep, the content takes the box.
    if (bw <= 0 || bh <= 0 || cw <= 0 || ch <= 0)
        return box;
    float boxRatio = static_cast<float>(bw) / static_cast<float>(bh);
    float contentRatio = static_cast<float>(cw) / static_cast<float>(ch);
    if (contentRatio > boxRatio)
    {
        int h = static_cast<int>(static_cast<long long>(bw) * ch / cw);
        int top = box.iTl.iY + (bh - h) / 2;
        return CZuRect(box.iTl.iX, top, box.iTl.iX + bw, top + h);
    }
    int w = static_cast<int>(static_cast<long long>(cw) * bh / ch);
    int left = box.iTl.iX + (bw - w) / 2;
    return CZuRect(left, box.iTl.iY, left + w, box.iTl.iY + bh);
}

namespace
{

// Centres a span of length inner on a span of length outer: the offsets into each and the common length.
void CentreSpan(int outer, int inner, int& offsetOuter, int& offsetInner, int& common)
{
    if (outer > inner)
    {
        offsetOuter = (outer - inner) / 2;
        offsetInner = 0;
        common = inner;
    }
    else
    {
        offsetOuter = 0;
        offsetInner = (inner - outer) / 2;
        common = outer;
    }
}

} // namespace

void CZuRectUtil::CalculateCenterRect(const CZuRect& a, const CZuRect& b, CZuRect& outA, CZuRect& outB)
{
    int ax, bx, w;
    int ay, by, h;
    CentreSpan(a.Width(), b.Width(), ax, bx, w);
    CentreSpan(a.Height(), b.Height(), ay, by, h);
    outA.SetRect(a.iTl.iX + ax, a.iTl.iY + ay, a.iTl.iX + ax + w, a.iTl.iY + ay + h);
    outB.SetRect(bx, by, bx + w, by + h);
}
