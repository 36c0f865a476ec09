// Throughput of the block file streams: 10 MB of mixed items (Integers, Words, Bytes, Strings of several
// lengths and raw buffers) written through CZuWriteFileStream and read back through CZuReadFileStream.
#include "ZuBase.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

const int KTargetBytes = 10 * 1024 * 1024;

// The items of one round, prepared once so that only the streams are measured.
struct TItems
{
    std::vector<CZuString> iStrings;
    unsigned char iRaw[16];
    int iRounds;
    long long iBytes;
};

const TItems& Items()
{
    static TItems items = []
    {
        TItems made;
        for (int i = 0; i < 64; ++i)
            made.iStrings.push_back(CZuString(std::string(i % 41, static_cast<char>('a' + i % 26)).c_str()));
        for (int i = 0; i < 16; ++i)
            made.iRaw[i] = static_cast<unsigned char>(i * 17);
        // One round: 3 Integers, a Word, a Byte, two Strings and a raw buffer.
        long long perRound = 0;
        for (int i = 0; i < 64; ++i)
            perRound += 3 * 4 + 2 + 1 + (4 + made.iStrings[i].Length()) + (4 + 8) + 16;
        made.iRounds = static_cast<int>(KTargetBytes / perRound) + 1;
        made.iBytes = perRound * made.iRounds;
        return made;
    }();
    return items;
}

std::string ScratchPath()
{
    return "/tmp/zubase-bench-" + std::to_string(getpid()) + ".bin";
}

void WriteAll(const CZuString& path)
{
    const TItems& items = Items();
    CZuWriteFileStream out;
    if (!out.Create(path))
        return;
    const CZuString& eight = items.iStrings[8];
    for (int round = 0; round < items.iRounds; ++round)
    {
        for (int i = 0; i < 64; ++i)
        {
            out.WriteInteger(static_cast<unsigned int>(round));
            out.WriteWord(static_cast<unsigned short>(i));
            out.WriteByte(static_cast<unsigned char>(i));
            out.WriteString(items.iStrings[i]);
            out.WriteInteger(static_cast<unsigned int>(i * 31));
            out.WriteString(eight);
            out.WriteBuffer(items.iRaw, 16);
            out.WriteInteger(0xFFFFFFFFu);
        }
    }
    out.Close();
}

void BM_WriteFileStream(benchmark::State& state)
{
    CZuString path(ScratchPath().c_str());
    for (auto _ : state)
        WriteAll(path);
    state.SetBytesProcessed(state.iterations() * Items().iBytes);
    std::remove(path.PtrZ());
}
BENCHMARK(BM_WriteFileStream)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadFileStream(benchmark::State& state)
{
    CZuString path(ScratchPath().c_str());
    WriteAll(path);
    const TItems& items = Items();
    unsigned long long check = 0;
    for (auto _ : state)
    {
        CZuReadFileStream in;
        if (!in.Open(path))
        {
            state.SkipWithError("cannot open the scratch file");
            break;
        }
        CZuString text;
        unsigned char raw[16];
        for (int round = 0; round < items.iRounds; ++round)
        {
            for (int i = 0; i < 64; ++i)
            {
                check += in.ReadInteger();
                check += in.ReadWord();
                check += in.ReadByte();
                in.ReadString(text);
                check += text.Length();
                check += in.ReadInteger();
                in.ReadString(text);
                check += in.ReadBuffer(raw, 16);
                check += in.ReadInteger();
            }
        }
        in.Close();
    }
    benchmark::DoNotOptimize(check);
    state.SetBytesProcessed(state.iterations() * items.iBytes);
    std::remove(path.PtrZ());
}
BENCHMARK(BM_ReadFileStream)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
