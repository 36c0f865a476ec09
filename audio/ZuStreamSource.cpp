#include "ZuStreamSource.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

namespace
{

// Where offset from whence lands in something of length bytes now at position; -1 when outside it.
long long SeekTarget(long long position, long long length, long long offset, int whence)
{
    long long base = whence == SEEK_SET   ? 0
                     : whence == SEEK_CUR ? position
                     : whence == SEEK_END ? length
                                          : -1;
    if (base < 0)
        return -1;
    if ((offset > 0 && base > length - offset) || base + offset < 0)
        return -1;
    return base + offset;
}

} // namespace

bool CZuStreamSource::Start(const std::function<bool()>&)
{
    return true;
}

CZuFileSource* CZuFileSource::Open(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
        return nullptr;
    // A folder, a pipe or a device would block or never end.
    struct stat status;
    if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode))
    {
        std::fclose(file);
        return nullptr;
    }
    return new CZuFileSource(file, static_cast<long long>(status.st_size));
}

CZuFileSource::~CZuFileSource()
{
    std::fclose(iFile);
}

long CZuFileSource::Read(void* buffer, long size)
{
    if (size <= 0)
        return 0;
    size_t got = std::fread(buffer, 1, static_cast<size_t>(size), iFile);
    if (got == 0 && std::ferror(iFile))
        return -1;
    return static_cast<long>(got);
}

long long CZuFileSource::Seek(long long offset, int whence)
{
    long long target = SeekTarget(ftello(iFile), iLength, offset, whence);
    if (target < 0 || fseeko(iFile, static_cast<off_t>(target), SEEK_SET) != 0)
        return -1;
    return target;
}

CZuMemorySource::CZuMemorySource(const char* data, int length) : iPosition(0)
{
    if (data != nullptr && length > 0)
        iBytes.assign(data, data + length);
}

long CZuMemorySource::Read(void* buffer, long size)
{
    if (size <= 0)
        return 0;
    size_t take = std::min(static_cast<size_t>(size), iBytes.size() - iPosition);
    if (take > 0)
        std::memcpy(buffer, iBytes.data() + iPosition, take);
    iPosition += take;
    return static_cast<long>(take);
}

long long CZuMemorySource::Seek(long long offset, int whence)
{
    long long target = SeekTarget(static_cast<long long>(iPosition), Length(), offset, whence);
    if (target >= 0)
        iPosition = static_cast<size_t>(target);
    return target;
}
