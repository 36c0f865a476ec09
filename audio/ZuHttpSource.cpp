#include "ZuHttpSource.h"

#include <algorithm>
#include <cstring>
#include <curl/curl.h>
#include <mutex>

namespace
{

// The longest the engine waits on the network before asking whether it should stop.
const int KWaitSliceMs = 50;
const char KUserAgent[] = "ZuLex/1.0";
// The radio headers kept as tags, by their lower-case names.
const char* const KRadioHeaders[] = {"icy-name", "icy-genre", "icy-url", "icy-metaint"};
const char KStreamTitleTag[] = "StreamTitle";

void StartCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool StartsWithNoCase(const std::string& text, const char* prefix)
{
    size_t length = std::strlen(prefix);
    return text.size() >= length && strncasecmp(text.c_str(), prefix, length) == 0;
}

std::string Lower(std::string text)
{
    for (char& ch : text)
        ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    return text;
}

CZuAudioPlayer::TError ErrorOf(CURLcode result)
{
    switch (result)
    {
    case CURLE_OK:
        return CZuAudioPlayer::ENoError;
    case CURLE_TOO_MANY_REDIRECTS:
        return CZuAudioPlayer::ETooManyRedirects;
    case CURLE_HTTP_RETURNED_ERROR:
        return CZuAudioPlayer::EHttpStatus;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
        return CZuAudioPlayer::EConnectFailed;
    case CURLE_OPERATION_TIMEDOUT:
        return CZuAudioPlayer::ETimedOut;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return CZuAudioPlayer::EBadAddress;
    default:
        return CZuAudioPlayer::ENetworkFailed;
    }
}

} // namespace

CZuHttpSource::CZuHttpSource(const std::string& address, const TZuNetworkTimeouts& timeouts)
    : iAddress(address), iTimeouts(timeouts), iEasy(nullptr), iMulti(nullptr), iRequestHeaders(nullptr),
      iAnswered(false), iDone(false), iError(CZuAudioPlayer::ENoError), iIcy(nullptr), iSoundAt(0),
      iTagsNew(false)
{
}

CZuHttpSource::~CZuHttpSource()
{
    if (iMulti != nullptr && iEasy != nullptr)
        curl_multi_remove_handle(iMulti, iEasy);
    if (iEasy != nullptr)
        curl_easy_cleanup(iEasy);
    if (iMulti != nullptr)
        curl_multi_cleanup(iMulti);
    curl_slist_free_all(static_cast<curl_slist*>(iRequestHeaders));
    delete iIcy;
}

bool CZuHttpSource::IsNetworkAddress(const std::string& address)
{
    return StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://");
}

bool CZuHttpSource::IsAcceptedAddress(const std::string& address)
{
    if (!IsNetworkAddress(address) || address.size() > KMaxAddressBytes)
        return false;
    for (char ch : address)
    {
        unsigned char byte = static_cast<unsigned char>(ch);
        if (byte <= 0x20 || byte == 0x7F)
            return false;
    }
    size_t host = address.find("://") + 3;
    return host < address.size() && address[host] != '/';
}

bool CZuHttpSource::Setup()
{
    StartCurl();
    iEasy = curl_easy_init();
    iMulti = curl_multi_init();
    if (iEasy == nullptr || iMulti == nullptr)
        return false;
    curl_slist* headers = curl_slist_append(nullptr, "Icy-MetaData: 1");
    if (headers == nullptr)
        return false;
    iRequestHeaders = headers;
    headers = curl_slist_append(headers, "Accept: */*");
    if (headers == nullptr)
        return false;
    // Shoutcast servers answer "ICY 200 OK" instead of an HTTP status line.
    static curl_slist radioStatus = {const_cast<char*>("ICY 200 OK"), nullptr};
    curl_easy_setopt(iEasy, CURLOPT_URL, iAddress.c_str());
    curl_easy_setopt(iEasy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(iEasy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(iEasy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(iEasy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(iEasy, CURLOPT_MAXREDIRS, static_cast<long>(KMaxRedirects));
    curl_easy_setopt(iEasy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(iTimeouts.iConnectMs));
    curl_easy_setopt(iEasy, CURLOPT_FAILONERROR, 1L);
    // Radio metadata comes with HTTP/1 answers only.
    curl_easy_setopt(iEasy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(iEasy, CURLOPT_HTTP200ALIASES, &radioStatus);
    curl_easy_setopt(iEasy, CURLOPT_USERAGENT, KUserAgent);
    curl_easy_setopt(iEasy, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(iEasy, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(iEasy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(iEasy, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(iEasy, CURLOPT_HEADERDATA, this);
    return curl_multi_add_handle(iMulti, iEasy) == CURLM_OK;
}

bool CZuHttpSource::Start(const std::function<bool()>& cancelled)
{
    iCancelled = cancelled;
    if (!IsAcceptedAddress(iAddress))
    {
        Fail(CZuAudioPlayer::EBadAddress);
        return false;
    }
    if (!Setup())
    {
        Fail(CZuAudioPlayer::ENetworkFailed);
        return false;
    }
    iLastBytes = std::chrono::steady_clock::now();
    while (iSound.empty() && !iDone && Pump())
    {
    }
    // Sound that came before the transfer failed is played; Read tells of the failure after it.
    return !iSound.empty() || iError == CZuAudioPlayer::ENoError;
}

bool CZuHttpSource::Pump()
{
    if (iCancelled())
    {
        Fail(CZuAudioPlayer::EReadFailed);
        return false;
    }
    int running = 0;
    curl_multi_perform(iMulti, &running);
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(iMulti, &queued))
    {
        if (message->msg == CURLMSG_DONE)
            Finish(message->data.result);
    }
    if (iError != CZuAudioPlayer::ENoError)
        return false;
    if (!iSound.empty() || iDone)
        return true;
    auto waited = std::chrono::steady_clock::now() - iLastBytes;
    long long waitedMs = std::chrono::duration_cast<std::chrono::milliseconds>(waited).count();
    if (waitedMs >= iTimeouts.iReadMs)
    {
        Fail(CZuAudioPlayer::ETimedOut);
        return false;
    }
    int sliceMs = static_cast<int>(std::min<long long>(KWaitSliceMs, iTimeouts.iReadMs - waitedMs));
    curl_multi_poll(iMulti, nullptr, 0, sliceMs, nullptr);
    return true;
}

void CZuHttpSource::Finish(int curlResult)
{
    iDone = true;
    if (iError != CZuAudioPlayer::ENoError)
        return;
    // The answer was refused after its headers (a bad status, bad radio headers): the reason is set then.
    iError = ErrorOf(static_cast<CURLcode>(curlResult));
}

void CZuHttpSource::Fail(CZuAudioPlayer::TError error)
{
    if (iError == CZuAudioPlayer::ENoError)
        iError = error;
    iDone = true;
}

long CZuHttpSource::Read(void* buffer, long size)
{
    if (size <= 0)
        return 0;
    while (iSoundAt == iSound.size())
    {
        iSound.clear();
        iSoundAt = 0;
        if (iError != CZuAudioPlayer::ENoError)
            return -1;
        if (iDone)
            return 0;
        if (!Pump())
            return -1;
    }
    size_t take = std::min(static_cast<size_t>(size), iSound.size() - iSoundAt);
    std::memcpy(buffer, iSound.data() + iSoundAt, take);
    iSoundAt += take;
    return static_cast<long>(take);
}

size_t CZuHttpSource::OnBody(char* data, size_t size, size_t count, void* self)
{
    return static_cast<CZuHttpSource*>(self)->TakeBody(reinterpret_cast<unsigned char*>(data), size * count);
}

size_t CZuHttpSource::TakeBody(const unsigned char* data, size_t size)
{
    if (!iAnswered)
    {
        iAnswered = true;
        if (!AcceptAnswer())
            return 0;
    }
    iLastBytes = std::chrono::steady_clock::now();
    iIcy->Feed(data, size, iSound);
    std::string title;
    if (iIcy->TakeTitle(title))
    {
        iStreamTitle = title;
        iTagsNew = true;
    }
    return size;
}

bool CZuHttpSource::AcceptAnswer()
{
    long status = 0;
    curl_easy_getinfo(iEasy, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299)
    {
        Fail(CZuAudioPlayer::EHttpStatus);
        return false;
    }
    int interval = 0;
    for (const auto& header : iHeaders)
    {
        if (header.first != "icy-metaint")
            continue;
        interval = CZuIcyReader::ParseInterval(header.second);
        // Without the right interval the metadata would be played as sound.
        if (interval < 0)
        {
            Fail(CZuAudioPlayer::EBadStream);
            return false;
        }
    }
    iIcy = new CZuIcyReader(interval);
    iTagsNew = !iHeaders.empty();
    return true;
}

size_t CZuHttpSource::OnHeader(char* data, size_t size, size_t count, void* self)
{
    static_cast<CZuHttpSource*>(self)->TakeHeader(std::string(data, size * count));
    return size * count;
}

void CZuHttpSource::TakeHeader(const std::string& line)
{
    // Each answer (a redirect, then the stream) starts with its status line and brings its own headers.
    if (StartsWithNoCase(line, "HTTP/") || StartsWithNoCase(line, "ICY "))
    {
        iHeaders.clear();
        return;
    }
    size_t colon = line.find(':');
    if (colon == std::string::npos)
        return;
    std::string name = Lower(line.substr(0, colon));
    for (const char* wanted : KRadioHeaders)
    {
        if (name != wanted)
            continue;
        std::string value = CZuIcyReader::CleanText(line.substr(colon + 1));
        auto same =
            std::find_if(iHeaders.begin(), iHeaders.end(), [&](const auto& h) { return h.first == name; });
        if (same != iHeaders.end())
            same->second = value;
        else
            iHeaders.emplace_back(name, value);
    }
}

bool CZuHttpSource::TakeTags(TZuStreamTags& tags)
{
    if (!iTagsNew)
        return false;
    iTagsNew = false;
    tags = iHeaders;
    if (!iStreamTitle.empty())
        tags.emplace_back(KStreamTitleTag, iStreamTitle);
    return true;
}
