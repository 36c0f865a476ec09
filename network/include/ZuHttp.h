#ifndef ZUHTTP_H
#define ZUHTTP_H

#include <memory>

class CZuConnection;
class MZuMessageWnd;
struct TZuHttpTransfer;

// One HTTP GET at a time on a connection, run on a worker thread. When it ends, the receiver gets message
// 29 on the UI thread (CZuConnection::DeliverAnswers), first parameter the TZuHttpResult, second the
// CZuHttpAnswer, which a receiver that handles the message deletes. The worker never touches a toolkit
// object. Deleting the request cancels a transfer still running and waits for its thread.
class CZuHttp
{
public:
    static const unsigned KAnswerMessage = 29;

    // The receiver and the connection must outlive the request.
    CZuHttp(CZuConnection* connection, MZuMessageWnd* receiver);
    virtual ~CZuHttp();
    // Starts fetching the url of length bytes. False, and nothing starts, while a request runs or when
    // the connection is not connected. An address that is not http or https is answered with
    // EZuHttpBadAddress like any other failure.
    virtual bool Get(const char* url, int length);
    // True from Get until the answer is delivered or the request cancelled.
    bool IsBusy() const;
    // Stops the running transfer and waits for its thread; its answer is never delivered.
    void Cancel();

private:
    friend class CZuConnection;
    // The UI thread's half: hands the finished transfer's answer to the receiver.
    void Deliver();

    CZuHttp(const CZuHttp&) = delete;
    CZuHttp& operator=(const CZuHttp&) = delete;

    CZuConnection* iConnection;
    MZuMessageWnd* iReceiver;
    std::unique_ptr<TZuHttpTransfer> iTransfer;
};

#endif // ZUHTTP_H
