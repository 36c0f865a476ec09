#include "ZuWelcome.h"

#include "ZuEnv.h"
#include "ZuFont.h"
#include "ZuFontManager.h"
#include "ZuGc.h"
#include "ZuImage.h"
#include "ZuUiManager.h"

#include <algorithm>

namespace
{
// Fills dest with copies of the image side by side, each cut to what is left of dest.
void TileImage(CZuGc& gc, CZuImage* image, const CZuRect& dest)
{
    CZuSize size = image->Size();
    if (size.iWidth <= 0 || size.iHeight <= 0)
        return;
    int height = std::min(size.iHeight, dest.Height());
    for (int x = dest.iTl.iX; x < dest.iBr.iX; x += size.iWidth)
    {
        int width = std::min(size.iWidth, dest.iBr.iX - x);
        gc.DrawImage(CZuPoint(x, dest.iTl.iY), image, CZuRect(0, 0, width, height));
    }
}
} // namespace

CZuWelcome::CZuWelcome(CZuUiManager* owner)
    : iOwner(owner), iForeground(0xFFFFFFu), iBackground(0u), iBgImage(nullptr), iProgressImage(nullptr),
      iProgressBgImage(nullptr), iProgressValue(0), iProgressTotal(0), iText("Welcoming ZUUI")
{
}

CZuWelcome::~CZuWelcome() {}

void CZuWelcome::SetWelcomInfo(const CZuString& text)
{
    iText = text;
}

void CZuWelcome::SetWelcomeColor(const CZuRgb& fore, const CZuRgb& back)
{
    iForeground = fore;
    iBackground = back;
}

void CZuWelcome::SetWelcomeBg(CZuImage* image)
{
    iBgImage = image;
    RequestDraw();
}

void CZuWelcome::SetWelcomeProgressBg(CZuImage* image)
{
    iProgressBgImage = image;
}

void CZuWelcome::SetWelcomeProgress(CZuImage* image)
{
    iProgressImage = image;
}

void CZuWelcome::SetWelcomeProgress(int value, int total)
{
    iProgressValue = value;
    iProgressTotal = total;
    RequestDraw();
}

void CZuWelcome::RequestDraw()
{
    if (iOwner)
        iOwner->DrawDeffered();
}

void CZuWelcome::Draw(CZuGc& gc, const CZuRect& rect, const int corners[4])
{
    if (!iBgImage)
    {
        gc.SetDrawStyle(IZuGc::EDrawFill);
        gc.SetDrawColor(iBackground);
        gc.DrawRoundRect(rect, corners[0], corners[1], corners[2], corners[3]);
        DrawText(gc, rect);
        return;
    }
    gc.DrawImage(rect, iBgImage, false);
    // The text says what is loading; it stays readable over a picture too.
    DrawText(gc, rect);
    if (iProgressImage && iProgressBgImage)
        DrawProgress(gc, rect);
}

void CZuWelcome::DrawText(CZuGc& gc, const CZuRect& rect)
{
    if (iText.IsEmpty())
        return;
    CZuFont* font = CZuEnv::AcquireFont(EFontUi, 100, false);
    gc.UseFont(font);
    gc.SetDrawColor(iForeground);
    gc.DrawTextW(iText, rect, EAlignCenter, 0, 0);
    gc.DiscardFont();
    CZuEnv::ReleaseFont(font);
}

CZuRect CZuWelcome::ProgressRect(const CZuRect& rect) const
{
    if (!iProgressBgImage)
        return CZuRect();
    int left = rect.iTl.iX + rect.Width() / 8;
    int right = rect.iBr.iX - rect.Width() / 8;
    int top = rect.iTl.iY + rect.Height() * 3 / 4;
    return CZuRect(left, top, right, top + iProgressBgImage->Size().iHeight);
}

void CZuWelcome::DrawProgress(CZuGc& gc, const CZuRect& rect)
{
    CZuRect bar = ProgressRect(rect);
    TileImage(gc, iProgressBgImage, bar);
    if (iProgressTotal <= 0)
        return;
    int value = std::max(0, std::min(iProgressValue, iProgressTotal));
    long long done = static_cast<long long>(bar.Width()) * value / iProgressTotal;
    TileImage(gc, iProgressImage,
              CZuRect(bar.iTl.iX, bar.iTl.iY, bar.iTl.iX + static_cast<int>(done), bar.iBr.iY));
}
