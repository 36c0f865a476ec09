#ifndef TESTHTTPSERVER_H
#define TESTHTTPSERVER_H

// A real HTTP server on 127.0.0.1 for the network tests, on a port of its own, with the answers the tests
// need; and the tests' UI thread, which waits for the network's wake-up and then delivers the answers.
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace httplib
{
class Server;
}

struct TZuHttpLimits;

// Limits for requests to the test server: generous enough for a loaded machine, short enough to fail fast.
TZuHttpLimits TestLimits();

class CTestHttpServer
{
public:
    // Answers on every path the tests ask (see the source), counting the requests per path.
    CTestHttpServer();
    // Lets slow answers go and stops.
    ~CTestHttpServer();

    std::string Url(const std::string& path) const;
    // Serves body with status 200 at path.
    void Serve(const std::string& path, const std::string& body);
    int Requests(const std::string& path) const;
    // The slow requests the server is holding now: asked, not yet answered.
    int HeldRequests() const;
    // Waits (within a generous bound) until path was asked count times; false when the bound passed.
    bool WaitForRequests(const std::string& path, int count);
    // A port on 127.0.0.1 where nothing listens.
    static int ClosedPort();

private:
    void Count(const std::string& path);
    // Counts a slow request and holds it until the server stops.
    void HoldSlowRequest(const std::string& path);

    std::unique_ptr<httplib::Server> iServer;
    int iPort;
    std::thread iListener;
    mutable std::mutex iLock;
    std::condition_variable iStopped;
    std::condition_variable iCounted;
    bool iStopping;
    int iHeld;
    std::map<std::string, int> iRequests;
    std::map<std::string, std::string> iBodies;
};

// Stands in for the UI thread's event loop: the network's wake-up is remembered here, and Pump waits for
// it and delivers what finished.
class CTestUiThread
{
public:
    CTestUiThread();
    ~CTestUiThread();

    // Waits (at most a generous bound, not a fixed time) until done() holds, delivering answers at each
    // wake-up. False when the bound passed first.
    bool PumpUntil(const std::function<bool()>& done);
    // Waits (within the same bound) for the next wake-up without delivering anything.
    bool WaitForWakeUp();
    int WakeUps() const;

private:
    bool WaitForWakeUp(int milliseconds);

    mutable std::mutex iLock;
    std::condition_variable iWoken;
    int iWakeUps;
    int iTaken;
};

#endif // TESTHTTPSERVER_H
