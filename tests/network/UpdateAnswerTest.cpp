#include "UpdateAnswer.h"
#include "ZuLexIds.h"
#include "ZuEnv.h"
#include "ZuHttpAnswer.h"
#include "ZuStringManager.h"
#include "ZuVersion.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

std::string Text(const CZuString& s)
{
    return s.PtrZ() ? std::string(s.PtrZ(), static_cast<size_t>(s.Length())) : std::string();
}

TUpdateVerdict Judge(const std::string& xml, const char* own = "1.0.4")
{
    return CUpdateAnswer::Judge(xml.c_str(), static_cast<int>(xml.size()), CZuString(own));
}

std::string Document(const std::string& version, const std::string& desc = "新版本说明")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ZuLex>\n  <version>" + version + "</version>\n  <desc>" +
           desc + "</desc>\n</ZuLex>\n";
}

TEST(UpdateAnswer, NewerVersionBringsItsDescription)
{
    TUpdateVerdict verdict = Judge(Document("1.0.5"));
    EXPECT_EQ(TUpdateVerdict::ENewer, verdict.iKind);
    EXPECT_FALSE(verdict.Failed());
    EXPECT_EQ("1.0.5", Text(verdict.iVersion));
    EXPECT_EQ("新版本说明", Text(verdict.iDescription));
    EXPECT_EQ(0, verdict.TextId());
    EXPECT_EQ("新版本说明", Text(verdict.Text()));
}

TEST(UpdateAnswer, VersionsCompareNumberByNumber)
{
    EXPECT_EQ(TUpdateVerdict::ENotNewer, Judge(Document("1.0.4")).iKind);
    EXPECT_EQ(TUpdateVerdict::ENotNewer, Judge(Document("1.0.3")).iKind);
    EXPECT_EQ(TUpdateVerdict::ENotNewer, Judge(Document("0.99.99")).iKind);
    EXPECT_EQ(TUpdateVerdict::ENewer, Judge(Document("1.0.10")).iKind);
    EXPECT_EQ(TUpdateVerdict::ENewer, Judge(Document("1.1")).iKind);
    EXPECT_EQ(TUpdateVerdict::ENewer, Judge(Document("2")).iKind);
    EXPECT_EQ(TUpdateVerdict::ENotNewer, Judge(Document("1")).iKind);
}

TEST(UpdateAnswer, FourPartVersions)
{
    EXPECT_EQ(TUpdateVerdict::ENewer, Judge(Document("1.0.4.1")).iKind);
    EXPECT_EQ(TUpdateVerdict::ENotNewer, Judge(Document("1.0.4.0")).iKind);
    EXPECT_EQ(TUpdateVerdict::ENotNewer, Judge(Document("1.0.3.9")).iKind);
    EXPECT_EQ(TUpdateVerdict::ENotNewer, Judge(Document("1.0.4.2"), "1.0.4.2").iKind);
    EXPECT_EQ(TUpdateVerdict::ENewer, Judge(Document("1.0.4.3"), "1.0.4.2").iKind);
}

TEST(UpdateAnswer, EqualOrOlderVersionSaysNoNewerVersion)
{
    TUpdateVerdict verdict = Judge(Document("1.0.4"));
    EXPECT_EQ(EZuLexStrNoUpdate, verdict.TextId());
    EXPECT_FALSE(verdict.Failed());
}

TEST(UpdateAnswer, MissingOrUnreadableVersionIsAFailureNotNoNewerVersion)
{
    for (const char* version : {"", " ", "abc", "1..2", ".1", "1.", "1.2.3.4.5", "1.0.-4", "1,0,4", "1234567890",
                                "1.0.4 beta"})
    {
        TUpdateVerdict verdict = Judge(Document(version));
        EXPECT_EQ(TUpdateVerdict::EBadAnswer, verdict.iKind) << version;
        EXPECT_TRUE(verdict.Failed()) << version;
        EXPECT_EQ(EZuLexStrUpdateBadAnswer, verdict.TextId()) << version;
    }
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, Judge("<ZuLex><desc>only a description</desc></ZuLex>").iKind);
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, Judge("<ZuLex><version><b>1.0.5</b></version></ZuLex>").iKind);
}

TEST(UpdateAnswer, BlanksAroundTheVersionDoNotMatter)
{
    EXPECT_EQ(TUpdateVerdict::ENewer, Judge(Document("\n    1.0.5\n  ")).iKind);
}

TEST(UpdateAnswer, NewerVersionWithoutDescriptionNamesTheVersion)
{
    TUpdateVerdict verdict = Judge("<ZuLex><version>1.2</version></ZuLex>");
    EXPECT_EQ(TUpdateVerdict::ENewer, verdict.iKind);
    EXPECT_TRUE(verdict.iDescription.IsEmpty());
    EXPECT_EQ(EZuLexStrUpdateNewer, verdict.TextId());
}

TEST(UpdateAnswer, MalformedOrForeignDocumentsAreFailures)
{
    std::string good = Document("1.0.5");
    for (size_t cut = 0; cut < good.size() - 1; ++cut)
    {
        std::string part = good.substr(0, cut);
        // A cut inside the trailing blanks still leaves the whole document.
        if (part.find("</ZuLex>") != std::string::npos)
            continue;
        EXPECT_TRUE(Judge(part).Failed()) << cut;
    }
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, Judge("<Other><version>9</version></Other>").iKind);
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, Judge("<html><body>Not found</body></html>").iKind);
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, Judge("not xml at all").iKind);
    std::string deep = "<ZuLex>";
    for (int i = 0; i < 100000; ++i)
        deep += "<v>";
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, Judge(deep).iKind);
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, CUpdateAnswer::Judge(nullptr, 0, CZuString("1.0.4")).iKind);
}

TEST(UpdateAnswer, FailedRequestsGiveTheirKindOfFailure)
{
    CZuString own("1.0.4");
    EXPECT_EQ(TUpdateVerdict::ENoServer, CUpdateAnswer::Judge(CZuHttpAnswer(EZuHttpNoServer, 0, ""), own).iKind);
    EXPECT_EQ(TUpdateVerdict::ENoServer, CUpdateAnswer::Judge(CZuHttpAnswer(EZuHttpFailed, 0, ""), own).iKind);
    EXPECT_EQ(TUpdateVerdict::ENoServer, CUpdateAnswer::Judge(CZuHttpAnswer(EZuHttpBadAddress, 0, ""), own).iKind);
    EXPECT_EQ(TUpdateVerdict::ETimeout, CUpdateAnswer::Judge(CZuHttpAnswer(EZuHttpTimeout, 0, ""), own).iKind);
    for (TZuHttpResult result : {EZuHttpBadStatus, EZuHttpTooLarge, EZuHttpTooManyRedirects})
        EXPECT_EQ(TUpdateVerdict::EBadAnswer, CUpdateAnswer::Judge(CZuHttpAnswer(result, 404, ""), own).iKind);
    EXPECT_EQ(TUpdateVerdict::ENewer,
              CUpdateAnswer::Judge(CZuHttpAnswer(EZuHttpOk, 200, Document("1.1")), own).iKind);
}

TEST(UpdateAnswer, VersionTextsAreReadWhole)
{
    CZuVersion version;
    ASSERT_TRUE(CUpdateAnswer::ReadVersion(CZuString("10.20.30.40"), version));
    EXPECT_EQ(10, version.Part(0));
    EXPECT_EQ(40, version.Part(3));
    EXPECT_TRUE(CUpdateAnswer::ReadVersion(CZuString("999999999"), version));
    EXPECT_FALSE(CUpdateAnswer::ReadVersion(CZuString("9999999999"), version));
    EXPECT_FALSE(CUpdateAnswer::ReadVersion(CZuString(), version));
}

// The texts the learner reads, from the program's string table.
class UpdateVerdictText : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CZuEnv::CreateEnv();
        ASSERT_TRUE(CZuEnv::StringMgr()->AddStringRes(CZuString(ZU_TEST_OUT_DIR "/res/ZuLex_zh.bin")));
    }
    void TearDown() override { CZuEnv::DestroyEnv(); }
};

TEST_F(UpdateVerdictText, EachVerdictHasItsOwnText)
{
    TUpdateVerdict verdict;
    verdict.iKind = TUpdateVerdict::ENotNewer;
    EXPECT_EQ("当前已是最新版本。", Text(verdict.Text()));
    CZuString notNewer = verdict.Text();
    for (TUpdateVerdict::TKind kind : {TUpdateVerdict::ENoServer, TUpdateVerdict::ETimeout, TUpdateVerdict::EBadAnswer})
    {
        verdict.iKind = kind;
        EXPECT_NE(Text(notNewer), Text(verdict.Text()));
        EXPECT_EQ(0u, Text(verdict.Text()).find("检查更新失败")) << Text(verdict.Text());
    }
    TUpdateVerdict newer = Judge("<ZuLex><version>1.2</version></ZuLex>");
    EXPECT_EQ("发现新版本 1.2，欢迎下载更新。", Text(newer.Text()));
}

} // namespace
