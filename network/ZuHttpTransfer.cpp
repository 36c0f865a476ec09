#include "ZuHttpTransfer.h"

#include "ZuHttpHandOver.h"

#include <curl/curl.h>

namespace
{

// How long one wait in the multi interface may last; a cancel wakes it sooner.
const int KPollMs = 1000;

TZuHttpResult ResultOf(CURLcode code, int status, bool tooLarge)
{
    switch (code)
    {
    case CURLE_OK:
        return status == 200 ? EZuHttpOk : EZuHttpBadStatus;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
        return EZuHttpNoServer;
    case CURLE_OPERATION_TIMEDOUT:
        return EZuHttpTimeout;
    case CURLE_FILESIZE_EXCEEDED:
        return EZuHttpTooLarge;
    case CURLE_WRITE_ERROR:
        return tooLarge ? EZuHttpTooLarge : EZuHttpFailed;
    case CURLE_TOO_MANY_REDIRECTS:
        return EZuHttpTooManyRedirects;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return EZuHttpBadAddress;
    default:
        return EZuHttpFailed;
    }
}

void SetOptions(CURL* easy, const TZuHttpTransfer& transfer, curl_write_callback takeBytes)
{
    const TZuHttpLimits& limits = transfer.iLimits;
    curl_easy_setopt(easy, CURLOPT_URL, transfer.iUrl.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, static_cast<long>(limits.iMaxRedirects));
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.iConnectTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.iTotalTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.iMaxAnswerBytes));
    // Signals belong to the program, not to a worker thread.
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, "ZuLex");
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, takeBytes);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, const_cast<TZuHttpTransfer*>(&transfer));
}

} // namespace

TZuHttpTransfer::TZuHttpTransfer(uint64_t id, const std::string& url, const TZuHttpLimits& limits)
    : iId(id), iUrl(url), iLimits(limits), iResult(EZuHttpFailed), iStatus(0), iMulti(curl_multi_init()),
      iCancelled(false), iTooLarge(false)
{
}

TZuHttpTransfer::~TZuHttpTransfer()
{
    Cancel();
    curl_multi_cleanup(iMulti);
}

void TZuHttpTransfer::Start()
{
    iWorker = std::thread(&TZuHttpTransfer::Run, this);
}

void TZuHttpTransfer::Cancel()
{
    iCancelled = true;
    if (iMulti)
        curl_multi_wakeup(iMulti);
    Join();
}

void TZuHttpTransfer::Join()
{
    if (iWorker.joinable())
        iWorker.join();
}

size_t TZuHttpTransfer::TakeBytes(char* data, size_t size, size_t count, void* context)
{
    TZuHttpTransfer* transfer = static_cast<TZuHttpTransfer*>(context);
    size_t bytes = size * count;
    // An answer beyond the limit is refused before it is held: returning less than given stops the transfer.
    if (transfer->iBody.size() + bytes > static_cast<size_t>(transfer->iLimits.iMaxAnswerBytes))
    {
        transfer->iTooLarge = true;
        return 0;
    }
    transfer->iBody.append(data, bytes);
    return bytes;
}

void TZuHttpTransfer::Run()
{
    CURL* easy = curl_easy_init();
    if (!easy || !iMulti)
    {
        iResult = EZuHttpFailed;
        curl_easy_cleanup(easy);
        CZuHttpHandOver::Finished(iId);
        return;
    }
    SetOptions(easy, *this, &TZuHttpTransfer::TakeBytes);
    curl_multi_add_handle(iMulti, easy);
    int running = 1;
    while (running > 0 && !iCancelled)
    {
        if (curl_multi_perform(iMulti, &running) != CURLM_OK)
            break;
        if (running > 0)
            curl_multi_poll(iMulti, nullptr, 0, KPollMs, nullptr);
    }
    CURLcode code = CURLE_ABORTED_BY_CALLBACK;
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(iMulti, &left))
    {
        if (message->msg == CURLMSG_DONE && message->easy_handle == easy)
            code = message->data.result;
    }
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    curl_multi_remove_handle(iMulti, easy);
    curl_easy_cleanup(easy);

    iStatus = static_cast<int>(status);
    iResult = ResultOf(code, iStatus, iTooLarge);
    if (iResult != EZuHttpOk)
        iBody.clear();
    if (!iCancelled)
        CZuHttpHandOver::Finished(iId);
}
