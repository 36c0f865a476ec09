#include "../ui/StringsTestFiles.h"
#include "ProgramRun.h"
#include "ZuUi.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace
{

class MfpToolTest : public ::testing::Test
{
protected:
    MfpToolTest()
    {
        mkdir(iFolder.File("src").c_str(), 0777);
        mkdir(iFolder.File("src/img").c_str(), 0777);
        mkdir(iFolder.File("src/img/small").c_str(), 0777);
        WriteBytes(iFolder.File("src/readme.txt"), "read me");
        WriteBytes(iFolder.File("src/img/Logo.png"), std::string("\x89PNG\0\1\2", 7));
        WriteBytes(iFolder.File("src/img/small/dot.bmp"), "BM");
        WriteBytes(iFolder.File("src/img/empty.dat"), "");
    }

    TProgramRun Mfp(const std::string& arguments)
    {
        return RunProgram(std::string(ZU_MFP_TOOL) + " " + arguments);
    }
    std::string Package() const { return iFolder.File("res.mfp"); }

    CTempFolder iFolder;
};

} // namespace

TEST_F(MfpToolTest, PackListAndExtractRoundTrip)
{
    TProgramRun pack =
        Mfp("pack " + Quoted(Package()) + " -C " + Quoted(iFolder.File("src")) + " readme.txt img");
    ASSERT_EQ(pack.iExitCode, 0) << pack.iOutput;

    CZuMfpExtract package;
    ASSERT_TRUE(package.Open(Package().c_str()));
    EXPECT_EQ(package.GetLeadingValue(), 1);
    ASSERT_EQ(package.GetFileCount(), 4);
    EXPECT_STREQ(Str(package.GetFile(0)->Name()), "readme.txt");
    EXPECT_STREQ(Str(package.GetFile(0)->Folder()), "");
    EXPECT_STREQ(Str(package.GetFile(1)->Name()), "logo.png"); // folders are taken in name order
    EXPECT_STREQ(Str(package.GetFile(1)->Folder()), "img/");
    EXPECT_STREQ(Str(package.GetFile(3)->Folder()), "img/small/");
    int size = 0;
    char* logo = package.GetFileData("LOGO.PNG", size);
    EXPECT_EQ(std::string(logo, size), std::string("\x89PNG\0\1\2", 7));

    TProgramRun list = Mfp("list " + Quoted(Package()));
    ASSERT_EQ(list.iExitCode, 0) << list.iOutput;
    EXPECT_NE(list.iOutput.find("# leading value 1, 4 entries\n"), std::string::npos) << list.iOutput;
    EXPECT_NE(list.iOutput.find("7\t" + std::to_string(package.GetFile(1)->Offset()) + "\timg/logo.png\n"),
              std::string::npos)
        << list.iOutput;
    EXPECT_NE(list.iOutput.find("0\t"), std::string::npos);

    TProgramRun extract = Mfp("extract " + Quoted(Package()) + " " + Quoted(iFolder.File("out")));
    ASSERT_EQ(extract.iExitCode, 0) << extract.iOutput;
    EXPECT_EQ(ReadBytes(iFolder.File("out/readme.txt")), "read me");
    EXPECT_EQ(ReadBytes(iFolder.File("out/img/logo.png")), ReadBytes(iFolder.File("src/img/Logo.png")));
    EXPECT_EQ(ReadBytes(iFolder.File("out/img/small/dot.bmp")), "BM");
    EXPECT_TRUE(FileExists(iFolder.File("out/img/empty.dat")));
}

TEST_F(MfpToolTest, PackRefusesPathsOutsideTheBaseFolder)
{
    std::string base = " -C " + Quoted(iFolder.File("src/img"));
    TProgramRun climb = Mfp("pack " + Quoted(Package()) + base + " ../readme.txt");
    EXPECT_EQ(climb.iExitCode, 1);
    EXPECT_NE(climb.iOutput.find("climbs out"), std::string::npos) << climb.iOutput;
    TProgramRun absolute =
        Mfp("pack " + Quoted(Package()) + base + " " + Quoted(iFolder.File("src/readme.txt")));
    EXPECT_EQ(absolute.iExitCode, 1);
    EXPECT_NE(absolute.iOutput.find("absolute"), std::string::npos) << absolute.iOutput;
    EXPECT_FALSE(FileExists(Package()));
}

TEST_F(MfpToolTest, PackRefusesNamesThatDifferOnlyInCase)
{
    WriteBytes(iFolder.File("src/img/logo.PNG"), "other");
    TProgramRun pack = Mfp("pack " + Quoted(Package()) + " -C " + Quoted(iFolder.File("src")) + " img");
    EXPECT_EQ(pack.iExitCode, 1);
    EXPECT_NE(pack.iOutput.find("same name"), std::string::npos) << pack.iOutput;
}

TEST_F(MfpToolTest, PackReportsMissingFiles)
{
    TProgramRun pack =
        Mfp("pack " + Quoted(Package()) + " -C " + Quoted(iFolder.File("src")) + " nothing.txt");
    EXPECT_EQ(pack.iExitCode, 1);
    EXPECT_NE(pack.iOutput.find("not a file or folder"), std::string::npos) << pack.iOutput;
}

TEST_F(MfpToolTest, ExtractNamesRefusedEntriesAndWritesTheOthers)
{
    WriteBytes(Package(), PackageImage({{"evil.txt", "../", "evil"}, {"good.txt", "", "good"}}));
    TProgramRun extract = Mfp("extract " + Quoted(Package()) + " " + Quoted(iFolder.File("out")));
    EXPECT_EQ(extract.iExitCode, 1);
    EXPECT_NE(extract.iOutput.find("entry 0 (../evil.txt) refused"), std::string::npos) << extract.iOutput;
    EXPECT_FALSE(FileExists(iFolder.File("evil.txt")));
    EXPECT_EQ(ReadBytes(iFolder.File("out/good.txt")), "good");
}

TEST_F(MfpToolTest, UsageAndUnreadablePackages)
{
    EXPECT_EQ(Mfp("").iExitCode, 2);
    EXPECT_EQ(Mfp("--help").iExitCode, 0);
    EXPECT_EQ(Mfp("pack " + Quoted(Package())).iExitCode, 2);
    EXPECT_EQ(Mfp("frobnicate x").iExitCode, 2);
    EXPECT_EQ(Mfp("list " + Quoted(iFolder.File("missing.mfp"))).iExitCode, 1);
    EXPECT_EQ(
        Mfp("extract " + Quoted(iFolder.File("missing.mfp")) + " " + Quoted(iFolder.File("out"))).iExitCode,
        1);
}
