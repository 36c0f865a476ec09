// Feeds random bytes to the resource package reader as a package file: the directory, every entry's data
// and the image path, which must never read past the end of the file.
#include "FuzzCheck.h"
#include "ZuUi.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace
{

// An image cache that has no images and makes none: only the reading around it is exercised.
class CNoImages : public MZuImageSource
{
public:
    CZuImage* GetImage(const CZuString&, bool, const char* data, int length) override
    {
        Check(data == nullptr || length >= 0);
        return nullptr;
    }
    CZuImage* GetImage(const CZuString&, int, int, bool, const char* data, int length) override
    {
        Check(data == nullptr || length >= 0);
        if (data != nullptr)
            Check(data[length] == '\0');
        return nullptr;
    }
};

// One scratch file per process for the package bytes.
const std::string& ScratchPath()
{
    static std::string path;
    if (path.empty())
    {
        char pattern[] = "/tmp/zu_fuzz_package_XXXXXX";
        int fd = mkstemp(pattern);
        Check(fd >= 0);
        close(fd);
        path = pattern;
        std::atexit([] { std::remove(ScratchPath().c_str()); });
    }
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    std::FILE* file = std::fopen(ScratchPath().c_str(), "wb");
    Check(file != nullptr);
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);

    CZuMfpExtract package;
    CNoImages images;
    package.SetImageSource(&images);
    Check(package.Open(ScratchPath().c_str()));
    for (int i = 0; i < package.GetFileCount(); ++i)
    {
        const CMfpFile& entry = *package.GetFile(i);
        Check(entry.Size() >= 0 && entry.Offset() >= 0);
        Check(static_cast<long long>(entry.Offset()) + entry.Size() <= static_cast<long long>(size));
        int entrySize = -1;
        char* bytes = package.GetFileData(i, entrySize);
        Check(bytes != nullptr && entrySize == entry.Size() && bytes[entrySize] == '\0');
        Check(std::memcmp(bytes, data + entry.Offset(), entrySize) == 0);
        CZuMfpExtract::CheckEntryPath(entry.Folder(), entry.Name());
        package.GetImage(Str(entry.Name()), i % 2 == 0);
    }
    int missing = 0;
    Check(package.GetFileData(package.GetFileCount(), missing) == nullptr && missing == 0);
    package.Close();
    return 0;
}
