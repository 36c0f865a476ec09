// The drawing context: aliased primitives pixel by pixel, clipping, blending, gradients, images and text
// placement.
#include "ZuAl.h"
#include "ZuBase.h"
#include "ZuGcFont.h"

#include <agg_conv_curve.h>
#include <agg_path_storage.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_scanline_u.h>

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

namespace
{
struct TPixel
{
    int b, g, r, a;
};

// A small canvas with its own pixels, white and opaque unless told otherwise.
class CCanvas
{
public:
    CCanvas(int width, int height, unsigned char fill = 255)
        : iWidth(width), iHeight(height), iPixels(static_cast<size_t>(width) * height * 4, fill)
    {
        iGc.SetBuf(iPixels.data(), width, height, width * 4);
    }

    TPixel At(int x, int y) const
    {
        const unsigned char* p = &iPixels[(static_cast<size_t>(y) * iWidth + x) * 4];
        return TPixel{p[0], p[1], p[2], p[3]};
    }

    void Set(int x, int y, int b, int g, int r, int a)
    {
        unsigned char* p = &iPixels[(static_cast<size_t>(y) * iWidth + x) * 4];
        p[0] = static_cast<unsigned char>(b);
        p[1] = static_cast<unsigned char>(g);
        p[2] = static_cast<unsigned char>(r);
        p[3] = static_cast<unsigned char>(a);
    }

    bool IsWhite(int x, int y) const
    {
        TPixel p = At(x, y);
        return p.b == 255 && p.g == 255 && p.r == 255 && p.a == 255;
    }

    // Every pixel that is no longer white.
    std::set<std::pair<int, int>> Touched() const
    {
        std::set<std::pair<int, int>> touched;
        for (int y = 0; y < iHeight; ++y)
        {
            for (int x = 0; x < iWidth; ++x)
            {
                if (!IsWhite(x, y))
                {
                    touched.insert({x, y});
                }
            }
        }
        return touched;
    }

    CZuGc& Gc() { return iGc; }

    int iWidth;
    int iHeight;
    std::vector<unsigned char> iPixels;
    CZuGc iGc;
};

void ExpectColor(const TPixel& p, int r, int g, int b)
{
    EXPECT_EQ(p.r, r);
    EXPECT_EQ(p.g, g);
    EXPECT_EQ(p.b, b);
}

// The pixels of one aliased frame as the drawing context promises them.
std::set<std::pair<int, int>> Frame(int left, int top, int right, int bottom)
{
    std::set<std::pair<int, int>> frame;
    for (int x = left; x <= right - 1; ++x)
        frame.insert({x, top});
    for (int y = top; y <= bottom - 1; ++y)
        frame.insert({right, y});
    for (int x = left + 1; x <= right; ++x)
        frame.insert({x, bottom});
    for (int y = top + 1; y <= bottom; ++y)
        frame.insert({left, y});
    return frame;
}

std::set<std::pair<int, int>> Block(int left, int top, int right, int bottom)
{
    std::set<std::pair<int, int>> block;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            block.insert({x, y});
    return block;
}
} // namespace

TEST(GcTest, OutlineRectIsAnInclusiveOnePixelFrame)
{
    CCanvas canvas(20, 20);
    canvas.Gc().SetDrawColor(CZuRgb(10, 20, 30));
    canvas.Gc().DrawRect(CZuRect(0, 0, 10, 10));
    EXPECT_EQ(canvas.Touched(), Frame(0, 0, 10, 10));
    ExpectColor(canvas.At(10, 10), 10, 20, 30);
    EXPECT_EQ(canvas.At(10, 10).a, 255);

    CCanvas offset(20, 20);
    offset.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    offset.Gc().DrawRect(CZuRect(3, 4, 15, 9));
    EXPECT_EQ(offset.Touched(), Frame(3, 4, 15, 9));
}

TEST(GcTest, FilledRectCoversRightAndBottomEdges)
{
    CCanvas canvas(20, 20);
    canvas.Gc().SetDrawStyle(IZuGc::EDrawFill);
    canvas.Gc().SetDrawColor(CZuRgb(200, 0, 0));
    canvas.Gc().DrawRect(CZuRect(2, 3, 6, 8));
    EXPECT_EQ(canvas.Touched(), Block(2, 3, 6, 8));
}

TEST(GcTest, ClearOfARectFillsExclusiveEdgesAndLeavesFillStyle)
{
    CCanvas canvas(20, 20);
    canvas.Gc().SetDrawColor(CZuRgb(0, 128, 0));
    canvas.Gc().Clear(CZuRect(0, 0, 10, 10));
    EXPECT_EQ(canvas.Touched(), Block(0, 0, 9, 9));
    ExpectColor(canvas.At(9, 9), 0, 128, 0);
    EXPECT_EQ(canvas.At(9, 9).a, 255);
    EXPECT_EQ(canvas.Gc().DrawStyle(), IZuGc::EDrawFill);
}

TEST(GcTest, ClearIgnoresTheClipBox)
{
    CCanvas canvas(12, 8, 0);
    canvas.Gc().SetClippingRect(CZuRect(2, 2, 4, 4));
    canvas.Gc().SetDrawColor(CZuRgb(1, 2, 3));
    canvas.Gc().Clear();
    for (int y = 0; y < 8; ++y)
    {
        for (int x = 0; x < 12; ++x)
        {
            TPixel p = canvas.At(x, y);
            ASSERT_EQ(p.r, 1);
            ASSERT_EQ(p.g, 2);
            ASSERT_EQ(p.b, 3);
            ASSERT_EQ(p.a, 255);
        }
    }
}

TEST(GcTest, LinesLeaveOutTheEndPixel)
{
    CCanvas canvas(10, 10);
    canvas.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    canvas.Gc().DrawLine(CZuPoint(5, 5), CZuPoint(5, 5));
    EXPECT_TRUE(canvas.Touched().empty());
    canvas.Gc().DrawLine(CZuPoint(0, 0), CZuPoint(3, 0));
    std::set<std::pair<int, int>> expected = {{0, 0}, {1, 0}, {2, 0}};
    EXPECT_EQ(canvas.Touched(), expected);

    CCanvas steep(10, 10);
    steep.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    steep.Gc().DrawLine(CZuPoint(1, 1), CZuPoint(3, 7));
    // As many pixels as the longer axis, starting at the start point.
    EXPECT_EQ(steep.Touched().size(), 6u);
    EXPECT_FALSE(steep.IsWhite(1, 1));
    EXPECT_TRUE(steep.IsWhite(3, 7));
}

TEST(GcTest, LinesIgnoreStyleAndPenSize)
{
    CCanvas canvas(10, 10);
    canvas.Gc().SetDrawStyle(IZuGc::EDrawGradual);
    canvas.Gc().SetPenSize(5u);
    canvas.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    canvas.Gc().DrawLine(CZuPoint(0, 2), CZuPoint(4, 2));
    EXPECT_EQ(canvas.Touched().size(), 4u);
}

TEST(GcTest, NestedClipRectanglesOnlyNarrow)
{
    CCanvas canvas(30, 30);
    CZuGc& gc = canvas.Gc();
    gc.SetDrawStyle(IZuGc::EDrawFill);
    gc.SetDrawColor(CZuRgb(0, 0, 0));
    gc.SetClippingRect(CZuRect(0, 0, 10, 10));
    // The inner rectangle reaches beyond the outer one: only their common part is in force.
    gc.SetClippingRect(CZuRect(5, 5, 20, 20));
    EXPECT_EQ(gc.ClipDepth(), 2);
    gc.DrawRect(CZuRect(0, 0, 29, 29));
    EXPECT_EQ(canvas.Touched(), Block(5, 5, 10, 10));
    // One wholly outside the outer one leaves nothing, until it goes.
    gc.SetClippingRect(CZuRect(15, 15, 20, 20));
    int l, t, r, b;
    EXPECT_FALSE(gc.ClipBox(l, t, r, b));
    gc.CancelClippingRect();

    gc.CancelClippingRect();
    EXPECT_EQ(gc.ClipDepth(), 1);
    std::memset(canvas.iPixels.data(), 255, canvas.iPixels.size());
    gc.DrawRect(CZuRect(0, 0, 29, 29));
    EXPECT_EQ(canvas.Touched(), Block(0, 0, 10, 10));

    gc.CancelClippingRect();
    gc.CancelClippingRect();
    EXPECT_EQ(gc.ClipDepth(), 0);
    EXPECT_TRUE(gc.ClipBox(l, t, r, b));
    EXPECT_EQ(l, 0);
    EXPECT_EQ(t, 0);
    EXPECT_EQ(r, 29);
    EXPECT_EQ(b, 29);
}

TEST(GcTest, AntiAliasedFillsStayInsideTheClipBox)
{
    CCanvas solid(20, 20);
    solid.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    solid.Gc().SetClippingRect(CZuRect(5, 6, 10, 12));
    solid.Gc().Clear(CZuRect(0, 0, 20, 20));
    EXPECT_EQ(solid.Touched(), Block(5, 6, 10, 12));

    CCanvas gradient(20, 20);
    gradient.Gc().SetClippingRect(CZuRect(5, 6, 10, 12));
    gradient.Gc().SetDrawStyle(IZuGc::EDrawGradual);
    gradient.Gc().SetDrawColor2(CZuRgb(0, 0, 0), CZuRgb(0, 0, 90), IZuGc::EGradualVertical);
    gradient.Gc().DrawRoundRect(CZuRect(-5, -5, 25, 25), 3);
    EXPECT_EQ(gradient.Touched(), Block(5, 6, 10, 12));
}

TEST(GcTest, ClipRectangleIsNormalisedAndCutToTheBuffer)
{
    CCanvas canvas(20, 20);
    CZuGc& gc = canvas.Gc();
    gc.SetClippingRect(CZuRect(25, 15, 10, -5));
    int l, t, r, b;
    ASSERT_TRUE(gc.ClipBox(l, t, r, b));
    EXPECT_EQ(l, 10);
    EXPECT_EQ(t, 0);
    EXPECT_EQ(r, 19);
    EXPECT_EQ(b, 15);
}

TEST(GcTest, ClipOutsideTheBufferDrawsNothingUntilCancelled)
{
    CCanvas canvas(20, 20);
    CZuGc& gc = canvas.Gc();
    gc.SetDrawColor(CZuRgb(0, 0, 0));
    gc.SetDrawStyle(IZuGc::EDrawFill);
    gc.SetClippingRect(CZuRect(40, 40, 60, 60));
    int l, t, r, b;
    EXPECT_FALSE(gc.ClipBox(l, t, r, b));
    gc.DrawRect(CZuRect(0, 0, 19, 19));
    gc.DrawLine(CZuPoint(0, 0), CZuPoint(19, 19));
    gc.DrawRoundRect(CZuRect(0, 0, 19, 19), 3);
    gc.DrawEllipse(CZuRect(0, 0, 19, 19));
    EXPECT_TRUE(canvas.Touched().empty());
    gc.CancelClippingRect();
    gc.DrawRect(CZuRect(0, 0, 1, 1));
    EXPECT_EQ(canvas.Touched(), Block(0, 0, 1, 1));
}

// Coverage of a shape as the anti-aliased rasteriser computes it, for checking the blend.
template <class Path> std::vector<int> Coverage(Path& path, int width, int height)
{
    std::vector<int> cover(static_cast<size_t>(width) * height, 0);
    agg::rasterizer_scanline_aa<> rasterizer;
    rasterizer.clip_box(0, 0, width, height);
    rasterizer.add_path(path);
    agg::scanline_u8 sl;
    if (!rasterizer.rewind_scanlines())
        return cover;
    sl.reset(rasterizer.min_x(), rasterizer.max_x());
    while (rasterizer.sweep_scanline(sl))
    {
        int y = sl.y();
        agg::scanline_u8::const_iterator span = sl.begin();
        for (unsigned n = sl.num_spans(); n > 0; --n, ++span)
        {
            for (int i = 0; i < span->len; ++i)
                if (span->x + i < width && y < height)
                    cover[static_cast<size_t>(y) * width + span->x + i] = span->covers[i];
        }
    }
    return cover;
}

TEST(GcTest, AntiAliasedEdgesBlendWithTheStatedFormula)
{
    const int w = 24, h = 16;
    CZuPoint points[3] = {CZuPoint(1, 1), CZuPoint(22, 6), CZuPoint(4, 15)};
    agg::path_storage shape;
    shape.move_to(1, 1);
    shape.line_to(22, 6);
    shape.line_to(4, 15);
    shape.close_polygon();
    std::vector<int> cover = Coverage(shape, w, h);
    shape.rewind(0);

    CCanvas canvas(w, h);
    // A background with varied colours and alpha, so that each channel and the alpha rule are exercised.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            canvas.Set(x, y, (x * 11) & 255, (y * 17) & 255, (x * y) & 255, (x * 7 + y * 13) & 255);
    std::vector<unsigned char> before = canvas.iPixels;
    const int cr = 200, cg = 30, cb = 90;
    canvas.Gc().SetDrawStyle(IZuGc::EDrawFill);
    canvas.Gc().SetDrawColor(CZuRgb(cr, cg, cb));
    canvas.Gc().DrawPolygon(points, 3);

    int partial = 0;
    for (int y = 0; y < h; ++y)
    {
        for (int x = 0; x < w; ++x)
        {
            int c = cover[static_cast<size_t>(y) * w + x];
            const unsigned char* old = &before[(static_cast<size_t>(y) * w + x) * 4];
            TPixel p = canvas.At(x, y);
            if (c == 0)
            {
                EXPECT_EQ(p.b, old[0]);
                EXPECT_EQ(p.a, old[3]);
                continue;
            }
            int alpha = (255 * (c + 1)) >> 8;
            if (alpha == 255)
            {
                ExpectColor(p, cr, cg, cb);
                EXPECT_EQ(p.a, 255);
                continue;
            }
            ++partial;
            EXPECT_EQ(p.b, (alpha * (cb - old[0]) + old[0] * 256) >> 8) << x << "," << y;
            EXPECT_EQ(p.g, (alpha * (cg - old[1]) + old[1] * 256) >> 8) << x << "," << y;
            EXPECT_EQ(p.r, (alpha * (cr - old[2]) + old[2] * 256) >> 8) << x << "," << y;
            EXPECT_EQ(p.a, alpha + old[3] - ((old[3] * alpha + 255) >> 8)) << x << "," << y;
        }
    }
    EXPECT_GT(partial, 20);
}

// Blends a colour with coverage into a white-initialised BGRA canvas copy, as the drawing context promises.
void BlendReference(std::vector<unsigned char>& pixels, const std::vector<int>& cover, int cr, int cg, int cb)
{
    for (size_t i = 0; i < cover.size(); ++i)
    {
        if (cover[i] == 0)
            continue;
        unsigned char* d = &pixels[i * 4];
        int alpha = (255 * (cover[i] + 1)) >> 8;
        if (alpha == 255)
        {
            d[0] = cb, d[1] = cg, d[2] = cr, d[3] = 255;
            continue;
        }
        int a = d[3];
        d[0] = static_cast<unsigned char>((alpha * (cb - d[0]) + d[0] * 256) >> 8);
        d[1] = static_cast<unsigned char>((alpha * (cg - d[1]) + d[1] * 256) >> 8);
        d[2] = static_cast<unsigned char>((alpha * (cr - d[2]) + d[2] * 256) >> 8);
        d[3] = static_cast<unsigned char>(alpha + a - ((a * alpha + 255) >> 8));
    }
}

TEST(GcTest, TextIsEachGlyphOutlineFilledInTurn)
{
    const int w = 80, h = 30;
    CZuFont font(EFontUi, 125, false);
    CCanvas canvas(w, h);
    canvas.Gc().UseFont(&font);
    canvas.Gc().SetDrawColor(CZuRgb(20, 40, 160));
    // Twice, so that the second time the glyphs come from the caches.
    canvas.Gc().DrawTextW(CZuString("Ag中W"), CZuPoint(3, 22));
    std::vector<unsigned char> once = canvas.iPixels;
    std::memset(canvas.iPixels.data(), 255, canvas.iPixels.size());
    canvas.Gc().DrawTextW(CZuString("Ag中W"), CZuPoint(3, 22));
    EXPECT_EQ(canvas.iPixels, once);

    // The reference: every glyph's outline, placed at the advancing pen position, filled and blended.
    std::vector<unsigned char> expected(canvas.iPixels.size(), 255);
    CZuGcFont& engine = CZuGcFont::ForName(EFontUi);
    engine.SetPixelHeight(font.HeightInPixels());
    double x = 3;
    int drawn = 0;
    for (unsigned code : {0x41u, 0x67u, 0x4E2Du, 0x57u})
    {
        const agg::glyph_cache* glyph = engine.Glyph(code);
        ASSERT_NE(glyph, nullptr);
        engine.InitAdaptors(glyph, x, 22);
        agg::conv_curve<CZuGcFont::TPathAdaptor> curves(engine.PathAdaptor());
        BlendReference(expected, Coverage(curves, w, h), 20, 40, 160);
        x += glyph->advance_x;
        ++drawn;
    }
    EXPECT_EQ(drawn, 4);
    EXPECT_EQ(canvas.iPixels, expected);
}

TEST(GcTest, VerticalGradientMatchesTheTransposedHorizontalOne)
{
    // The horizontal gradient comes from the span generator pixel by pixel; the vertical one per row.
    const CZuRgb first(250, 190, 70), second(2, 82, 150);
    for (IZuGc::TGradualType type : {IZuGc::EGradualVertical, IZuGc::EGradualVerticalMirror})
    {
        IZuGc::TGradualType across =
            type == IZuGc::EGradualVertical ? IZuGc::EGradualHorizontal : IZuGc::EGradualHorizontalMirror;
        CCanvas vertical(40, 64);
        vertical.Gc().SetDrawStyle(IZuGc::EDrawGradual);
        vertical.Gc().SetDrawColor2(first, second, type);
        vertical.Gc().DrawRect(CZuRect(3, 2, 30, 57));
        CCanvas horizontal(64, 40);
        horizontal.Gc().SetDrawStyle(IZuGc::EDrawGradual);
        horizontal.Gc().SetDrawColor2(first, second, across);
        horizontal.Gc().DrawRect(CZuRect(2, 3, 57, 30));
        for (int y = 0; y < 64; ++y)
        {
            for (int x = 0; x < 40; ++x)
            {
                TPixel a = vertical.At(x, y), b = horizontal.At(y, x);
                ASSERT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a) << x << "," << y;
            }
        }
        EXPECT_FALSE(vertical.IsWhite(15, 30));
    }
}

TEST(GcTest, HalfCoveredPixelsOfAStrokeBlendByHalf)
{
    // A one-pixel stroke centred on x = 5 covers half of columns 4 and 5.
    CCanvas white(12, 12);
    white.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    white.Gc().DrawRoundRect(CZuRect(5, 2, 10, 10), 0);
    TPixel p = white.At(4, 6);
    EXPECT_EQ(p.r, 127);
    EXPECT_EQ(p.a, 255);
    EXPECT_EQ(white.At(5, 6).r, 127);

    CCanvas clear(12, 12, 0);
    clear.Gc().SetDrawColor(CZuRgb(255, 255, 255));
    clear.Gc().DrawRoundRect(CZuRect(5, 2, 10, 10), 0);
    TPixel q = clear.At(4, 6);
    EXPECT_EQ(q.r, 127);
    EXPECT_EQ(q.a, 128);
}

TEST(GcTest, GradientsStartAndEndWithTheirColours)
{
    const CZuRgb first(250, 190, 70), second(2, 82, 150);
    struct TCase
    {
        IZuGc::TGradualType type;
        int w, h;
    };
    const TCase cases[] = {{IZuGc::EGradualVertical, 8, 256},
                           {IZuGc::EGradualHorizontal, 256, 8},
                           {IZuGc::EGradualVerticalMirror, 8, 256},
                           {IZuGc::EGradualHorizontalMirror, 256, 8}};
    for (const TCase& c : cases)
    {
        CCanvas canvas(c.w, c.h);
        canvas.Gc().SetDrawStyle(IZuGc::EDrawGradual);
        canvas.Gc().SetDrawColor2(first, second, c.type);
        canvas.Gc().DrawRect(CZuRect(0, 0, c.w, c.h));
        bool mirrored = c.type == IZuGc::EGradualVerticalMirror || c.type == IZuGc::EGradualHorizontalMirror;
        TPixel start = canvas.At(0, 0);
        TPixel end = canvas.At(c.w - 1, c.h - 1);
        ExpectColor(start, first.Red(), first.Green(), first.Blue());
        if (mirrored)
        {
            ExpectColor(end, first.Red(), first.Green(), first.Blue());
            TPixel middle = canvas.At(c.w / 2, c.h / 2);
            EXPECT_NEAR(middle.r, second.Red(), 2);
            EXPECT_NEAR(middle.g, second.Green(), 2);
            EXPECT_NEAR(middle.b, second.Blue(), 2);
        }
        else
        {
            ExpectColor(end, second.Red(), second.Green(), second.Blue());
        }
        EXPECT_EQ(start.a, 255);
    }
}

TEST(GcTest, GradientRunsAlongTheRightAxisAndMonotonically)
{
    CCanvas canvas(64, 64);
    canvas.Gc().SetDrawStyle(IZuGc::EDrawGradual);
    canvas.Gc().SetDrawColor2(CZuRgb(0, 0, 0), CZuRgb(255, 255, 255), IZuGc::EGradualVertical);
    canvas.Gc().DrawRect(CZuRect(0, 0, 64, 64));
    for (int y = 1; y < 64; ++y)
    {
        EXPECT_EQ(canvas.At(0, y).r, canvas.At(63, y).r);
        EXPECT_GT(canvas.At(0, y).r, canvas.At(0, y - 1).r);
    }
    // Row 16 of 64: d = 16.5 * 16 = 264, entry 264 * 256 / 1024 = 66, k = round(66 * 256 / 255) = 66,
    // colour (255 * 66) >> 8 = 65.
    EXPECT_EQ(canvas.At(0, 16).r, 65);
}

TEST(GcTest, RadialGradientGoesFromTheCentreToTheRadius)
{
    CCanvas canvas(41, 41);
    canvas.Gc().SetDrawStyle(IZuGc::EDrawGradual);
    canvas.Gc().SetDrawColor2(CZuRgb(255, 0, 0), CZuRgb(0, 0, 255), IZuGc::EGradualRadial);
    canvas.Gc().DrawRect(CZuRect(0, 0, 40, 40));
    TPixel centre = canvas.At(20, 20);
    EXPECT_GT(centre.r, 240);
    EXPECT_LT(centre.b, 15);
    // The corners lie beyond the radius and take the second colour.
    ExpectColor(canvas.At(0, 0), 0, 0, 255);
    ExpectColor(canvas.At(39, 39), 0, 0, 255);
    // Pixel centres at the same distance from the centre (20, 20) get the same colour.
    EXPECT_EQ(canvas.At(10, 20).r, canvas.At(29, 20).r);
    EXPECT_EQ(canvas.At(20, 5).r, canvas.At(20, 34).r);
}

TEST(GcTest, OversizedRadiiAreScaledSoThatCornersMeet)
{
    // Radii of 100 in a 40 x 20 box become 10: the left and right ends are half circles.
    CCanvas canvas(48, 24);
    canvas.Gc().SetDrawStyle(IZuGc::EDrawFill);
    canvas.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    canvas.Gc().DrawRoundRect(CZuRect(0, 0, 40, 20), 100);
    EXPECT_TRUE(canvas.IsWhite(0, 0));
    EXPECT_TRUE(canvas.IsWhite(39, 19));
    EXPECT_LT(canvas.At(0, 9).r, 40);
    EXPECT_LT(canvas.At(20, 0).r, 10);
    EXPECT_TRUE(canvas.IsWhite(40, 9));

    // Mixed radii: both left corners 20 in a box 30 high are scaled to 15, not left to overlap.
    CCanvas mixed(110, 40);
    mixed.Gc().SetDrawStyle(IZuGc::EDrawFill);
    mixed.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    mixed.Gc().DrawRoundRect(CZuRect(0, 0, 100, 30), 20, 0, 20, 0);
    EXPECT_LT(mixed.At(8, 2).r, 60);
    EXPECT_TRUE(mixed.IsWhite(0, 2));
    EXPECT_LT(mixed.At(99, 0).r, 5);
    EXPECT_LT(mixed.At(99, 29).r, 5);
}

TEST(GcTest, EllipsesUseTheBresenhamWalkWhenAliased)
{
    CCanvas canvas(21, 21);
    canvas.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    canvas.Gc().DrawEllipse(CZuRect(0, 0, 20, 20));
    // Centre (10, 10), radii 10: the four extreme points are on the outline, the centre is not.
    EXPECT_FALSE(canvas.IsWhite(10, 0));
    EXPECT_FALSE(canvas.IsWhite(10, 20));
    EXPECT_FALSE(canvas.IsWhite(0, 10));
    EXPECT_FALSE(canvas.IsWhite(20, 10));
    EXPECT_TRUE(canvas.IsWhite(10, 10));
    // Aliased: every touched pixel carries the full colour.
    for (auto xy : canvas.Touched())
        EXPECT_EQ(canvas.At(xy.first, xy.second).r, 0);

    CCanvas filled(21, 21);
    filled.Gc().SetDrawStyle(IZuGc::EDrawFill);
    filled.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    filled.Gc().DrawEllipse(CZuRect(0, 0, 20, 20));
    EXPECT_FALSE(filled.IsWhite(10, 10));
    EXPECT_TRUE(filled.IsWhite(1, 1));
    std::set<std::pair<int, int>> outline = canvas.Touched();
    std::set<std::pair<int, int>> area = filled.Touched();
    for (auto xy : outline)
        EXPECT_TRUE(area.count(xy)) << xy.first << "," << xy.second;
}

TEST(GcTest, PolygonOutlineHasThePenWidth)
{
    CZuPoint square[4] = {CZuPoint(4, 4), CZuPoint(20, 4), CZuPoint(20, 20), CZuPoint(4, 20)};
    CCanvas thin(26, 26);
    thin.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    thin.Gc().DrawPolygon(square, 4);
    CCanvas thick(26, 26);
    thick.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    // Given to the drawing context itself, an int pen size sets the stroke width too.
    int penSize = 4;
    thick.Gc().SetPenSize(penSize);
    EXPECT_EQ(thick.Gc().StrokeWidth(), 4u);
    thick.Gc().DrawPolygon(square, 4);
    // Width 4 centred on x = 4 covers columns 2 to 5 fully; width 1 only half of 3 and 4.
    EXPECT_EQ(thick.At(2, 12).r, 0);
    EXPECT_EQ(thick.At(5, 12).r, 0);
    EXPECT_TRUE(thick.IsWhite(1, 12));
    EXPECT_TRUE(thick.IsWhite(6, 12));
    EXPECT_EQ(thin.At(3, 12).r, 127);
    EXPECT_TRUE(thin.IsWhite(2, 12));
    EXPECT_TRUE(thin.IsWhite(12, 12));
    // The interface's own pen size does not change the stroke.
    CCanvas viaInterface(26, 26);
    IZuGc& gc = viaInterface.Gc();
    gc.SetDrawColor(CZuRgb(0, 0, 0));
    gc.SetPenSize(4);
    gc.DrawPolygon(square, 4);
    EXPECT_EQ(gc.PenSize(), 4);
    EXPECT_TRUE(viaInterface.IsWhite(2, 12));
}

TEST(GcTest, NegativeStrideStoresRowsBottomUp)
{
    std::vector<unsigned char> pixels(4 * 3 * 4, 0);
    CZuGc gc;
    gc.SetBuf(pixels.data(), 4, 3, -16);
    gc.SetDrawStyle(IZuGc::EDrawFill);
    gc.SetDrawColor(CZuRgb(9, 8, 7));
    gc.DrawRect(CZuRect(0, 0, 0, 0));
    // The top-left pixel is the first pixel of the last row in memory.
    EXPECT_EQ(pixels[2 * 16 + 2], 9);
    EXPECT_EQ(pixels[2 * 16 + 0], 7);
    EXPECT_EQ(pixels[0], 0);
}

namespace
{
// A 4 x 2 test picture; pixel (x, y) holds Blue x * 10, Green y * 10, Red 100, Alpha as given.
CZuImage* MakeImage(int width, int height, int alpha)
{
    CZuImage* image = new CZuImage();
    image->CreateEmptyImage(CZuSize(width, height));
    unsigned char* p = image->GetImgBuf();
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x, p += 4)
        {
            p[0] = static_cast<unsigned char>(x * 10);
            p[1] = static_cast<unsigned char>(y * 10);
            p[2] = 100;
            p[3] = static_cast<unsigned char>(alpha);
        }
    }
    return image;
}
} // namespace

TEST(GcTest, ImagesWithoutMaskAreCopiedAsTheyAre)
{
    CZuImage* image = MakeImage(4, 2, 7);
    CCanvas canvas(10, 10);
    canvas.Gc().DrawImage(CZuPoint(3, 5), image);
    TPixel p = canvas.At(6, 6);
    EXPECT_EQ(p.b, 30);
    EXPECT_EQ(p.g, 10);
    EXPECT_EQ(p.r, 100);
    EXPECT_EQ(p.a, 7);
    EXPECT_EQ(canvas.Touched(), Block(3, 5, 6, 6));
    image->Release();
}

TEST(GcTest, MaskedImagesWithAlphaBlendOverTheBackground)
{
    CZuImage* image = new CZuImage();
    image->Load(CZuString(ZU_TEST_SOURCE_DIR "/tests/platform/data/sample-alpha.png"));
    ASSERT_TRUE(image->HaveAlpha());
    image->CreateMask();
    CCanvas canvas(48, 48);
    canvas.Gc().DrawImage(CZuPoint(0, 0), image);
    const unsigned char* src = image->GetImgBuf();
    for (int i = 0; i < 48 * 48; ++i)
    {
        int a = src[i * 4 + 3];
        TPixel p = canvas.At(i % 48, i / 48);
        ASSERT_EQ(p.b, (src[i * 4] * a + 255 * (255 - a)) >> 8);
        ASSERT_EQ(p.r, (src[i * 4 + 2] * a + 255 * (255 - a)) >> 8);
        ASSERT_EQ(p.a, 255);
    }

    // The middle of the disc is opaque: alpha 255 over white comes out one step darker than the source.
    int middle = (24 * 48 + 24) * 4;
    ASSERT_EQ(src[middle + 3], 255);
    ASSERT_GT(src[middle + 2], 0);
    EXPECT_EQ(canvas.At(24, 24).r, src[middle + 2] - 1);
    EXPECT_EQ(canvas.At(24, 24).b, src[middle] - 1);
    image->Release();
}

TEST(GcTest, MaskedImagesWithoutAlphaSkipTheKeyColour)
{
    CZuImage* image = MakeImage(4, 2, 255);
    // Two pixels share the top-left colour and become the key.
    unsigned char* p = image->GetImgBuf();
    std::memcpy(p + 4 * 5, p, 4);
    p[4 * 5 + 3] = 17; // the alpha byte does not take part in the comparison
    image->CreateMask();
    ASSERT_FALSE(image->HaveAlpha());
    CCanvas canvas(6, 4);
    canvas.Gc().DrawImage(CZuPoint(1, 1), image);
    EXPECT_TRUE(canvas.IsWhite(1, 1));
    EXPECT_TRUE(canvas.IsWhite(2, 2));
    EXPECT_FALSE(canvas.IsWhite(2, 1));
    EXPECT_EQ(canvas.At(4, 2).b, 30);
    EXPECT_EQ(canvas.At(4, 2).a, 255);
    image->Release();
}

TEST(GcTest, ImagesAreCentredOrCroppedInTheirRectangle)
{
    CZuImage* image = MakeImage(4, 2, 255);
    // Larger than the image: centred.
    CCanvas centred(10, 10);
    centred.Gc().DrawImage(CZuRect(0, 0, 8, 6), image, false);
    EXPECT_EQ(centred.Touched(), Block(2, 2, 5, 3));
    // Smaller: the image's top-left part of the rectangle's size at its top-left.
    CCanvas cropped(10, 10);
    cropped.Gc().DrawImage(CZuRect(5, 5, 7, 6), image, false);
    EXPECT_EQ(cropped.Touched(), Block(5, 5, 6, 5));
    EXPECT_EQ(cropped.At(6, 5).b, 10);
    // The first form puts the whole image at the top-left corner.
    CCanvas corner(10, 10);
    corner.Gc().DrawImage(CZuRect(1, 1, 3, 3), image, true, 5, true);
    EXPECT_EQ(corner.Touched(), Block(1, 1, 4, 2));
    // Part of the picture, clipped, and a source reaching outside the picture.
    CCanvas clipped(10, 10);
    clipped.Gc().SetClippingRect(CZuRect(0, 0, 4, 9));
    clipped.Gc().DrawImage(CZuPoint(3, 0), image, CZuRect(1, 0, 9, 9));
    EXPECT_EQ(clipped.Touched(), Block(3, 0, 4, 1));
    EXPECT_EQ(clipped.At(3, 0).b, 10);
    image->Release();

    CZuImage empty;
    CCanvas nothing(4, 4);
    nothing.Gc().DrawImage(CZuPoint(0, 0), &empty);
    nothing.Gc().DrawImage(CZuPoint(0, 0), nullptr);
    EXPECT_TRUE(nothing.Touched().empty());
}

namespace
{
// Columns and rows that hold ink: left, top, right, bottom (inclusive); left > right when none.
struct TInk
{
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

TInk InkOf(const CCanvas& canvas)
{
    TInk ink;
    for (auto xy : canvas.Touched())
    {
        ink.left = std::min(ink.left, xy.first);
        ink.right = std::max(ink.right, xy.first);
        ink.top = std::min(ink.top, xy.second);
        ink.bottom = std::max(ink.bottom, xy.second);
    }
    return ink;
}
} // namespace

TEST(GcTest, TextSitsOnItsBaseline)
{
    CZuFont font(EFontUi, 150, false);
    CCanvas canvas(80, 40);
    canvas.Gc().UseFont(&font);
    canvas.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    canvas.Gc().DrawTextW(CZuString("HE"), CZuPoint(10, 30));
    TInk ink = InkOf(canvas);
    EXPECT_EQ(ink.bottom, 29);
    EXPECT_GE(ink.top, 30 - font.AscentInPixels());
    EXPECT_LE(ink.top, 16);
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 10 + font.TextWidthInPixels(CZuString("HE")));
}

TEST(GcTest, TextAlignsInARectangle)
{
    CZuFont font(EFontUi, 100, false);
    const CZuString text("Word");
    int width = font.TextWidthInPixels(text);
    ASSERT_GT(width, 10);
    CZuRect box(0, 0, 100, 30);

    CCanvas right(100, 30);
    right.Gc().UseFont(&font);
    right.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    right.Gc().DrawTextW(text, box, EAlignRight, 0, 4);
    TInk r = InkOf(right);
    EXPECT_LE(r.right, 100 - 4 - 1);
    EXPECT_GE(r.right, 100 - 4 - 3);

    CCanvas left(100, 30);
    left.Gc().UseFont(&font);
    left.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    left.Gc().DrawTextW(text, box, EAlignLeft, 0, 4);
    TInk l = InkOf(left);
    EXPECT_GE(l.left, 4);
    EXPECT_LE(l.left, 6);

    CCanvas centre(100, 30);
    centre.Gc().UseFont(&font);
    centre.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    centre.Gc().DrawTextW(text, box, EAlignCenter, 0, 40);
    TInk c = InkOf(centre);
    EXPECT_NEAR((c.left + c.right + 1) / 2.0, 50.0, 2.0);
    // Baseline: top + (30 - 16) / 2 + 14 = 21, so the ink ends on row 20.
    EXPECT_EQ(c.bottom, 20);
    EXPECT_EQ(l.bottom, 20);

    // The UTF-16 form draws the same pixels.
    CZuString16 text16;
    ConvertUtf8ToUnicode(text.PtrZ(), text.Length(), text16);
    CCanvas wide(100, 30);
    wide.Gc().UseFont(&font);
    wide.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    wide.Gc().DrawTextW(text16, box, EAlignRight, 0, 4);
    EXPECT_EQ(wide.iPixels, right.iPixels);
}

TEST(GcTest, TextWithoutAFontOrEmptyDrawsNothing)
{
    CCanvas canvas(40, 20);
    canvas.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    canvas.Gc().DrawTextW(CZuString("abc"), CZuPoint(2, 15));
    CZuFont font(EFontUi, 100, false);
    canvas.Gc().UseFont(&font);
    canvas.Gc().DrawTextW(CZuString(""), CZuPoint(2, 15));
    canvas.Gc().DrawTextW(CZuString(""), CZuRect(0, 0, 40, 20), EAlignLeft, 0, 0);
    canvas.Gc().DiscardFont();
    EXPECT_EQ(canvas.Gc().Font(), nullptr);
    canvas.Gc().DrawTextW(CZuString("abc"), CZuPoint(2, 15));
    EXPECT_TRUE(canvas.Touched().empty());
}

TEST(GcTest, TextHonoursTheClipBox)
{
    CZuFont font(EFontUi, 150, false);
    CCanvas canvas(80, 40);
    canvas.Gc().UseFont(&font);
    canvas.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    canvas.Gc().SetClippingRect(CZuRect(0, 0, 19, 39));
    canvas.Gc().DrawTextW(CZuString("MMMM"), CZuPoint(2, 30));
    TInk ink = InkOf(canvas);
    EXPECT_EQ(ink.right, 19);
}

TEST(GcTest, TextIsCutAtEveryEdgeOfTheClipBoxAndWholeInsideIt)
{
    CZuFont font(EFontUi, 200, false);
    // Latin with descenders and accents, and Chinese, crossing all four edges of the clip box.
    const CZuString text("gÅjM词汇W");
    const CZuRect clip(14, 9, 47, 24);
    CCanvas whole(80, 40);
    whole.Gc().UseFont(&font);
    whole.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    whole.Gc().DrawTextW(text, CZuPoint(3, 27));
    TInk all = InkOf(whole);
    ASSERT_LT(all.left, clip.iTl.iX);
    ASSERT_LT(all.top, clip.iTl.iY);
    ASSERT_GT(all.right, clip.iBr.iX);
    ASSERT_GT(all.bottom, clip.iBr.iY);

    CCanvas cut(80, 40);
    cut.Gc().UseFont(&font);
    cut.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    cut.Gc().SetClippingRect(clip);
    cut.Gc().DrawTextW(text, CZuPoint(3, 27));
    for (int y = 0; y < 40; ++y)
    {
        for (int x = 0; x < 80; ++x)
        {
            bool inside = x >= clip.iTl.iX && x <= clip.iBr.iX && y >= clip.iTl.iY && y <= clip.iBr.iY;
            TPixel drawn = cut.At(x, y);
            TPixel expected = inside ? whole.At(x, y) : TPixel{255, 255, 255, 255};
            ASSERT_TRUE(drawn.b == expected.b && drawn.g == expected.g && drawn.r == expected.r)
                << "pixel " << x << "," << y;
        }
    }
    TInk ink = InkOf(cut);
    EXPECT_GE(ink.left, clip.iTl.iX);
    EXPECT_LE(ink.right, clip.iBr.iX);
    EXPECT_GT(ink.right, ink.left);
}

TEST(GcTest, TextInARectangleIsCutToTheClipBoxNotToTheRectangle)
{
    CZuFont font(EFontUi, 150, false);
    const CZuString text("Vocabulary 词汇");
    CCanvas canvas(120, 30);
    canvas.Gc().UseFont(&font);
    canvas.Gc().SetDrawColor(CZuRgb(0, 0, 0));
    // A cell narrower than its text inside a clip that is narrower still: only the clip counts.
    canvas.Gc().SetClippingRect(CZuRect(10, 0, 39, 29));
    canvas.Gc().DrawTextW(text, CZuRect(0, 0, 60, 30), EAlignLeft, 0, 2);
    CZuString16 wide;
    ConvertUtf8ToUnicode(text.PtrZ(), text.Length(), wide);
    canvas.Gc().DrawTextW(wide, CZuPoint(0, 25));
    TInk ink = InkOf(canvas);
    EXPECT_GE(ink.left, 10);
    EXPECT_EQ(ink.right, 39);
    canvas.Gc().CancelClippingRect();
    // Without the clip the same text reaches past it.
    canvas.Gc().DrawTextW(text, CZuRect(0, 0, 60, 30), EAlignLeft, 0, 2);
    EXPECT_GT(InkOf(canvas).right, 39);
}

TEST(BitmapGcTest, DrawsIntoItsOwnImage)
{
    CZuBitmapGc gc(CZuSize(6, 4));
    gc.BeginDraw();
    gc.SetDrawColor(CZuRgb(10, 20, 30));
    gc.Clear();
    CZuImage* image = gc.EndDraw();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Size(), CZuSize(6, 4));
    const unsigned char* p = image->GetImgBuf();
    EXPECT_EQ(p[(3 * 6 + 5) * 4 + 2], 10);
    EXPECT_EQ(p[(3 * 6 + 5) * 4 + 0], 30);

    // The same size keeps the image; a new size makes a new, empty one.
    gc.SetBitmapGcSize(CZuSize(6, 4));
    EXPECT_EQ(gc.EndDraw(), image);
    image->AddRef();
    gc.SetBitmapGcSize(CZuSize(3, 3));
    CZuImage* second = gc.EndDraw();
    EXPECT_EQ(second->Size(), CZuSize(3, 3));
    EXPECT_EQ(second->GetImgBuf()[3], 0);
    // The holder's reference kept the first image alive.
    EXPECT_EQ(image->GetImgBuf()[2], 10);
    EXPECT_TRUE(image->Release());

    gc.SetBitmapGcSize(CZuSize(0, -5));
    EXPECT_EQ(gc.EndDraw()->Size(), CZuSize(1, 1));
    EXPECT_EQ(gc.Width(), 1);
}

TEST(WindowGcTest, FlushCopiesTheBufferToTheWindow)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* window = SDL_CreateWindow("gc", 0, 0, 32, 24, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    {
        CZuWindowGc gc(window, 32, 24);
        EXPECT_EQ(gc.Width(), 32);
        gc.SetDrawColor(CZuRgb(255, 255, 255));
        gc.Clear();
        gc.SetDrawStyle(IZuGc::EDrawFill);
        gc.SetDrawColor(CZuRgb(200, 100, 50));
        gc.DrawRect(CZuRect(4, 3, 9, 7));
        gc.Flush();
        SDL_Surface* surface = SDL_GetWindowSurface(window);
        ASSERT_NE(surface, nullptr);
        ASSERT_EQ(SDL_LockSurface(surface), 0);
        auto pixel = [&](int x, int y)
        {
            Uint32 value;
            std::memcpy(&value, static_cast<unsigned char*>(surface->pixels) + y * surface->pitch + x * 4, 4);
            Uint8 r, g, b;
            SDL_GetRGB(value, surface->format, &r, &g, &b);
            return (r << 16) | (g << 8) | b;
        };
        EXPECT_EQ(pixel(5, 5), 0xC86432);
        EXPECT_EQ(pixel(0, 0), 0xFFFFFF);
        SDL_UnlockSurface(surface);
    }
    CZuWindowGc empty(window, 0, 10);
    empty.Flush();
    EXPECT_EQ(empty.Width(), 0);
    SDL_DestroyWindow(window);
    SDL_Quit();
}
