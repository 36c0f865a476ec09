// Network streams from a real HTTP server on the loopback address: radio metadata, redirects, and the
// ways a server or a network lets a stream down.
#include "StreamTestServer.h"
#include "ZuAudio.h"
#include "ZuDecoderPlugins.h"
#include "ZuNameValue.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

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

TEST_F(NetworkStream, ACutBodyPlaysWhatItHas)
{
    CZuAudioPlayer player(nullptr);
    PlayToEnd(player, iServer.Url("/truncated"));
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENoError);
    // The whole frames before the cut: more than a second, less than the three.
    double seconds = iOutput.Frames() / 44100.0;
    EXPECT_GT(seconds, 1.0);
    EXPECT_LT(seconds, 2.5);
    EXPECT_NEAR(ToneFrequency(iOutput.Samples(), 2, 0, 44100), 440, 2);
    EXPECT_EQ(Text(player.Title()), "Test Choir - Morning Tone");
}

TEST_F(NetworkStream, AConnectionClosedBeforeItsLengthEndsTheStream)
{
    CZuAudioPlayer player(nullptr);
    PlayToEnd(player, iServer.Url("/dropped"));
    EXPECT_EQ(player.LastError(), CZuAudioPlayer::ENetworkFailed);
    // What came before the connection closed was played.
    double seconds = iOutput.Frames() / 44100.0;
    EXPECT_GT(seconds, 1.0);
    EXPECT_LT(seconds, 2.5);
    EXPECT_EQ(iOutput.Ends(), 1);
}

TEST_F(NetworkStream, RandomBytesAreNoSound)
{
    EXPECT_EQ(EndOf(iServer.Url("/noise")), CZuAudioPlayer::EUnknownFormat);
    EXPECT_EQ(iOutput.Frames(), 0);
    // As a radio, the random bytes where metadata belongs are read as metadata and kept out of the sound.
    CZuAudioPlayer radio(nullptr);
    PlayToEnd(radio, iServer.Url("/noise-radio"));
    EXPECT_EQ(radio.LastError(), CZuAudioPlayer::EUnknownFormat);
    EXPECT_EQ(TagValue(radio, "icy-name"), "Noise FM");
    EXPECT_EQ(iOutput.Frames(), 0);
    // The player plays the next stream as usual.
    PlayToEnd(radio, iServer.Url("/radio"));
    EXPECT_EQ(radio.LastError(), CZuAudioPlayer::ENoError);
    EXPECT_EQ(iOutput.Frames(), 3 * 44100);
}
