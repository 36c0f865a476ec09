#ifndef STREAMTESTSERVER_H
#define STREAMTESTSERVER_H

// The HTTP server of the network stream tests, on the loopback address: a radio with metadata, an Ogg
// stream, redirects, errors, a server that stalls, and bodies that are cut short or are no sound at all.
#include "StreamTestSupport.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <httplib.h>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

// Bytes of sound between two metadata blocks of the test radio.
const int KInterval = 8192;

// The body a radio sends for sound: a metadata block after every KInterval bytes of it, naming the first
// title, then nothing, then the second title.
inline std::string RadioBody(const std::vector<unsigned char>& sound)
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
        std::mt19937 random(23);
        iNoise.resize(20000);
        for (char& byte : iNoise)
            byte = static_cast<char>(random());
        Routes();
        BrokenRoutes();
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

    // Bodies that let the player down: the first three quarters of the MP3, once as the whole answer and
    // once with the connection closed there although the length promised all of it; and random bytes,
    // plain and as a radio with metadata.
    void BrokenRoutes()
    {
        iServer.Get("/truncated",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        response.set_content(reinterpret_cast<const char*>(iSound.data()), Cut(),
                                             "audio/mpeg");
                    });
        iServer.Get("/dropped",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        response.set_content_provider(
                            iSound.size(), "audio/mpeg",
                            [this](size_t offset, size_t length, httplib::DataSink& sink)
                            {
                                // False closes the connection.
                                if (offset >= Cut())
                                    return false;
                                size_t take = std::min(length, Cut() - offset);
                                return sink.write(reinterpret_cast<const char*>(iSound.data() + offset),
                                                  take);
                            });
                    });
        iServer.Get("/noise",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        response.set_content(iNoise, "audio/mpeg");
                    });
        iServer.Get("/noise-radio",
                    [this](const httplib::Request& request, httplib::Response& response)
                    {
                        Count(request);
                        response.set_header("icy-name", "Noise FM");
                        response.set_header("icy-metaint", std::to_string(KInterval));
                        response.set_content(iNoise, "audio/mpeg");
                    });
    }

    size_t Cut() const { return iSound.size() * 3 / 4; }

    httplib::Server iServer;
    int iPort = 0;
    std::thread iThread;
    std::vector<unsigned char> iSound;
    std::vector<unsigned char> iOgg;
    std::string iNoise;
    std::atomic<int> iRequests{0};
    std::mutex iLock;
    std::condition_variable iChanged;
    httplib::Request iLastRequest;
    bool iStalled = false;
    bool iReleased = false;
};

#endif // STREAMTESTSERVER_H
