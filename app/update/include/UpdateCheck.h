#ifndef UPDATECHECK_H
#define UPDATECHECK_H

#include "UpdateVerdict.h"
#include "ZuConnectionObserver.h"
#include "ZuHttpLimits.h"
#include "ZuMessageWnd.h"

class CZuConnection;
class CZuHttp;

// Told how an update check ended.
class MUpdateCheckObserver
{
public:
    // On the UI thread. The observer may delete the check here.
    virtual void HandleUpdateVerdict(const TUpdateVerdict& verdict) = 0;
    virtual ~MUpdateCheckObserver() {}
};

// Asks the update server whether a newer version than this program exists: connects, fetches the update
// document from Address() on a worker thread and hands the verdict to its observer on the UI thread. One
// check at a time; a check still running when the object is deleted is cancelled.
class CUpdateCheck : public MZuConnectionObserver, public MZuMessageWnd
{
public:
    // The version of this program.
    static const char* const KProgramVersion;

    explicit CUpdateCheck(MUpdateCheckObserver* observer);
    ~CUpdateCheck() override;

    // The update document's address: the one set for this run, else the one the program was built with.
    static CZuString Address();
    // Sets this run's address; empty goes back to the built-in one.
    static void SetAddress(const CZuString& url);
    // The time-outs and bounds of the next check.
    void SetLimits(const TZuHttpLimits& limits) { iLimits = limits; }

    // Starts a check. False, and nothing happens, while one runs. An address that is not http or https
    // ends the check at once with a failed verdict.
    bool Start();
    bool IsRunning() const { return iRunning; }
    // Stops a running check; its observer hears nothing of it.
    void Cancel();

    // MZuConnectionObserver: the request goes out once the connection is ready.
    void HandleConnected(CZuConnection* connection, int error) override;
    // MZuMessageWnd: the request's answer (message 29).
    bool HandleMessage(CZuMessage* message) override;

private:
    CUpdateCheck(const CUpdateCheck&) = delete;
    CUpdateCheck& operator=(const CUpdateCheck&) = delete;

    void Request();
    void Finish(const TUpdateVerdict& verdict);

    MUpdateCheckObserver* iObserver;
    CZuConnection* iConnection;
    CZuHttp* iRequest;
    TZuHttpLimits iLimits;
    bool iRunning;
};

#endif // UPDATECHECK_H
