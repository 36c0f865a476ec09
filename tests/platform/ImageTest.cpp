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
    TPngSpec spec;
    spec.width = width;
    spec.height = height;
    spec.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            spec.samples.insert(spec.samples.end(),
                                {static_cast<uint8_t>(x * 16), static_cast<uint8_t>(y * 16), 100, alpha});
    CZuImage* image = new CZuImage();
    TBytes bytes = MakePng(spec);
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
    TPngSpec spec;
    spec.width = 2;
    spec.height = 2;
    spec.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    spec.samples = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160};
    CZuImage image;
    LoadBytes(image, MakePng(spec));
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
    TPngSpec spec;
    spec.width = 3;
    spec.height = 1;
    spec.colorType = PNG_COLOR_TYPE_RGB;
    spec.samples = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    CZuImage image;
    LoadBytes(image, MakePng(spec));
    ASSERT_EQ(CZuSize(3, 1), image.Size());
    EXPECT_FALSE(image.HaveAlpha());
    EXPECT_EQ(0xFFFF0000u, Pixel(image, 0, 0));
    EXPECT_EQ(0xFF00FF00u, Pixel(image, 1, 0));
    EXPECT_EQ(0xFF0000FFu, Pixel(image, 2, 0));
}

TEST(ImageTest, LoadFromFileMatchesLoadFromMemory)
{
    TPngSpec spec;
    spec.width = 2;
    spec.height = 1;
    spec.colorType = PNG_COLOR_TYPE_RGB;
    spec.samples = {1, 2, 3, 4, 5, 6};
    TBytes bytes = MakePng(spec);
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
