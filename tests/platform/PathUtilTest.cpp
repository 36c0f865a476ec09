#include "ZuAl.h"

#include <climits>
#include <gtest/gtest.h>
#include <unistd.h>

namespace
{

TEST(PathUtil, DirectoryKeepsOneTrailingSeparator)
{
    EXPECT_EQ(CZuString("/opt/zulex/"), CZuPathUtil::GetDirectory("/opt/zulex/zulex"));
    EXPECT_EQ(CZuString("/opt/zulex/"), CZuPathUtil::GetDirectory("/opt/zulex/"));
    EXPECT_EQ(CZuString("a/"), CZuPathUtil::GetDirectory("a/b"));
}

TEST(PathUtil, NameWithoutSeparatorGivesEmptyPath)
{
    EXPECT_TRUE(CZuPathUtil::GetDirectory("zulex").IsEmpty());
    EXPECT_TRUE(CZuPathUtil::GetDirectory("").IsEmpty());
    EXPECT_TRUE(CZuPathUtil::GetDirectory(CZuString()).IsEmpty());
}

TEST(PathUtil, ProgramInTheRootDirectoryGetsTheRoot)
{
    EXPECT_EQ(CZuString("/"), CZuPathUtil::GetDirectory("/zulex"));
}

TEST(PathUtil, AllPathsAreTheDirectoryOfTheRunningProgram)
{
    char self[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", self, sizeof(self) - 1);
    ASSERT_GT(length, 0);
    self[length] = 0;
    CZuString expected(self);
    expected = expected.Left(expected.Length() - static_cast<int>(strlen(strrchr(self, '/') + 1)));

    CZuString app = CZuPathUtil::GetAppPath();
    EXPECT_EQ(expected, app);
    ASSERT_GT(app.Length(), 1);
    EXPECT_EQ('/', app[app.Length() - 1]);
    EXPECT_NE('/', app[app.Length() - 2]);
    EXPECT_EQ(app, CZuPathUtil::GetDataPath());
    EXPECT_EQ(app, CZuPathUtil::GetResourcePath());
    EXPECT_EQ(app, CZuPathUtil::GetLogPath());
    // The test programs are built into <build>/tests/.
    EXPECT_EQ(CZuString(ZU_TEST_BINARY_DIR "/tests/"), app);
}

// The program's --data-dir: data, resources and the log move; the program itself does not.
TEST(PathUtil, DataDirectoryReplacesTheProgramsOwnForItsFiles)
{
    CZuString app = CZuPathUtil::GetAppPath();
    CZuPathUtil::SetDataDirectory("/srv/zulex-data");
    EXPECT_EQ(CZuString("/srv/zulex-data/"), CZuPathUtil::GetDataPath());
    EXPECT_EQ(CZuString("/srv/zulex-data/"), CZuPathUtil::GetResourcePath());
    EXPECT_EQ(CZuString("/srv/zulex-data/"), CZuPathUtil::GetLogPath());
    EXPECT_EQ(app, CZuPathUtil::GetAppPath());

    CZuPathUtil::SetDataDirectory("/srv/zulex-data/");
    EXPECT_EQ(CZuString("/srv/zulex-data/"), CZuPathUtil::GetDataPath());

    CZuPathUtil::SetDataDirectory(CZuString());
    EXPECT_EQ(app, CZuPathUtil::GetDataPath());
    EXPECT_EQ(app, CZuPathUtil::GetResourcePath());
    EXPECT_EQ(app, CZuPathUtil::GetLogPath());
}

} // namespace
