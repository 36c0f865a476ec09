// The test card rendered into a bitmap context, written as a PNG under the build directory and compared
// with the golden picture. Set ZU_UPDATE_GOLDEN=1 to write a new golden picture after a deliberate change.
#include "TestCard.h"

#include "ZuAl.h"
#include "ZuBase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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

    const char* update = std::getenv("ZU_UPDATE_GOLDEN");
    if (update && std::string(update) == "1")
    {
        ASSERT_TRUE(WritePng(KGolden, card->GetImgBuf(), KTestCardWidth, KTestCardHeight));
    }

    std::vector<unsigned char> golden;
    int width = 0, height = 0;
    ASSERT_TRUE(ReadPng(KGolden, golden, width, height)) << KGolden;
    ASSERT_EQ(width, KTestCardWidth);
    ASSERT_EQ(height, KTestCardHeight);

    // Small differences (a rounding step in an edge) are tolerated; anything that moves, disappears or
    // changes colour is not: at most 0.1 % of the pixels may differ by more than 16 in a channel.
    const unsigned char* drawn = card->GetImgBuf();
    long long total = 0;
    int different = 0;
    int pixels = width * height;
    for (int i = 0; i < pixels; ++i)
    {
        int worst = 0;
        for (int c = 0; c < 3; ++c)
        {
            int d = std::abs(drawn[i * 4 + c] - golden[i * 4 + c]);
            total += d;
            worst = std::max(worst, d);
        }
        if (worst > 16)
        {
            ++different;
        }
    }
    double meanDifference = static_cast<double>(total) / (pixels * 3.0);
    EXPECT_LE(different, pixels / 1000) << "see " << KOutput;
    EXPECT_LT(meanDifference, 0.25) << "see " << KOutput;
}
