#include "../ui/StringsTestFiles.h"
#include "ProgramRun.h"
#include "ZuUi.h"

#include <gtest/gtest.h>

namespace
{

class StrtabToolTest : public ::testing::Test
{
protected:
    TProgramRun Compile(const std::string& source, const std::string& extra = "")
    {
        WriteBytes(iFolder.File("source.txt"), source);
        return RunProgram(std::string(ZU_STRTAB_TOOL) + " " + extra + " -o " + Quoted(Table()) + " " +
                          Quoted(iFolder.File("source.txt")));
    }
    std::string Table() const { return iFolder.File("table.bin"); }
    std::string StringAt(const CZuStringRes& table, int index) const
    {
        const CZuString* text = table.GetString(index);
        return text == nullptr ? "<null>" : std::string(text->PtrZ(), text->Length());
    }

    CTempFolder iFolder;
};

} // namespace

TEST_F(StrtabToolTest, ExplicitAndImpliedIndexesCommentsAndEmptyTexts)
{
    TProgramRun run = Compile("# the test table\n"
                              "zero\n"
                              "ZU test\n"
                              "\n"
                              "5\tfive\n"
                              "six with trailing blanks  \n"
                              "0x08\t\n"
                              "\t#not a comment\n"
                              "\t12\tdigits and a tab\n"
                              "\t\n"
                              "12\ttwelve\n");
    ASSERT_EQ(run.iExitCode, 0) << run.iOutput;
    CZuStringRes table;
    ASSERT_TRUE(table.LoadFile(CZuString(Table().c_str())));
    ASSERT_EQ(table.Pool().GetCount(), 13);
    EXPECT_EQ(table.Key(), 0x5A550000);
    EXPECT_EQ(StringAt(table, 0), "zero");
    EXPECT_EQ(StringAt(table, 1), "ZU test");
    EXPECT_EQ(StringAt(table, 2), ""); // skipped indexes are empty
    EXPECT_EQ(StringAt(table, 4), "");
    EXPECT_EQ(StringAt(table, 5), "five");
    EXPECT_EQ(StringAt(table, 6), "six with trailing blanks  ");
    EXPECT_EQ(StringAt(table, 8), "");
    EXPECT_EQ(StringAt(table, 9), "#not a comment");
    EXPECT_EQ(StringAt(table, 10), "12\tdigits and a tab");
    EXPECT_EQ(StringAt(table, 11), "");
    EXPECT_EQ(StringAt(table, 12), "twelve");
}

TEST_F(StrtabToolTest, TextsAreLiteralAndTheRecordLayoutIsExact)
{
    TProgramRun run = Compile("\xEF\xBB\xBFzero\r\nZU\r\n第一行\\n第二行\r\n");
    ASSERT_EQ(run.iExitCode, 0) << run.iOutput;
    std::string bytes = ReadBytes(Table());
    std::string expected;
    std::vector<std::string> texts = {"zero", "ZU", "第一行\\n第二行"};
    for (size_t i = 0; i < texts.size(); ++i)
    {
        PutLittleEndian(expected, static_cast<uint32_t>(i));
        PutLittleEndian(expected, static_cast<uint32_t>(texts[i].size()));
        expected += texts[i];
    }
    EXPECT_EQ(bytes, expected);
}

TEST_F(StrtabToolTest, DumpCompilesBackToTheSameTable)
{
    ASSERT_EQ(Compile("a\nZU x\n\t\n7\t#seven\t\n\t42\tforty-two\n第八\n").iExitCode, 0);
    std::string first = ReadBytes(Table());
    TProgramRun dump = RunProgram(std::string(ZU_STRTAB_TOOL) + " --dump " + Quoted(Table()));
    ASSERT_EQ(dump.iExitCode, 0) << dump.iOutput;
    EXPECT_NE(dump.iOutput.find("7\t#seven\t\n"), std::string::npos) << dump.iOutput;
    ASSERT_EQ(Compile(dump.iOutput).iExitCode, 0);
    EXPECT_EQ(ReadBytes(Table()), first);
}

TEST_F(StrtabToolTest, ErrorsNameTheLineAndLeaveNoTable)
{
    struct TCase
    {
        std::string iSource;
        std::string iMessage;
    };
    std::vector<TCase> cases = {
        {"a\nZU\n5\tx\n3\ty\n", "source.txt:4: index 3 does not follow index 5"},
        {"a\nZU\n1\tagain\n", "source.txt:3: index 1 does not follow index 1"},
        {"a\nZU\n65536\tx\n", "source.txt:3: index too large"},
        {"a\nZU\n123456789012\tx\n", "source.txt:3: index too large"},
        {"a\nZU\nbad \xC3(\n", "source.txt:3: invalid UTF-8"},
        {"a\nZU\n\xF0\x9F\x98\x80\n", "source.txt:3: invalid UTF-8, or a character beyond U+FFFF"},
        {"a\nZU\nbell\x07\n", "source.txt:3: control character"},
        {"a\n", "string 1 must begin with the table's two-letter code"},
        {"a\nZ\n", "string 1 must begin with the table's two-letter code"},
        {"a\n  ZU\n", "string 1 must begin with the table's two-letter code"},
    };
    for (const TCase& test : cases)
    {
        WriteBytes(Table(), "old table");
        TProgramRun run = Compile(test.iSource);
        EXPECT_EQ(run.iExitCode, 1) << test.iSource;
        EXPECT_NE(run.iOutput.find(test.iMessage), std::string::npos) << run.iOutput;
        EXPECT_EQ(ReadBytes(Table()), "old table");
    }
}

TEST_F(StrtabToolTest, CodeOptionChecksTheTableCode)
{
    EXPECT_EQ(Compile("a\nZU\n", "--code ZU").iExitCode, 0);
    TProgramRun wrong = Compile("a\nLX\n", "--code ZU");
    EXPECT_EQ(wrong.iExitCode, 1);
    EXPECT_NE(wrong.iOutput.find("not the code \"ZU\""), std::string::npos) << wrong.iOutput;
    EXPECT_EQ(Compile("a\nZU\n", "--code Z").iExitCode, 2);
}

TEST_F(StrtabToolTest, UsageErrorsAndHelp)
{
    TProgramRun help = RunProgram(std::string(ZU_STRTAB_TOOL) + " --help");
    EXPECT_EQ(help.iExitCode, 0);
    EXPECT_NE(help.iOutput.find("INDEX<TAB>TEXT"), std::string::npos);
    EXPECT_EQ(RunProgram(ZU_STRTAB_TOOL).iExitCode, 2);
    EXPECT_EQ(RunProgram(std::string(ZU_STRTAB_TOOL) + " --bogus").iExitCode, 2);
    TProgramRun missing = RunProgram(std::string(ZU_STRTAB_TOOL) + " -o " + Quoted(Table()) + " " +
                                     Quoted(iFolder.File("missing.txt")));
    EXPECT_EQ(missing.iExitCode, 1);
    EXPECT_NE(missing.iOutput.find("cannot read"), std::string::npos);
    EXPECT_EQ(
        RunProgram(std::string(ZU_STRTAB_TOOL) + " --dump " + Quoted(iFolder.File("missing.bin"))).iExitCode,
        1);
}

TEST_F(StrtabToolTest, DumpReportsTextsThatHaveNoSourceForm)
{
    WriteBytes(Table(), TableImage({"a", "ZU", "two\nlines", "fine"}));
    TProgramRun dump = RunProgram(std::string(ZU_STRTAB_TOOL) + " --dump " + Quoted(Table()));
    EXPECT_EQ(dump.iExitCode, 1);
    EXPECT_NE(dump.iOutput.find("string 2 holds a line break"), std::string::npos) << dump.iOutput;
    EXPECT_NE(dump.iOutput.find("3\tfine\n"), std::string::npos) << dump.iOutput;
}

TEST_F(StrtabToolTest, ShippedToolkitTableSourceCompiles)
{
    TProgramRun run = RunProgram(std::string(ZU_STRTAB_TOOL) + " --code ZU -o " + Quoted(Table()) + " " +
                                 Quoted(ZU_TEST_SOURCE_DIR "/data/strings/ZuUi_zh.txt"));
    EXPECT_EQ(run.iExitCode, 0) << run.iOutput;
    EXPECT_EQ(ReadBytes(Table()), ReadBytes(ZU_TEST_OUT_DIR "/res/ZuUi_zh.bin"));
}
