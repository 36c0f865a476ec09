#include "StringsTestFiles.h"
#include "ZuUi.h"

#include <cstring>
#include <gtest/gtest.h>

namespace
{

const int KZu = 0x5A550000;
const int KLx = 0x4C580000;

std::string Text(const CZuString* text)
{
    return text == nullptr ? std::string("<null>") : std::string(text->PtrZ(), text->Length());
}

} // namespace

TEST(ZuStringPool, RecordsInFileOrderWithEmptyRecords)
{
    std::string image = TableImage({"zero", "ZU table", "", "three"});
    CZuStringPool pool;
    pool.Load(reinterpret_cast<const unsigned char*>(image.data()), static_cast<int>(image.size()));
    ASSERT_EQ(pool.GetCount(), 4);
    EXPECT_EQ(Text(pool.GetString(0)), "zero");
    EXPECT_EQ(Text(pool.GetString(3)), "three");
    // An empty record is an empty string, not a missing one.
    ASSERT_NE(pool.GetString(2), nullptr);
    EXPECT_EQ(pool.GetString(2)->Length(), 0);
    ASSERT_NE(pool.GetString(2)->PtrZ(), nullptr);
    EXPECT_EQ(pool.GetString(4), nullptr);
    EXPECT_EQ(pool.GetString(-1), nullptr);
}

TEST(ZuStringPool, RecordClaimingMoreThanTheFileEndsTheTable)
{
    std::string image = TableImage({"a", "ZU"});
    PutLittleEndian(image, 0);
    PutLittleEndian(image, 100); // claims 100 bytes, 5 follow
    image += "short";
    CZuStringPool pool;
    pool.Load(reinterpret_cast<const unsigned char*>(image.data()), static_cast<int>(image.size()));
    EXPECT_EQ(pool.GetCount(), 2);

    std::string huge = TableImage({"a"});
    PutLittleEndian(huge, 0);
    PutLittleEndian(huge, 0xFFFFFFFFu);
    huge += "x";
    pool.Load(reinterpret_cast<const unsigned char*>(huge.data()), static_cast<int>(huge.size()));
    EXPECT_EQ(pool.GetCount(), 1);
}

TEST(ZuStringPool, RecordHeaderCutShortIsIgnoredAndLoadReplaces)
{
    std::string image = TableImage({"a", "ZUb"}) + std::string("\1\2\3\4\5", 5);
    CZuStringPool pool;
    pool.Load(reinterpret_cast<const unsigned char*>(image.data()), static_cast<int>(image.size()));
    EXPECT_EQ(pool.GetCount(), 2);
    EXPECT_EQ(Text(pool.GetString(1)), "ZUb");
    pool.Load(nullptr, 0);
    EXPECT_EQ(pool.GetCount(), 0);
}

TEST(ZuStringPool, TextKeepsEveryByteOfItsRecord)
{
    std::string withZero("a\0b", 3);
    std::string image = TableImage({withZero, "ZU\\n"});
    CZuStringPool pool;
    pool.Load(reinterpret_cast<const unsigned char*>(image.data()), static_cast<int>(image.size()));
    ASSERT_EQ(pool.GetCount(), 2);
    EXPECT_EQ(pool.GetString(0)->Length(), 3);
    EXPECT_EQ(Text(pool.GetString(1)), "ZU\\n");
}

TEST(ZuStringRes, KeyComesFromTheFirstTwoBytesOfRecordOne)
{
    CZuStringRes table;
    std::string image = TableImage({"", "ZU name"});
    table.Load(reinterpret_cast<const unsigned char*>(image.data()), static_cast<int>(image.size()));
    EXPECT_EQ(table.Key(), KZu);
    EXPECT_TRUE(table.Answers(KZu + 5));
    EXPECT_FALSE(table.Answers(KLx + 5));

    // Bytes above 0x7F still make a key that ids with that high half find.
    std::string high = TableImage({"", "\xE4\xB8\xAD"});
    table.Load(reinterpret_cast<const unsigned char*>(high.data()), static_cast<int>(high.size()));
    EXPECT_EQ(static_cast<unsigned>(table.Key()), 0xE4B80000u);
    EXPECT_TRUE(table.Answers(static_cast<int>(0xE4B80001u)));
}

TEST(ZuStringRes, TableWithoutNameAnswersNoId)
{
    CZuStringRes table;
    std::string image = TableImage({"only record 0"});
    table.Load(reinterpret_cast<const unsigned char*>(image.data()), static_cast<int>(image.size()));
    EXPECT_EQ(table.Key(), 0);
    EXPECT_FALSE(table.Answers(0));
    EXPECT_FALSE(table.Answers(5));

    std::string oneByte = TableImage({"", "Z"});
    table.Load(reinterpret_cast<const unsigned char*>(oneByte.data()), static_cast<int>(oneByte.size()));
    EXPECT_EQ(table.Key(), 0);
}

TEST(ZuStringRes, MissingFileGivesAnEmptyTable)
{
    CTempFolder folder;
    CZuStringRes table;
    EXPECT_FALSE(table.LoadFile(CZuString(folder.File("missing.bin").c_str())));
    EXPECT_EQ(table.Pool().GetCount(), 0);
    EXPECT_EQ(table.Key(), 0);
    EXPECT_EQ(std::string(Str(table.Path())), folder.File("missing.bin"));
    // A folder is not a table either.
    EXPECT_FALSE(table.LoadFile(CZuString(folder.Path().c_str())));
    EXPECT_EQ(table.Pool().GetCount(), 0);
}

class ZuStringManagerTest : public ::testing::Test
{
protected:
    std::string AddTable(const std::string& fileName, const std::vector<std::string>& texts)
    {
        std::string path = iFolder.File(fileName);
        WriteBytes(path, TableImage(texts));
        EXPECT_TRUE(iManager.AddStringRes(CZuString(path.c_str())));
        return path;
    }

    CTempFolder iFolder;
    CZuStringManager iManager;
};

TEST_F(ZuStringManagerTest, RecordOneNamesTheTable)
{
    AddTable("ZuUi_zh.bin", {"zero", "ZU toolkit", "options"});
    EXPECT_EQ(Text(iManager.GetString(KZu + 1)), "ZU toolkit");
    EXPECT_EQ(Text(iManager.GetString(KZu + 2)), "options");
    EXPECT_EQ(Text(iManager.GetString(KZu)), "zero");
}

TEST_F(ZuStringManagerTest, UnknownTableGivesNotFound)
{
    AddTable("ZuUi_zh.bin", {"zero", "ZU toolkit"});
    CZuString* notFound = iManager.GetString(KLx + 1);
    EXPECT_EQ(Text(notFound), "NotFound");
    EXPECT_EQ(iManager.GetString(0x12340000), notFound);
    CZuStringManager empty;
    EXPECT_EQ(Text(empty.GetString(KZu + 1)), "NotFound");
}

TEST_F(ZuStringManagerTest, IndexBeyondTheTableGivesNotFoundRatherThanNull)
{
    AddTable("ZuUi_zh.bin", {"zero", "ZU toolkit"});
    EXPECT_EQ(Text(iManager.GetString(KZu + 2)), "NotFound");
    EXPECT_EQ(Text(iManager.GetString(KZu + 0xFFFF)), "NotFound");
}

TEST_F(ZuStringManagerTest, TheEnvironmentsFallbackStandsInOnlyWhereNoTextIs)
{
    ASSERT_EQ(CZuEnv::Static(), nullptr);
    EXPECT_EQ(std::string(CZuEnv::GetString(KZu + 1, "fallback").PtrZ()), "fallback");
    EXPECT_TRUE(CZuEnv::GetString(KZu + 1).IsEmpty());
    CZuEnv::CreateEnv();
    std::string path = iFolder.File("ZuUi_zh.bin");
    WriteBytes(path, TableImage({"zero", "ZU toolkit", "", "options"}));
    ASSERT_TRUE(CZuEnv::StringMgr()->AddStringRes(CZuString(path.c_str())));
    EXPECT_EQ(std::string(CZuEnv::GetString(KZu + 3, "fallback").PtrZ()), "options");
    // An empty text falls back; an id no table knows keeps the manager's "NotFound".
    EXPECT_EQ(std::string(CZuEnv::GetString(KZu + 2, "fallback").PtrZ()), "fallback");
    EXPECT_EQ(std::string(CZuEnv::GetString(KLx + 1, "fallback").PtrZ()), "NotFound");
    CZuEnv::DestroyEnv();
}

TEST_F(ZuStringManagerTest, DuplicateCodesResolveInTheFirstTableAdded)
{
    AddTable("first.bin", {"a0", "ZU first", "a2"});
    AddTable("second.bin", {"b0", "ZU second", "b2", "b3"});
    EXPECT_EQ(Text(iManager.GetString(KZu + 2)), "a2");
    // The first table is asked even when it is shorter: the second one is not consulted.
    EXPECT_EQ(Text(iManager.GetString(KZu + 3)), "NotFound");
    iManager.RemoveStringRes(CZuString("first"));
    EXPECT_EQ(iManager.GetStringResCount(), 1);
    EXPECT_EQ(Text(iManager.GetString(KZu + 3)), "b3");
}

TEST_F(ZuStringManagerTest, TablesWithDifferentCodesAnswerTheirOwnIds)
{
    AddTable("ZuUi_zh.bin", {"", "ZU", "zu2"});
    AddTable("ZuLex_zh.bin", {"", "LX", "lx2"});
    EXPECT_EQ(Text(iManager.GetString(KZu + 2)), "zu2");
    EXPECT_EQ(Text(iManager.GetString(KLx + 2)), "lx2");
}

TEST_F(ZuStringManagerTest, RemoveTakesTheFirstPathContainingTheText)
{
    std::string zu = AddTable("ZuUi_zh.bin", {"", "ZU", "zu2"});
    AddTable("ZuLex_zh.bin", {"", "LX", "lx2"});
    iManager.RemoveStringRes(CZuString("_zh.bin"));
    ASSERT_EQ(iManager.GetStringResCount(), 1);
    EXPECT_EQ(Text(iManager.GetString(KZu + 2)), "NotFound");
    EXPECT_EQ(Text(iManager.GetString(KLx + 2)), "lx2");
    // Nothing matches: nothing is removed; an empty text matches no table.
    iManager.RemoveStringRes(CZuString("nothing-like-it"));
    iManager.RemoveStringRes(CZuString(""));
    EXPECT_EQ(iManager.GetStringResCount(), 1);
}

TEST_F(ZuStringManagerTest, MissingFileStillAddsAnEmptyTable)
{
    EXPECT_FALSE(iManager.AddStringRes(CZuString(iFolder.File("missing.bin").c_str())));
    EXPECT_EQ(iManager.GetStringResCount(), 1);
    EXPECT_EQ(Text(iManager.GetString(KZu + 1)), "NotFound");
}

TEST_F(ZuStringManagerTest, DamagedTableKeepsTheRecordsBeforeTheDamage)
{
    std::string image = TableImage({"zero", "ZU", "two"});
    PutLittleEndian(image, 0);
    PutLittleEndian(image, 1000);
    image += "three";
    std::string path = iFolder.File("damaged.bin");
    WriteBytes(path, image);
    iManager.AddStringRes(CZuString(path.c_str()));
    EXPECT_EQ(Text(iManager.GetString(KZu + 2)), "two");
    EXPECT_EQ(Text(iManager.GetString(KZu + 3)), "NotFound");
}

// The toolkit's own table as the build makes it from data/strings/ZuUi_zh.txt.
TEST(ZuUiStringTable, EveryToolkitIdHasAText)
{
    CZuStringManager manager;
    ASSERT_TRUE(manager.AddStringRes(CZuString(ZU_TEST_OUT_DIR "/res/ZuUi_zh.bin")));
    EXPECT_EQ(Text(manager.GetString(KZu + 1)).substr(0, 2), "ZU");
    for (int index = 0; index <= 0x19; ++index)
    {
        std::string text = Text(manager.GetString(KZu + index));
        EXPECT_NE(text, "NotFound") << "index " << index;
        EXPECT_FALSE(text.empty()) << "index " << index;
    }
    EXPECT_EQ(Text(manager.GetString(KZu + 4)), "确定");
    EXPECT_EQ(Text(manager.GetString(KZu + 5)), "取消");
    EXPECT_EQ(Text(manager.GetString(KZu + 6)), "返回");
    EXPECT_EQ(Text(manager.GetString(KZu + 8)), "退出");
}

TEST(ZuUiStringTable, DateFormatsTakeYearMonthAndDay)
{
    CZuStringManager manager;
    ASSERT_TRUE(manager.AddStringRes(CZuString(ZU_TEST_OUT_DIR "/res/ZuUi_zh.bin")));
    for (int id : {KZu + 0x18, KZu + 0x19})
    {
        std::string format = Text(manager.GetString(id));
        int conversions = 0;
        for (size_t at = format.find('%'); at != std::string::npos; at = format.find('%', at + 1))
        {
            ASSERT_LT(at + 1, format.size());
            EXPECT_EQ(format[at + 1], 'd') << format;
            ++conversions;
        }
        EXPECT_EQ(conversions, 3) << format;
    }
    char date[64];
    std::snprintf(date, sizeof date, Str(*manager.GetString(KZu + 0x19)), 2012, 3, 5);
    std::string withDay = std::string(date) + Text(manager.GetString(KZu + 0x11));
    EXPECT_EQ(withDay, "2012年3月5日 周一");
}
