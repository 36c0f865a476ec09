#ifndef ZUCONNECTION_H
#define ZUCONNECTION_H

#include "ZuHttpLimits.h"

#include <functional>

class MZuConnectionObserver;

// The program's link to the network, which its HTTP requests (CZuHttp) run on, with the limits they keep.
// Requests run on worker threads; their answers reach the UI thread as toolkit messages, handed over at
// the UI thread's wake-up: the program sets the wake-up once (SetWakeUp) and calls DeliverAnswers at each
// wake-up event.
class CZuConnection
{
public:
    // Errors of Connect, reported to the observer.
    enum TError
    {
        ENone = 0,
        ENoNetwork = 1
    };

    explicit CZuConnection(MZuConnectionObserver* observer);
    // Requests on the connection must be deleted first.
    virtual ~CZuConnection();
    virtual bool IsConnected() const;
    // Makes the connection ready and tells the observer before returning. The access point is kept for
    // the systems that choose one; here there is only the system's own network.
    virtual bool Connect(int accessPoint);

    void SetLimits(const TZuHttpLimits& limits) { iLimits = limits; }
    const TZuHttpLimits& Limits() const { return iLimits; }

    // What a worker calls when its answer is ready: it must only ask the UI thread to wake (it runs on the
    // worker's thread). Empty: nothing wakes the UI thread, which may then call DeliverAnswers by itself.
    static void SetWakeUp(std::function<void()> wakeUp);
    // On the UI thread: sends each finished request's answer to its receiver. Returns how many.
    static int DeliverAnswers();

private:
    CZuConnection(const CZuConnection&) = delete;
    CZuConnection& operator=(const CZuConnection&) = delete;

    MZuConnectionObserver* iObserver;
    TZuHttpLimits iLimits;
    bool iConnected;
};

#endif // ZUCONNECTION_H
