// CZuImage: loading, pixel layout, alpha, masks, scaling and sprite-sheet cells.
#include "TestImages.h"
#include "ZuImage.h"
#include "ZuRect.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace
{

// The pixel at (x, y) as 0xAARRGGBB.
uint32_t Pixel(const CZuImage& image, int x, int y)
{
    const unsigned char* p = image.GetImgBuf() + (static_cast<size_t>(y) * image.Size().iWidth + x) * 4;
    return static_cast<uint32_t>(p[0]) | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void LoadBytes(CZuImage& image, const TBytes& bytes)
{
    EXPECT_EQ(1, image.Load(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())));
}

std::string TempPath(const char* name)
{
    return std::string(ZU_TEST_BINARY_DIR) + "/" + name;
}

bool WriteFile(const std::string& path, const TBytes& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

// A width x height RGBA picture whose pixel (x, y) has red x*16, green y*16, blue 100 and alpha a.
CZuImage* GradientImage(int width, int height, uint8_t alpha = 255)
{
    TPngPicture picture;
    picture.width = width;
    picture.height = height;
    picture.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.samples.insert(picture.samples.end(),
                                   {static_cast<uint8_t>(x * 16), static_cast<uint8_t>(y * 16), 100, alpha});
    CZuImage* image = new CZuImage();
    TBytes bytes = MakePng(picture);
    image->Load(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    return image;
}

} // namespace

TEST(ImageTest, NewImageIsEmpty)
{
    CZuImage image;
    EXPECT_FALSE(image.HaveBitmap());
    EXPECT_FALSE(image.HaveMask());
    EXPECT_FALSE(image.HaveAlpha());
    EXPECT_EQ(EColorNone, image.GetColorType());
    EXPECT_EQ(CZuSize(0, 0), image.Size());
    EXPECT_EQ(nullptr, image.GetImgBuf());
}

TEST(ImageTest, RgbaPngKeepsPixelOrderAndAlpha)
{
    TPngPicture picture;
    picture.width = 2;
    picture.height = 2;
    picture.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    picture.samples = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160};
    CZuImage image;
    LoadBytes(image, MakePng(picture));
    ASSERT_EQ(CZuSize(2, 2), image.Size());
    EXPECT_EQ(EColorBgra32, image.GetColorType());
    EXPECT_TRUE(image.HaveAlpha());
    const unsigned char* p = image.GetImgBuf();
    // Top row first, each pixel Blue, Green, Red, Alpha.
    const unsigned char expected[16] = {30,  20,  10, 40,  70,  60,  50,  80,
                                        110, 100, 90, 120, 150, 140, 130, 160};
    EXPECT_EQ(0, std::memcmp(expected, p, 16));
}

TEST(ImageTest, RgbPngIsOpaque)
{
    TPngPicture picture;
    picture.width = 3;
    picture.height = 1;
    picture.colorType = PNG_COLOR_TYPE_RGB;
    picture.samples = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    CZuImage image;
    LoadBytes(image, MakePng(picture));
    ASSERT_EQ(CZuSize(3, 1), image.Size());
    EXPECT_FALSE(image.HaveAlpha());
    EXPECT_EQ(0xFFFF0000u, Pixel(image, 0, 0));
    EXPECT_EQ(0xFF00FF00u, Pixel(image, 1, 0));
    EXPECT_EQ(0xFF0000FFu, Pixel(image, 2, 0));
}

TEST(ImageTest, LoadFromFileMatchesLoadFromMemory)
{
    TPngPicture picture;
    picture.width = 2;
    picture.height = 1;
    picture.colorType = PNG_COLOR_TYPE_RGB;
    picture.samples = {1, 2, 3, 4, 5, 6};
    TBytes bytes = MakePng(picture);
    std::string path = TempPath("image_test_file.png");
    ASSERT_TRUE(WriteFile(path, bytes));
    CZuImage image;
    EXPECT_EQ(1, image.Load(CZuString(path.c_str())));
    ASSERT_EQ(CZuSize(2, 1), image.Size());
    EXPECT_EQ(0xFF010203u, Pixel(image, 0, 0));
    EXPECT_EQ(0xFF040506u, Pixel(image, 1, 0));
    std::remove(path.c_str());
}

TEST(ImageTest, MissingFileGivesEmptyImage)
{
    CZuImage image;
    EXPECT_EQ(1, image.Load(CZuString("/nonexistent/dir/none.png")));
    EXPECT_EQ(CZuSize(0, 0), image.Size());
    EXPECT_FALSE(image.HaveBitmap());
    EXPECT_EQ(EColorBgra32, image.GetColorType());
}

TEST(ImageTest, SubImageOfSameSizeIsExact)
{
    CZuImage* image = GradientImage(8, 8, 200);
    CZuImage* sub = image->GetSubImage(CZuRect(2, 3, 6, 7), CZuSize(4, 4));
    ASSERT_EQ(CZuSize(4, 4), sub->Size());
    EXPECT_TRUE(sub->HaveAlpha());
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(Pixel(*image, x + 2, y + 3), Pixel(*sub, x, y)) << x << "," << y;
    // The new image is masked by its top-left pixel.
    EXPECT_TRUE(sub->HaveMask());
    EXPECT_EQ(Pixel(*image, 2, 3), sub->MaskColor());
    EXPECT_FALSE(image->HaveMask());
    sub->Release();
    image->Release();
}

TEST(ImageTest, SubImageScaledUpKeepsCornersAndInterpolates)
{
    CZuImage* image = GradientImage(8, 8);
    CZuImage* sub = image->GetSubImage(CZuRect(0, 0, 4, 4), CZuSize(7, 7));
    ASSERT_EQ(CZuSize(7, 7), sub->Size());
    EXPECT_EQ(Pixel(*image, 0, 0), Pixel(*sub, 0, 0));
    EXPECT_EQ(Pixel(*image, 3, 0), Pixel(*sub, 6, 0));
    EXPECT_EQ(Pixel(*image, 0, 3), Pixel(*sub, 0, 6));
    EXPECT_EQ(Pixel(*image, 3, 3), Pixel(*sub, 6, 6));
    // Column 1 lies halfway between source columns 0 and 1 (red 0 and 16): (0*18 + 16*18 + 18) / 36 = 8.
    EXPECT_EQ(8u, (Pixel(*sub, 1, 0) >> 16) & 0xFF);
    // Row 3 is source row 1.5 (green 16 and 32): 24.
    EXPECT_EQ(24u, (Pixel(*sub, 0, 3) >> 8) & 0xFF);
    sub->Release();
    image->Release();
}

TEST(ImageTest, SubImageOfBitmapKeepsAlphaFlagOff)
{
    TBmpPicture picture;
    picture.width = 2;
    picture.height = 2;
    picture.pixelData = PackBmpRows({0x010203, 0x040506, 0x070809, 0x0A0B0C}, 2, 2, 24);
    CZuImage image;
    LoadBytes(image, MakeBmp(picture));
    ASSERT_EQ(CZuSize(2, 2), image.Size());
    // The top-left pixel of the file's top row comes first.
    EXPECT_EQ(0xFF010203u, Pixel(image, 0, 0));
    EXPECT_EQ(0xFF0A0B0Cu, Pixel(image, 1, 1));
    EXPECT_FALSE(image.HaveAlpha());
    CZuImage* sub = image.GetSubImage(CZuRect(0, 0, 2, 2), CZuSize(2, 2));
    EXPECT_FALSE(sub->HaveAlpha());
    EXPECT_EQ(EColorBgra32, sub->GetColorType());
    delete sub;
}

TEST(ImageTest, SpriteSheetCellByPosition)
{
    CZuImage* sheet = GradientImage(128, 64);
    sheet->SetMultiImageInfo(32, 20, 4, 3);
    EXPECT_EQ(CZuSize(32, 20), sheet->CellSize());
    EXPECT_EQ(4, sheet->CountA());
    EXPECT_EQ(3, sheet->CountB());
    CZuImage* cell = sheet->GetSubImageByPos(1, 2, CZuSize(0, 0));
    ASSERT_EQ(CZuSize(32, 20), cell->Size());
    for (int y = 0; y < 20; y += 7)
        for (int x = 0; x < 32; x += 5)
            EXPECT_EQ(Pixel(*sheet, 64 + x, 20 + y), Pixel(*cell, x, y));
    cell->Release();

    // With a size the cell is scaled; its corners stay the cell's corners.
    cell = sheet->GetSubImageByPos(0, 1, CZuSize(64, 40));
    ASSERT_EQ(CZuSize(64, 40), cell->Size());
    EXPECT_EQ(Pixel(*sheet, 32, 0), Pixel(*cell, 0, 0));
    EXPECT_EQ(Pixel(*sheet, 63, 19), Pixel(*cell, 63, 39));
    cell->Release();

    // One positive side only is not a size: the cell keeps its own.
    cell = sheet->GetSubImageByPos(0, 0, CZuSize(10, 0));
    EXPECT_EQ(CZuSize(32, 20), cell->Size());
    cell->Release();
    sheet->Release();
}

TEST(ImageTest, SubImageOutsideThePictureIsTransparentBlack)
{
    CZuImage* image = GradientImage(4, 4);
    CZuImage* sub = image->GetSubImage(CZuRect(2, -1, 6, 3), CZuSize(4, 4));
    ASSERT_EQ(CZuSize(4, 4), sub->Size());
    EXPECT_EQ(0u, Pixel(*sub, 0, 0));
    EXPECT_EQ(Pixel(*image, 2, 0), Pixel(*sub, 0, 1));
    EXPECT_EQ(Pixel(*image, 3, 2), Pixel(*sub, 1, 3));
    EXPECT_EQ(0u, Pixel(*sub, 2, 1));
    sub->Release();

    // A sheet row that does not exist gives an image, all transparent.
    image->SetMultiImageInfo(4, 4, 1, 1);
    sub = image->GetSubImageByPos(5, 0, CZuSize(0, 0));
    ASSERT_EQ(CZuSize(4, 4), sub->Size());
    EXPECT_EQ(0u, Pixel(*sub, 3, 3));
    sub->Release();
    image->Release();
}

TEST(ImageTest, SubImageOfOnePixelSideAndOfNothing)
{
    CZuImage* image = GradientImage(6, 6);
    CZuImage* column = image->GetSubImage(CZuRect(1, 1, 5, 5), CZuSize(1, 3));
    ASSERT_EQ(CZuSize(1, 3), column->Size());
    EXPECT_EQ(Pixel(*image, 1, 1), Pixel(*column, 0, 0));
    EXPECT_EQ(Pixel(*image, 1, 4), Pixel(*column, 0, 2));
    column->Release();

    CZuImage* nothing = image->GetSubImage(CZuRect(0, 0, 4, 4), CZuSize(0, 5));
    EXPECT_FALSE(nothing->HaveBitmap());
    EXPECT_FALSE(nothing->HaveMask()) << "no pixels, no mask";
    nothing->Release();

    CZuImage empty;
    CZuImage* fromEmpty = empty.GetSubImage(CZuRect(0, 0, 2, 2), CZuSize(2, 2));
    ASSERT_TRUE(fromEmpty->HaveBitmap());
    EXPECT_EQ(0u, Pixel(*fromEmpty, 1, 1));
    fromEmpty->Release();
    image->Release();
}

TEST(ImageTest, ScalingDownAveragesNeighbours)
{
    // Two columns, black and white, to three: the middle one is halfway (rounded).
    TPngPicture picture;
    picture.width = 2;
    picture.height = 2;
    picture.colorType = PNG_COLOR_TYPE_GRAY;
    picture.samples = {0, 255, 0, 255};
    CZuImage image;
    LoadBytes(image, MakePng(picture));
    CZuImage* sub = image.GetSubImage(CZuRect(0, 0, 2, 2), CZuSize(3, 2));
    EXPECT_EQ(0xFF000000u, Pixel(*sub, 0, 0));
    EXPECT_EQ(0xFF808080u, Pixel(*sub, 1, 1));
    EXPECT_EQ(0xFFFFFFFFu, Pixel(*sub, 2, 0));
    sub->Release();
}

namespace
{

// The scaling rule written out plainly: bilinear weights over (W-1) and (H-1), rounded to nearest.
uint32_t ReferencePixel(const CZuImage& image, const CZuRect& src, int width, int height, int x, int y)
{
    const long long cx = width - 1;
    const long long cy = height - 1;
    const long long nx = x * static_cast<long long>(src.Width() - 1);
    const long long ny = y * static_cast<long long>(src.Height() - 1);
    const int sx = static_cast<int>(nx / cx) + src.iTl.iX;
    const int sy = static_cast<int>(ny / cy) + src.iTl.iY;
    const long long ex = nx % cx;
    const long long ey = ny % cy;
    uint32_t tl = Pixel(image, sx, sy);
    uint32_t tr = ex ? Pixel(image, sx + 1, sy) : tl;
    uint32_t bl = ey ? Pixel(image, sx, sy + 1) : tl;
    uint32_t br = ex && ey ? Pixel(image, sx + 1, sy + 1) : (ex ? tr : bl);
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8)
    {
        long long sum = ((tl >> shift) & 255) * (cx - ex) * (cy - ey) +
                        ((tr >> shift) & 255) * ex * (cy - ey) + ((bl >> shift) & 255) * (cx - ex) * ey +
                        ((br >> shift) & 255) * ex * ey + cx * cy / 2;
        result |= static_cast<uint32_t>(sum / (cx * cy)) << shift;
    }
    return result;
}

} // namespace

TEST(ImageTest, ScalingFollowsTheIntegerRuleExactly)
{
    CZuImage* image = GradientImage(16, 16, 123);
    // Give the picture some texture so that rounding shows.
    for (int i = 0; i < 16 * 16 * 4; i += 7)
        image->GetImgBuf()[i] = static_cast<unsigned char>(i * 37);
    struct
    {
        CZuRect src;
        int width;
        int height;
    } cases[] = {{CZuRect(0, 0, 16, 16), 7, 7},   {CZuRect(3, 2, 14, 15), 97, 61},
                 {CZuRect(0, 0, 5, 5), 300, 200}, {CZuRect(1, 1, 16, 3), 13, 2},
                 {CZuRect(2, 2, 3, 12), 9, 31},   {CZuRect(0, 0, 16, 16), 3, 5}};
    for (const auto& c : cases)
    {
        CZuImage* sub = image->GetSubImage(c.src, CZuSize(c.width, c.height));
        ASSERT_EQ(CZuSize(c.width, c.height), sub->Size());
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                ASSERT_EQ(ReferencePixel(*image, c.src, c.width, c.height, x, y), Pixel(*sub, x, y))
                    << c.width << "x" << c.height << " at " << x << "," << y;
        sub->Release();
    }
    image->Release();
}

TEST(ImageTest, ResizeScalesInPlace)
{
    CZuImage* image = GradientImage(4, 4, 90);
    CZuImage* expected = image->GetSubImage(CZuRect(0, 0, 4, 4), CZuSize(9, 5));
    image->Resize(CZuSize(9, 5));
    ASSERT_EQ(CZuSize(9, 5), image->Size());
    EXPECT_TRUE(image->HaveAlpha());
    EXPECT_EQ(0, std::memcmp(expected->GetImgBuf(), image->GetImgBuf(), 9 * 5 * 4));
    image->Resize(CZuSize(-1, 5));
    EXPECT_EQ(CZuSize(9, 5), image->Size()) << "an impossible size changes nothing";
    expected->Release();
    image->Release();
}

TEST(ImageTest, CreateMaskTakesTheTopLeftPixel)
{
    CZuImage empty;
    empty.CreateMask();
    EXPECT_FALSE(empty.HaveMask());
    EXPECT_EQ(0u, empty.MaskColor());

    CZuImage* image = GradientImage(3, 3, 77);
    image->CreateMask();
    EXPECT_TRUE(image->HaveMask());
    EXPECT_EQ(0x4D000064u, image->MaskColor());
    image->Release();
}

TEST(ImageTest, SecondLoadReplacesPixelsButKeepsTheMask)
{
    CZuImage* image = GradientImage(3, 3, 77);
    image->CreateMask();
    unsigned mask = image->MaskColor();
    TPngPicture picture;
    picture.width = 5;
    picture.height = 1;
    picture.colorType = PNG_COLOR_TYPE_RGB;
    picture.samples.assign(15, 9);
    LoadBytes(*image, MakePng(picture));
    EXPECT_EQ(CZuSize(5, 1), image->Size());
    EXPECT_FALSE(image->HaveAlpha());
    EXPECT_TRUE(image->HaveMask());
    EXPECT_EQ(mask, image->MaskColor());

    const char garbage[] = "this is no picture at all";
    EXPECT_EQ(1, image->Load(garbage, sizeof garbage));
    EXPECT_EQ(CZuSize(0, 0), image->Size());
    EXPECT_FALSE(image->HaveBitmap());
    EXPECT_EQ(1, image->Load(nullptr, 100));
    EXPECT_EQ(CZuSize(0, 0), image->Size());
    image->Release();
}

TEST(ImageTest, CreateEmptyImage)
{
    CZuImage image;
    image.CreateEmptyImage(CZuSize(5, 3));
    ASSERT_TRUE(image.HaveBitmap());
    EXPECT_EQ(CZuSize(5, 3), image.Size());
    EXPECT_EQ(EColorNone, image.GetColorType());
    for (int i = 0; i < 5 * 3 * 4; ++i)
        ASSERT_EQ(0, image.GetImgBuf()[i]);
    image.CreateEmptyImage(CZuSize(0, 3));
    EXPECT_FALSE(image.HaveBitmap());
    EXPECT_EQ(CZuSize(0, 0), image.Size());
    EXPECT_EQ(nullptr, image.CreateNewImage(CZuSize(2, 2)));
}

TEST(ImageTest, ReferenceCounting)
{
    CZuImage* image = new CZuImage();
    image->AddRef();
    EXPECT_FALSE(image->Release());
    EXPECT_TRUE(image->Release());
}

TEST(ImageTest, NameIsKept)
{
    CZuImage image;
    image.SetName(CZuString("icon.png"));
    EXPECT_EQ(CZuString("icon.png"), image.Name());
}

TEST(ImageTest, LoadsBmpAndGifFiles)
{
    TBmpPicture bmp;
    bmp.width = 1;
    bmp.height = 1;
    bmp.pixelData = PackBmpRows({0x0F1E2D}, 1, 1, 24);
    std::string path = TempPath("image_test_file.bmp");
    ASSERT_TRUE(WriteFile(path, MakeBmp(bmp)));
    CZuImage image;
    image.Load(CZuString(path.c_str()));
    ASSERT_EQ(CZuSize(1, 1), image.Size());
    EXPECT_EQ(0xFF0F1E2Du, Pixel(image, 0, 0));
    std::remove(path.c_str());

    TGifPicture gif;
    gif.screenWidth = 2;
    gif.screenHeight = 1;
    gif.globalPalette = {0x123456, 0x654321};
    TGifFrame frame;
    frame.width = 2;
    frame.height = 1;
    frame.indices = {1, 0};
    gif.frames.push_back(frame);
    path = TempPath("image_test_file.gif");
    ASSERT_TRUE(WriteFile(path, MakeGif(gif)));
    image.Load(CZuString(path.c_str()));
    ASSERT_EQ(CZuSize(2, 1), image.Size());
    EXPECT_EQ(0xFF654321u, Pixel(image, 0, 0));
    EXPECT_EQ(0xFF123456u, Pixel(image, 1, 0));
    std::remove(path.c_str());
}

TEST(ImageTest, SamplePicturesLoad)
{
    const std::string dir = std::string(ZU_TEST_SOURCE_DIR) + "/tests/platform/data/";
    struct
    {
        const char* name;
        int width;
        int height;
        bool alpha;
    } samples[] = {{"sample-alpha.png", 48, 48, true},
                   {"sample-24.bmp", 40, 30, false},
                   {"sample-8.gif", 40, 30, false},
                   {"sample-sprites.png", 96, 32, true}};
    for (const auto& sample : samples)
    {
        CZuImage image;
        image.Load(CZuString((dir + sample.name).c_str()));
        EXPECT_EQ(CZuSize(sample.width, sample.height), image.Size()) << sample.name;
        EXPECT_EQ(sample.alpha, image.HaveAlpha()) << sample.name;
    }
}
