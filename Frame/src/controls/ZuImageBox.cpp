#include "ZuImageBox.h"

#include "ZuImage.h"

namespace
{
const CZuSize KEmptyBoxSize(16, 16);
} // namespace

CZuImageBox::CZuImageBox(CZuControl* parent) : CZuControl(parent, true, EZuCtrlImageBox), iMode(EModeCenter)
{
    SetReadOnly(true);
}

CZuImageBox::~CZuImageBox()
{
    // The copy goes before an owned source is handed back.
    iScaled.Reset();
}

void CZuImageBox::SetImage(CZuImage* image, bool owned)
{
    if (image != iImage.Get())
        iScaled.Reset();
    iImage.Set(image, owned);
    DrawDeferred();
}

void CZuImageBox::SetDisplayMode(int mode)
{
    if (mode < EModeStretch || mode > EModeRight || mode == iMode)
        return;
    iMode = mode;
    DrawDeferred();
}

CZuRect CZuImageBox::FittedRect(const CZuRect& inner, const CZuSize& natural) const
{
    const long long w = natural.iWidth, h = natural.iHeight;
    const long long boxW = inner.Width(), boxH = inner.Height();
    if (static_cast<float>(w) / static_cast<float>(h) <= static_cast<float>(boxW) / static_cast<float>(boxH))
    {
        const int width = static_cast<int>(w * boxH / h);
        const int left = inner.iTl.iX + static_cast<int>((boxW - width) / 2);
        return CZuRect(left, inner.iTl.iY, left + width, inner.iBr.iY);
    }
    const int height = static_cast<int>(h * boxW / w);
    const int top = inner.iTl.iY + static_cast<int>((boxH - height) / 2);
    return CZuRect(inner.iTl.iX, top, inner.iBr.iX, top + height);
}

CZuRect CZuImageBox::ImageRect() const
{
    const CZuSize natural = iImage.Size();
    const CZuRect inner = InnerRect();
    if (natural.iWidth <= 0 || natural.iHeight <= 0 || inner.IsEmpty())
        return CZuRect();
    const int centredTop = inner.iTl.iY + (inner.Height() - natural.iHeight) / 2;
    switch (iMode)
    {
    case EModeStretch:
        return inner;
    case EModeFit:
        return FittedRect(inner, natural);
    case EModeLeft:
        return CZuRect(CZuPoint(inner.iTl.iX, centredTop), natural);
    case EModeRight:
        return CZuRect(CZuPoint(inner.iBr.iX - natural.iWidth, centredTop), natural);
    default:
        return CZuRect(CZuPoint(inner.iTl.iX + (inner.Width() - natural.iWidth) / 2, centredTop), natural);
    }
}

CZuSize CZuImageBox::GetMinSize()
{
    const CZuSize picture = iImage.IsLoaded() ? iImage.Size() : KEmptyBoxSize;
    const CZuMargin& space = InnerMargin();
    const int border = 2 * GetBorderWidth();
    return CZuSize(picture.iWidth + space.iLeft + space.iRight + border,
                   picture.iHeight + space.iTop + space.iBottom + border);
}

void CZuImageBox::Draw(CZuGc& gc, const CZuRect&)
{
    const CZuRect placed = ImageRect();
    if (placed.IsEmpty())
        return;
    CZuImage* picture = iImage.Get();
    if (placed.Size() != picture->Size())
        picture = iScaled.Get(picture, placed.Size());
    if (!picture)
        return;
    CZuRect visible = placed;
    visible.InterRect(InnerRect());
    if (visible.IsEmpty())
        return;
    CZuRect source = visible;
    source.Move(-placed.iTl.iX, -placed.iTl.iY);
    gc.DrawImage(visible.iTl, picture, source);
}
