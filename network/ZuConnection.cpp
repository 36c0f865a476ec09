#include "ZuConnection.h"

#include "ZuConnectionObserver.h"
#include "ZuHttp.h"
#include "ZuHttpHandOver.h"

#include <curl/curl.h>
#include <mutex>

namespace
{

// libcurl is set up once per process, before the first worker uses it.
bool CurlReady()
{
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] { ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
    return ready;
}

} // namespace

CZuConnection::CZuConnection(MZuConnectionObserver* observer) : iObserver(observer), iConnected(false) {}

CZuConnection::~CZuConnection() {}

bool CZuConnection::IsConnected() const
{
    return iConnected;
}

bool CZuConnection::Connect(int /*accessPoint*/)
{
    iConnected = CurlReady();
    if (iObserver)
        iObserver->HandleConnected(this, iConnected ? ENone : ENoNetwork);
    return iConnected;
}

void CZuConnection::SetWakeUp(std::function<void()> wakeUp)
{
    CZuHttpHandOver::SetWakeUp(std::move(wakeUp));
}

int CZuConnection::DeliverAnswers()
{
    int delivered = 0;
    for (uint64_t id : CZuHttpHandOver::TakeFinished())
    {
        // Looked up one at a time: a receiver may delete other requests while it handles its answer.
        if (CZuHttp* request = CZuHttpHandOver::Find(id))
        {
            request->Deliver();
            ++delivered;
        }
    }
    return delivered;
}
