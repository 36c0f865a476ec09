// The course checker on an index, a data and a speech file cut from one input (two 16-bit little-endian
// sizes, then the index, the data and, for the rest, the speech bytes). It must report, never crash.
#include "CourseChecker.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace
{

std::string gFolder;

void RemoveFolder()
{
    for (const char* name : {"c.idx", "c.dat", "c.pro"})
        std::remove((gFolder + name).c_str());
    rmdir(gFolder.c_str());
}

const std::string& Folder()
{
    if (gFolder.empty())
    {
        char pattern[] = "/tmp/zulex-fuzz-check-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            abort();
        gFolder = std::string(pattern) + "/";
        std::atexit(RemoveFolder);
    }
    return gFolder;
}

void WritePart(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        abort();
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    size_t indexSize = data[0] | (data[1] << 8);
    size_t dataSize = data[2] | (data[3] << 8);
    data += 4;
    size -= 4;
    indexSize = indexSize < size ? indexSize : size;
    dataSize = dataSize < size - indexSize ? dataSize : size - indexSize;
    const std::string& folder = Folder();
    WritePart(folder + "c.idx", data, indexSize);
    WritePart(folder + "c.dat", data + indexSize, dataSize);
    WritePart(folder + "c.pro", data + indexSize + dataSize, size - indexSize - dataSize);

    FILE* report = std::fopen("/dev/null", "w");
    CCourseChecker checker(folder, "c");
    int problems = checker.Check(report);
    std::fclose(report);
    if (problems < 0 || checker.Clips() > checker.Words())
        abort();
    return 0;
}
