#include "TestHttpServer.h"

#include "UpdateCheck.h"
#include "ZuConnection.h"
#include "ZuHttpLimits.h"
#include "ZuLexIds.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace
{

const char KUpdatePath[] = "/update/ZuLexUpdate.xml";

std::string Text(const CZuString& s)
{
    return s.PtrZ() ? std::string(s.PtrZ(), static_cast<size_t>(s.Length())) : std::string();
}

class UpdateCheckTest : public ::testing::Test, public MUpdateCheckObserver
{
protected:
    void SetUp() override
    {
        iCheck.reset(new CUpdateCheck(this));
        iCheck->SetLimits(TestLimits());
        CUpdateCheck::SetAddress(CZuString(iServer.Url(KUpdatePath).c_str()));
    }

    void TearDown() override
    {
        iCheck.reset();
        CUpdateCheck::SetAddress(CZuString());
    }

    void HandleUpdateVerdict(const TUpdateVerdict& verdict) override
    {
        EXPECT_FALSE(iCheck && iCheck->IsRunning());
        iVerdicts.push_back(verdict);
        if (iDeleteOnVerdict)
            iCheck.reset();
    }

    // Runs one check against the test server and waits for its verdict.
    TUpdateVerdict Check()
    {
        iVerdicts.clear();
        EXPECT_TRUE(iCheck->Start());
        EXPECT_TRUE(iUi.PumpUntil([this] { return !iVerdicts.empty(); }));
        EXPECT_EQ(1u, iVerdicts.size());
        return iVerdicts.empty() ? TUpdateVerdict() : iVerdicts.front();
    }

    TUpdateVerdict CheckAgainst(const std::string& path)
    {
        CUpdateCheck::SetAddress(CZuString(iServer.Url(path).c_str()));
        return Check();
    }

    void ServeVersion(const std::string& version, const std::string& desc = "修正了若干问题")
    {
        iServer.Serve(KUpdatePath, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ZuLex><version>" + version +
                                       "</version><desc>" + desc + "</desc></ZuLex>");
    }

    CTestHttpServer iServer;
    CTestUiThread iUi;
    std::unique_ptr<CUpdateCheck> iCheck;
    std::vector<TUpdateVerdict> iVerdicts;
    bool iDeleteOnVerdict = false;
};

TEST_F(UpdateCheckTest, NewerVersionIsShownWithItsDescription)
{
    ServeVersion("1.0.5", "新增了复习功能");
    TUpdateVerdict verdict = Check();
    EXPECT_EQ(TUpdateVerdict::ENewer, verdict.iKind);
    EXPECT_EQ("新增了复习功能", Text(verdict.iDescription));
    EXPECT_EQ("1.0.5", Text(verdict.iVersion));
    EXPECT_EQ(1, iServer.Requests(KUpdatePath));
}

TEST_F(UpdateCheckTest, EqualAndOlderVersionsAreNotNewer)
{
    for (const char* version : {"1.0.4", "1.0.3", "0.9"})
    {
        ServeVersion(version);
        TUpdateVerdict verdict = Check();
        EXPECT_EQ(TUpdateVerdict::ENotNewer, verdict.iKind) << version;
        EXPECT_EQ(EZuLexStrNoUpdate, verdict.TextId()) << version;
    }
}

TEST_F(UpdateCheckTest, FourPartVersions)
{
    ServeVersion("1.0.4.1");
    EXPECT_EQ(TUpdateVerdict::ENewer, Check().iKind);
    ServeVersion("1.0.4.0");
    EXPECT_EQ(TUpdateVerdict::ENotNewer, Check().iKind);
}

TEST_F(UpdateCheckTest, MissingVersionOrDescription)
{
    iServer.Serve(KUpdatePath, "<ZuLex><desc>没有版本号</desc></ZuLex>");
    TUpdateVerdict noVersion = Check();
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, noVersion.iKind);
    EXPECT_NE(EZuLexStrNoUpdate, noVersion.TextId());

    iServer.Serve(KUpdatePath, "<ZuLex><version>1.1</version></ZuLex>");
    TUpdateVerdict noDescription = Check();
    EXPECT_EQ(TUpdateVerdict::ENewer, noDescription.iKind);
    EXPECT_EQ(EZuLexStrUpdateNewer, noDescription.TextId());
}

TEST_F(UpdateCheckTest, MalformedDocumentIsABadAnswer)
{
    iServer.Serve(KUpdatePath, "<ZuLex><version>1.1</version>");
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, Check().iKind);
}

TEST_F(UpdateCheckTest, ErrorStatusesAreBadAnswersEvenWithADocument)
{
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, CheckAgainst("/missing").iKind);
    // The 500 page carries a newer version: it must not count.
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, CheckAgainst("/broken").iKind);
    // Nothing served at the update address: 404.
    CUpdateCheck::SetAddress(CZuString(iServer.Url(KUpdatePath).c_str()));
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, Check().iKind);
}

TEST_F(UpdateCheckTest, OversizedAnswerIsABadAnswer)
{
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, CheckAgainst("/bytes/70000").iKind);
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, CheckAgainst("/stream/500000").iKind);
}

TEST_F(UpdateCheckTest, SlowServerTimesOut)
{
    TZuHttpLimits limits = TestLimits();
    limits.iTotalTimeoutMs = 300;
    iCheck->SetLimits(limits);
    TUpdateVerdict verdict = CheckAgainst("/slow");
    EXPECT_EQ(TUpdateVerdict::ETimeout, verdict.iKind);
    EXPECT_EQ(EZuLexStrUpdateTimeout, verdict.TextId());
}

TEST_F(UpdateCheckTest, RefusedConnectionMeansNoServer)
{
    CUpdateCheck::SetAddress(CZuString(
        ("http://127.0.0.1:" + std::to_string(CTestHttpServer::ClosedPort()) + KUpdatePath).c_str()));
    TUpdateVerdict verdict = Check();
    EXPECT_EQ(TUpdateVerdict::ENoServer, verdict.iKind);
    EXPECT_EQ(EZuLexStrUpdateNoServer, verdict.TextId());
}

TEST_F(UpdateCheckTest, RedirectLoopIsABadAnswer)
{
    EXPECT_EQ(TUpdateVerdict::EBadAnswer, CheckAgainst("/loop").iKind);
    EXPECT_LE(iServer.Requests("/loop"), 4);
}

TEST_F(UpdateCheckTest, AddressThatIsNotHttpFailsAtOnce)
{
    CUpdateCheck::SetAddress(CZuString("ftp://127.0.0.1/update/ZuLexUpdate.xml"));
    iVerdicts.clear();
    EXPECT_TRUE(iCheck->Start());
    ASSERT_EQ(1u, iVerdicts.size());
    EXPECT_EQ(TUpdateVerdict::ENoServer, iVerdicts[0].iKind);
    EXPECT_FALSE(iCheck->IsRunning());
}

TEST_F(UpdateCheckTest, SecondPressWhileACheckRunsDoesNothing)
{
    ServeVersion("1.0.5");
    iVerdicts.clear();
    ASSERT_TRUE(iCheck->Start());
    EXPECT_TRUE(iCheck->IsRunning());
    EXPECT_FALSE(iCheck->Start());
    ASSERT_TRUE(iUi.PumpUntil([this] { return !iVerdicts.empty(); }));
    EXPECT_EQ(1u, iVerdicts.size());
    EXPECT_EQ(1, iServer.Requests(KUpdatePath));
    // Once answered, the next press checks again.
    EXPECT_EQ(TUpdateVerdict::ENewer, Check().iKind);
    EXPECT_EQ(2, iServer.Requests(KUpdatePath));
}

TEST_F(UpdateCheckTest, CancelDuringARequestGivesNoVerdict)
{
    CUpdateCheck::SetAddress(CZuString(iServer.Url("/slow").c_str()));
    ASSERT_TRUE(iCheck->Start());
    ASSERT_TRUE(iServer.WaitForRequests("/slow", 1));
    iCheck->Cancel();
    EXPECT_FALSE(iCheck->IsRunning());
    EXPECT_EQ(0, CZuConnection::DeliverAnswers());
    EXPECT_TRUE(iVerdicts.empty());

    ServeVersion("1.0.4");
    CUpdateCheck::SetAddress(CZuString(iServer.Url(KUpdatePath).c_str()));
    EXPECT_EQ(TUpdateVerdict::ENotNewer, Check().iKind);
}

// The program exits while a check waits for the server: the request is cancelled and its thread joined,
// without waiting for the server's answer or for a time-out.
TEST_F(UpdateCheckTest, ExitDuringARequestEndsItAtOnce)
{
    TZuHttpLimits patient = TestLimits();
    patient.iTotalTimeoutMs = 600000;
    iCheck->SetLimits(patient);
    CUpdateCheck::SetAddress(CZuString(iServer.Url("/slow").c_str()));
    ASSERT_TRUE(iCheck->Start());
    ASSERT_TRUE(iServer.WaitForRequests("/slow", 1));
    iCheck.reset();
    // Had the exit waited for the answer, the server would have let the request go first.
    EXPECT_EQ(1, iServer.HeldRequests());
    EXPECT_EQ(0, CZuConnection::DeliverAnswers());
    EXPECT_TRUE(iVerdicts.empty());
}

TEST_F(UpdateCheckTest, ObserverMayDeleteTheCheckOnItsVerdict)
{
    ServeVersion("1.0.5");
    iDeleteOnVerdict = true;
    ASSERT_TRUE(iCheck->Start());
    ASSERT_TRUE(iUi.PumpUntil([this] { return !iVerdicts.empty(); }));
    EXPECT_EQ(nullptr, iCheck.get());
}

TEST(UpdateAddress, BuiltInAddressUnlessOneIsSetForTheRun)
{
    CZuString builtIn = CUpdateCheck::Address();
    EXPECT_NE(-1, builtIn.Find(CZuString("/update/ZuLexUpdate.xml")));
    CUpdateCheck::SetAddress(CZuString("http://127.0.0.1:1/x.xml"));
    EXPECT_EQ("http://127.0.0.1:1/x.xml", Text(CUpdateCheck::Address()));
    CUpdateCheck::SetAddress(CZuString());
    EXPECT_EQ(Text(builtIn), Text(CUpdateCheck::Address()));
}

} // namespace
