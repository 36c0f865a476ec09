// The answer's way through the program's real event loop: the worker posts the window's wake-up event,
// and the UI thread, at that event, hands the answer to its receiver.
#include "SdlWindowFixture.h"
#include "TestHttpServer.h"

#include "ZuMessage.h"
#include "ZuMessageWnd.h"
#include "ZuNetwork.h"

#include <thread>

namespace
{

// The window glue's part: at each wake-up, the finished answers go out; the loop ends once one arrived.
class CDeliveringHandler : public CRecordingHandler, public MZuMessageWnd
{
public:
    void HandleWakeUp() override
    {
        CRecordingHandler::HandleWakeUp();
        CZuConnection::DeliverAnswers();
    }

    bool HandleMessage(CZuMessage* message) override
    {
        CZuHttpAnswer* answer = CZuMessage::ParamObject<CZuHttpAnswer>(message->iParam2);
        iBody = answer->Body();
        iOnUiThread = std::this_thread::get_id() == iUiThread;
        delete answer;
        CZuEventLoop::PostQuit();
        return true;
    }

    std::string iBody;
    bool iOnUiThread = false;
    std::thread::id iUiThread = std::this_thread::get_id();
};

class WakeUpEventTest : public SdlWindowTest
{
};

TEST_F(WakeUpEventTest, AnswerReachesTheUiThreadThroughTheWakeUpEvent)
{
    CDeliveringHandler handler;
    CZuEventLoop::SetHandler(iSdlWindow, &handler);
    SDL_Window* window = iSdlWindow;
    CZuConnection::SetWakeUp([window] { CZuEventLoop::PostWakeUp(window); });

    CTestHttpServer server;
    server.Serve("/served/update.xml", "<ZuLex><version>1.0.5</version></ZuLex>");
    CZuConnection connection(nullptr);
    ASSERT_TRUE(connection.Connect(0));
    CZuHttp request(&connection, &handler);
    std::string url = server.Url("/served/update.xml");
    ASSERT_TRUE(request.Get(url.c_str(), static_cast<int>(url.size())));
    CZuEventLoop::Run();

    CZuConnection::SetWakeUp(nullptr);
    CZuEventLoop::SetHandler(iSdlWindow, &iHandler);
    EXPECT_EQ("<ZuLex><version>1.0.5</version></ZuLex>", handler.iBody);
    EXPECT_TRUE(handler.iOnUiThread);
    EXPECT_EQ(1, handler.iWakeUps);
}

} // namespace
