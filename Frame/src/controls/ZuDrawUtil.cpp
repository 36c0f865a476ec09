#include "ZuDrawUtil.h"

#include "ZuFont.h"
#include "ZuImage.h"
#include "ZuObjectList.h"
#include "ZuPoint.h"
#include "ZuRect.h"
#include "ZuRectUtil.h"
#include "ZuStrUtil.h"
#include "ZuString16.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace
{
const int KArrowHalfWidth = 4;
const int KSmallArrowBox = 9;
} // namespace

void CZuDrawUtil::DrawTrangle(IZuGc& gc, int direction, const CZuRect& rect, CZuRgb colour)
{
    const int width = rect.Width();
    const int height = rect.Height();
    const int w = width <= KSmallArrowBox ? width / 3 : KArrowHalfWidth;
    const int cx = rect.iTl.iX + width / 2;
    const int cy = rect.iTl.iY + height / 2;
    CZuPoint points[3];
    switch (direction)
    {
    case EDirUp:
    {
        const int apexY = rect.iTl.iY + (height - w) / 2;
        points[0] = CZuPoint(cx, apexY);
        points[1] = CZuPoint(cx - w, apexY + w);
        points[2] = CZuPoint(cx + w, apexY + w);
        break;
    }
    case EDirDown:
    {
        const int apexY = rect.iBr.iY - (height - w) / 2;
        points[0] = CZuPoint(cx, apexY);
        points[1] = CZuPoint(cx - w, apexY - w);
        points[2] = CZuPoint(cx + w, apexY - w);
        break;
    }
    case EDirLeft:
    {
        const int apexX = rect.iTl.iX + (width - w) / 2;
        points[0] = CZuPoint(apexX, cy);
        points[1] = CZuPoint(apexX + w, cy - w);
        points[2] = CZuPoint(apexX + w, cy + w);
        break;
    }
    case EDirRight:
    {
        const int apexX = rect.iBr.iX - (width - w) / 2;
        points[0] = CZuPoint(apexX, cy);
        points[1] = CZuPoint(apexX - w, cy - w);
        points[2] = CZuPoint(apexX - w, cy + w);
        break;
    }
    default:
        return;
    }
    gc.SetDrawStyle(IZuGc::EDrawFill);
    gc.SetDrawColor(colour);
    gc.DrawPolygon(points, 3);
}

void CZuDrawUtil::DrawRectWithBorder(IZuGc& gc, const CZuRect& rect, CZuRgb fill, const CZuRgb& border)
{
    if (rect.IsEmpty())
        return;
    // The context's rectangles take both edges inclusive; rect's right and bottom edges are outside it.
    const CZuRect pixels(rect.iTl.iX, rect.iTl.iY, rect.iBr.iX - 1, rect.iBr.iY - 1);
    gc.SetDrawStyle(IZuGc::EDrawFill);
    gc.SetDrawColor(fill);
    gc.DrawRect(pixels);
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(border);
    gc.DrawRect(pixels);
}

void CZuDrawUtil::DrawRoundRect(IZuGc& gc, const CZuRect& rect, int radius, CZuRgb fill, const CZuRgb& border)
{
    radius = std::max(radius, 0);
    gc.SetDrawStyle(IZuGc::EDrawFill);
    gc.SetDrawColor(fill);
    gc.DrawRoundRect(rect, radius);
    OutlineRoundRect(gc, rect, radius, border);
}

void CZuDrawUtil::OutlineRoundRect(IZuGc& gc, const CZuRect& rect, int radius, const CZuRgb& color)
{
    if (rect.IsEmpty())
        return;
    // The stroke is centred on the edges: clipped, its outer half stays off the neighbours' pixels (the
    // context's clip box takes both edges inclusive).
    gc.SetClippingRect(CZuRect(rect.iTl.iX, rect.iTl.iY, rect.iBr.iX - 1, rect.iBr.iY - 1));
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(color);
    gc.DrawRoundRect(rect, std::max(radius, 0));
    gc.CancelClippingRect();
}

void CZuDrawUtil::FillRoundRect(IZuGc& gc, const CZuRect& rect, int radius, const CZuRgb& first,
                                const CZuRgb& second, IZuGc::TGradualType type)
{
    gc.SetDrawStyle(IZuGc::EDrawGradual);
    gc.SetDrawColor2(first, second, type);
    gc.DrawRoundRect(rect, std::max(radius, 0));
    // A shape drawn next must not come out as this gradient.
    gc.SetDrawStyle(IZuGc::EDrawFill);
}

void CZuDrawUtil::DrawCentredImage(IZuGc& gc, const CZuRect& rect, CZuImage* image)
{
    if (!image || !image->HaveBitmap() || rect.IsEmpty())
        return;
    CZuRect target;
    CZuRect part;
    CZuRectUtil::CalculateCenterRect(rect, CZuRect(image->Size()), target, part);
    gc.DrawImage(target.iTl, image, part);
}

void CZuDrawUtil::DrawTextW(IZuGc& gc, const CZuString16& text, const CZuRect& rect, TZuAlign align, CZuFont*)
{
    gc.DrawTextW(text, rect, align, 0, 0);
}

void CZuDrawUtil::DrawWrapText(IZuGc& gc, const CZuString16& text, const CZuRect& rect, int, int,
                               int lineSpace, CZuFont* font)
{
    std::unique_ptr<CZuObjectList> rows(CZuStrUtil::GetTextRowList(text, rect.Width(), font));
    if (!rows)
        return;
    const int lineHeight = font->HeightInPixels();
    int baseline = rect.iTl.iY + lineSpace + lineHeight;
    for (int i = 0; i < rows->GetCount() && baseline <= rect.iBr.iY; ++i)
    {
        gc.DrawTextW(*static_cast<CZuString16*>(rows->GetAt(i)), CZuPoint(rect.iTl.iX, baseline));
        baseline += lineHeight + lineSpace;
    }
}

namespace
{
// Below this difference of brightness (0 to 255) text does not stand out from its fill.
const int KReadableDifference = 96;
const CZuRgb KDarkInk(34, 44, 60);
const CZuRgb KLightInk(255, 255, 255);
const CZuRgb KMiddleGrey(150, 150, 150);

// Perceived brightness, 0 to 255.
int Brightness(const CZuRgb& colour)
{
    return (299 * colour.Red() + 587 * colour.Green() + 114 * colour.Blue()) / 1000;
}
} // namespace

CZuRgb CZuDrawUtil::MixColour(const CZuRgb& first, const CZuRgb& second, int percent)
{
    percent = std::max(0, std::min(100, percent));
    auto mix = [percent](int a, int b) { return a + (b - a) * percent / 100; };
    return CZuRgb(mix(first.Red(), second.Red()), mix(first.Green(), second.Green()),
                  mix(first.Blue(), second.Blue()), 0);
}

CZuRgb CZuDrawUtil::ReadableOn(const CZuRgb& text, const CZuRgb& fill)
{
    const int fillBrightness = Brightness(fill);
    if (std::abs(Brightness(text) - fillBrightness) >= KReadableDifference)
        return text;
    return fillBrightness >= 128 ? KDarkInk : KLightInk;
}

CZuRgb CZuDrawUtil::DimmedOn(const CZuRgb& text, const CZuRgb& fill)
{
    return MixColour(text, fill, 50);
}

CZuRgb CZuDrawUtil::Dimmed(const CZuRgb& text)
{
    return DimmedOn(text, KMiddleGrey);
}

CZuImage* CZuDrawUtil::DimmedImageOn(CZuImage& image, const CZuRgb& fill)
{
    if (!image.HaveBitmap())
        return nullptr;
    const CZuSize size = image.Size();
    CZuImage* dimmed = image.GetSubImage(CZuRect(size), size);
    unsigned char* pixels = dimmed->GetImgBuf();
    if (!pixels)
    {
        delete dimmed;
        return nullptr;
    }
    dimmed->TakeTransparencyOf(image);
    const bool keyed = image.HaveMask() && !image.HaveAlpha();
    const unsigned key = image.MaskColor() & 0xFFFFFF;
    const size_t count = static_cast<size_t>(size.iWidth) * size.iHeight;
    // Pixels are blue, green, red, alpha.
    auto rgbOf = [](const unsigned char* p)
    { return unsigned(p[0]) | (unsigned(p[1]) << 8) | (unsigned(p[2]) << 16); };
    for (unsigned char* p = pixels; p < pixels + count * 4; p += 4)
    {
        if (keyed && rgbOf(p) == key)
            continue;
        const int grey = Brightness(CZuRgb(p[2], p[1], p[0], 0));
        const CZuRgb mixed = MixColour(CZuRgb(grey, grey, grey, 0), fill, 50);
        p[0] = static_cast<unsigned char>(mixed.Blue());
        p[1] = static_cast<unsigned char>(mixed.Green());
        p[2] = static_cast<unsigned char>(mixed.Red());
        // A dimmed pixel never turns into the transparent colour.
        if (keyed && rgbOf(p) == key)
            p[0] ^= 1;
    }
    return dimmed;
}

CZuImage* CZuDrawUtil::DimmedImage(CZuImage& image)
{
    return DimmedImageOn(image, KMiddleGrey);
}

CZuString16 CZuDrawUtil::ElidedText(const CZuString& text, const CZuFont& font, int width)
{
    CZuString16 wide;
    if (!text.IsEmpty())
        ConvertUtf8ToUnicode(text.PtrZ(), text.Length(), wide);
    if (font.TextWidthInPixels(text) <= width)
        return wide;
    const TZuWChar KEllipsis = 0x2026;
    CZuString16 ellipsis =
        font.CharWidthInPixels(KEllipsis) > 0 ? CZuString16(KEllipsis, 1) : CZuString16('.', 3);
    int used = 0;
    for (int i = 0; i < ellipsis.Length(); ++i)
        used += font.CharWidthInPixels(ellipsis.PtrZ()[i]);
    if (used > width)
        return CZuString16();
    const TZuWChar* units = wide.PtrZ();
    int kept = 0;
    while (kept < wide.Length())
    {
        int code = units[kept];
        int step = 1;
        if (code >= 0xD800 && code <= 0xDBFF && kept + 1 < wide.Length() && units[kept + 1] >= 0xDC00 &&
            units[kept + 1] <= 0xDFFF)
        {
            code = 0x10000 + ((code - 0xD800) << 10) + (units[kept + 1] - 0xDC00);
            step = 2;
        }
        int advance = font.CharWidthInPixels(code);
        if (used + advance > width)
            break;
        used += advance;
        kept += step;
    }
    while (kept > 0 && units[kept - 1] == ' ')
        --kept;
    CZuString16 elided = wide.Left(kept);
    elided += ellipsis;
    return elided;
}
