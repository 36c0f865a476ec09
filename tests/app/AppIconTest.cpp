// The program's icons as the build renders them from data/icons/: each at its drawn size and at twice
// it, a rounded tile on a transparent ground, the picture on it solid.
#include "ZuAl.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace
{

// The icons and the size they are drawn at: the main menu's cells and the title bar.
const std::vector<std::pair<std::string, int>> KIcons = {
    {"SelectCourse", 48}, {"Study", 48}, {"Test", 48}, {"NewWord", 48}, {"Setting", 48}, {"ZuLexApp", 32}};

std::string IconPath(const std::string& name, int scale)
{
    return std::string(ZU_TEST_OUT_DIR "/res/img/") + name + (scale == 2 ? "@2x" : "") + ".png";
}

int AlphaAt(const CZuImage& image, int x, int y)
{
    return image.GetImgBuf()[(y * image.Size().iWidth + x) * 4 + 3];
}

TEST(AppIcons, EachIconAtItsSizeAndTwiceItWithCrispEdges)
{
    for (const auto& icon : KIcons)
    {
        for (int scale : {1, 2})
        {
            std::string path = IconPath(icon.first, scale);
            CZuImage image;
            ASSERT_NE(0, image.Load(CZuString(path.c_str()))) << path;
            int size = icon.second * scale;
            ASSERT_EQ(CZuSize(size, size), image.Size()) << path;
            ASSERT_TRUE(image.HaveAlpha()) << path;
            // The corners lie outside the rounded tile; its middle is covered.
            EXPECT_EQ(0, AlphaAt(image, 0, 0)) << path;
            EXPECT_EQ(0, AlphaAt(image, size - 1, 0)) << path;
            EXPECT_EQ(0, AlphaAt(image, 0, size - 1)) << path;
            EXPECT_EQ(255, AlphaAt(image, size / 2, size / 2)) << path;
            EXPECT_EQ(255, AlphaAt(image, size / 8, size / 2)) << path;
            // Drawn on whole pixels, the tile's straight edge is sharp: clear to solid in one step.
            for (int x = 0; x < size / 4; ++x)
            {
                int alpha = AlphaAt(image, x, size / 2);
                EXPECT_TRUE(alpha == 0 || alpha == 255) << path << " x " << x << " alpha " << alpha;
            }
        }
    }
}

} // namespace
