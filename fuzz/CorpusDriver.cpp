// Runs a libFuzzer target without libFuzzer: every file of the given folders (or the given files), each
// file again cut short at several lengths, and a fixed set of pseudo-random inputs. Used by the normal and
// the sanitizer builds so that the targets and their seeds are exercised by every test run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace
{

std::vector<uint8_t> ReadWhole(const std::string& path)
{
    std::vector<uint8_t> bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return bytes;
    uint8_t chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + n);
    std::fclose(f);
    return bytes;
}

void RunOne(const std::vector<uint8_t>& bytes)
{
    // A copy of exactly the input size, so that the sanitizer sees any read past the end.
    std::vector<uint8_t> exact(bytes);
    LLVMFuzzerTestOneInput(exact.empty() ? nullptr : exact.data(), exact.size());
}

void RunWithTruncations(const std::vector<uint8_t>& bytes)
{
    RunOne(bytes);
    for (size_t cut : {bytes.size() / 2, bytes.size() * 3 / 4, bytes.size() > 0 ? bytes.size() - 1 : 0}) {
        if (cut < bytes.size())
            RunOne(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
    }
}

void CollectFiles(const std::string& path, std::vector<std::string>& files)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return;
    if (!S_ISDIR(st.st_mode)) {
        files.push_back(path);
        return;
    }
    DIR* dir = opendir(path.c_str());
    if (!dir)
        return;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        CollectFiles(path + "/" + name, files);
    }
    closedir(dir);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i)
        CollectFiles(argv[i], files);
    for (const std::string& file : files)
        RunWithTruncations(ReadWhole(file));

    uint32_t state = 0x2545F491u;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    for (int round = 0; round < 500; ++round) {
        std::vector<uint8_t> bytes(next() % (round < 400 ? 64 : 4096));
        for (uint8_t& b : bytes)
            b = static_cast<uint8_t>(next());
        RunOne(bytes);
    }
    std::printf("%zu seed files and 500 random inputs ran\n", files.size());
    return 0;
}
