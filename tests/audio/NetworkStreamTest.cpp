// Network streams from a real HTTP server on the loopback address: radio metadata, redirects, and the
// ways a server or a network lets a stream down.
#include "StreamTestSupport.h"
#include "ZuAudio.h"
#include "ZuDecoderPlugins.h"
#include "ZuNameValue.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace
{

const int KInterval = 8192;

// The body a radio sends for sound: a metadata block after every KInterval bytes of it, naming the first
// title, then nothing, then the second title.
std::string RadioBody(const std::vector<unsigned char>& sound)
{
    std::string body;
    int block = 0;
    for (size_t at = 0; at < sound.size(); at += KInterval)
    {
        size_t take = std::min(static_cast<size_t>(KInterval), sound.size() - at);
        body.append(reinterpret_cast<const char*>(sound.data() + at), take);
        if (take < static_cast<size_t>(KInterval))
            break;
        std::string text = block == 0   ? "StreamTitle='Test Choir - Radio Tone';"
                           : block == 2 ? "StreamTitle='Second Song';"
                                        : "";
        size_t units = (text.size() + 15) / 16;
        body += static_cast<char>(units);
        text.resize(units * 16, '\0');
        body += text;
        ++block;
    }
    return body;
}

// The server: its own thread, a port of its own on 127.0.0.1, stopped with the object.
class CTestServer
{
public:
    CTestServer()
    {
        iSound = SoundBytes("tone-stereo.mp3");
        iOgg = SoundBytes("tone-stereo.ogg");
        Routes();
        iPort = iServer.bind_to_any_port("127.0.0.1");
        iThread = std::thread([this] { iServer.listen_after_bind(); });
    }
    ~CTestServer()
    {
        Release();
        iServer.stop();
        iThread.join();
    }

    std::string Url(const std::string& path) const
    {
        return "http://127.0.0.1:" + std::to_string(iPort) + path;
    }
    int Requests() const { return iRequests.load(); }
    std::string LastHeader(const std::string& name)
    {
        std::lock_guard<std::mutex> hold(iLock);
        return iLastRequest.get_header_value(name);
    }
    // Waits until a client is held by "/stall".
    bool WaitUntilStalled()
    {
        std::unique_lock<std::mutex> lock(iLock);
        return iChanged.wait_for(lock, std::chrono::seconds(20), [this] { return iStalled; });
    }
    void Release()
    {
        {
            std::lock_guard<std::mutex> hold(iLock);
            iReleased = true;
        }
        iChanged.notify_all();
    }

private:
    void Count(const httplib::Request& request)
    {
        ++iRequests;
        std::lock_guard<std::mutex> hold(iLock);
        iLastRequest = request;
    }

    void Radio(httplib::Response& response, const std::string& interval)
    {
        response.set_header("icy-name", "Loopback FM");
        response.set_header("icy-genre", "Test");
        response.set_header("icy-url", "http://127.0.0.1/");
        response.set_header("icy-metaint", interval);
        response.set_content(interval == std::to_string(KInterval)
                                 ? RadioBody(iSound)
                                 : std::string(iSound.begin(), iSound.end()),
                             "audio/mpeg");
    }

    void Routes()
    {
        iServer.Get("/radio",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        Radio(response, std::to_string(KInterval));
                    });
        iServer.Get("/ogg",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        response.set_content(std::string(iOgg.begin(), iOgg.end()), "application/ogg");
                    });
        iServer.Get(R"(/interval/(\d+))",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        Radio(response, request.matches[1]);
                    });
        iServer.Get("/moved",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        response.set_redirect("/radio");
                    });
        iServer.Get(R"(/hop/(\d+))",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        int left = std::stoi(request.matches[1]);
                        response.set_redirect(left == 0 ? "/radio" : "/hop/" + std::to_string(left - 1));
                    });
        iServer.Get("/loop",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        response.set_redirect("/loop");
                    });
        iServer.Get("/to-ftp",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        response.set_redirect("ftp://127.0.0.1/song.mp3");
                    });
        iServer.Get("/to-file",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        response.set_redirect("file:///etc/passwd");
                    });
        iServer.Get("/missing",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        response.status = 404;
                    });
        iServer.Get("/stall",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        response.set_chunked_content_provider(
                            "audio/mpeg",
                            [this](size_t offset, httplib::DataSink& sink)
                            {
                                if (offset == 0)
                                    return sink.write(reinterpret_cast<const char*>(iSound.data()), 1000);
                                std::unique_lock<std::mutex> lock(iLock);
                                iStalled = true;
                                iChanged.notify_all();
                                iChanged.wait(lock, [this] { return iReleased; });
                                sink.done();
                                return true;
                            });
                    });
    }

    httplib::Server iServer;
    int iPort = 0;
    std::thread iThread;
    std::vector<unsigned char> iSound;
    std::vector<unsigned char> iOgg;
    std::atomic<int> iRequests{0};
    std::mutex iLock;
    std::condition_variable iChanged;
    httplib::Request iLastRequest;
    bool iStalled = false;
    bool iReleased = false;
};

// A port on which nothing listens: bound, then given back.
int ClosedPort()
{
    int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    close(socket);
    return ntohs(address.sin_port);
}

class NetworkStream : public ::testing::Test
{
protected:
    void SetUp() override
    {
        iPrevious = IZuSoundOutput::Replace(&iOutput);
        CZuDecoderPlugins::SetFolder(PluginFolder());
    }
    void TearDown() override { IZuSoundOutput::Replace(iPrevious); }

    // Opens url with short time-outs and waits until the stream has ended.
    void PlayToEnd(CZuAudioPlayer& player, const std::string& url)
    {
        player.SetWakeUp(&iWakeUps);
        player.SetNetworkTimeouts(2000, 500);
        ASSERT_TRUE(player.Open(CZuString(url.c_str())));
        EXPECT_TRUE(player.IsPlaying());
        ASSERT_TRUE(iWakeUps.WaitUntilDone(player));
        EXPECT_EQ(player.GetState(), CZuAudioPlayer::EIdle);
    }
    // Why a new player's stream from url ended.
    CZuAudioPlayer::TError EndOf(const std::string& url)
    {
        CZuAudioPlayer player(nullptr);
        PlayToEnd(player, url);
        return player.LastError();
    }

    CTestServer iServer;
    CCapturingOutput iOutput;
    IZuSoundOutput* iPrevious = nullptr;
    CWakeUps iWakeUps;
};

} // namespace

TEST_F(NetworkStream, ARadioStreamPlaysWithItsHeadersAndTitles)
{
    CZuAudioPlayer player(nullptr);
    PlayToEnd(player, iServer.Url("/radio"));
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENoError);
    // Every frame decoded: no byte of metadata was taken for sound.
    EXPECT_EQ(iOutput.Frames(), 3 * 44100);
    EXPECT_NEAR(ToneFrequency(iOutput.Samples(), 2, 0, 44100), 440, 2);
    EXPECT_EQ(TagValue(player, "icy-name"), "Loopback FM");
    EXPECT_EQ(TagValue(player, "icy-genre"), "Test");
    EXPECT_EQ(TagValue(player, "icy-url"), "http://127.0.0.1/");
    EXPECT_EQ(TagValue(player, "icy-metaint"), "8192");
    EXPECT_EQ(TagValue(player, "StreamTitle"), "Second Song");
    // The radio's title wins over the file's own tags.
    EXPECT_EQ(Text(player.Title()), "Second Song");
    EXPECT_EQ(TagValue(player, "TITLE"), "Morning Tone");
    EXPECT_EQ(iServer.LastHeader("Icy-MetaData"), "1");
    EXPECT_EQ(iServer.LastHeader("User-Agent"), "ZuLex/1.0");
}

TEST_F(NetworkStream, AnOggStreamPlays)
{
    CZuAudioPlayer player(nullptr);
    PlayToEnd(player, iServer.Url("/ogg"));
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENoError);
    EXPECT_EQ(iOutput.Frames(), 3 * 48000);
    EXPECT_EQ(Text(player.Title()), "Test Choir - Evening Tone");
}

TEST_F(NetworkStream, RedirectsAreFollowedUpToFive)
{
    CZuAudioPlayer moved(nullptr);
    PlayToEnd(moved, iServer.Url("/moved"));
    EXPECT_EQ(moved.LastError(), CZuAudioPlayer::ENoError);
    EXPECT_EQ(iOutput.Frames(), 3 * 44100);
    EXPECT_EQ(TagValue(moved, "icy-name"), "Loopback FM");

    EXPECT_EQ(EndOf(iServer.Url("/hop/4")), CZuAudioPlayer::ENoError);

    int before = iServer.Requests();
    EXPECT_EQ(EndOf(iServer.Url("/hop/5")), CZuAudioPlayer::ETooManyRedirects);
    EXPECT_EQ(iServer.Requests() - before, 6);
}

TEST_F(NetworkStream, ARedirectLoopEnds)
{
    EXPECT_EQ(EndOf(iServer.Url("/loop")), CZuAudioPlayer::ETooManyRedirects);
    EXPECT_LE(iServer.Requests(), 6);
}

TEST_F(NetworkStream, RedirectsGoToHttpOnly)
{
    EXPECT_EQ(EndOf(iServer.Url("/to-ftp")), CZuAudioPlayer::EBadAddress);
    EXPECT_EQ(EndOf(iServer.Url("/to-file")), CZuAudioPlayer::EBadAddress);
    EXPECT_EQ(iOutput.Frames(), 0);
}

TEST_F(NetworkStream, AnErrorStatusIsReported)
{
    EXPECT_EQ(EndOf(iServer.Url("/missing")), CZuAudioPlayer::EHttpStatus);
}

TEST_F(NetworkStream, TheMetadataIntervalIsBounded)
{
    for (const char* bad : {"0", "65537", "100000000"})
        EXPECT_EQ(EndOf(iServer.Url(std::string("/interval/") + bad)), CZuAudioPlayer::EBadStream) << bad;
    EXPECT_EQ(iOutput.Frames(), 0);
    // The largest allowed interval is longer than the file: all of it is sound.
    EXPECT_EQ(EndOf(iServer.Url("/interval/65536")), CZuAudioPlayer::ENoError);
    EXPECT_EQ(iOutput.Frames(), 3 * 44100);
}

TEST_F(NetworkStream, ARefusedConnectionIsReported)
{
    EXPECT_EQ(EndOf("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/radio"),
              CZuAudioPlayer::EConnectFailed);
}

TEST_F(NetworkStream, AServerThatStallsTimesOut)
{
    EXPECT_EQ(EndOf(iServer.Url("/stall")), CZuAudioPlayer::ETimedOut);
    EXPECT_EQ(iOutput.Frames(), 0);
}

TEST_F(NetworkStream, DeletingThePlayerDuringANetworkReadJoinsItsThread)
{
    {
        CZuAudioPlayer player(nullptr);
        player.SetNetworkTimeouts(60000, 60000);
        ASSERT_TRUE(player.Open(CZuString(iServer.Url("/stall").c_str())));
        ASSERT_TRUE(iServer.WaitUntilStalled());
        EXPECT_TRUE(player.IsPlaying());
    }
    // The player is gone while the server still holds the connection.
    EXPECT_EQ(iOutput.Frames(), 0);
    iServer.Release();
}

TEST_F(NetworkStream, StopDuringANetworkReadEndsTheStream)
{
    CZuAudioPlayer player(nullptr);
    player.SetWakeUp(&iWakeUps);
    player.SetNetworkTimeouts(60000, 60000);
    ASSERT_TRUE(player.Open(CZuString(iServer.Url("/stall").c_str())));
    ASSERT_TRUE(iServer.WaitUntilStalled());
    player.Stop();
    EXPECT_EQ(player.GetState(), CZuAudioPlayer::EStopped);
    // The next stream plays at once on the same engine.
    ASSERT_TRUE(player.Open(CZuString(iServer.Url("/radio").c_str())));
    ASSERT_TRUE(iWakeUps.WaitUntilDone(player));
    EXPECT_EQ(iOutput.Frames(), 3 * 44100);
    iServer.Release();
}

TEST_F(NetworkStream, AddressesThatCouldCarryHeadersAreRefused)
{
    CZuAudioPlayer player(nullptr);
    for (const std::string& address :
         {iServer.Url("/radio\r\nX-Injected: 1"), iServer.Url("/radio\nX-Injected: 1"),
          iServer.Url("/ra dio"), iServer.Url("/radio\t"), std::string("http:///radio"),
          std::string("http://"), iServer.Url("/") + std::string(5000, 'a')})
    {
        EXPECT_FALSE(player.Open(CZuString(address.c_str()))) << address;
        EXPECT_EQ(player.LastError(), CZuAudioPlayer::EBadAddress) << address;
        EXPECT_FALSE(player.IsPlaying());
    }
    EXPECT_EQ(iServer.Requests(), 0);
    // The scheme is matched without regard to case.
    std::string url = iServer.Url("/radio");
    url.replace(0, 4, "HTTP");
    EXPECT_EQ(EndOf(url), CZuAudioPlayer::ENoError);
}
