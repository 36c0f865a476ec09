#include "TestCard.h"

#include "ZuAl.h"
#include "ZuBase.h"

#include <algorithm>

namespace
{
const CZuRgb KInk(30, 40, 60);
const CZuRgb KDeepBlue(2, 82, 150);
const CZuRgb KMidBlue(88, 140, 205);
const CZuRgb KPaleBlue(150, 200, 245);
const CZuRgb KAmber(250, 190, 70);
const CZuRgb KGrey(150, 158, 170);

const int KCellWidth = 92;
const int KShapeWidth = 80;
const int KShapeHeight = 52;
const int KShapeLeft = 96;

// Small helpers so that the card reads as a list of what it shows.
void Label(CZuGc& gc, CZuFont& font, const char* text, int x, int baseline)
{
    gc.UseFont(&font);
    gc.SetDrawColor(KInk);
    gc.DrawTextW(CZuString(text), CZuPoint(x, baseline));
    gc.DiscardFont();
}

void Checkerboard(CZuGc& gc, const CZuRect& area)
{
    gc.SetDrawStyle(IZuGc::EDrawFill);
    for (int y = area.iTl.iY; y < area.iBr.iY; y += 8)
    {
        for (int x = area.iTl.iX; x < area.iBr.iX; x += 8)
        {
            bool dark = ((x - area.iTl.iX) / 8 + (y - area.iTl.iY) / 8) % 2 == 1;
            gc.SetDrawColor(dark ? CZuRgb(200, 204, 210) : CZuRgb(250, 250, 250));
            gc.DrawRect(CZuRect(x, y, std::min(x + 8, area.iBr.iX) - 1, std::min(y + 8, area.iBr.iY) - 1));
        }
    }
}

void Star(CZuPoint* points, int cx, int cy, int outer, int inner)
{
    // Ten corners, alternating between the outer and inner radius, starting at the top.
    static const int KCos[10] = {0, 588, 951, 951, 588, 0, -588, -951, -951, -588};
    static const int KSin[10] = {-1000, -809, -309, 309, 809, 1000, 809, 309, -309, -809};
    for (int i = 0; i < 10; ++i)
    {
        int r = i % 2 == 0 ? outer : inner;
        points[i] = CZuPoint(cx + KCos[i] * r / 1000, cy + KSin[i] * r / 1000);
    }
}

// One row: rectangle, ellipse, round rectangle, star, triangle, and (outline only) a fan of lines.
void ShapeRow(CZuGc& gc, CZuFont& font, const char* name, IZuGc::TDrawType style, int top)
{
    Label(gc, font, name, 8, top + 32);
    gc.SetDrawStyle(style);
    gc.SetDrawColor(style == IZuGc::EDrawOutline ? KDeepBlue : KMidBlue);
    gc.SetDrawColor2(KPaleBlue, KDeepBlue, IZuGc::EGradualVertical);
    gc.SetPenSize(2u);

    int x = KShapeLeft;
    gc.DrawRect(CZuRect(x, top, x + KShapeWidth, top + KShapeHeight));
    x += KCellWidth;
    gc.DrawEllipse(CZuRect(x, top, x + KShapeWidth, top + KShapeHeight));
    x += KCellWidth;
    gc.DrawRoundRect(CZuRect(x, top, x + KShapeWidth, top + KShapeHeight), 12);
    x += KCellWidth;
    CZuPoint star[10];
    Star(star, x + KShapeWidth / 2, top + KShapeHeight / 2 + 2, 28, 12);
    gc.DrawPolygon(star, 10);
    x += KCellWidth;
    CZuPoint triangle[3] = {CZuPoint(x + KShapeWidth / 2, top), CZuPoint(x + KShapeWidth, top + KShapeHeight),
                            CZuPoint(x, top + KShapeHeight)};
    gc.DrawPolygon(triangle, 3);
    x += KCellWidth;
    if (style == IZuGc::EDrawOutline)
    {
        for (int i = 0; i <= 8; ++i)
        {
            gc.DrawLine(CZuPoint(x, top + KShapeHeight), CZuPoint(x + i * KShapeWidth / 8, top));
        }
    }
    else
    {
        gc.DrawEllipse(CZuRect(x + 14, top, x + 66, top + KShapeHeight));
    }
    gc.SetPenSize(1u);
}

void GradientRow(CZuGc& gc, CZuFont& font, int top)
{
    static const char* const KNames[5] = {"vertical", "horizontal", "v. mirror", "h. mirror", "radial"};
    gc.SetDrawStyle(IZuGc::EDrawGradual);
    for (int i = 0; i < 5; ++i)
    {
        CZuRect box(8 + i * 126, top, 8 + i * 126 + 116, top + 48);
        gc.SetDrawColor2(KAmber, KDeepBlue, static_cast<IZuGc::TGradualType>(i));
        gc.SetDrawStyle(IZuGc::EDrawGradual);
        gc.DrawRect(box);
        gc.UseFont(&font);
        gc.SetDrawColor(KInk);
        gc.DrawTextW(CZuString(KNames[i]), CZuRect(box.iTl.iX, top + 48, box.iBr.iX, top + 70), EAlignCenter,
                     0, 0);
        gc.DiscardFont();
    }
}

void RoundAndClipRow(CZuGc& gc, CZuFont& font, int top)
{
    // Mixed corner radii, in each style.
    gc.SetDrawStyle(IZuGc::EDrawFill);
    gc.SetDrawColor(KMidBlue);
    gc.DrawRoundRect(CZuRect(8, top, 118, top + 60), 22, 0, 0, 22);
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(KDeepBlue);
    gc.SetPenSize(3u);
    gc.DrawRoundRect(CZuRect(130, top + 2, 240, top + 58), 0, 28, 28, 4);
    gc.SetPenSize(1u);
    // Radii far too large for the box become a capsule.
    gc.SetDrawStyle(IZuGc::EDrawGradual);
    gc.SetDrawColor2(KAmber, KDeepBlue, IZuGc::EGradualHorizontal);
    gc.DrawRoundRect(CZuRect(252, top + 10, 372, top + 50), 100);

    // A radial ellipse clipped to a rectangle, whose frame shows the clip box.
    CZuRect clip(396, top + 6, 500, top + 54);
    gc.SetDrawStyle(IZuGc::EDrawOutline);
    gc.SetDrawColor(KGrey);
    gc.DrawRect(CZuRect(clip.iTl.iX - 2, clip.iTl.iY - 2, clip.iBr.iX + 2, clip.iBr.iY + 2));
    gc.SetClippingRect(clip);
    gc.SetDrawStyle(IZuGc::EDrawGradual);
    gc.SetDrawColor2(KAmber, KMidBlue, IZuGc::EGradualRadial);
    gc.DrawEllipse(CZuRect(380, top - 20, 516, top + 80));
    gc.CancelClippingRect();

    // Nested clipping: the inner rectangle alone is in force, then the outer one again.
    CZuRect outer(516, top, 632, top + 60);
    gc.SetClippingRect(outer);
    gc.SetDrawStyle(IZuGc::EDrawFill);
    gc.SetDrawColor(KPaleBlue);
    gc.DrawRect(CZuRect(500, top - 10, 650, top + 70));
    gc.SetClippingRect(CZuRect(540, top + 15, 610, top + 45));
    gc.SetDrawColor(KDeepBlue);
    for (int i = 0; i < 12; ++i)
    {
        gc.DrawLine(CZuPoint(520 + i * 10, top), CZuPoint(560 + i * 10, top + 60));
    }
    gc.CancelClippingRect();
    gc.SetDrawColor(KAmber);
    gc.DrawLine(CZuPoint(516, top + 58), CZuPoint(640, top + 58));
    gc.CancelClippingRect();
    Label(gc, font, "round corners", 8, top + 78);
    Label(gc, font, "clipping", 396, top + 78);
}

CZuImage* LoadImage(const std::string& path)
{
    CZuImage* image = new CZuImage();
    image->Load(CZuString(path.c_str()));
    return image;
}

void ImageRow(CZuGc& gc, CZuFont& font, const std::string& dataDir, int top)
{
    static const char* const KNames[7] = {"PNG alpha", "PNG raw", "BMP key", "BMP raw",
                                          "GIF key",   "scaled",  "cropped"};
    CZuImage* png = LoadImage(dataDir + "sample-alpha.png");
    CZuImage* pngMasked = LoadImage(dataDir + "sample-alpha.png");
    pngMasked->CreateMask();
    CZuImage* bmp = LoadImage(dataDir + "sample-24.bmp");
    CZuImage* bmpMasked = LoadImage(dataDir + "sample-24.bmp");
    bmpMasked->CreateMask();
    CZuImage* gif = LoadImage(dataDir + "sample-8.gif");
    gif->CreateMask();
    CZuImage* scaled = pngMasked->GetSubImage(CZuRect(0, 0, 48, 48), CZuSize(32, 32));

    CZuImage* shown[7] = {pngMasked, png, bmpMasked, bmp, gif, scaled, bmp};
    for (int i = 0; i < 7; ++i)
    {
        CZuRect cell(18 + i * 88, top, 18 + i * 88 + 64, top + 64);
        Checkerboard(gc, cell);
        if (i == 6)
        {
            // The middle of the picture, inside its colour-key frame, centred in a small box.
            CZuRect small(cell.iTl.iX + 16, cell.iTl.iY + 16, cell.iBr.iX - 16, cell.iBr.iY - 16);
            gc.DrawImage(small, shown[i], CZuRect(4, 4, 36, 26), false);
        }
        else if (shown[i])
        {
            gc.DrawImage(cell, shown[i], false);
        }
        gc.UseFont(&font);
        gc.SetDrawColor(KInk);
        gc.DrawTextW(CZuString(KNames[i]),
                     CZuRect(cell.iTl.iX - 12, cell.iBr.iY, cell.iBr.iX + 12, cell.iBr.iY + 22), EAlignCenter,
                     0, 0);
        gc.DiscardFont();
    }
    if (scaled)
    {
        scaled->Release();
    }
    gif->Release();
    bmpMasked->Release();
    bmp->Release();
    pngMasked->Release();
    png->Release();
}

void TextRows(CZuGc& gc, int top)
{
    CZuFont ui(EFontUi, 100, false);
    CZuFont large(EFontTitle, 150, false);
    CZuFont phonetic(EFontPhonetic, 125, false);

    gc.SetDrawColor(KInk);
    gc.UseFont(&ui);
    gc.DrawTextW(CZuString("界面字体：选择课程、学习单词、测试、生词本和设置。"), CZuPoint(8, top + 16));
    gc.UseFont(&large);
    gc.DrawTextW(CZuString("中文 Chinese 汉字 0123 词汇"), CZuPoint(8, top + 46));
    gc.UseFont(&phonetic);
    gc.SetDrawColor(KDeepBlue);
    gc.DrawTextW(CZuString("vocabulary /vəˈkæbjʊləri/  θ ð ʃ ʒ ŋ ɑː ɔː ʊ ɪ ʌ"), CZuPoint(8, top + 76));

    // A baseline under a line of text shows where the glyphs sit.
    gc.SetDrawColor(CZuRgb(230, 120, 120));
    gc.DrawLine(CZuPoint(340, top + 46), CZuPoint(632, top + 46));
    gc.SetDrawColor(KInk);
    gc.UseFont(&large);
    gc.DrawTextW(CZuString("Baseline gjpqy 基线"), CZuPoint(344, top + 46));

    // The three alignments, with a margin of 6, in framed boxes.
    static const char* const KTexts[3] = {"左 Left", "居中 Centre", "右 Right"};
    gc.UseFont(&ui);
    for (int i = 0; i < 3; ++i)
    {
        CZuRect box(8 + i * 210, top + 90, 8 + i * 210 + 200, top + 120);
        gc.SetDrawStyle(IZuGc::EDrawOutline);
        gc.SetDrawColor(KGrey);
        gc.DrawRect(box);
        gc.SetDrawColor(KInk);
        gc.DrawTextW(CZuString(KTexts[i]), box, static_cast<TZuAlign>(i), 0, 6);
    }
    gc.DiscardFont();
}
} // namespace

void DrawTestCard(CZuGc& gc, const std::string& dataDir)
{
    CZuFont small(EFontUi, 80, false);

    gc.SetDrawColor(CZuRgb(246, 248, 251));
    gc.Clear();

    // Title band: a vertical gradient with white text centred in it.
    gc.SetDrawStyle(IZuGc::EDrawGradual);
    gc.SetDrawColor2(CZuRgb(70, 130, 200), CZuRgb(20, 70, 140), IZuGc::EGradualVertical);
    gc.DrawRect(CZuRect(0, 0, KTestCardWidth, 34));
    CZuFont title(EFontTitle, 125, false);
    gc.UseFont(&title);
    gc.SetDrawColor(CZuRgb(255, 255, 255));
    gc.DrawTextW(CZuString("ZuLex 绘图测试卡 Test card"), CZuRect(0, 0, KTestCardWidth, 34), EAlignCenter, 0,
                 0);
    gc.DiscardFont();

    ShapeRow(gc, small, "outline", IZuGc::EDrawOutline, 46);
    ShapeRow(gc, small, "fill", IZuGc::EDrawFill, 108);
    ShapeRow(gc, small, "gradual", IZuGc::EDrawGradual, 170);
    GradientRow(gc, small, 236);
    RoundAndClipRow(gc, small, 314);
    ImageRow(gc, small, dataDir, 402);
    TextRows(gc, 498);
}
