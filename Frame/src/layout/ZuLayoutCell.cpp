#include "ZuLayoutCell.h"

#include "ZuControl.h"
#include "ZuEnv.h"
#include "ZuLayout.h"

CZuLayoutCell::CZuLayoutCell(const CZuSize& spacer, int width, int height)
    : iId(static_cast<int>(CZuEnv::GetNextId())), iKind(EKindSpacer), iSpacer(new CZuSize(spacer)),
      iControl(nullptr), iLayout(nullptr), iWidth(width), iHeight(height), iVertAlign(EAlignVCenter)
{
}

CZuLayoutCell::CZuLayoutCell(CZuControl* control, int width, int height, TZuAlign vertAlign)
    : iId(static_cast<int>(CZuEnv::GetNextId())), iKind(EKindControl), iSpacer(nullptr), iControl(control),
      iLayout(nullptr), iWidth(width), iHeight(height), iVertAlign(vertAlign)
{
}

CZuLayoutCell::CZuLayoutCell(CZuLayout* layout, int width, int height)
    : iId(static_cast<int>(CZuEnv::GetNextId())), iKind(EKindLayout), iSpacer(nullptr), iControl(nullptr),
      iLayout(layout), iWidth(width), iHeight(height), iVertAlign(EAlignVCenter)
{
}

CZuLayoutCell::~CZuLayoutCell()
{
    delete iSpacer;
}

int CZuLayoutCell::GetCellWidth() const
{
    if (iWidth != 0)
        return iWidth;
    switch (iKind)
    {
    case EKindControl:
        return iControl ? iControl->GetMinSize().iWidth : 0;
    case EKindSpacer:
        return iSpacer->iWidth;
    default:
        return iLayout ? iLayout->GetActSize().iWidth : 0;
    }
}

int CZuLayoutCell::GetActualCellWidth() const
{
    if (iWidth > 0)
        return iWidth;
    switch (iKind)
    {
    case EKindControl:
    {
        int width = iControl ? iControl->GetMinSize().iWidth : 0;
        return width > 0 ? width : 0;
    }
    case EKindSpacer:
        return iSpacer->iWidth;
    default:
        return iWidth;
    }
}

int CZuLayoutCell::GetCellHeight() const
{
    if (iHeight != 0)
        return iHeight;
    switch (iKind)
    {
    case EKindControl:
        if (!iControl)
            return 0;
        if (iControl->GetPredefinedSize().iHeight > 0)
            return iControl->GetPredefinedSize().iHeight;
        return iControl->GetMinSize().iHeight;
    case EKindSpacer:
        return iSpacer->iHeight;
    default:
        return iLayout ? iLayout->GetHeight() : 0;
    }
}

bool CZuLayoutCell::IsVisible() const
{
    if (iKind == EKindControl)
        return iControl && iControl->IsVisible();
    return true;
}

void CZuLayoutCell::SetRect(const CZuRect& rect)
{
    if (iKind == EKindLayout)
    {
        if (iLayout)
        {
            iLayout->SetRect(rect);
            iLayout->DoLayout();
        }
        return;
    }
    if (iKind != EKindControl || !iControl)
        return;

    CZuSize natural = (iWidth == 0 || iHeight == 0) ? iControl->GetMinSize() : CZuSize();
    CZuSize desired(iWidth > 0 ? iWidth : (iWidth == 0 ? natural.iWidth : 0),
                    iHeight > 0 ? iHeight : (iHeight == 0 ? natural.iHeight : 0));
    const CZuSize& predefined = iControl->GetPredefinedSize();
    if (predefined.iWidth > 0)
        desired.iWidth = predefined.iWidth;
    if (predefined.iHeight > 0)
        desired.iHeight = predefined.iHeight;

    CZuRect placed = rect;
    bool aligned = iVertAlign == EAlignVCenter || iVertAlign == EAlignTop || iVertAlign == EAlignBottom;
    if (aligned && desired.iHeight > 0)
    {
        if (iVertAlign == EAlignVCenter)
            placed.iTl.iY = rect.iTl.iY + (rect.Height() - desired.iHeight) / 2;
        else if (iVertAlign == EAlignBottom)
            placed.iTl.iY = rect.iBr.iY - desired.iHeight;
        placed.iBr.iY = placed.iTl.iY + desired.iHeight;
    }
    if (aligned && desired.iWidth > 0)
    {
        placed.iTl.iX = rect.iTl.iX + (rect.Width() - desired.iWidth) / 2;
        placed.iBr.iX = placed.iTl.iX + desired.iWidth;
    }
    iControl->SetRect(placed);
}

CZuRect CZuLayoutCell::GetRect() const
{
    if (iKind == EKindControl && iControl)
        return iControl->Rect();
    if (iKind == EKindLayout && iLayout)
        return iLayout->GetRect();
    return CZuRect();
}
