#include "TestHttpServer.h"

#include "ZuMessage.h"
#include "ZuMessageWnd.h"
#include "ZuNetwork.h"

#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>

namespace
{

// What a receiver got in message 29, taken on the thread that delivered it.
struct TGot
{
    int iMessages = 0;
    TZuHttpResult iResult = EZuHttpFailed;
    int iStatus = 0;
    std::string iBody;
    bool iTerminated = false;
    bool iOnUiThread = false;
};

class CAnswerReceiver : public MZuMessageWnd
{
public:
    explicit CAnswerReceiver(bool handles = true) : iHandles(handles), iUiThread(std::this_thread::get_id()) {}

    bool HandleMessage(CZuMessage* message) override
    {
        if (message->iType != CZuHttp::KAnswerMessage)
            return false;
        CZuHttpAnswer* answer = CZuMessage::ParamObject<CZuHttpAnswer>(message->iParam2);
        ++iGot.iMessages;
        iGot.iResult = answer->Result();
        iGot.iStatus = answer->Status();
        iGot.iBody.assign(answer->Body(), static_cast<size_t>(answer->Length()));
        iGot.iTerminated = answer->Body()[answer->Length()] == '\0';
        iGot.iOnUiThread = std::this_thread::get_id() == iUiThread;
        EXPECT_EQ(static_cast<uintptr_t>(answer->Result()), message->iParam1);
        if (!iHandles)
            return false;
        delete answer;
        if (iDeleteOnAnswer)
        {
            delete iDeleteOnAnswer;
            iDeleteOnAnswer = nullptr;
        }
        return true;
    }

    TGot iGot;
    bool iHandles;
    CZuHttp* iDeleteOnAnswer = nullptr;
    std::thread::id iUiThread;
};

class HttpTest : public ::testing::Test, public MZuConnectionObserver
{
protected:
    void SetUp() override
    {
        iConnection.reset(new CZuConnection(this));
        iConnection->SetLimits(TestLimits());
        ASSERT_TRUE(iConnection->Connect(0));
        EXPECT_EQ(1, iConnected);
        iRequest.reset(new CZuHttp(iConnection.get(), &iReceiver));
    }

    void TearDown() override
    {
        iRequest.reset();
        iConnection.reset();
    }

    void HandleConnected(CZuConnection* connection, int error) override
    {
        EXPECT_EQ(iConnection.get(), connection);
        EXPECT_EQ(0, error);
        ++iConnected;
    }

    bool Get(const std::string& url) { return iRequest->Get(url.c_str(), static_cast<int>(url.size())); }

    // Fetches url and waits for its answer.
    TGot Fetch(const std::string& url)
    {
        EXPECT_TRUE(Get(url));
        EXPECT_TRUE(iUi.PumpUntil([this] { return iReceiver.iGot.iMessages > 0; }));
        EXPECT_FALSE(iRequest->IsBusy());
        return iReceiver.iGot;
    }

    void SetTotalTimeout(int milliseconds)
    {
        TZuHttpLimits limits = iConnection->Limits();
        limits.iTotalTimeoutMs = milliseconds;
        iConnection->SetLimits(limits);
    }

    CTestHttpServer iServer;
    CTestUiThread iUi;
    CAnswerReceiver iReceiver;
    int iConnected = 0;
    std::unique_ptr<CZuConnection> iConnection;
    std::unique_ptr<CZuHttp> iRequest;
};

TEST_F(HttpTest, AnswerArrivesOnTheUiThreadWithItsBodyTerminated)
{
    iServer.Serve("/served/a.xml", "<ZuLex/>");
    TGot got = Fetch(iServer.Url("/served/a.xml"));
    EXPECT_EQ(1, got.iMessages);
    EXPECT_EQ(EZuHttpOk, got.iResult);
    EXPECT_EQ(200, got.iStatus);
    EXPECT_EQ("<ZuLex/>", got.iBody);
    EXPECT_TRUE(got.iTerminated);
    EXPECT_TRUE(got.iOnUiThread);
    EXPECT_GE(iUi.WakeUps(), 1);
}

TEST_F(HttpTest, NothingIsDeliveredBeforeTheUiThreadAsks)
{
    iServer.Serve("/served/a.xml", "x");
    ASSERT_TRUE(Get(iServer.Url("/served/a.xml")));
    // Wait for the worker's wake-up without delivering.
    ASSERT_TRUE(iUi.WaitForWakeUp());
    EXPECT_EQ(0, iReceiver.iGot.iMessages);
    EXPECT_TRUE(iRequest->IsBusy());
    EXPECT_EQ(1, CZuConnection::DeliverAnswers());
    EXPECT_EQ(1, iReceiver.iGot.iMessages);
    EXPECT_EQ(0, CZuConnection::DeliverAnswers());
}

TEST_F(HttpTest, StatusOtherThan200IsAFailureWithoutBody)
{
    TGot missing = Fetch(iServer.Url("/missing"));
    EXPECT_EQ(EZuHttpBadStatus, missing.iResult);
    EXPECT_EQ(404, missing.iStatus);
    EXPECT_EQ("", missing.iBody);
    EXPECT_TRUE(missing.iTerminated);

    iReceiver.iGot = TGot();
    TGot broken = Fetch(iServer.Url("/broken"));
    EXPECT_EQ(EZuHttpBadStatus, broken.iResult);
    EXPECT_EQ(500, broken.iStatus);
    EXPECT_EQ("", broken.iBody);
}

TEST_F(HttpTest, AnswerOfAtMost64KiBIsTakenWhole)
{
    TGot got = Fetch(iServer.Url("/bytes/65536"));
    EXPECT_EQ(EZuHttpOk, got.iResult);
    EXPECT_EQ(65536u, got.iBody.size());
}

TEST_F(HttpTest, LargerAnswerIsRefusedWithOrWithoutItsLength)
{
    TGot announced = Fetch(iServer.Url("/bytes/65537"));
    EXPECT_EQ(EZuHttpTooLarge, announced.iResult);
    EXPECT_EQ("", announced.iBody);

    iReceiver.iGot = TGot();
    TGot streamed = Fetch(iServer.Url("/stream/1000000"));
    EXPECT_EQ(EZuHttpTooLarge, streamed.iResult);
    EXPECT_EQ("", streamed.iBody);

    iReceiver.iGot = TGot();
    EXPECT_EQ(EZuHttpOk, Fetch(iServer.Url("/stream/1000")).iResult);
}

TEST_F(HttpTest, SlowServerTimesOut)
{
    SetTotalTimeout(300);
    auto started = std::chrono::steady_clock::now();
    TGot got = Fetch(iServer.Url("/slow"));
    EXPECT_EQ(EZuHttpTimeout, got.iResult);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
}

TEST_F(HttpTest, RefusedConnectionMeansNoServer)
{
    TGot got = Fetch("http://127.0.0.1:" + std::to_string(CTestHttpServer::ClosedPort()) + "/update/ZuLexUpdate.xml");
    EXPECT_EQ(EZuHttpNoServer, got.iResult);
}

TEST_F(HttpTest, AtMostThreeRedirectsAreFollowed)
{
    TGot three = Fetch(iServer.Url("/hops/3"));
    EXPECT_EQ(EZuHttpOk, three.iResult);
    EXPECT_EQ("arrived", three.iBody);

    iReceiver.iGot = TGot();
    EXPECT_EQ(EZuHttpTooManyRedirects, Fetch(iServer.Url("/hops/4")).iResult);

    iReceiver.iGot = TGot();
    EXPECT_EQ(EZuHttpTooManyRedirects, Fetch(iServer.Url("/loop")).iResult);
    EXPECT_EQ(4, iServer.Requests("/loop"));
}

TEST_F(HttpTest, OnlyHttpAndHttpsAreAsked)
{
    EXPECT_EQ(EZuHttpBadAddress, Fetch("file:///etc/passwd").iResult);
    EXPECT_EQ("", iReceiver.iGot.iBody);
    iReceiver.iGot = TGot();
    EXPECT_EQ(EZuHttpBadAddress, Fetch(iServer.Url("/to-ftp")).iResult);
}

TEST_F(HttpTest, SecondRequestWhileOneRunsDoesNothing)
{
    ASSERT_TRUE(Get(iServer.Url("/slow")));
    EXPECT_FALSE(Get(iServer.Url("/missing")));
    EXPECT_TRUE(iRequest->IsBusy());
    iRequest->Cancel();
    EXPECT_EQ(0, iServer.Requests("/missing"));
}

TEST_F(HttpTest, CancelledRequestIsNeverAnsweredAndCanBeAskedAgain)
{
    ASSERT_TRUE(Get(iServer.Url("/slow")));
    ASSERT_TRUE(iServer.WaitForRequests("/slow", 1));
    auto started = std::chrono::steady_clock::now();
    iRequest->Cancel();
    // The worker is woken, not waited out.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    EXPECT_FALSE(iRequest->IsBusy());
    EXPECT_EQ(0, CZuConnection::DeliverAnswers());
    EXPECT_EQ(0, iReceiver.iGot.iMessages);

    iServer.Serve("/served/again", "again");
    EXPECT_EQ("again", Fetch(iServer.Url("/served/again")).iBody);
}

TEST_F(HttpTest, DeletingARunningRequestCancelsIt)
{
    ASSERT_TRUE(Get(iServer.Url("/slow")));
    ASSERT_TRUE(iServer.WaitForRequests("/slow", 1));
    auto started = std::chrono::steady_clock::now();
    iRequest.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    EXPECT_EQ(0, CZuConnection::DeliverAnswers());
    EXPECT_EQ(0, iReceiver.iGot.iMessages);
}

TEST_F(HttpTest, AnswerFinishedButNotDeliveredIsDroppedWithItsRequest)
{
    iServer.Serve("/served/a", "a");
    ASSERT_TRUE(Get(iServer.Url("/served/a")));
    ASSERT_TRUE(iUi.WaitForWakeUp());
    iRequest.reset();
    EXPECT_EQ(0, CZuConnection::DeliverAnswers());
    EXPECT_EQ(0, iReceiver.iGot.iMessages);
}

TEST_F(HttpTest, ReceiverMayDeleteTheRequestWhileHandlingItsAnswer)
{
    iServer.Serve("/served/a", "a");
    ASSERT_TRUE(Get(iServer.Url("/served/a")));
    iReceiver.iDeleteOnAnswer = iRequest.release();
    ASSERT_TRUE(iUi.PumpUntil([this] { return iReceiver.iGot.iMessages > 0; }));
    EXPECT_EQ(nullptr, iReceiver.iDeleteOnAnswer);
}

// A receiver that does not handle the message leaves the answer to the library (the leak check sees it).
TEST_F(HttpTest, AnswerNotTakenIsDeletedByTheLibrary)
{
    CAnswerReceiver declining(false);
    CZuHttp request(iConnection.get(), &declining);
    iServer.Serve("/served/a", "a");
    ASSERT_TRUE(request.Get(iServer.Url("/served/a").c_str(), static_cast<int>(iServer.Url("/served/a").size())));
    ASSERT_TRUE(iUi.PumpUntil([&] { return declining.iGot.iMessages > 0; }));
    EXPECT_EQ("a", declining.iGot.iBody);
}

TEST_F(HttpTest, RequestOnAConnectionNotConnectedDoesNothing)
{
    CZuConnection idle(nullptr);
    CZuHttp request(&idle, &iReceiver);
    EXPECT_FALSE(idle.IsConnected());
    EXPECT_FALSE(request.Get("http://127.0.0.1/", 17));
    EXPECT_FALSE(request.IsBusy());
    EXPECT_FALSE(iRequest->Get(nullptr, 0));
}

TEST_F(HttpTest, UrlIsTakenByItsLength)
{
    iServer.Serve("/served/ab", "ab");
    std::string url = iServer.Url("/served/ab") + "cdef";
    ASSERT_TRUE(iRequest->Get(url.c_str(), static_cast<int>(url.size()) - 4));
    ASSERT_TRUE(iUi.PumpUntil([this] { return iReceiver.iGot.iMessages > 0; }));
    EXPECT_EQ("ab", iReceiver.iGot.iBody);
}

} // namespace
