#include "ZuHttpHandOver.h"

#include <map>
#include <mutex>

namespace
{

struct THandOver
{
    std::mutex iLock;
    uint64_t iNextId = 1;
    std::map<uint64_t, CZuHttp*> iRequests;
    std::vector<uint64_t> iFinished;
    std::function<void()> iWakeUp;
};

THandOver& HandOver()
{
    // Never destroyed: a worker may still finish while the program exits.
    static THandOver* handOver = new THandOver;
    return *handOver;
}

} // namespace

uint64_t CZuHttpHandOver::Register(CZuHttp* request)
{
    THandOver& handOver = HandOver();
    std::lock_guard<std::mutex> guard(handOver.iLock);
    uint64_t id = handOver.iNextId++;
    handOver.iRequests[id] = request;
    return id;
}

void CZuHttpHandOver::Unregister(uint64_t id)
{
    THandOver& handOver = HandOver();
    std::lock_guard<std::mutex> guard(handOver.iLock);
    handOver.iRequests.erase(id);
}

CZuHttp* CZuHttpHandOver::Find(uint64_t id)
{
    THandOver& handOver = HandOver();
    std::lock_guard<std::mutex> guard(handOver.iLock);
    auto found = handOver.iRequests.find(id);
    return found == handOver.iRequests.end() ? nullptr : found->second;
}

void CZuHttpHandOver::Finished(uint64_t id)
{
    THandOver& handOver = HandOver();
    std::function<void()> wakeUp;
    {
        std::lock_guard<std::mutex> guard(handOver.iLock);
        handOver.iFinished.push_back(id);
        wakeUp = handOver.iWakeUp;
    }
    if (wakeUp)
        wakeUp();
}

std::vector<uint64_t> CZuHttpHandOver::TakeFinished()
{
    THandOver& handOver = HandOver();
    std::lock_guard<std::mutex> guard(handOver.iLock);
    std::vector<uint64_t> finished;
    finished.swap(handOver.iFinished);
    return finished;
}

void CZuHttpHandOver::SetWakeUp(std::function<void()> wakeUp)
{
    THandOver& handOver = HandOver();
    std::lock_guard<std::mutex> guard(handOver.iLock);
    handOver.iWakeUp = std::move(wakeUp);
}
