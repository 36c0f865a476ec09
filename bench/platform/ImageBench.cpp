// Image decoding and scaling: a 64 x 64 PNG icon decoded from memory, the BMP and GIF samples, and
// sub-images of an icon scaled as the grid and buttons ask for them.
#include "ZuImage.h"
#include "ZuRect.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{

std::vector<char> ReadSample(const char* name)
{
    std::string path = std::string(ZU_TEST_SOURCE_DIR) + "/tests/platform/data/" + name;
    std::vector<char> bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return bytes;
    int c;
    while ((c = std::fgetc(f)) != EOF)
        bytes.push_back(static_cast<char>(c));
    std::fclose(f);
    return bytes;
}

void DecodeSample(benchmark::State& state, const char* name, int expectedWidth)
{
    std::vector<char> bytes = ReadSample(name);
    for (auto _ : state)
    {
        CZuImage image;
        image.Load(bytes.data(), static_cast<int>(bytes.size()));
        if (image.Size().iWidth != expectedWidth)
        {
            state.SkipWithError("sample did not decode");
            break;
        }
        benchmark::DoNotOptimize(image.GetImgBuf());
    }
}

void BM_DecodePngIcon64(benchmark::State& state)
{
    DecodeSample(state, "sample-icon64.png", 64);
}
BENCHMARK(BM_DecodePngIcon64);

void BM_DecodeBmp24(benchmark::State& state)
{
    DecodeSample(state, "sample-24.bmp", 40);
}
BENCHMARK(BM_DecodeBmp24);

void BM_DecodeGif8(benchmark::State& state)
{
    DecodeSample(state, "sample-8.gif", 40);
}
BENCHMARK(BM_DecodeGif8);

// The icon scaled to the side given as the argument (down to 48 and 32, up to 96).
void BM_ScaleIcon64(benchmark::State& state)
{
    std::vector<char> bytes = ReadSample("sample-icon64.png");
    CZuImage image;
    image.Load(bytes.data(), static_cast<int>(bytes.size()));
    const int side = static_cast<int>(state.range(0));
    for (auto _ : state)
    {
        CZuImage* scaled = image.GetSubImage(CZuRect(0, 0, 64, 64), CZuSize(side, side));
        benchmark::DoNotOptimize(scaled->GetImgBuf());
        scaled->Release();
    }
}
BENCHMARK(BM_ScaleIcon64)->Arg(32)->Arg(48)->Arg(64)->Arg(96);

// One 32 x 32 cell of the sprite sheet at its own size.
void BM_SpriteCell(benchmark::State& state)
{
    std::vector<char> bytes = ReadSample("sample-sprites.png");
    CZuImage image;
    image.Load(bytes.data(), static_cast<int>(bytes.size()));
    image.SetMultiImageInfo(32, 32, 3, 1);
    for (auto _ : state)
    {
        CZuImage* cell = image.GetSubImageByPos(0, 1, CZuSize(0, 0));
        benchmark::DoNotOptimize(cell->GetImgBuf());
        cell->Release();
    }
}
BENCHMARK(BM_SpriteCell);

} // namespace

BENCHMARK_MAIN();
