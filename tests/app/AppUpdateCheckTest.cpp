// The update check as the learner starts it from the main menu, against a real HTTP server on
// 127.0.0.1: the learner always sees an answer, a second press while a check runs does nothing, and
// leaving the program cancels a request that still runs.
#include "AppTestSupport.h"
#include "TestHttpServer.h"
#include "UpdateCheck.h"
#include "ZuConnection.h"
#include "ZuLexApp.h"
#include "ZuLexIds.h"
#include "ZuLexText.h"
#include "ZuUi.h"

#include <gtest/gtest.h>

namespace
{
const char KUpdatePath[] = "/update/ZuLexUpdate.xml";
} // namespace

class AppUpdateCheckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        iData.reset(new CAppDataDir);
        iApp.reset(new CAppUnderTest);
        CUpdateCheck::SetAddress(CZuString(iServer.Url(KUpdatePath).c_str()));
    }
    void TearDown() override
    {
        iApp.reset();
        iData.reset();
        CUpdateCheck::SetAddress(CZuString());
    }
    void Press()
    {
        CZuEnv::Static()->PostMessageW(nullptr, EZuMsgCommand, EZuLexCmdUpdateCheck, 0);
        iApp->Pump();
    }
    // The check from the menu, until its answer is shown.
    CZuInfoDlg* CheckAndWait()
    {
        Press();
        EXPECT_TRUE(iUi.PumpUntil([this] { return !iApp->App().IsCheckingForUpdate(); }));
        iApp->Pump();
        return dynamic_cast<CZuInfoDlg*>(iApp->App().GetTopFromDispStack());
    }
    std::string Prompt() { return Text(CZuEnv::GetString(EZuLexStrUpdateChecking)); }

    CTestHttpServer iServer;
    CTestUiThread iUi;
    std::unique_ptr<CAppDataDir> iData;
    std::unique_ptr<CAppUnderTest> iApp;
};

TEST_F(AppUpdateCheckTest, NewerVersionShowsItsDescription)
{
    iServer.Serve(KUpdatePath, "<ZuLex><version>1.0.5</version><desc>新增了复习功能。</desc></ZuLex>");
    CZuInfoDlg* note = CheckAndWait();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(Text(note->GetTitleLabel()->GetText()), Text(CZuEnv::GetString(EZuLexStrUpdateCheck)));
    EXPECT_EQ(Text(note->GetInfo()), "新增了复习功能。");
    // The prompt shows the version again once the answer is in.
    EXPECT_EQ(Text(iApp->App().PromptText()), Text(CZuLexApp::VersionPrompt()));
    EXPECT_EQ(iServer.Requests(KUpdatePath), 1);
    iApp->Draw();
    iApp->WritePicture(ZU_TEST_BINARY_DIR "/zulex-update-newer.png");
    iApp->PressKey(112);
    EXPECT_EQ(iApp->App().DialogCount(), 0);
}

TEST_F(AppUpdateCheckTest, SameOrOlderVersionSaysThereIsNoNewerOne)
{
    for (const char* version : {"1.0.4", "1.0.3"})
    {
        iServer.Serve(KUpdatePath,
                      std::string("<ZuLex><version>") + version + "</version><desc>说明</desc></ZuLex>");
        CZuInfoDlg* note = CheckAndWait();
        ASSERT_NE(note, nullptr) << version;
        EXPECT_EQ(Text(note->GetInfo()), Text(CZuEnv::GetString(EZuLexStrNoUpdate))) << version;
        iApp->Draw();
        iApp->WritePicture(ZU_TEST_BINARY_DIR "/zulex-update-none.png");
        iApp->PressKey(112);
    }
}

// A failure is never told as "no newer version".
TEST_F(AppUpdateCheckTest, FailedCheckSaysItFailed)
{
    CUpdateCheck::SetAddress(CZuString(
        ("http://127.0.0.1:" + std::to_string(CTestHttpServer::ClosedPort()) + KUpdatePath).c_str()));
    CZuInfoDlg* note = CheckAndWait();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(Text(note->GetInfo()), Text(CZuEnv::GetString(EZuLexStrUpdateNoServer)));
    iApp->Draw();
    iApp->WritePicture(ZU_TEST_BINARY_DIR "/zulex-update-failed.png");
    iApp->PressKey(112);

    iServer.Serve(KUpdatePath, "<ZuLex><desc>没有版本号</desc></ZuLex>");
    CUpdateCheck::SetAddress(CZuString(iServer.Url(KUpdatePath).c_str()));
    note = CheckAndWait();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(Text(note->GetInfo()), Text(CZuEnv::GetString(EZuLexStrUpdateBadAnswer)));
    EXPECT_NE(Text(note->GetInfo()), Text(CZuEnv::GetString(EZuLexStrNoUpdate)));
}

TEST_F(AppUpdateCheckTest, SecondPressWhileACheckRunsDoesNothing)
{
    iServer.Serve(KUpdatePath, "<ZuLex><version>1.0.4</version></ZuLex>");
    Press();
    ASSERT_TRUE(iApp->App().IsCheckingForUpdate());
    Press();
    EXPECT_TRUE(iUi.PumpUntil([this] { return !iApp->App().IsCheckingForUpdate(); }));
    iApp->Pump();
    EXPECT_EQ(iServer.Requests(KUpdatePath), 1);
    EXPECT_EQ(iApp->App().DialogCount(), 1);
    // A check after the answer asks again.
    iApp->PressKey(112);
    CheckAndWait();
    EXPECT_EQ(iServer.Requests(KUpdatePath), 2);
}

TEST_F(AppUpdateCheckTest, PromptSaysACheckRunsUntilTheAnswerComes)
{
    CUpdateCheck::SetAddress(CZuString(iServer.Url("/slow").c_str()));
    Press();
    iApp->Draw();
    iApp->WritePicture(ZU_TEST_BINARY_DIR "/zulex-update-checking.png");
    EXPECT_TRUE(iApp->App().IsCheckingForUpdate());
    ASSERT_TRUE(iServer.WaitForRequests("/slow", 1));
    EXPECT_EQ(Text(iApp->App().PromptText()), Prompt());
    // Leaving the program cancels the request: its thread is joined, nothing answers later.
    iApp->App().Shutdown();
    EXPECT_FALSE(iApp->App().IsCheckingForUpdate());
    EXPECT_EQ(iApp->App().DialogCount(), 0);
    EXPECT_EQ(CZuConnection::DeliverAnswers(), 0);
}
