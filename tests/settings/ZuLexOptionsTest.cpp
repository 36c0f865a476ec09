#include "SettingsTestSupport.h"

#include "ZuLexOptions.h"
#include "ZuPathUtil.h"

namespace
{

bool ParseArgs(CZuLexOptions& options, std::vector<const char*> args, const char* dataDir = nullptr,
               const char* updateUrl = nullptr)
{
    args.insert(args.begin(), "zulex");
    return options.Parse(static_cast<int>(args.size()), args.data(), dataDir, updateUrl);
}

TEST(ZuLexOptions, NothingGivenLeavesEverythingEmpty)
{
    CZuLexOptions options;
    EXPECT_TRUE(ParseArgs(options, {}));
    EXPECT_TRUE(options.DataDir().IsEmpty());
    EXPECT_TRUE(options.UpdateUrl().IsEmpty());
    EXPECT_FALSE(options.WantsHelp());
    EXPECT_TRUE(options.ApplyDataDir());
}

TEST(ZuLexOptions, BothSpellingsOfEachOption)
{
    CZuLexOptions options;
    EXPECT_TRUE(ParseArgs(options, {"--data-dir", "/tmp", "--update-url=https://example.org/u.xml"}));
    EXPECT_EQ("/tmp", Text(options.DataDir()));
    EXPECT_EQ("https://example.org/u.xml", Text(options.UpdateUrl()));
    EXPECT_TRUE(ParseArgs(options, {"--data-dir=/srv", "--update-url", "http://127.0.0.1:8080/x"}));
    EXPECT_EQ("/srv", Text(options.DataDir()));
    EXPECT_EQ("http://127.0.0.1:8080/x", Text(options.UpdateUrl()));
}

TEST(ZuLexOptions, CommandLineGoesBeforeTheEnvironment)
{
    CZuLexOptions options;
    EXPECT_TRUE(ParseArgs(options, {}, "/env/data", "http://env/update.xml"));
    EXPECT_EQ("/env/data", Text(options.DataDir()));
    EXPECT_EQ("http://env/update.xml", Text(options.UpdateUrl()));
    EXPECT_TRUE(ParseArgs(options, {"--data-dir", "/arg"}, "/env/data", "http://env/update.xml"));
    EXPECT_EQ("/arg", Text(options.DataDir()));
    EXPECT_EQ("http://env/update.xml", Text(options.UpdateUrl()));
}

TEST(ZuLexOptions, MistakesAreReported)
{
    CZuLexOptions options;
    EXPECT_FALSE(ParseArgs(options, {"--data-dir"}));
    EXPECT_NE(-1, options.Error().Find(CZuString("--data-dir")));
    EXPECT_FALSE(ParseArgs(options, {"--update-url="}));
    EXPECT_FALSE(ParseArgs(options, {"--colour"}));
    EXPECT_NE(-1, options.Error().Find(CZuString("--colour")));
    EXPECT_FALSE(ParseArgs(options, {"--data-directory=/x"}));
    EXPECT_FALSE(ParseArgs(options, {"--update-url", "ftp://host/file"}));
    EXPECT_FALSE(ParseArgs(options, {}, nullptr, "file:///etc/passwd"));
    EXPECT_TRUE(ParseArgs(options, {"--help"}));
    EXPECT_TRUE(options.WantsHelp());
}

TEST(ZuLexOptions, UpdateAddressesAreHttpOrHttpsWithAHost)
{
    EXPECT_TRUE(CZuLexOptions::IsUpdateUrl(CZuString("http://h/u")));
    EXPECT_TRUE(CZuLexOptions::IsUpdateUrl(CZuString("https://h")));
    EXPECT_FALSE(CZuLexOptions::IsUpdateUrl(CZuString("http://")));
    EXPECT_FALSE(CZuLexOptions::IsUpdateUrl(CZuString("https:///path")));
    EXPECT_FALSE(CZuLexOptions::IsUpdateUrl(CZuString("HTTP://h")));
    EXPECT_FALSE(CZuLexOptions::IsUpdateUrl(CZuString()));
}

TEST(ZuLexOptions, DataDirectoryBecomesTheProgramsPaths)
{
    CTempFolder folder;
    CZuLexOptions options;
    ASSERT_TRUE(ParseArgs(options, {"--data-dir", folder.Path().c_str()}));
    ASSERT_TRUE(options.ApplyDataDir());
    EXPECT_EQ(folder.Path(), Text(CZuPathUtil::GetDataPath()));
    EXPECT_EQ(folder.Path(), Text(CZuPathUtil::GetResourcePath()));
    CZuPathUtil::SetDataDirectory(CZuString());

    ASSERT_TRUE(ParseArgs(options, {"--data-dir", (folder.Path() + "missing").c_str()}));
    EXPECT_FALSE(options.ApplyDataDir());
    EXPECT_NE(-1, options.Error().Find(CZuString("missing")));
    EXPECT_NE(CZuString(folder.Path().c_str()), CZuPathUtil::GetDataPath());
}

} // namespace
