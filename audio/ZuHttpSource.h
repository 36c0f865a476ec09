#ifndef ZUHTTPSOURCE_H
#define ZUHTTPSOURCE_H

#include "ZuIcyReader.h"
#include "ZuStreamSource.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

typedef void CURL;
typedef void CURLM;

// How long a network stream may take: to connect, and between two pieces of the answer.
struct TZuNetworkTimeouts
{
    int iConnectMs = 10000;
    int iReadMs = 15000;
};

// A stream fetched over http or https with libcurl, asking for radio metadata ("Icy-MetaData: 1"):
// redirects followed up to KMaxRedirects times and only to http or https, the "icy-" headers and the
// stream titles kept as tags, the metadata taken out of the sound. Reading waits for the network, in
// short slices, so that a stop or the player's end is noticed at once.
class CZuHttpSource : public CZuStreamSource
{
public:
    enum
    {
        KMaxRedirects = 5,
        KMaxAddressBytes = 4096,
    };

    CZuHttpSource(const std::string& address, const TZuNetworkTimeouts& timeouts);
    ~CZuHttpSource() override;

    // Whether address is an http or https address this source will fetch: the scheme, a host, no blanks or
    // control characters (nothing that could end the request line and start a header of its own).
    static bool IsNetworkAddress(const std::string& address);
    static bool IsAcceptedAddress(const std::string& address);

    // Connects and waits for the first bytes of sound; cancelled is asked while waiting, now and in reads.
    bool Start(const std::function<bool()>& cancelled) override;
    long Read(void* buffer, long size) override;
    CZuAudioPlayer::TError Error() const override { return iError; }
    bool TakeTags(TZuStreamTags& tags) override;

private:
    CZuHttpSource(const CZuHttpSource&) = delete;
    CZuHttpSource& operator=(const CZuHttpSource&) = delete;

    static size_t OnBody(char* data, size_t size, size_t count, void* self);
    static size_t OnHeader(char* data, size_t size, size_t count, void* self);
    size_t TakeBody(const unsigned char* data, size_t size);
    void TakeHeader(const std::string& line);
    // Checks the answer's status and headers before its first bytes of sound; false stops the transfer.
    bool AcceptAnswer();
    bool Setup();
    // Runs the transfer until sound is buffered or it ends; false when it failed or timed out.
    bool Pump();
    void Finish(int curlResult);
    void Fail(CZuAudioPlayer::TError error);

    std::string iAddress;
    TZuNetworkTimeouts iTimeouts;
    std::function<bool()> iCancelled;
    CURL* iEasy;
    CURLM* iMulti;
    void* iRequestHeaders;
    bool iAnswered;
    bool iDone;
    CZuAudioPlayer::TError iError;
    std::chrono::steady_clock::time_point iLastBytes;
    TZuStreamTags iHeaders;
    CZuIcyReader* iIcy;
    std::vector<unsigned char> iSound;
    size_t iSoundAt;
    std::string iStreamTitle;
    bool iTagsNew;
};

#endif // ZUHTTPSOURCE_H
