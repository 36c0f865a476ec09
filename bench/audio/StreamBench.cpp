// The stream player's cost. Decoding a minute of MP3 and of Ogg Vorbis through the plug-ins, alone and
// through the player's engine, as a factor of real time: cpu_realtime_x is the minutes of sound decoded in
// a minute of processor time (one core), wall_realtime_x the same by the clock (lower on a busy machine);
// and the processor time the program spends while a stream plays in real time on SDL's
// dummy device, from a file and from an HTTP server on the loopback address (cpu_percent of one core).
#include "ZuAudio.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <httplib.h>
#include <iterator>
#include <mutex>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace
{

const double KSoundSeconds = 60.0;
// How long the stream is listened to for the processor measurement.
const int KListenSeconds = 5;

std::vector<unsigned char> Sound(const char* name)
{
    std::ifstream file(std::string(ZU_BENCH_SOUNDS_DIR) + "/" + name, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void UsePlugins()
{
    static bool once = []
    {
        CZuDecoderPlugins::SetFolder(std::string(ZU_TEST_OUT_DIR) + "/plugins/");
        return true;
    }();
    (void)once;
}

double ProcessCpuSeconds()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Both factors of real time: by the processor time spent (all threads) and by the clock.
void Report(benchmark::State& state, double cpuSeconds)
{
    double iterations = static_cast<double>(state.iterations());
    if (cpuSeconds > 0)
        state.counters["cpu_realtime_x"] = KSoundSeconds * iterations / cpuSeconds;
    state.counters["wall_realtime_x"] =
        benchmark::Counter(KSoundSeconds, benchmark::Counter::kIsIterationInvariantRate);
}

struct TMemory
{
    const std::vector<unsigned char>* iBytes;
    size_t iAt;
};

long ReadMemory(void* context, void* buffer, long size)
{
    TMemory* memory = static_cast<TMemory*>(context);
    size_t take = std::min(static_cast<size_t>(size), memory->iBytes->size() - memory->iAt);
    std::memcpy(buffer, memory->iBytes->data() + memory->iAt, take);
    memory->iAt += take;
    return static_cast<long>(take);
}

long long CannotSeek(void*, long long, int)
{
    return -1;
}

// The plug-in alone, reading the bytes as a network stream.
void DecodeWithPlugin(benchmark::State& state, const char* name)
{
    UsePlugins();
    std::vector<unsigned char> bytes = Sound(name);
    const TZuDecoder* decoder = CZuDecoderPlugins::ForHead(bytes.data(), static_cast<int>(bytes.size()));
    if (decoder == nullptr)
    {
        state.SkipWithError("no decoder for the sound");
        return;
    }
    std::vector<short> pcm(4096 * ZU_DECODER_MAX_CHANNELS);
    long frames = 0;
    double cpu = 0;
    for (auto _ : state)
    {
        double before = ProcessCpuSeconds();
        TMemory memory = {&bytes, 0};
        TZuDecoderInput input = {&memory, ReadMemory, CannotSeek, -1};
        void* handle = decoder->Open(&input);
        TZuDecodedFormat format;
        int got;
        frames = 0;
        while ((got = decoder->Decode(handle, pcm.data(), 4096, &format)) > 0)
            frames += got;
        decoder->Close(handle);
        benchmark::DoNotOptimize(pcm.data());
        cpu += ProcessCpuSeconds() - before;
    }
    Report(state, cpu);
    state.counters["frames"] = static_cast<double>(frames);
}

// Takes the stream as fast as it comes and tells when it has ended.
class CSink : public IZuSoundOutput, public MZuAudioWakeUp
{
public:
    void PlayWav(const unsigned char*, int) override {}
    bool IsPlaying() override { return false; }
    bool HasDevice() override { return true; }
    void WriteStream(const short* frames, int count, int, int channels) override
    {
        iSamples += static_cast<long>(count) * channels;
        benchmark::DoNotOptimize(frames);
    }
    void RequestWakeUp() override
    {
        std::lock_guard<std::mutex> hold(iLock);
        ++iNews;
        iArrived.notify_all();
    }
    void WaitUntilDone(CZuAudioPlayer& player)
    {
        std::unique_lock<std::mutex> lock(iLock);
        player.HandleWakeUp();
        while (player.IsPlaying())
        {
            iArrived.wait_for(lock, std::chrono::milliseconds(100));
            player.HandleWakeUp();
        }
    }

    std::atomic<long> iSamples{0};

private:
    std::mutex iLock;
    std::condition_variable iArrived;
    int iNews = 0;
};

// The whole stream side: source, engine thread, plug-in, software gain, output.
void DecodeWithPlayer(benchmark::State& state, const char* name)
{
    UsePlugins();
    std::vector<unsigned char> bytes = Sound(name);
    CSink sink;
    double cpu = 0;
    IZuSoundOutput* previous = IZuSoundOutput::Replace(&sink);
    {
        CZuAudioPlayer player(nullptr);
        player.SetWakeUp(&sink);
        player.SetVolume(0x8000);
        for (auto _ : state)
        {
            double before = ProcessCpuSeconds();
            player.Mp3DataPlay(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
            sink.WaitUntilDone(player);
            cpu += ProcessCpuSeconds() - before;
        }
        if (player.LastError() != CZuAudioPlayer::ENoError)
            state.SkipWithError("the stream did not play to its end");
        player.SetWakeUp(nullptr);
    }
    IZuSoundOutput::Replace(previous);
    Report(state, cpu);
}

// The processor time of the whole program while a stream plays on the device, its first second left out
// (the engine decodes its lead ahead then).
void ListenTo(benchmark::State& state, CZuAudioPlayer& player, const std::string& source)
{
    if (!IZuSoundOutput::Current().HasDevice())
    {
        state.SkipWithError("no audio device (SDL_AUDIODRIVER=dummy)");
        return;
    }
    for (auto _ : state)
    {
        if (!player.Open(CZuString(source.c_str())))
        {
            state.SkipWithError("the stream does not open");
            return;
        }
        std::this_thread::sleep_for(std::chrono::seconds(1));
        double before = ProcessCpuSeconds();
        std::this_thread::sleep_for(std::chrono::seconds(KListenSeconds));
        double used = ProcessCpuSeconds() - before;
        player.HandleWakeUp();
        if (!player.IsPlaying())
            state.SkipWithError("the stream stopped");
        player.Stop();
        state.counters["cpu_percent"] = 100.0 * used / KListenSeconds;
    }
}

void StreamCpuFromFile(benchmark::State& state)
{
    UsePlugins();
    CZuAudioPlayer player(nullptr);
    ListenTo(state, player, std::string(ZU_BENCH_SOUNDS_DIR) + "/tone-stereo.mp3");
}

void StreamCpuFromHttp(benchmark::State& state)
{
    UsePlugins();
    std::vector<unsigned char> bytes = Sound("tone-stereo.mp3");
    httplib::Server server;
    server.Get("/radio",
               [&](const httplib::Request&, httplib::Response& response)
               {
                   response.set_header("icy-metaint", "65536");
                   response.set_content(std::string(bytes.begin(), bytes.end()), "audio/mpeg");
               });
    int port = server.bind_to_any_port("127.0.0.1");
    std::thread serving([&] { server.listen_after_bind(); });
    {
        CZuAudioPlayer player(nullptr);
        ListenTo(state, player, "http://127.0.0.1:" + std::to_string(port) + "/radio");
    }
    server.stop();
    serving.join();
}

} // namespace

BENCHMARK_CAPTURE(DecodeWithPlugin, Mp3, "tone-stereo.mp3")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(DecodeWithPlugin, Ogg, "tone-stereo.ogg")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(DecodeWithPlayer, Mp3, "tone-stereo.mp3")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(DecodeWithPlayer, Ogg, "tone-stereo.ogg")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StreamCpuFromFile)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(StreamCpuFromHttp)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

int main(int argc, char** argv)
{
    // Nothing is heard: the dummy driver plays in real time to nowhere, unless a driver is chosen.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
