// The open course on a generated course of 100 000 words: a group, random test words, one clip, and saving
// a new-word book of 10 000 words.
#include "CourseOper.h"
#include "WordInfo.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

const int KCourseWords = 100000;
const int KClips = 1000;
const int KClipBytes = 1100;

CWordInfo MakeWord(int i)
{
    CWordInfo word;
    std::string n = std::to_string(i);
    word.iWord = ("word" + n).c_str();
    word.iPhonetic = ("/ˈwɜːd" + n + "/").c_str();
    word.iPhoneticNote = "n./v.";
    word.iExplanation = ("n. 单词；话语；消息" + n + "\\nv. 措辞；用词表达").c_str();
    word.iSpeechOffset = (i % KClips) * KClipBytes;
    word.iSpeechLength = KClipBytes;
    return word;
}

// The generated course, made once in a scratch folder.
const std::string& CourseFolder()
{
    static std::string folder;
    if (!folder.empty())
        return folder;
    char pattern[] = "/tmp/zulex-bench-course-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        std::abort();
    folder = std::string(pattern) + "/";
    CCourseOper course("big", folder.c_str());
    for (int i = 0; i < KCourseWords; ++i)
        course.AppendWord(MakeWord(i));
    if (!course.Save())
        std::abort();
    std::vector<char> speech(static_cast<size_t>(KClips) * KClipBytes, 0x5A);
    FILE* file = std::fopen((folder + "big.pro").c_str(), "wb");
    std::fwrite(speech.data(), 1, speech.size(), file);
    std::fclose(file);
    std::atexit(
        []
        {
            for (const char* name : {"big.idx", "big.dat", "big.pro", "newword.idx", "newword.dat"})
                std::remove((CourseFolder() + name).c_str());
            std::remove(CourseFolder().c_str());
        });
    return folder;
}

void BM_LoadRangeOneGroup(benchmark::State& state)
{
    CCourseOper course("big", CourseFolder().c_str());
    int group = 0;
    for (auto _ : state)
    {
        course.LoadRange((group * 20) % KCourseWords, 20);
        benchmark::DoNotOptimize(course.WordCount());
        group += 997;
    }
}
BENCHMARK(BM_LoadRangeOneGroup)->Unit(benchmark::kMicrosecond);

void BM_LoadRandomWord20(benchmark::State& state)
{
    CCourseOper course("big", CourseFolder().c_str());
    for (auto _ : state)
    {
        course.LoadRandomWord(0, 1000000, 20);
        benchmark::DoNotOptimize(course.WordCount());
    }
}
BENCHMARK(BM_LoadRandomWord20)->Unit(benchmark::kMicrosecond);

void BM_ReadSpeechOneClip(benchmark::State& state)
{
    CCourseOper course("big", CourseFolder().c_str());
    course.LoadRange(500, 20);
    int i = 0;
    for (auto _ : state)
    {
        int length = 0;
        char* clip = course.ReadSpeech(*course.Word(i % 20), length);
        benchmark::DoNotOptimize(clip);
        delete[] clip;
        ++i;
    }
}
BENCHMARK(BM_ReadSpeechOneClip)->Unit(benchmark::kMicrosecond);

void BM_SaveNewWordBook10000(benchmark::State& state)
{
    CCourseOper book("newword", CourseFolder().c_str());
    for (int i = 0; i < 10000; ++i)
    {
        CWordInfo word = MakeWord(i * 7);
        word.iSource = "big";
        book.AppendWord(word);
    }
    for (auto _ : state)
    {
        // Each round is one learner's edit followed by the save that writes the whole book.
        book.DeleteWord(book.WordCount() - 1);
        book.AppendWord(MakeWord(1));
        if (!book.Save())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveNewWordBook10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
