// Gallery pages drawn again and compared with their golden pictures in tests/gallery/golden/. Set
// ZU_UPDATE_GOLDEN=1 to write new golden pictures after a deliberate change of a look, and look at them.
#include "GalleryRegistry.h"
#include "GoldenPicture.h"
#include "TestCard.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

namespace
{
const std::string KGoldenDir = std::string(ZU_TEST_SOURCE_DIR) + "/tests/gallery/golden/";
const std::string KOutputDir = std::string(ZU_TEST_BINARY_DIR) + "/gallery-golden";

// A page and the pictures of it that are compared.
struct TGoldenPage
{
    const char* iPage;
    std::vector<std::string> iShots;
};

std::ostream& operator<<(std::ostream& out, const TGoldenPage& page)
{
    return out << page.iPage;
}

struct TPicture
{
    std::vector<unsigned char> iBgra;
    int iWidth = 0;
    int iHeight = 0;
};

bool Read(const std::string& path, TPicture& picture)
{
    return ReadPng(path, picture.iBgra, picture.iWidth, picture.iHeight);
}

class GalleryGoldenTest : public ::testing::TestWithParam<TGoldenPage>
{
};
} // namespace

TEST_P(GalleryGoldenTest, EveryPictureLooksAsItsGoldenOne)
{
    const TGoldenPage& page = GetParam();
    auto found = GalleryPages().find(page.iPage);
    ASSERT_NE(found, GalleryPages().end()) << page.iPage;
    mkdir(KOutputDir.c_str(), 0755);
    {
        CGalleryScene scene(ZU_TEST_OUT_DIR "/", KOutputDir, page.iPage);
        found->second(scene);
    }
    for (const std::string& shot : page.iShots)
    {
        const std::string name = std::string(page.iPage) + "-" + shot + ".png";
        TPicture drawn;
        ASSERT_TRUE(Read(KOutputDir + "/" + name, drawn)) << "the page wrote no " << name;
        EXPECT_TRUE(LooksAsGolden(drawn.iBgra.data(), drawn.iWidth, drawn.iHeight, KGoldenDir + name,
                                  KOutputDir + "/" + name));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, GalleryGoldenTest,
    ::testing::Values(TGoldenPage{"buttons", {"looks"}}, TGoldenPage{"buttons_content", {"content"}},
                      TGoldenPage{"buttons_toggles", {"toggles", "chosen"}},
                      TGoldenPage{"views",
                                  {"first", "slide-in-2", "slide-in-5", "second", "slide-back-4", "back"}}),
    [](const ::testing::TestParamInfo<TGoldenPage>& info) { return std::string(info.param.iPage); });

TEST(GalleryViewsTest, GoingBackShowsTheFirstScreenAsItWas)
{
    auto found = GalleryPages().find("views");
    ASSERT_NE(found, GalleryPages().end());
    const std::string dir = KOutputDir + "/again";
    mkdir(KOutputDir.c_str(), 0755);
    mkdir(dir.c_str(), 0755);
    {
        CGalleryScene scene(ZU_TEST_OUT_DIR "/", dir, "views");
        found->second(scene);
    }
    TPicture first, back;
    ASSERT_TRUE(Read(dir + "/views-first.png", first));
    ASSERT_TRUE(Read(dir + "/views-back.png", back));
    EXPECT_EQ(first.iBgra, back.iBgra);
}
