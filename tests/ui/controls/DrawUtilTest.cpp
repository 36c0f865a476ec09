#include "UiTestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace
{
const unsigned KWhite = 0xFFFFFF;
const unsigned KRed = 0xFF0000;
const unsigned KBlue = 0x0000FF;

// A white picture to draw on.
class DrawUtilTest : public ::testing::Test
{
protected:
    DrawUtilTest() : iGc(CZuSize(40, 40))
    {
        iGc.SetDrawColor(CZuRgb(KWhite));
        iGc.Clear();
    }
    unsigned At(int x, int y) { return PixelAt(iGc, x, y); }
    int CountOf(unsigned color)
    {
        int count = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                count += At(x, y) == color ? 1 : 0;
        return count;
    }

    CZuBitmapGc iGc;
};

CZuString16 Utf16(const char* text)
{
    CZuString16 units;
    ConvertUtf8ToUnicode(text, int(strlen(text)), units);
    return units;
}
} // namespace

TEST_F(DrawUtilTest, UpArrowInA20SquareHasItsApexAt8AndItsBaseAt12)
{
    CZuDrawUtil::DrawTrangle(iGc, CZuDrawUtil::EDirUp, CZuRect(0, 0, 20, 20), CZuRgb(KRed));
    // Apex (10, 8), base (6, 12) to (14, 12): nothing above row 8, the widest row near 12.
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(At(x, 6), KWhite) << x;
    EXPECT_EQ(At(10, 10), KRed);
    EXPECT_EQ(At(8, 11), KRed);
    EXPECT_EQ(At(12, 11), KRed);
    EXPECT_EQ(At(10, 14), KWhite);
    EXPECT_EQ(At(4, 11), KWhite);
    EXPECT_EQ(At(16, 11), KWhite);
}

TEST_F(DrawUtilTest, ArrowsPointTheirWay)
{
    const CZuRect box(0, 0, 20, 20);
    CZuDrawUtil::DrawTrangle(iGc, CZuDrawUtil::EDirDown, box, CZuRgb(KRed));
    // Down: apex at the bottom (10, 12), base at row 8.
    EXPECT_EQ(At(10, 9), KRed);
    EXPECT_EQ(At(8, 8), KRed);
    EXPECT_EQ(At(10, 14), KWhite);

    iGc.SetDrawColor(CZuRgb(KWhite));
    iGc.Clear();
    CZuDrawUtil::DrawTrangle(iGc, CZuDrawUtil::EDirLeft, box, CZuRgb(KRed));
    EXPECT_EQ(At(10, 10), KRed);
    EXPECT_EQ(At(11, 7), KRed);
    EXPECT_EQ(At(6, 10), KWhite);

    iGc.SetDrawColor(CZuRgb(KWhite));
    iGc.Clear();
    CZuDrawUtil::DrawTrangle(iGc, CZuDrawUtil::EDirRight, box, CZuRgb(KRed));
    EXPECT_EQ(At(9, 10), KRed);
    EXPECT_EQ(At(8, 7), KRed);
    EXPECT_EQ(At(14, 10), KWhite);
}

TEST_F(DrawUtilTest, ASmallBoxGetsASmallerArrowAndAnUnknownDirectionNone)
{
    // 9 pixels wide: half-width 3 instead of 4, so the arrow stays inside.
    CZuDrawUtil::DrawTrangle(iGc, CZuDrawUtil::EDirUp, CZuRect(0, 0, 9, 9), CZuRgb(KRed));
    EXPECT_GT(CountOf(KRed), 0);
    for (int y = 0; y < 40; ++y)
        EXPECT_EQ(At(9, y), KWhite) << y;
    iGc.SetDrawColor(CZuRgb(KWhite));
    iGc.Clear();
    CZuDrawUtil::DrawTrangle(iGc, 7, CZuRect(0, 0, 20, 20), CZuRgb(KRed));
    EXPECT_EQ(CountOf(KRed), 0);
}

TEST_F(DrawUtilTest, RectWithBorderIsFilledAndFramed)
{
    CZuDrawUtil::DrawRectWithBorder(iGc, CZuRect(5, 5, 15, 15), CZuRgb(KRed), CZuRgb(KBlue));
    // Columns and rows 5 to 14: the right and bottom edges are outside.
    EXPECT_EQ(At(5, 5), KBlue);
    EXPECT_EQ(At(14, 10), KBlue);
    EXPECT_EQ(At(10, 14), KBlue);
    EXPECT_EQ(At(10, 10), KRed);
    EXPECT_EQ(At(4, 10), KWhite);
    EXPECT_EQ(At(15, 10), KWhite);
    EXPECT_EQ(At(10, 15), KWhite);
    CZuDrawUtil::DrawRectWithBorder(iGc, CZuRect(30, 30, 30, 35), CZuRgb(KRed), CZuRgb(KBlue));
    EXPECT_EQ(At(30, 32), KWhite);
}

TEST_F(DrawUtilTest, RoundRectWithANegativeRadiusIsASquareOne)
{
    CZuDrawUtil::DrawRoundRect(iGc, CZuRect(5, 5, 25, 25), -3, CZuRgb(KRed), CZuRgb(KBlue));
    int withNegative = CountOf(KRed);
    iGc.SetDrawColor(CZuRgb(KWhite));
    iGc.Clear();
    CZuDrawUtil::DrawRoundRect(iGc, CZuRect(5, 5, 25, 25), 0, CZuRgb(KRed), CZuRgb(KBlue));
    EXPECT_EQ(CountOf(KRed), withNegative);
    EXPECT_GT(withNegative, 0);
    // A large radius rounds the corners off.
    iGc.SetDrawColor(CZuRgb(KWhite));
    iGc.Clear();
    CZuDrawUtil::DrawRoundRect(iGc, CZuRect(5, 5, 25, 25), 8, CZuRgb(KRed), CZuRgb(KBlue));
    EXPECT_EQ(At(5, 5), KWhite);
    EXPECT_EQ(At(15, 15), KRed);
}

TEST_F(DrawUtilTest, AGradientRunsTopToBottomAndDoesNotLeakIntoTheNextShape)
{
    CZuDrawUtil::FillRoundRect(iGc, CZuRect(0, 0, 40, 20), 0, CZuRgb(KRed), CZuRgb(KBlue),
                               IZuGc::EGradualVertical);
    unsigned top = At(20, 1);
    unsigned bottom = At(20, 18);
    EXPECT_GT(top >> 16, bottom >> 16);
    EXPECT_LT(top & 0xFF, bottom & 0xFF);
    // The context is left in fill style: a rectangle drawn next is one solid colour.
    iGc.SetDrawColor(CZuRgb(0, 255, 0));
    iGc.DrawRect(CZuRect(0, 22, 39, 39));
    EXPECT_EQ(At(2, 23), 0x00FF00u);
    EXPECT_EQ(At(20, 30), 0x00FF00u);
    EXPECT_EQ(At(37, 38), 0x00FF00u);
    // And the next helper sets its own style whatever was left before.
    iGc.SetDrawStyle(IZuGc::EDrawGradual);
    CZuDrawUtil::DrawTrangle(iGc, CZuDrawUtil::EDirUp, CZuRect(0, 20, 20, 40), CZuRgb(KRed));
    EXPECT_EQ(At(10, 30), KRed);
}

TEST_F(DrawUtilTest, CentredImageIsCroppedAndANullOrEmptyImageDrawsNothing)
{
    CZuImage* image = SolidImage(60, 10, KRed);
    CZuDrawUtil::DrawCentredImage(iGc, CZuRect(10, 10, 30, 30), image);
    // Cut to the 20 pixels of the box, centred vertically: rows 15 to 24.
    EXPECT_EQ(At(10, 15), KRed);
    EXPECT_EQ(At(29, 24), KRed);
    EXPECT_EQ(At(9, 20), KWhite);
    EXPECT_EQ(At(30, 20), KWhite);
    EXPECT_EQ(At(20, 14), KWhite);
    image->Release();

    CZuImage empty;
    CZuDrawUtil::DrawCentredImage(iGc, CZuRect(0, 0, 40, 40), &empty);
    CZuDrawUtil::DrawCentredImage(iGc, CZuRect(0, 0, 40, 40), nullptr);
    EXPECT_EQ(CountOf(KRed), 200);
}

TEST_F(DrawUtilTest, WrappedTextStopsAtTheBottomOfItsRectangle)
{
    CZuFont* font = new CZuFont(EFontUi, 100, false);
    const int height = font->HeightInPixels();
    iGc.UseFont(font);
    iGc.SetDrawColor(CZuRgb(0, 0, 0));
    // Two short rows; in a rectangle 1.5 rows high the second baseline (2 + h + 2 + h) is past the bottom.
    CZuString16 text = Utf16("Ab\nCd");
    CZuDrawUtil::DrawWrapText(iGc, text, CZuRect(0, 0, 40, height * 3 / 2), 0, 0, 2, font);
    iGc.DiscardFont();
    int firstInkRow = -1;
    int lastInkRow = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (At(x, y) != KWhite)
            {
                lastInkRow = y;
                if (firstInkRow < 0)
                    firstInkRow = y;
            }
    // One row, standing on the baseline 2 + h.
    EXPECT_GT(firstInkRow, 2);
    EXPECT_GE(lastInkRow, height);
    EXPECT_LE(lastInkRow, height + 2 + height / 5);
    font->Release();
}

TEST_F(DrawUtilTest, WrappedTextWithoutAFontDrawsNothing)
{
    CZuDrawUtil::DrawWrapText(iGc, Utf16("text"), CZuRect(0, 0, 40, 40), 0, 0, 2, nullptr);
    EXPECT_EQ(CountOf(KWhite), 40 * 40);
}

// Text cut to a width: the whole text, a start and an ellipsis, or nothing.
class ElidedTextTest : public ::testing::Test
{
protected:
    ElidedTextTest() : iFont(new CZuFont(EFontUi, 100, false)) {}
    ~ElidedTextTest() override { iFont->Release(); }
    std::string Elided(const char* text, int width)
    {
        CZuString16 elided = CZuDrawUtil::ElidedText(CZuString(text), *iFont, width);
        CZuString utf8;
        ConvertUnicodeToUtf8(elided.PtrZ(), elided.Length(), utf8);
        return std::string(utf8.PtrZ() ? utf8.PtrZ() : "");
    }
    int Width(const char* text) { return iFont->TextWidthInPixels(CZuString(text)); }

    CZuFont* iFont;
};

TEST_F(ElidedTextTest, ATextThatFitsStaysWhole)
{
    EXPECT_EQ("advice", Elided("advice", Width("advice")));
    EXPECT_EQ("", Elided("", 0));
}

TEST_F(ElidedTextTest, ALongerTextEndsInAnEllipsisWithinTheWidth)
{
    const char* text = "after prep. \xE5\x9C\xA8\xE2\x80\xA6\xE4\xB9\x8B\xE5\x90\x8E";
    int width = Width(text) - 1;
    std::string elided = Elided(text, width);
    ASSERT_GE(elided.size(), 3u);
    EXPECT_EQ("\xE2\x80\xA6", elided.substr(elided.size() - 3));
    EXPECT_LE(Width(elided.c_str()), width);
    EXPECT_EQ(0u, elided.find("after"));
}

TEST_F(ElidedTextTest, TheEllipsisFollowsAWordNotASpace)
{
    // "ab cd" cut just after the space keeps "ab" and the ellipsis.
    int width = Width("ab \xE2\x80\xA6");
    EXPECT_EQ("ab\xE2\x80\xA6", Elided("ab cdefgh", width));
}

TEST_F(ElidedTextTest, NoRoomForTheEllipsisGivesNothing)
{
    EXPECT_EQ("", Elided("abcdef", Width("\xE2\x80\xA6") - 1));
    EXPECT_EQ("", Elided("abcdef", -5));
}

TEST(DrawUtilColourTest, MixingMovesTheFirstColourTowardsTheSecondByAPercentage)
{
    EXPECT_EQ(Rgb(CZuDrawUtil::MixColour(CZuRgb(0, 100, 200), CZuRgb(100, 100, 0), 0)), 0x0064C8u);
    EXPECT_EQ(Rgb(CZuDrawUtil::MixColour(CZuRgb(0, 100, 200), CZuRgb(100, 100, 0), 50)), 0x326464u);
    EXPECT_EQ(Rgb(CZuDrawUtil::MixColour(CZuRgb(0, 100, 200), CZuRgb(100, 100, 0), 100)), 0x646400u);
    // Out of range: clamped.
    EXPECT_EQ(Rgb(CZuDrawUtil::MixColour(CZuRgb(0, 100, 200), CZuRgb(100, 100, 0), 150)), 0x646400u);
    EXPECT_EQ(Rgb(CZuDrawUtil::MixColour(CZuRgb(0, 100, 200), CZuRgb(100, 100, 0), -5)), 0x0064C8u);
}

TEST(DrawUtilColourTest, TextThatDoesNotStandOutFromItsFillBecomesDarkOrWhite)
{
    const CZuRgb cream(255, 255, 200);
    // Cream on dark blue stands out: kept.
    EXPECT_EQ(Rgb(CZuDrawUtil::ReadableOn(cream, CZuRgb(40, 84, 146))), 0xFFFFC8u);
    // Cream on orange does not: dark ink.
    EXPECT_EQ(Rgb(CZuDrawUtil::ReadableOn(cream, CZuRgb(238, 159, 88))), 0x222C3Cu);
    // Dark grey on black does not either: white.
    EXPECT_EQ(Rgb(CZuDrawUtil::ReadableOn(CZuRgb(40, 40, 40), CZuRgb(0, 0, 0))), 0xFFFFFFu);
    // Dimmed text lies halfway to its fill, or to a middle grey.
    EXPECT_EQ(Rgb(CZuDrawUtil::DimmedOn(CZuRgb(255, 255, 255), CZuRgb(100, 100, 100))), 0xB2B2B2u);
    EXPECT_EQ(Rgb(CZuDrawUtil::Dimmed(CZuRgb(0, 0, 0))), 0x4B4B4Bu);
}

namespace
{
void SetPixel(CZuImage& image, int x, unsigned rgb, int alpha = 255)
{
    unsigned char* p = image.GetImgBuf() + x * 4;
    p[0] = rgb & 0xFF;
    p[1] = (rgb >> 8) & 0xFF;
    p[2] = (rgb >> 16) & 0xFF;
    p[3] = static_cast<unsigned char>(alpha);
}
unsigned PixelOf(const CZuImage& image, int x)
{
    const unsigned char* p = image.GetImgBuf() + x * 4;
    return unsigned(p[0]) | (unsigned(p[1]) << 8) | (unsigned(p[2]) << 16);
}
int AlphaOf(const CZuImage& image, int x)
{
    return image.GetImgBuf()[x * 4 + 3];
}
} // namespace

TEST(DrawUtilImageTest, ADimmedImageIsItsGreyHalfwayToTheFillAndKeepsItsTransparency)
{
    // Green in the top left corner is the colour key.
    CZuImage* image = SolidImage(4, 1, KRed);
    SetPixel(*image, 0, 0x00FF00);
    SetPixel(*image, 2, 0x000000, 100);
    SetPixel(*image, 3, 0x00FF00);
    image->CreateMask();
    std::unique_ptr<CZuImage> dimmed(CZuDrawUtil::DimmedImageOn(*image, CZuRgb(KWhite)));
    ASSERT_NE(dimmed, nullptr);
    ASSERT_EQ(dimmed->Size(), CZuSize(4, 1));
    EXPECT_TRUE(dimmed->HaveMask());
    EXPECT_EQ(dimmed->MaskColor() & 0xFFFFFF, 0x00FF00u);
    // Red's grey is 76: halfway to white, 165.
    EXPECT_EQ(PixelOf(*dimmed, 1), 0xA5A5A5u);
    // Black halfway to white, its alpha kept.
    EXPECT_EQ(PixelOf(*dimmed, 2), 0x7F7F7Fu);
    EXPECT_EQ(AlphaOf(*dimmed, 2), 100);
    // The key stays transparent wherever it is.
    EXPECT_EQ(PixelOf(*dimmed, 0), 0x00FF00u);
    EXPECT_EQ(PixelOf(*dimmed, 3), 0x00FF00u);
    // The original is untouched.
    EXPECT_EQ(PixelOf(*image, 1), KRed);
    delete image;
}

TEST(DrawUtilImageTest, NoDimmedPixelTakesTheColourKey)
{
    // The key is the grey red dims to on white.
    CZuImage* image = SolidImage(2, 1, KRed);
    SetPixel(*image, 0, 0xA5A5A5);
    image->CreateMask();
    std::unique_ptr<CZuImage> dimmed(CZuDrawUtil::DimmedImageOn(*image, CZuRgb(KWhite)));
    ASSERT_NE(dimmed, nullptr);
    EXPECT_EQ(PixelOf(*dimmed, 0), 0xA5A5A5u);
    EXPECT_NE(PixelOf(*dimmed, 1), 0xA5A5A5u);
    EXPECT_EQ(PixelOf(*dimmed, 1) & 0xFFFF00, 0xA5A500u);
    delete image;
}

TEST(DrawUtilImageTest, AnImageWithoutPixelsHasNoDimmedCopy)
{
    CZuImage empty;
    EXPECT_EQ(CZuDrawUtil::DimmedImageOn(empty, CZuRgb(KWhite)), nullptr);
    EXPECT_EQ(CZuDrawUtil::DimmedImage(empty), nullptr);
}
