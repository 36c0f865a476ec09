// The course builder's throughput in words per second, on the first 200 words of the core word book:
// texts only (--no-speech), and with synthesised pronunciations.
#include "CourseBuilder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace
{

const int KWords = 200;

// The sample list in a scratch folder, made once.
const std::string& ScratchFolder()
{
    static std::string folder;
    if (!folder.empty())
        return folder;
    char pattern[] = "/tmp/zulex-bench-tool-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        std::abort();
    folder = std::string(pattern) + "/";
    std::ifstream source(std::string(ZU_TEST_SOURCE_DIR) + "/data/courses/core.tsv");
    std::ofstream list(folder + "sample.tsv");
    std::string line;
    for (int i = 0; i < KWords && std::getline(source, line); ++i)
        list << line << "\n";
    std::atexit(
        []
        {
            std::string command = "rm -rf '" + ScratchFolder() + "'";
            if (std::system(command.c_str()) != 0)
                std::fprintf(stderr, "could not remove %s\n", ScratchFolder().c_str());
        });
    return folder;
}

void BuildSample(benchmark::State& state, bool speech)
{
    CCourseBuilder::TOptions options;
    options.iSpeech = speech;
    const std::string& folder = ScratchFolder();
    FILE* messages = std::fopen("/dev/null", "w");
    for (auto _ : state)
    {
        CCourseBuilder builder(options, messages);
        if (builder.Build(folder + "sample.tsv", folder, "sample") != KWords)
            state.SkipWithError("build failed");
    }
    std::fclose(messages);
    state.SetItemsProcessed(state.iterations() * KWords);
}

void BM_BuildWithoutSpeech(benchmark::State& state)
{
    BuildSample(state, false);
}
BENCHMARK(BM_BuildWithoutSpeech)->Unit(benchmark::kMillisecond);

void BM_BuildWithSpeech(benchmark::State& state)
{
    BuildSample(state, true);
}
BENCHMARK(BM_BuildWithSpeech)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

BENCHMARK_MAIN();
