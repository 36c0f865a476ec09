#include "ZuUi.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace
{

void PutInt(std::string& out, unsigned value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

// A table of count strings like the program's own: short Chinese texts.
std::string TableFile(int count)
{
    std::string image;
    for (int i = 0; i < count; ++i)
    {
        std::string text = i == 1 ? "LX 单词" : "第" + std::to_string(i) + "个字符串，用于测试";
        PutInt(image, static_cast<unsigned>(i));
        PutInt(image, static_cast<unsigned>(text.size()));
        image += text;
    }
    char path[] = "/tmp/zu_bench_table_XXXXXX";
    int fd = mkstemp(path);
    if (write(fd, image.data(), image.size()) != static_cast<ssize_t>(image.size()))
        std::perror("write");
    close(fd);
    return path;
}

// Start-up reads the whole table file once.
void BM_LoadStringTable(benchmark::State& state)
{
    std::string path = TableFile(static_cast<int>(state.range(0)));
    for (auto _ : state)
    {
        CZuStringManager manager;
        manager.AddStringRes(CZuString(path.c_str()));
        benchmark::DoNotOptimize(manager.GetString(0x4C580001));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadStringTable)->Arg(64)->Arg(1024);

// Every caption and label is looked up by id: two tables, the second one answering.
void BM_GetString(benchmark::State& state)
{
    std::string toolkit = TableFile(32);
    std::string program = TableFile(64);
    CZuStringManager manager;
    manager.AddStringRes(CZuString(toolkit.c_str()));
    manager.AddStringRes(CZuString(program.c_str()));
    int index = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(manager.GetString(0x4C580000 + index));
        index = (index + 1) & 63;
    }
    std::remove(toolkit.c_str());
    std::remove(program.c_str());
}
BENCHMARK(BM_GetString);

// A word's explanation of a few hundred characters laid out in the 480-pixel window's rows.
void BM_TextRows(benchmark::State& state)
{
    CZuFont font(EFontUi, 100, false);
    std::string paragraph;
    for (int i = 0; i < 10; ++i)
        paragraph +=
            "abandon 放弃；抛弃 to leave behind, to give up completely.\\n例句：They abandoned the car. ";
    CZuString16 text;
    ConvertUtf8ToUnicode(paragraph.data(), static_cast<int>(paragraph.size()), text);
    for (auto _ : state)
        benchmark::DoNotOptimize(CZuStrUtil::GetTextRowCount(text, 440, &font));
    state.counters["chars"] = text.Length();
}
BENCHMARK(BM_TextRows)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
