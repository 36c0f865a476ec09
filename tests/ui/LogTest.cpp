#include "StringsTestFiles.h"
#include "ZuUi.h"

#include <gtest/gtest.h>
#include <regex>

namespace
{

class ZuLogTest : public ::testing::Test
{
protected:
    ZuLogTest() { CZuLog::SetLogDirectory(CZuString(iFolder.Path().c_str())); }
    ~ZuLogTest() override { CZuLog::SetLogDirectory(CZuString()); }

    std::string Log() const { return ReadBytes(iFolder.File("zu_log.txt")); }

    CTempFolder iFolder;
};

const char KStamp[] = "\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2} ";

} // namespace

TEST_F(ZuLogTest, LineHasTimeStampSourceLineAndCrLf)
{
    CZuLog("C:\\work\\Frame/src\\ZuControl.cpp", 42).Print("value %d and %s", 7, "text");
    std::string log = Log();
    EXPECT_TRUE(std::regex_match(
        log, std::regex(std::string(KStamp) + "\\[ZuControl\\.cpp 42\\] value 7 and text\r\n")))
        << log;
}

TEST_F(ZuLogTest, SourceNameKeepsThePartAfterTheLastSeparator)
{
    EXPECT_STREQ(Str(CZuLog("a/b\\c.cpp", 1).SourceName()), "c.cpp");
    EXPECT_STREQ(Str(CZuLog("plain.cpp", 1).SourceName()), "plain.cpp");
    EXPECT_STREQ(Str(CZuLog("dir/", 1).SourceName()), "");
    EXPECT_EQ(CZuLog(nullptr, 3).SourceName().Length(), 0);
}

TEST_F(ZuLogTest, LinesAccumulateAndCleanDeletesTheFile)
{
    CZuLog log("x.cpp", 1);
    log.Print("one");
    log.Print("two");
    std::string text = Log();
    EXPECT_TRUE(std::regex_match(text, std::regex(std::string(KStamp) + "\\[x\\.cpp 1\\] one\r\n" + KStamp +
                                                  "\\[x\\.cpp 1\\] two\r\n")))
        << text;
    log.Clean();
    EXPECT_FALSE(FileExists(iFolder.File("zu_log.txt")));
    log.Clean(); // nothing to delete: no harm
    log.Print("three");
    EXPECT_TRUE(std::regex_match(Log(), std::regex(std::string(KStamp) + "\\[x\\.cpp 1\\] three\r\n")));
}

TEST_F(ZuLogTest, LongMessageIsCutToTheBuffer)
{
    std::string longText(20000, 'q');
    CZuLog("x.cpp", 2).Print("%s", longText.c_str());
    std::string log = Log();
    size_t start = log.find("] ") + 2;
    ASSERT_NE(start, std::string::npos);
    EXPECT_EQ(log.size() - start, 10239u + 2u);
    EXPECT_EQ(log.substr(log.size() - 2), "\r\n");
}

TEST_F(ZuLogTest, Print2WritesTheBytesAsTheyAre)
{
    CZuLog("y.cpp", 9).Print2("ab\0cd%s", 7);
    std::string log = Log();
    std::string tail = std::string("[y.cpp 9] ab\0cd%s\r\n", 19);
    ASSERT_GE(log.size(), tail.size());
    EXPECT_EQ(log.substr(log.size() - tail.size()), tail);
    EXPECT_EQ(log.size(), 20u + tail.size());
}

TEST_F(ZuLogTest, AssertWritesOnlyWhenTheConditionFails)
{
    CZuLog log("z.cpp", 5);
    log.Assert(true);
    EXPECT_FALSE(FileExists(iFolder.File("zu_log.txt")));
    log.Assert(false);
    EXPECT_TRUE(
        std::regex_match(Log(), std::regex(std::string(KStamp) + "\\[z\\.cpp 5\\] #### ASSERT failed!\r\n")));
}

TEST_F(ZuLogTest, HexDumpOfSixteenBytesIsOneLine)
{
    std::string bytes;
    for (int i = 0; i < 16; ++i)
        bytes += static_cast<char>(i);
    CZuLog("d.cpp", 3).PrintBin(bytes.data(), 16);
    std::string line = "00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f ";
    EXPECT_EQ(line.size(), 48u);
    EXPECT_EQ(Log(), "[d.cpp 3] \r\n    " + line + "\r\n");
}

TEST_F(ZuLogTest, HexDumpOfSeventeenBytesEndsWithAShortLine)
{
    std::string bytes;
    for (int i = 0; i < 17; ++i)
        bytes += static_cast<char>(0xF0 + i);
    CZuLog("d.cpp", 4).PrintBin(bytes.data(), 17);
    EXPECT_EQ(Log(), "[d.cpp 4] \r\n    f0 f1 f2 f3 f4 f5 f6 f7 f8 f9 fa fb fc fd fe ff \r\n    00 \r\n");
}

TEST_F(ZuLogTest, HexDumpPrintsHighBytesAsUnsigned)
{
    CZuLog("d.cpp", 5).PrintBin("\x80\xff\x7f", 3);
    EXPECT_EQ(Log(), "[d.cpp 5] \r\n    80 ff 7f \r\n");
}

TEST_F(ZuLogTest, HexDumpOfThirtyTwoBytesEndsWithOneLineEnd)
{
    std::string bytes(32, 'A');
    CZuLog("d.cpp", 6).PrintBin(bytes.data(), 32);
    std::string line;
    for (int i = 0; i < 16; ++i)
        line += "41 ";
    EXPECT_EQ(Log(), "[d.cpp 6] \r\n    " + line + "\r\n    " + line + "\r\n");
}

TEST_F(ZuLogTest, EmptyHexDumpStillEndsItsLine)
{
    CZuLog("d.cpp", 7).PrintBin(nullptr, 4);
    CZuLog("d.cpp", 8).PrintBin("abc", 0);
    EXPECT_EQ(Log(), "[d.cpp 7] \r\n    \r\n[d.cpp 8] \r\n    \r\n");
}

TEST_F(ZuLogTest, UnwritableLogIsSkipped)
{
    CZuLog::SetLogDirectory(CZuString((iFolder.Path() + "no/such/folder/").c_str()));
    CZuLog log("x.cpp", 1);
    log.Print("lost");
    log.PrintBin("ab", 2);
    log.Assert(false);
    log.Clean();
    EXPECT_FALSE(FileExists(iFolder.Path() + "no/such/folder/zu_log.txt"));
    CZuLog::DoNothing("%d", 1);
    CZuLog::DoNothingClean();
}

TEST(ZuLogPath, DefaultIsTheProgramsLogPath)
{
    CZuLog::SetLogDirectory(CZuString());
    CZuString expected = CZuPathUtil::GetLogPath() + "zu_log.txt";
    EXPECT_STREQ(Str(CZuLog::LogFilePath()), Str(expected));
    CZuLog::SetLogDirectory(CZuString("/tmp/x/"));
    EXPECT_STREQ(Str(CZuLog::LogFilePath()), "/tmp/x/zu_log.txt");
    CZuLog::SetLogDirectory(CZuString());
}
