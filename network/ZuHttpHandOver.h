#ifndef ZUHTTPHANDOVER_H
#define ZUHTTPHANDOVER_H

#include <cstdint>
#include <functional>
#include <vector>

class CZuHttp;

// Passes finished transfers from their worker threads to the UI thread. Each transfer has an id of its
// own; the UI thread finds its request by that id, so a request deleted or cancelled meanwhile is simply
// not found. Internal to the network library.
class CZuHttpHandOver
{
public:
    // UI thread: a new transfer of request, and its end (delivered or cancelled).
    static uint64_t Register(CZuHttp* request);
    static void Unregister(uint64_t id);
    static CZuHttp* Find(uint64_t id);

    // Worker thread: transfer id has its answer; wakes the UI thread.
    static void Finished(uint64_t id);
    // UI thread: the ids finished since the last call, in the order they finished.
    static std::vector<uint64_t> TakeFinished();

    static void SetWakeUp(std::function<void()> wakeUp);
};

#endif // ZUHTTPHANDOVER_H
