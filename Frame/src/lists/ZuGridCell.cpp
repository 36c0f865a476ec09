#include "ZuGridCell.h"

#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuGc.h"
#include "ZuGrid.h"
#include "ZuImage.h"
#include "ZuImageManager.h"
#include "ZuRect.h"
#include "ZuUiManager.h"

namespace
{
// The caption band is this many font heights tall.
const double KCaptionBandFontHeights = 1.3;
} // namespace

CZuGridCell::CZuGridCell(CZuGrid* grid, int id, int data, const CZuString& caption,
                         const CZuString& imageName)
    : iId(id), iData(data), iCaption(caption), iImageName(imageName), iGrid(grid), iSelected(false),
      iImage(nullptr), iReleaseImage(false)
{
    if (imageName.IsEmpty() || !CZuEnv::Static())
        return;
    const int side = grid ? grid->GetCellIconSize() : 0;
    iImage = CZuEnv::ImageMgr()->GetImage(imageName, side, side, true, nullptr, 0);
    iReleaseImage = iImage != nullptr;
}

CZuGridCell::~CZuGridCell()
{
    ReleaseImage();
}

void CZuGridCell::ReleaseImage()
{
    if (iImage && iReleaseImage && CZuEnv::Static())
        CZuEnv::ImageMgr()->ReleaseImage(iImage);
    iImage = nullptr;
    iReleaseImage = false;
}

void CZuGridCell::SetImage(CZuImage* image, bool release)
{
    if (image == iImage)
    {
        iReleaseImage = release;
        return;
    }
    ReleaseImage();
    iImage = image;
    iReleaseImage = release;
}

void CZuGridCell::SetSelected(bool selected)
{
    iSelected = selected;
    if (CZuEnv::Static() && CZuEnv::UiManager())
        CZuEnv::UiManager()->DrawDeffered();
}

void CZuGridCell::DrawCell(CZuGc& gc, const CZuRect& rect)
{
    if (!iGrid)
        return;
    if (iSelected)
    {
        gc.SetDrawStyle(IZuGc::EDrawFill);
        gc.SetDrawColor(iGrid->BgFocusedColor());
        gc.DrawRect(CZuRect(rect.iTl.iX, rect.iTl.iY, rect.iBr.iX - 1, rect.iBr.iY - 1));
    }
    CZuFont* font = iGrid->GetFont();
    const int bandTop = rect.iBr.iY - static_cast<int>(KCaptionBandFontHeights * font->HeightInPixels());
    CZuRect imageRect(rect.iTl.iX, rect.iTl.iY, rect.iBr.iX, bandTop);
    if (iImage)
        gc.DrawImage(imageRect, iImage, true);
    gc.UseFont(font);
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(iGrid->Foreground());
    gc.DrawTextW(iCaption, CZuRect(rect.iTl.iX, bandTop, rect.iBr.iX, rect.iBr.iY), EAlignCenter, 0, 0);
    gc.DiscardFont();
}
