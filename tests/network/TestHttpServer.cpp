#include "TestHttpServer.h"

#include "ZuConnection.h"
#include "ZuHttpLimits.h"

#include <chrono>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

const int KSlowHoldSeconds = 30;
// Long enough for any answer on a loaded machine; a test waits that long only when it fails.
const int KBoundMs = 15000;

} // namespace

TZuHttpLimits TestLimits()
{
    TZuHttpLimits limits;
    limits.iConnectTimeoutMs = 2000;
    limits.iTotalTimeoutMs = 5000;
    return limits;
}

CTestHttpServer::CTestHttpServer() : iServer(new httplib::Server), iPort(0), iStopping(false), iHeld(0)
{
    httplib::Server& server = *iServer;
    // The documents the tests serve, at the program's own path and at paths of their own.
    auto served = [this](const httplib::Request& request, httplib::Response& response)
    {
        Count(request.path);
        std::lock_guard<std::mutex> guard(iLock);
        auto body = iBodies.find(request.path);
        if (body == iBodies.end())
            response.status = 404;
        else
            response.set_content(body->second, "text/xml");
    };
    server.Get("/update/ZuLexUpdate.xml", served);
    server.Get(R"(/served/.*)", served);
    server.Get("/missing",
               [this](const httplib::Request& request, httplib::Response& response)
               {
                   Count(request.path);
                   response.status = 404;
                   response.set_content("<html>not here</html>", "text/html");
               });
    server.Get("/broken",
               [this](const httplib::Request& request, httplib::Response& response)
               {
                   Count(request.path);
                   response.status = 500;
                   response.set_content("<ZuLex><version>9.9</version></ZuLex>", "text/xml");
               });
    server.Get(R"(/bytes/(\d+))",
               [this](const httplib::Request& request, httplib::Response& response)
               {
                   Count(request.path);
                   response.set_content(std::string(std::stoul(request.matches[1]), 'x'), "text/plain");
               });
    // The same without a length: the body arrives in chunks, until the client stops taking it.
    server.Get(R"(/stream/(\d+))",
               [this](const httplib::Request& request, httplib::Response& response)
               {
                   Count(request.path);
                   size_t total = std::stoul(request.matches[1]);
                   response.set_chunked_content_provider(
                       "text/plain",
                       [total](size_t offset, httplib::DataSink& sink)
                       {
                           if (offset >= total)
                           {
                               sink.done();
                               return true;
                           }
                           size_t size = total - offset < 4096 ? total - offset : 4096;
                           return sink.write(std::string(size, 'y').data(), size);
                       });
               });
    server.Get("/slow",
               [this](const httplib::Request& request, httplib::Response& response)
               {
                   HoldSlowRequest(request.path);
                   response.set_content("<ZuLex><version>9.9</version></ZuLex>", "text/xml");
               });
    server.Get("/loop",
               [this](const httplib::Request& request, httplib::Response& response)
               {
                   Count(request.path);
                   response.set_redirect("/loop");
               });
    // /hops/N redirects N times before it answers.
    server.Get(R"(/hops/(\d+))",
               [this](const httplib::Request& request, httplib::Response& response)
               {
                   Count(request.path);
                   int left = std::stoi(request.matches[1]);
                   if (left == 0)
                       response.set_content("arrived", "text/plain");
                   else
                       response.set_redirect("/hops/" + std::to_string(left - 1));
               });
    server.Get("/to-ftp",
               [this](const httplib::Request& request, httplib::Response& response)
               {
                   Count(request.path);
                   response.set_redirect("ftp://127.0.0.1/file");
               });
    iPort = server.bind_to_any_port("127.0.0.1");
    // The socket listens from here on: connections wait in its backlog until the loop takes them.
    iListener = std::thread([this] { iServer->listen_after_bind(); });
    // A stop before the loop runs would be lost, and the loop would never end.
    while (!iServer->is_running())
        std::this_thread::yield();
}

CTestHttpServer::~CTestHttpServer()
{
    {
        std::lock_guard<std::mutex> guard(iLock);
        iStopping = true;
    }
    iStopped.notify_all();
    iServer->stop();
    if (iListener.joinable())
        iListener.join();
}

std::string CTestHttpServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(iPort) + path;
}

void CTestHttpServer::Serve(const std::string& path, const std::string& body)
{
    std::lock_guard<std::mutex> guard(iLock);
    iBodies[path] = body;
}

int CTestHttpServer::Requests(const std::string& path) const
{
    std::lock_guard<std::mutex> guard(iLock);
    auto found = iRequests.find(path);
    return found == iRequests.end() ? 0 : found->second;
}

bool CTestHttpServer::WaitForRequests(const std::string& path, int count)
{
    std::unique_lock<std::mutex> guard(iLock);
    return iCounted.wait_for(guard, std::chrono::seconds(15), [&] { return iRequests[path] >= count; });
}

void CTestHttpServer::Count(const std::string& path)
{
    {
        std::lock_guard<std::mutex> guard(iLock);
        ++iRequests[path];
    }
    iCounted.notify_all();
}

void CTestHttpServer::HoldSlowRequest(const std::string& path)
{
    std::unique_lock<std::mutex> guard(iLock);
    // Counted and held in one step: whoever sees the request counted also sees it held.
    ++iRequests[path];
    ++iHeld;
    iCounted.notify_all();
    iStopped.wait_for(guard, std::chrono::seconds(KSlowHoldSeconds), [this] { return iStopping; });
    --iHeld;
}

int CTestHttpServer::HeldRequests() const
{
    std::lock_guard<std::mutex> guard(iLock);
    return iHeld;
}

int CTestHttpServer::ClosedPort()
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    // Bound but never listening, then closed: a connection there is refused.
    close(fd);
    return port;
}

CTestUiThread::CTestUiThread() : iWakeUps(0), iTaken(0)
{
    CZuConnection::SetWakeUp(
        [this]
        {
            {
                std::lock_guard<std::mutex> guard(iLock);
                ++iWakeUps;
            }
            iWoken.notify_all();
        });
}

CTestUiThread::~CTestUiThread()
{
    CZuConnection::SetWakeUp(nullptr);
}

bool CTestUiThread::WaitForWakeUp(int milliseconds)
{
    std::unique_lock<std::mutex> guard(iLock);
    bool woken =
        iWoken.wait_for(guard, std::chrono::milliseconds(milliseconds), [this] { return iWakeUps > iTaken; });
    if (woken)
        iTaken = iWakeUps;
    return woken;
}

bool CTestUiThread::WaitForWakeUp()
{
    return WaitForWakeUp(KBoundMs);
}

bool CTestUiThread::PumpUntil(const std::function<bool()>& done)
{
    while (!done())
    {
        if (!WaitForWakeUp(KBoundMs))
            return false;
        CZuConnection::DeliverAnswers();
    }
    return true;
}

int CTestUiThread::WakeUps() const
{
    std::lock_guard<std::mutex> guard(iLock);
    return iWakeUps;
}
