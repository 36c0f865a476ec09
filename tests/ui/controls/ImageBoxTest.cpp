#include "GalleryScene.h"
#include "TestFiles.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace
{
const unsigned KRed = 0xFF0000;
const unsigned KBlue = 0x0000FF;
const unsigned KMagenta = 0xFF00FF;

// A picture of width x height whose pixel (x, y) is colour(x, y) as 0xRRGGBB, opaque.
CZuImage* MakeImage(int width, int height, const std::function<unsigned(int, int)>& colour)
{
    CZuImage* image = new CZuImage();
    image->CreateEmptyImage(CZuSize(width, height));
    unsigned char* p = image->GetImgBuf();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, p += 4)
        {
            const unsigned rgb = colour(x, y);
            p[0] = rgb & 0xFF;
            p[1] = (rgb >> 8) & 0xFF;
            p[2] = (rgb >> 16) & 0xFF;
            p[3] = 255;
        }
    return image;
}

// Alike but for the one step darker that blending over the background may give each channel.
bool NearlyEqual(unsigned a, unsigned b)
{
    for (int shift = 0; shift < 24; shift += 8)
    {
        const int difference = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        if (difference < -1 || difference > 1)
            return false;
    }
    return true;
}

std::vector<unsigned char> PixelsOf(CZuImage* image)
{
    const CZuSize size = image->Size();
    return std::vector<unsigned char>(
        image->GetImgBuf(), image->GetImgBuf() + static_cast<size_t>(size.iWidth) * size.iHeight * 4);
}
} // namespace

class ImageBoxTest : public ::testing::Test
{
protected:
    ~ImageBoxTest() override
    {
        for (CZuImage* image : iImages)
            image->Release();
    }
    // A box on the client pane with no inner space and no border, so its inner rectangle is its rectangle.
    CZuImageBox* MakeBox(const CZuRect& rect, int mode)
    {
        CZuImageBox* box = new CZuImageBox(iScene.Client());
        box->SetRect(rect);
        box->SetDisplayMode(mode);
        return box;
    }
    // An image the test keeps (released at the end), shown without ownership.
    CZuImage* Keep(CZuImage* image)
    {
        iImages.push_back(image);
        return image;
    }
    unsigned Pixel(int x, int y)
    {
        iScene.Draw();
        return iScene.PixelAt(x, y);
    }
    // The colour of the client pane where no box draws.
    unsigned Background() { return Pixel(470, 10); }

    CGalleryScene iScene{ZU_TEST_OUT_DIR "/", "", "imagebox"};
    std::vector<CZuImage*> iImages;
};

TEST_F(ImageBoxTest, StartsCentredWithoutImageAsksForSixteenSquareAndTakesNoFocus)
{
    CZuImageBox* box = MakeBox(CZuRect(10, 10, 60, 60), CZuImageBox::EModeCenter);
    EXPECT_EQ(box->GetType(), EZuCtrlImageBox);
    EXPECT_EQ(box->GetDisplayMode(), CZuImageBox::EModeCenter);
    EXPECT_EQ(box->GetImage(), nullptr);
    EXPECT_EQ(box->GetMinSize(), CZuSize(16, 16));
    EXPECT_TRUE(box->ImageRect().IsEmpty());
    EXPECT_TRUE(box->IsReadOnly());
    const unsigned background = Background();
    EXPECT_EQ(Pixel(35, 35), background);
}

TEST_F(ImageBoxTest, MinimumSizeIsTheImageWithTheInnerSpacesAroundIt)
{
    CZuImageBox* box = MakeBox(CZuRect(10, 10, 60, 60), CZuImageBox::EModeCenter);
    box->SetImage(Keep(SolidImage(30, 20, KRed)), false);
    EXPECT_EQ(box->GetMinSize(), CZuSize(30, 20));
    box->SetInnerSpace(1, 2, 3, 4);
    EXPECT_EQ(box->GetMinSize(), CZuSize(37, 23));
}

TEST_F(ImageBoxTest, UnknownModesAreIgnored)
{
    CZuImageBox* box = MakeBox(CZuRect(10, 10, 60, 60), CZuImageBox::EModeFit);
    box->SetDisplayMode(5);
    box->SetDisplayMode(-1);
    EXPECT_EQ(box->GetDisplayMode(), CZuImageBox::EModeFit);
}

TEST_F(ImageBoxTest, FitsAWideImageIntoASquareTwelvePixelsBelowTheTop)
{
    CZuImage* wide = Keep(SolidImage(100, 50, KRed));
    CZuImageBox* box = MakeBox(CZuRect(10, 10, 60, 60), CZuImageBox::EModeFit);
    box->SetImage(wide, false);
    EXPECT_EQ(box->ImageRect(), CZuRect(10, 22, 60, 47));
    const unsigned background = Background();
    EXPECT_EQ(Pixel(30, 21), background);
    EXPECT_EQ(Pixel(30, 22), KRed);
    EXPECT_EQ(Pixel(10, 46), KRed);
    EXPECT_EQ(Pixel(59, 46), KRed);
    EXPECT_EQ(Pixel(30, 47), background);
    // The shared picture keeps its size.
    EXPECT_EQ(wide->Size(), CZuSize(100, 50));
}

TEST_F(ImageBoxTest, FitsATallImageCentredAcross)
{
    CZuImageBox* box = MakeBox(CZuRect(0, 0, 60, 40), CZuImageBox::EModeFit);
    box->SetImage(Keep(SolidImage(20, 80, KBlue)), false);
    EXPECT_EQ(box->ImageRect(), CZuRect(25, 0, 35, 40));
    const unsigned background = Background();
    EXPECT_EQ(Pixel(24, 20), background);
    EXPECT_EQ(Pixel(25, 20), KBlue);
    EXPECT_EQ(Pixel(34, 39), KBlue);
    EXPECT_EQ(Pixel(35, 20), background);
}

TEST_F(ImageBoxTest, StretchScalesIntoTheWholeInnerRectangle)
{
    CZuImage* halves = Keep(MakeImage(2, 1, [](int x, int) { return x == 0 ? KRed : KBlue; }));
    CZuImageBox* box = MakeBox(CZuRect(20, 20, 60, 40), CZuImageBox::EModeStretch);
    box->SetInnerSpace(2);
    box->SetImage(halves, false);
    EXPECT_EQ(box->ImageRect(), CZuRect(22, 22, 58, 38));
    const unsigned background = Background();
    EXPECT_EQ(Pixel(21, 30), background);
    EXPECT_EQ(Pixel(22, 22), KRed);
    EXPECT_EQ(Pixel(57, 37), KBlue);
    EXPECT_EQ(Pixel(58, 30), background);
    EXPECT_EQ(halves->Size(), CZuSize(2, 1));
}

TEST_F(ImageBoxTest, CentreShowsTheMiddleOfALargerImage)
{
    // Red counts the column and green the row.
    CZuImage* ramp =
        Keep(MakeImage(100, 100, [](int x, int y) { return unsigned(x) << 16 | unsigned(y) << 8; }));
    MakeBox(CZuRect(10, 10, 30, 30), CZuImageBox::EModeCenter)->SetImage(ramp, false);
    EXPECT_EQ(Pixel(10, 10), 40u << 16 | 40u << 8);
    EXPECT_EQ(Pixel(29, 29), 59u << 16 | 59u << 8);
    EXPECT_NE(Pixel(30, 30), 60u << 16 | 60u << 8);
}

TEST_F(ImageBoxTest, CentreAndAlignmentsOfASmallImage)
{
    CZuImage* small = Keep(SolidImage(10, 6, KRed));
    CZuImageBox* centred = MakeBox(CZuRect(0, 0, 40, 20), CZuImageBox::EModeCenter);
    CZuImageBox* left = MakeBox(CZuRect(0, 30, 40, 50), CZuImageBox::EModeLeft);
    CZuImageBox* right = MakeBox(CZuRect(0, 60, 40, 80), CZuImageBox::EModeRight);
    for (CZuImageBox* box : {centred, left, right})
        box->SetImage(small, false);
    EXPECT_EQ(centred->ImageRect(), CZuRect(15, 7, 25, 13));
    EXPECT_EQ(left->ImageRect(), CZuRect(0, 37, 10, 43));
    EXPECT_EQ(right->ImageRect(), CZuRect(30, 67, 40, 73));
    const unsigned background = Background();
    EXPECT_EQ(Pixel(0, 37), KRed);
    EXPECT_EQ(Pixel(10, 37), background);
    EXPECT_EQ(Pixel(39, 72), KRed);
    EXPECT_EQ(Pixel(29, 72), background);
}

TEST_F(ImageBoxTest, LeftAndRightAlignmentsAreCutAtTheBox)
{
    // Red counts the column; the picture is wider and taller than the boxes.
    CZuImage* wide = Keep(MakeImage(30, 30, [](int x, int) { return unsigned(x + 1) << 16; }));
    CZuImageBox* left = MakeBox(CZuRect(40, 40, 60, 60), CZuImageBox::EModeLeft);
    CZuImageBox* right = MakeBox(CZuRect(100, 40, 120, 60), CZuImageBox::EModeRight);
    left->SetImage(wide, false);
    right->SetImage(wide, false);
    const unsigned background = Background();
    EXPECT_EQ(Pixel(40, 40), 1u << 16);
    EXPECT_EQ(Pixel(59, 59), 20u << 16);
    EXPECT_EQ(Pixel(60, 50), background);
    EXPECT_EQ(Pixel(50, 39), background);
    EXPECT_EQ(Pixel(50, 60), background);
    EXPECT_EQ(Pixel(100, 40), 11u << 16);
    EXPECT_EQ(Pixel(119, 50), 30u << 16);
    EXPECT_EQ(Pixel(99, 50), background);
    EXPECT_EQ(Pixel(110, 60), background);
}

TEST_F(ImageBoxTest, AnImageWithoutPixelsAnEmptyBoxAndAFlatTargetDrawNothing)
{
    CZuImage* none = Keep(new CZuImage());
    CZuImageBox* empty = MakeBox(CZuRect(10, 10, 40, 40), CZuImageBox::EModeStretch);
    empty->SetImage(none, false);
    EXPECT_TRUE(empty->ImageRect().IsEmpty());
    EXPECT_EQ(empty->GetMinSize(), CZuSize(16, 16));

    CZuImageBox* zeroBox = MakeBox(CZuRect(50, 10, 50, 10), CZuImageBox::EModeFit);
    zeroBox->SetImage(Keep(SolidImage(10, 10, KRed)), false);
    EXPECT_TRUE(zeroBox->ImageRect().IsEmpty());
    CZuImageBox* squeezed = MakeBox(CZuRect(60, 10, 64, 14), CZuImageBox::EModeStretch);
    squeezed->SetInnerSpace(3);
    squeezed->SetImage(Keep(SolidImage(10, 10, KRed)), false);
    EXPECT_TRUE(squeezed->ImageRect().IsEmpty());

    // A line 1000 x 1 fitted into 50 x 50 is 0 pixels high.
    CZuImageBox* flat = MakeBox(CZuRect(100, 10, 150, 60), CZuImageBox::EModeFit);
    flat->SetImage(Keep(SolidImage(1000, 1, KRed)), false);
    const unsigned background = Background();
    for (int y = 10; y < 60; ++y)
        ASSERT_EQ(Pixel(125, y), background) << y;
    for (int x = 10; x < 64; ++x)
        ASSERT_EQ(Pixel(x, 25), background) << x;
}

TEST_F(ImageBoxTest, OnePixelImagesAndOnePixelTargets)
{
    MakeBox(CZuRect(10, 10, 30, 30), CZuImageBox::EModeStretch)
        ->SetImage(Keep(SolidImage(1, 1, KBlue)), false);
    MakeBox(CZuRect(40, 10, 60, 30), CZuImageBox::EModeFit)->SetImage(Keep(SolidImage(1, 1, KBlue)), false);
    MakeBox(CZuRect(70, 10, 71, 11), CZuImageBox::EModeFit)->SetImage(Keep(SolidImage(50, 50, KRed)), false);
    MakeBox(CZuRect(80, 10, 81, 30), CZuImageBox::EModeStretch)
        ->SetImage(Keep(SolidImage(50, 50, KRed)), false);
    EXPECT_EQ(Pixel(10, 10), KBlue);
    EXPECT_EQ(Pixel(29, 29), KBlue);
    EXPECT_EQ(Pixel(59, 29), KBlue);
    EXPECT_EQ(Pixel(70, 10), KRed);
    EXPECT_EQ(Pixel(80, 29), KRed);
}

TEST_F(ImageBoxTest, TwoBoxesShareOneImageAtDifferentSizesWithoutChangingIt)
{
    CZuImage* halves = Keep(MakeImage(40, 20, [](int x, int) { return x < 20 ? KRed : KBlue; }));
    const std::vector<unsigned char> before = PixelsOf(halves);
    CZuImageBox* small = MakeBox(CZuRect(0, 0, 20, 10), CZuImageBox::EModeStretch);
    CZuImageBox* large = MakeBox(CZuRect(0, 20, 160, 100), CZuImageBox::EModeStretch);
    small->SetImage(halves, false);
    large->SetImage(halves, false);
    for (int round = 0; round < 2; ++round)
    {
        EXPECT_EQ(Pixel(0, 0), KRed);
        EXPECT_EQ(Pixel(19, 9), KBlue);
        EXPECT_EQ(Pixel(0, 20), KRed);
        EXPECT_EQ(Pixel(159, 99), KBlue);
    }
    EXPECT_EQ(halves->Size(), CZuSize(40, 20));
    EXPECT_EQ(PixelsOf(halves), before);
}

TEST_F(ImageBoxTest, AResizedBoxScalesAgain)
{
    CZuImageBox* box = MakeBox(CZuRect(0, 0, 20, 20), CZuImageBox::EModeStretch);
    box->SetImage(Keep(MakeImage(2, 2, [](int x, int) { return x ? KBlue : KRed; })), false);
    EXPECT_EQ(Pixel(19, 19), KBlue);
    box->SetRect(CZuRect(0, 0, 60, 30));
    EXPECT_EQ(Pixel(59, 29), KBlue);
    EXPECT_EQ(Pixel(0, 29), KRed);
}

TEST_F(ImageBoxTest, ReplacingAnOwnedImageHandsItBackToTheImageManager)
{
    const std::vector<unsigned char> png =
        ReadFileBytes(ZU_TEST_SOURCE_DIR "/tests/platform/data/sample-alpha.png");
    ASSERT_FALSE(png.empty());
    CZuImageManager* images = CZuEnv::ImageMgr();
    const int cached = images->GetImageCount();
    CZuImage* first =
        images->GetImage(CZuString("box-first"), false, reinterpret_cast<const char*>(png.data()),
                         static_cast<int>(png.size()));
    CZuImage* second =
        images->GetImage(CZuString("box-second"), false, reinterpret_cast<const char*>(png.data()),
                         static_cast<int>(png.size()));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(images->GetImageCount(), cached + 2);

    CZuImageBox* box = MakeBox(CZuRect(0, 0, 20, 20), CZuImageBox::EModeStretch);
    box->SetImage(first, true);
    iScene.Draw();
    box->SetImage(first, true);
    EXPECT_EQ(images->GetImageCount(), cached + 2);
    box->SetImage(second, true);
    EXPECT_EQ(images->GetImageCount(), cached + 1);
    iScene.Draw();
    iScene.Client()->DeleteControl(box);
    EXPECT_EQ(images->GetImageCount(), cached);
}

TEST_F(ImageBoxTest, AnImageNotOwnedStaysWithItsOwner)
{
    CZuImage* image = Keep(SolidImage(4, 4, KRed));
    CZuImageBox* box = MakeBox(CZuRect(0, 0, 20, 20), CZuImageBox::EModeStretch);
    box->SetImage(image, false);
    iScene.Draw();
    box->SetImage(nullptr, false);
    iScene.Client()->DeleteControl(box);
    EXPECT_EQ(image->Size(), CZuSize(4, 4));
    EXPECT_EQ(PixelsOf(image)[2], 255);
}

TEST_F(ImageBoxTest, ScaledImagesKeepTheirAlpha)
{
    CZuImage* disc = Keep(new CZuImage());
    disc->Load(CZuString(ZU_TEST_SOURCE_DIR "/tests/platform/data/sample-alpha.png"));
    ASSERT_TRUE(disc->HaveAlpha());
    disc->CreateMask();
    MakeBox(CZuRect(0, 0, 96, 96), CZuImageBox::EModeStretch)->SetImage(disc, false);
    const unsigned background = Background();
    // The corners around the disc are transparent, its middle is blue.
    EXPECT_TRUE(NearlyEqual(Pixel(1, 1), background));
    EXPECT_TRUE(NearlyEqual(Pixel(94, 94), background));
    EXPECT_NE(Pixel(48, 60), background);
    EXPECT_GT(Pixel(48, 60) & 0xFF, 150u);
}

TEST_F(ImageBoxTest, ScaledColourKeyedImagesShowNoFringeOfTheKey)
{
    // A red square on a magenta key, with the key in its top-left corner.
    CZuImage* keyed = Keep(
        MakeImage(8, 8, [](int x, int y) { return x >= 2 && x < 6 && y >= 2 && y < 6 ? KRed : KMagenta; }));
    keyed->CreateMask();
    MakeBox(CZuRect(0, 0, 45, 45), CZuImageBox::EModeStretch)->SetImage(keyed, false);
    const unsigned background = Background();
    int red = 0;
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 45; ++x)
        {
            const unsigned pixel = Pixel(x, y);
            ASSERT_TRUE(pixel == background || pixel == KRed) << x << "," << y << " " << std::hex << pixel;
            red += pixel == KRed ? 1 : 0;
        }
    EXPECT_GT(red, 16 * 16);
    EXPECT_LT(red, 26 * 26);
}

TEST_F(ImageBoxTest, ALargeReductionAveragesFineDetail)
{
    // One-pixel black and white stripes, reduced eightfold, turn grey rather than black or white.
    MakeBox(CZuRect(0, 0, 50, 50), CZuImageBox::EModeStretch)
        ->SetImage(Keep(MakeImage(400, 400, [](int x, int) { return x % 2 ? 0xFFFFFFu : 0u; })), false);
    for (int x = 0; x < 50; x += 7)
    {
        const unsigned blue = Pixel(x, 25) & 0xFF;
        EXPECT_GT(blue, 100u) << x;
        EXPECT_LT(blue, 156u) << x;
    }
}

TEST(ScaledImageTest, KeepsOneCopyPerSizeAndScalesAgainWhenTheSourceChanges)
{
    CZuImage* source = SolidImage(10, 10, KRed);
    CZuScaledImage scaled;
    EXPECT_EQ(scaled.Get(source, CZuSize(10, 10)), source);
    CZuImage* copy = scaled.Get(source, CZuSize(20, 5));
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, source);
    EXPECT_EQ(copy->Size(), CZuSize(20, 5));
    EXPECT_EQ(scaled.Get(source, CZuSize(20, 5)), copy);
    EXPECT_EQ(scaled.Get(source, CZuSize(0, 5)), nullptr);
    EXPECT_EQ(scaled.Get(nullptr, CZuSize(20, 5)), nullptr);
    CZuImage* other = scaled.Get(source, CZuSize(7, 7));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->Size(), CZuSize(7, 7));
    source->Resize(CZuSize(3, 3));
    CZuImage* again = scaled.Get(source, CZuSize(7, 7));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Size(), CZuSize(7, 7));
    scaled.Reset();
    source->Release();
}

TEST(ScaledImageTest, TheCopyTakesTheSourcesTransparency)
{
    CZuImage* plain = SolidImage(4, 4, KRed);
    CZuImage* keyed = SolidImage(4, 4, KMagenta);
    keyed->CreateMask();
    CZuScaledImage forPlain, forKeyed;
    CZuImage* plainCopy = forPlain.Get(plain, CZuSize(8, 8));
    CZuImage* keyedCopy = forKeyed.Get(keyed, CZuSize(8, 8));
    ASSERT_NE(plainCopy, nullptr);
    ASSERT_NE(keyedCopy, nullptr);
    EXPECT_FALSE(plainCopy->HaveMask());
    EXPECT_TRUE(keyedCopy->HaveMask());
    EXPECT_EQ(keyedCopy->MaskColor() & 0xFFFFFF, keyed->MaskColor() & 0xFFFFFF);
    forPlain.Reset();
    forKeyed.Reset();
    plain->Release();
    keyed->Release();
}
