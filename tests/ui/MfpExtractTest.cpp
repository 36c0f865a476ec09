#include "StringsTestFiles.h"
#include "ZuUi.h"

#include <cstring>
#include <gtest/gtest.h>

namespace
{

std::string Data(const char* data, int size)
{
    return data == nullptr ? std::string("<null>") : std::string(data, size);
}

// The bytes GetFileData gives for name, with the size it reports.
std::string DataOf(CZuMfpExtract& package, const char* name)
{
    int size = -1;
    char* data = package.GetFileData(name, size);
    return Data(data, size);
}

std::string DataOf(CZuMfpExtract& package, int index)
{
    int size = -1;
    char* data = package.GetFileData(index, size);
    return Data(data, size);
}

// An image cache that knows some names itself and makes images from the bytes it is given.
class CFakeImageSource : public MZuImageSource
{
public:
    ~CFakeImageSource() override
    {
        for (CZuImage* image : iMade)
            image->Release();
    }

    CZuImage* GetImage(const CZuString& name, bool withMask, const char* data, int length) override
    {
        return GetImage(name, 0, 0, withMask, data, length);
    }

    CZuImage* GetImage(const CZuString& name, int width, int height, bool withMask, const char* data,
                       int length) override
    {
        iNames.push_back(Str(name));
        iSizes.push_back(width * 10000 + height);
        iMasks.push_back(withMask);
        iBytes.push_back(Data(data, length));
        bool known = std::string(Str(name)) == iKnownName;
        if (!known && (data == nullptr || length <= 0))
            return nullptr;
        CZuImage* image = new CZuImage;
        image->SetName(name);
        iMade.push_back(image);
        return image;
    }

    std::string iKnownName;
    std::vector<std::string> iNames;
    std::vector<int> iSizes;
    std::vector<bool> iMasks;
    std::vector<std::string> iBytes;
    std::vector<CZuImage*> iMade;
};

class ZuMfpExtractTest : public ::testing::Test
{
protected:
    std::string WritePackage(const std::string& image, const std::string& name = "res.mfp")
    {
        std::string path = iFolder.File(name);
        WriteBytes(path, image);
        return path;
    }

    CTempFolder iFolder;
    CZuMfpExtract iPackage;
};

} // namespace

TEST_F(ZuMfpExtractTest, MissingPackageDoesNotOpen)
{
    EXPECT_FALSE(iPackage.Open(iFolder.File("missing.mfp").c_str()));
    EXPECT_FALSE(iPackage.Open(nullptr));
    EXPECT_EQ(iPackage.GetFileCount(), 0);
    int size = 5;
    EXPECT_EQ(iPackage.GetFileData(0, size), nullptr);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(iPackage.GetFileData("a", size), nullptr);
}

TEST_F(ZuMfpExtractTest, DirectoryIsReadWithNamesLowerCased)
{
    std::string path = WritePackage(
        PackageImage({{"Icon.PNG", "img/", "png bytes", "note"}, {"readme.txt", "", "hello"}}, 0x01020304));
    ASSERT_TRUE(iPackage.Open(path.c_str()));
    EXPECT_EQ(iPackage.GetLeadingValue(), 0x01020304);
    ASSERT_EQ(iPackage.GetFileCount(), 2);
    const CMfpFile& icon = *iPackage.GetFile(0);
    EXPECT_STREQ(Str(icon.Name()), "icon.png");
    EXPECT_STREQ(Str(icon.Folder()), "img/");
    EXPECT_STREQ(Str(icon.Text()), "note");
    EXPECT_EQ(icon.Size(), 9);
    EXPECT_EQ(iPackage.GetFile(2), nullptr);
    EXPECT_EQ(iPackage.GetFile(-1), nullptr);
}

TEST_F(ZuMfpExtractTest, DataIsReadOnceKeptAndEndsWithAZeroByte)
{
    std::string path = WritePackage(PackageImage({{"a.txt", "", "alpha"}, {"B.txt", "", "beta!"}}));
    ASSERT_TRUE(iPackage.Open(path.c_str()));
    int size = 0;
    char* first = iPackage.GetFileData(1, size);
    EXPECT_EQ(Data(first, size), "beta!");
    EXPECT_EQ(first[size], '\0');
    EXPECT_EQ(iPackage.GetFile(1)->Data(), first);
    size = 0;
    EXPECT_EQ(iPackage.GetFileData(1, size), first);
    EXPECT_EQ(size, 5);
    // Looked up by name in any case; the first entry of that name answers.
    EXPECT_EQ(iPackage.GetFileData("b.TXT", size), first);
    EXPECT_EQ(DataOf(iPackage, "A.txt"), "alpha");
    EXPECT_EQ(iPackage.GetFileData("c.txt", size), nullptr);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(iPackage.GetFileData(2, size), nullptr);
    EXPECT_EQ(iPackage.GetFileData(-1, size), nullptr);
}

TEST_F(ZuMfpExtractTest, CachedDataOutlivesCloseButNewReadsNeedTheFile)
{
    std::string path = WritePackage(PackageImage({{"a", "", "alpha"}, {"b", "", "beta"}}));
    ASSERT_TRUE(iPackage.Open(path.c_str()));
    int size = 0;
    ASSERT_NE(iPackage.GetFileData(0, size), nullptr);
    iPackage.Close();
    EXPECT_EQ(DataOf(iPackage, 0), "alpha");
    EXPECT_EQ(iPackage.GetFileData(1, size), nullptr);
    EXPECT_EQ(size, 0);
}

TEST_F(ZuMfpExtractTest, EmptyEntryGivesAnEmptyTerminatedBuffer)
{
    std::string path = WritePackage(PackageImage({{"empty", "", ""}}));
    ASSERT_TRUE(iPackage.Open(path.c_str()));
    int size = 7;
    char* data = iPackage.GetFileData(0, size);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(data[0], '\0');
}

TEST_F(ZuMfpExtractTest, OpeningAgainReplacesTheDirectory)
{
    std::string one = WritePackage(PackageImage({{"a", "", "1"}, {"b", "", "2"}}), "one.mfp");
    std::string two = WritePackage(PackageImage({{"c", "", "3"}}), "two.mfp");
    ASSERT_TRUE(iPackage.Open(one.c_str()));
    ASSERT_TRUE(iPackage.Open(two.c_str()));
    ASSERT_EQ(iPackage.GetFileCount(), 1);
    EXPECT_EQ(DataOf(iPackage, "c"), "3");
    EXPECT_FALSE(iPackage.Open(iFolder.File("gone.mfp").c_str()));
    EXPECT_EQ(iPackage.GetFileCount(), 0);
}

TEST_F(ZuMfpExtractTest, HeaderCutShortOpensWithNoEntries)
{
    std::string path = WritePackage(std::string("\1\0\0\0\5", 5));
    EXPECT_TRUE(iPackage.Open(path.c_str()));
    EXPECT_EQ(iPackage.GetFileCount(), 0);
    EXPECT_TRUE(iPackage.Open(WritePackage("", "empty.mfp").c_str()));
    EXPECT_EQ(iPackage.GetFileCount(), 0);
}

TEST_F(ZuMfpExtractTest, EntryWhoseDataLiesBeyondTheFileEndsTheDirectory)
{
    std::string image = PackageImage({{"a", "", "1234"}, {"b", "", "5678"}, {"c", "", "9"}});
    // Cut the last data bytes: entry "c" now claims a byte the file does not hold, "b" still fits.
    image.resize(image.size() - 1);
    ASSERT_TRUE(iPackage.Open(WritePackage(image).c_str()));
    EXPECT_EQ(iPackage.GetFileCount(), 2);
    image.resize(image.size() - 1);
    ASSERT_TRUE(iPackage.Open(WritePackage(image).c_str()));
    EXPECT_EQ(iPackage.GetFileCount(), 1);
}

TEST_F(ZuMfpExtractTest, TextClaimingMoreThanTheFileEndsTheDirectory)
{
    std::string image;
    PutLittleEndian(image, 1);
    PutLittleEndian(image, 2);
    std::string good = PackageImage({{"ok", "", ""}}).substr(8);
    image += good;
    PutLittleEndian(image, 0x7FFFFFF0); // a name "longer" than anything that follows
    image += "xyz";
    ASSERT_TRUE(iPackage.Open(WritePackage(image).c_str()));
    EXPECT_EQ(iPackage.GetFileCount(), 1);
}

TEST_F(ZuMfpExtractTest, NegativeSizesAndOffsetsEndTheDirectory)
{
    for (uint32_t bad : {0xFFFFFFFFu, 0x80000000u})
    {
        std::string image = PackageImage({{"a", "", "data"}});
        std::string patched = image;
        // The size field of the only entry lies 8 bytes before the end of the directory.
        size_t sizeField = 8 + 4 + 1 + 4 + 4;
        for (int k = 0; k < 4; ++k)
            patched[sizeField + k] = static_cast<char>((bad >> (8 * k)) & 0xFF);
        ASSERT_TRUE(iPackage.Open(WritePackage(patched).c_str()));
        EXPECT_EQ(iPackage.GetFileCount(), 0);
        std::string offsetPatched = image;
        for (int k = 0; k < 4; ++k)
            offsetPatched[sizeField + 4 + k] = static_cast<char>((bad >> (8 * k)) & 0xFF);
        ASSERT_TRUE(iPackage.Open(WritePackage(offsetPatched).c_str()));
        EXPECT_EQ(iPackage.GetFileCount(), 0);
    }
}

TEST_F(ZuMfpExtractTest, HugeEntryCountReadsOnlyTheEntriesPresent)
{
    std::string image = PackageImage({{"a", "", "1"}, {"b", "", "2"}});
    image[4] = '\xFF';
    image[5] = '\xFF';
    image[6] = '\xFF';
    image[7] = '\x7F';
    ASSERT_TRUE(iPackage.Open(WritePackage(image).c_str()));
    // The data bytes "12" after the two entries do not make a third one.
    EXPECT_EQ(iPackage.GetFileCount(), 2);
}

TEST(ZuMfpExtractPaths, RefusesAbsoluteAndClimbingPaths)
{
    EXPECT_EQ(CZuMfpExtract::CheckEntryPath(CZuString(""), CZuString("a.png")), nullptr);
    EXPECT_EQ(CZuMfpExtract::CheckEntryPath(CZuString("img/sub/"), CZuString("a.png")), nullptr);
    EXPECT_EQ(CZuMfpExtract::CheckEntryPath(CZuString("img\\"), CZuString("..a.png")), nullptr);
    EXPECT_EQ(CZuMfpExtract::CheckEntryPath(CZuString("a..b/"), CZuString("x")), nullptr);

    EXPECT_NE(CZuMfpExtract::CheckEntryPath(CZuString("/etc/"), CZuString("passwd")), nullptr);
    EXPECT_NE(CZuMfpExtract::CheckEntryPath(CZuString(""), CZuString("/etc/passwd")), nullptr);
    EXPECT_NE(CZuMfpExtract::CheckEntryPath(CZuString("\\windows\\"), CZuString("x")), nullptr);
    EXPECT_NE(CZuMfpExtract::CheckEntryPath(CZuString("c:"), CZuString("x")), nullptr);
    EXPECT_NE(CZuMfpExtract::CheckEntryPath(CZuString(""), CZuString("C:\\x")), nullptr);
    EXPECT_NE(CZuMfpExtract::CheckEntryPath(CZuString("../"), CZuString("x")), nullptr);
    EXPECT_NE(CZuMfpExtract::CheckEntryPath(CZuString("img/../../"), CZuString("x")), nullptr);
    EXPECT_NE(CZuMfpExtract::CheckEntryPath(CZuString("img\\..\\..\\"), CZuString("x")), nullptr);
    EXPECT_NE(CZuMfpExtract::CheckEntryPath(CZuString("img/"), CZuString("..")), nullptr);
    EXPECT_NE(CZuMfpExtract::CheckEntryPath(CZuString(""), CZuString("../x")), nullptr);
    EXPECT_NE(CZuMfpExtract::CheckEntryPath(CZuString("img/"), CZuString("")), nullptr);
    EXPECT_NE(CZuMfpExtract::CheckEntryPath(CZuString("img/"), CZuString("a\0/../../x", 10)), nullptr);
}

TEST_F(ZuMfpExtractTest, ExtractWritesEveryEntryBelowTheOutputFolder)
{
    std::string path = WritePackage(
        PackageImage({{"top.txt", "", "top"}, {"a.png", "img/", "png"}, {"Deep.DAT", "dat\\sub\\", "deep"}}));
    std::string out = iFolder.File("out");
    ASSERT_TRUE(iPackage.ExtractMfp(path.c_str(), out.c_str()));
    EXPECT_EQ(ReadBytes(out + "/top.txt"), "top");
    EXPECT_EQ(ReadBytes(out + "/img/a.png"), "png");
    EXPECT_EQ(ReadBytes(out + "/dat/sub/deep.dat"), "deep");
    // Existing files are replaced.
    WriteBytes(out + "/top.txt", "something much longer than before");
    ASSERT_TRUE(iPackage.ExtractMfp(path.c_str(), (out + "/").c_str()));
    EXPECT_EQ(ReadBytes(out + "/top.txt"), "top");
}

TEST_F(ZuMfpExtractTest, ExtractRefusesEscapingEntriesLogsThemAndWritesTheRest)
{
    CZuLog::SetLogDirectory(CZuString(iFolder.Path().c_str()));
    std::string victim = iFolder.File("victim.txt");
    std::string path = WritePackage(PackageImage({{"victim.txt", "../", "overwritten"},
                                                  {"good.txt", "", "good"},
                                                  {victim.substr(1), "/", "absolute"},
                                                  {"x", "img/../../", "climb"}}));
    WriteBytes(victim, "original");
    std::string out = iFolder.File("out");
    EXPECT_FALSE(iPackage.ExtractMfp(path.c_str(), out.c_str()));
    EXPECT_EQ(ReadBytes(victim), "original");
    EXPECT_FALSE(FileExists(iFolder.File("x")));
    EXPECT_EQ(ReadBytes(out + "/good.txt"), "good");

    std::string log = ReadBytes(iFolder.File("zu_log.txt"));
    CZuLog::SetLogDirectory(CZuString());
    EXPECT_NE(log.find("entry 0 (folder \"../\", name \"victim.txt\") refused"), std::string::npos) << log;
    EXPECT_NE(log.find("entry 2 (folder \"/\""), std::string::npos) << log;
    EXPECT_NE(log.find("entry 3 (folder \"img/../../\", name \"x\") refused"), std::string::npos) << log;
    EXPECT_EQ(log.find("entry 1 "), std::string::npos) << log;
}

TEST_F(ZuMfpExtractTest, ExtractOfAMissingPackageFails)
{
    EXPECT_FALSE(iPackage.ExtractMfp(iFolder.File("missing.mfp").c_str(), iFolder.File("out").c_str()));
    EXPECT_FALSE(FileExists(iFolder.File("out")));
}

TEST_F(ZuMfpExtractTest, ImagesComeFromTheSourceFirstThenFromTheEntry)
{
    std::string path =
        WritePackage(PackageImage({{"Logo.PNG", "img/", "logo bytes"}, {"known.png", "", "k"}}));
    ASSERT_TRUE(iPackage.Open(path.c_str()));
    EXPECT_EQ(iPackage.GetImage("logo.png", false), nullptr); // no image source yet

    CFakeImageSource source;
    source.iKnownName = "known.png";
    iPackage.SetImageSource(&source);
    CZuImage* known = iPackage.GetImage("KNOWN.png", true);
    ASSERT_NE(known, nullptr);
    ASSERT_EQ(source.iNames.size(), 1u);
    EXPECT_EQ(source.iNames[0], "known.png");
    EXPECT_EQ(source.iBytes[0], "<null>");
    EXPECT_TRUE(source.iMasks[0]);

    CZuImage* logo = iPackage.GetImage("LOGO.png", 32, 24, false);
    ASSERT_NE(logo, nullptr);
    ASSERT_EQ(source.iNames.size(), 3u);
    EXPECT_EQ(source.iBytes[1], "<null>");
    EXPECT_EQ(source.iNames[2], "logo.png");
    EXPECT_EQ(source.iBytes[2], "logo bytes");
    EXPECT_EQ(source.iSizes[2], 32 * 10000 + 24);
    EXPECT_STREQ(Str(logo->Name()), "logo.png");

    // The entry stays usable after it made an image.
    EXPECT_EQ(DataOf(iPackage, "logo.png"), "logo bytes");
    EXPECT_NE(iPackage.GetImage("logo.png", false), nullptr);
    EXPECT_EQ(source.iBytes.back(), "logo bytes");
    EXPECT_EQ(iPackage.GetImage("none.png", false), nullptr);
    EXPECT_EQ(iPackage.GetImage(nullptr, false), nullptr);
}
