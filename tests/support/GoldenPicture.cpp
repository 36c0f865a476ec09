#include "GoldenPicture.h"

#include "TestCard.h"

#include <cstdlib>
#include <vector>

namespace
{
bool UpdatingGoldens()
{
    const char* update = std::getenv("ZU_UPDATE_GOLDEN");
    return update && std::string(update) == "1";
}
} // namespace

::testing::AssertionResult LooksAsGolden(const unsigned char* bgra, int width, int height,
                                         const std::string& goldenPath, const std::string& shownAs)
{
    if (UpdatingGoldens() && !WritePng(goldenPath, bgra, width, height))
        return ::testing::AssertionFailure() << "could not write " << goldenPath;
    std::vector<unsigned char> golden;
    int goldenWidth = 0;
    int goldenHeight = 0;
    if (!ReadPng(goldenPath, golden, goldenWidth, goldenHeight))
        return ::testing::AssertionFailure() << "no golden picture " << goldenPath;
    if (goldenWidth != width || goldenHeight != height)
    {
        return ::testing::AssertionFailure() << "drawn " << width << " x " << height << ", golden "
                                             << goldenWidth << " x " << goldenHeight << "; see " << shownAs;
    }
    const long long pixels = static_cast<long long>(width) * height;
    long long total = 0;
    long long different = 0;
    for (long long i = 0; i < pixels; ++i)
    {
        int worst = 0;
        for (int c = 0; c < 3; ++c)
        {
            int d = std::abs(bgra[i * 4 + c] - golden[i * 4 + c]);
            total += d;
            worst = d > worst ? d : worst;
        }
        different += worst > 16 ? 1 : 0;
    }
    const double mean = static_cast<double>(total) / (pixels * 3.0);
    if (different > pixels / 1000 || mean >= 0.25)
    {
        return ::testing::AssertionFailure()
               << different << " of " << pixels << " pixels differ, mean difference " << mean << "; see "
               << shownAs;
    }
    return ::testing::AssertionSuccess();
}
