// The gallery's icons: drawn on any colour, their rounded edges blend into it without a fringe.
#include "GalleryScene.h"

#include "ZuUi.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
struct TRgb
{
    int r, g, b;
};

TRgb PixelOf(CZuBitmapGc& gc, int x, int y)
{
    CZuImage* image = gc.EndDraw();
    const unsigned char* p = image->GetImgBuf() + (y * image->Size().iWidth + x) * 4;
    return TRgb{p[2], p[1], p[0]};
}
} // namespace

TEST(GalleryIconTest, RoundedEdgesBlendWithWhatTheIconIsDrawnOn)
{
    CGalleryScene scene(ZU_TEST_OUT_DIR "/", "", "icon");
    const int side = 22;
    const CZuRgb top(90, 190, 120), bottom(30, 130, 70);
    CZuImage* icon = CGalleryScene::MakeIcon("学", top, bottom, side);
    ASSERT_EQ(icon->Size(), CZuSize(side, side));
    EXPECT_TRUE(icon->HaveAlpha());
    EXPECT_TRUE(icon->HaveMask());
    const unsigned char* pixels = icon->GetImgBuf();
    // The corner is transparent, the middle of an edge opaque, the rounding in between partly so.
    EXPECT_EQ(pixels[3], 0);
    EXPECT_EQ(pixels[(side / 2) * 4 + 3], 255);
    int partial = 0;
    for (int i = 0; i < side * side; ++i)
        partial += pixels[i * 4 + 3] > 0 && pixels[i * 4 + 3] < 255 ? 1 : 0;
    EXPECT_GT(partial, 4);

    // On a dark button colour no pixel of the tile's outer ring is lighter than both the button and the
    // tile: the edges hold nothing of another background.
    const CZuRgb button(30, 60, 140);
    const TRgb most{std::max({button.Red(), top.Red(), bottom.Red()}),
                    std::max({button.Green(), top.Green(), bottom.Green()}),
                    std::max({button.Blue(), top.Blue(), bottom.Blue()})};
    CZuBitmapGc gc(CZuSize(side + 8, side + 8));
    gc.SetDrawColor(button);
    gc.Clear();
    gc.DrawImage(CZuPoint(4, 4), icon);
    for (int y = 0; y < side; ++y)
    {
        for (int x = 0; x < side; ++x)
        {
            bool ring = x < 3 || y < 3 || x >= side - 3 || y >= side - 3;
            if (!ring)
                continue;
            TRgb p = PixelOf(gc, x + 4, y + 4);
            EXPECT_LE(p.r, most.r + 1) << x << "," << y;
            EXPECT_LE(p.g, most.g + 1) << x << "," << y;
            EXPECT_LE(p.b, most.b + 1) << x << "," << y;
        }
    }
    // The transparent corner keeps the button's colour (within the blend's rounding step).
    TRgb corner = PixelOf(gc, 4, 4);
    EXPECT_NEAR(corner.r, button.Red(), 1);
    EXPECT_NEAR(corner.b, button.Blue(), 1);
    // An opaque edge pixel is the tile's own colour.
    TRgb edge = PixelOf(gc, 4 + side / 2, 4);
    EXPECT_NEAR(edge.g, top.Green(), 3);
    icon->Release();
}
