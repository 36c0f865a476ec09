// The test card rendered into a bitmap context, written as a PNG under the build directory and compared
// with the golden picture. Set ZU_UPDATE_GOLDEN=1 to write a new golden picture after a deliberate change.
#include "TestCard.h"
#include "GoldenPicture.h"

#include "ZuAl.h"
#include "ZuBase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const std::string KGolden = std::string(ZU_TEST_SOURCE_DIR) + "/tests/platform/data/testcard_golden.png";
const std::string KOutput = std::string(ZU_TEST_BINARY_DIR) + "/testcard.png";
} // namespace

TEST(TestCardTest, MatchesTheGoldenPicture)
{
    CZuBitmapGc gc(CZuSize(KTestCardWidth, KTestCardHeight));
    gc.BeginDraw();
    DrawTestCard(gc, std::string(ZU_TEST_SOURCE_DIR) + "/tests/platform/data/");
    CZuImage* card = gc.EndDraw();
    ASSERT_TRUE(WritePng(KOutput, card->GetImgBuf(), KTestCardWidth, KTestCardHeight)) << KOutput;
    EXPECT_TRUE(LooksAsGolden(card->GetImgBuf(), KTestCardWidth, KTestCardHeight, KGolden, KOutput));
}

TEST(TestCardTest, TheGoldenComparisonToleratesRoundingButNotAMovedShape)
{
    const int width = 100, height = 100;
    std::vector<unsigned char> golden(static_cast<size_t>(width) * height * 4, 255);
    // A 10 x 10 black square at (20, 20).
    auto square = [&](std::vector<unsigned char>& picture, int left, int top)
    {
        for (int y = top; y < top + 10; ++y)
            for (int x = left; x < left + 10; ++x)
                for (int c = 0; c < 3; ++c)
                    picture[(y * width + x) * 4 + c] = 0;
    };
    square(golden, 20, 20);
    const std::string path = std::string(ZU_TEST_BINARY_DIR) + "/golden-comparison.png";
    ASSERT_TRUE(WritePng(path, golden.data(), width, height));
    EXPECT_TRUE(LooksAsGolden(golden.data(), width, height, path, "same"));
    // Eight pixels a step of 20 off, and every other pixel one step: alike.
    std::vector<unsigned char> rounded = golden;
    for (int i = 0; i < 8; ++i)
        rounded[(i * 7 * width + 50) * 4] = 235;
    for (size_t i = 0; i < rounded.size(); i += 8)
        rounded[i + 1] = static_cast<unsigned char>(rounded[i + 1] == 0 ? 1 : rounded[i + 1] - 1);
    EXPECT_TRUE(LooksAsGolden(rounded.data(), width, height, path, "rounded"));
    // The square one pixel to the right: twenty pixels changed.
    std::vector<unsigned char> moved(golden.size(), 255);
    square(moved, 21, 20);
    EXPECT_FALSE(LooksAsGolden(moved.data(), width, height, path, "moved"));
    // Another size is never alike.
    EXPECT_FALSE(LooksAsGolden(golden.data(), width, height - 1, path, "shorter"));
    EXPECT_FALSE(LooksAsGolden(golden.data(), width, height, path + ".missing", "missing"));
}
