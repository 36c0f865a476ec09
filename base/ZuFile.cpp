#include "ZuFile.h"

#include "ZuBuffer.h"
#include "ZuInStream.h"
#include "ZuOutStream.h"
#include "ZuString.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

const int KBlockHeaderSize = 4;
// Whole files are read this many bytes at a time.
const int KWholeChunk = 65536;

} // namespace

CZuFile::CZuFile() : iHandle(nullptr) {}

CZuFile::~CZuFile()
{
    Close();
}

bool CZuFile::Create(const CZuString& path, int /*mode*/)
{
    Close();
    iHandle = std::fopen(Str(path), "w+b");
    return iHandle != nullptr;
}

bool CZuFile::Replace(const CZuString& path, int mode)
{
    return Create(path, mode);
}

bool CZuFile::Open(const CZuString& path, int mode)
{
    Close();
    iHandle = std::fopen(Str(path), mode == EZuFileReadOnly ? "rb" : "r+b");
    return iHandle != nullptr;
}

void CZuFile::Close()
{
    if (iHandle == nullptr)
        return;
    std::fclose(iHandle);
    iHandle = nullptr;
}

int CZuFile::Read(void* data, int size)
{
    if (iHandle == nullptr || size <= 0)
        return 0;
    return static_cast<int>(std::fread(data, 1, size, iHandle));
}

int CZuFile::Write(const void* data, int size)
{
    if (iHandle == nullptr || size <= 0)
        return 0;
    return static_cast<int>(std::fwrite(data, 1, size, iHandle));
}

int CZuFile::Read(CZuInStream& in)
{
    in.Set(nullptr, 0, false);
    if (iHandle == nullptr)
        return 0;
    int remaining = Length() - Position();
    unsigned char header[KBlockHeaderSize];
    if (remaining < KBlockHeaderSize || Read(header, KBlockHeaderSize) != KBlockHeaderSize)
    {
        Seek(EZuSeekEnd, 0);
        return 0;
    }
    unsigned int length = (static_cast<unsigned int>(header[0]) << 24) |
                          (static_cast<unsigned int>(header[1]) << 16) |
                          (static_cast<unsigned int>(header[2]) << 8) | static_cast<unsigned int>(header[3]);
    // A damaged length must not make us allocate more than the file can give.
    remaining -= KBlockHeaderSize;
    if (length > static_cast<unsigned int>(remaining))
    {
        Seek(EZuSeekEnd, 0);
        return 0;
    }
    int size = static_cast<int>(length);
    in.Set(size);
    if (Read(in.Data(), size) != size)
    {
        in.Set(nullptr, 0, false);
        Seek(EZuSeekEnd, 0);
        return 0;
    }
    return size;
}

int CZuFile::Write(CZuOutStream& out)
{
    if (iHandle == nullptr)
        return -1;
    unsigned int size = static_cast<unsigned int>(out.Size());
    const unsigned char header[KBlockHeaderSize] = {
        static_cast<unsigned char>(size >> 24), static_cast<unsigned char>(size >> 16),
        static_cast<unsigned char>(size >> 8), static_cast<unsigned char>(size)};
    if (Write(header, KBlockHeaderSize) != KBlockHeaderSize)
        return -1;
    if (out.Size() > 0 && Write(out.Data(), out.Size()) != out.Size())
        return -1;
    return out.Size();
}

int CZuFile::Position() const
{
    if (iHandle == nullptr)
        return 0;
    return static_cast<int>(std::ftell(iHandle));
}

int CZuFile::Length() const
{
    if (iHandle == nullptr)
        return 0;
    long position = std::ftell(iHandle);
    std::fseek(iHandle, 0, SEEK_END);
    long length = std::ftell(iHandle);
    std::fseek(iHandle, position, SEEK_SET);
    return static_cast<int>(length);
}

bool CZuFile::Seek(TZuSeek origin, int offset)
{
    if (iHandle == nullptr)
        return false;
    int whence = SEEK_SET;
    if (origin == EZuSeekCurrent)
        whence = SEEK_CUR;
    else if (origin == EZuSeekEnd)
        whence = SEEK_END;
    return std::fseek(iHandle, offset, whence) == 0;
}

bool CZuFile::SetLength(int length)
{
    if (iHandle == nullptr || length < 0 || std::fflush(iHandle) != 0)
        return false;
    return ftruncate(fileno(iHandle), length) == 0;
}

bool CZuFile::Flush()
{
    return iHandle != nullptr && std::fflush(iHandle) == 0;
}

bool CZuFile::Sync()
{
    return Flush() && fsync(fileno(iHandle)) == 0;
}

bool CZuFile::FileExist(const CZuString& path)
{
    CZuFile file;
    return file.Open(path);
}

bool CZuFile::FileCreate(const CZuString& path)
{
    CZuFile file;
    return file.Create(path);
}

void CZuFile::FileDelete(const CZuString& path)
{
    std::remove(Str(path));
}

bool CZuFile::ReadWhole(const CZuString& path, CZuBuffer& bytes, int maxBytes)
{
    bytes.Resize(0);
    FILE* file = std::fopen(Str(path), "rb");
    if (file == nullptr)
        return false;
    // Read in chunks rather than by the size the file claims: a pipe has none, and a file may grow.
    bool fits = true;
    for (;;)
    {
        bytes.Prepare(KWholeChunk);
        if (bytes.Capacity() - bytes.Size() < KWholeChunk)
        {
            fits = false;
            break;
        }
        size_t got = std::fread(bytes.Data() + bytes.Size(), 1, KWholeChunk, file);
        if (got == 0)
            break;
        if (static_cast<int>(got) > maxBytes - bytes.Size())
        {
            fits = false;
            break;
        }
        bytes.Resize(bytes.Size() + static_cast<int>(got));
    }
    bool read = fits && std::ferror(file) == 0;
    std::fclose(file);
    if (!read)
        bytes.Deallocate();
    return read;
}

bool CZuFile::MakeFoldersFor(const CZuString& path)
{
    int last = -1;
    // From the second byte: the first '/' of an absolute path is the root, which is always there.
    for (int i = 1; i < path.Length(); ++i)
    {
        if (path[i] != '/')
            continue;
        last = i;
        CZuString folder = path.Left(i);
        if (mkdir(Str(folder), 0777) != 0 && errno != EEXIST)
            return false;
    }
    if (last < 0)
        return true;
    // Something else in the way of the last folder: a file of that name is no folder.
    struct stat info;
    return stat(Str(path.Left(last)), &info) == 0 && S_ISDIR(info.st_mode);
}
