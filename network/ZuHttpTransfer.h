#ifndef ZUHTTPTRANSFER_H
#define ZUHTTPTRANSFER_H

#include "ZuHttpAnswer.h"
#include "ZuHttpLimits.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

typedef void CURLM;

// One GET on its worker thread: libcurl's transfer, waiting in the multi interface's poll so that a cancel
// from the UI thread wakes it at once. The worker owns nothing the UI thread uses until it has finished.
// Internal to the network library.
struct TZuHttpTransfer
{
    TZuHttpTransfer(uint64_t id, const std::string& url, const TZuHttpLimits& limits);
    // Cancels and joins when still running.
    ~TZuHttpTransfer();

    void Start();
    // Asks the worker to stop and waits for it.
    void Cancel();
    // Waits for a worker that has said it finished.
    void Join();

    uint64_t iId;
    std::string iUrl;
    TZuHttpLimits iLimits;
    // Written by the worker, read after Join.
    TZuHttpResult iResult;
    int iStatus;
    std::string iBody;

private:
    void Run();
    static size_t TakeBytes(char* data, size_t size, size_t count, void* transfer);

    CURLM* iMulti;
    std::atomic<bool> iCancelled;
    bool iTooLarge;
    std::thread iWorker;
};

#endif // ZUHTTPTRANSFER_H
