#include "ZuWriteFileStream.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace
{

// A Block is cut once the pending items reach this size.
const int KBlockCutSize = 32768;

// Makes a rename in the folder of path durable.
void SyncFolderOf(const CZuString& path)
{
    int slash = path.Length() - 1;
    while (slash >= 0 && path[slash] != '/')
        --slash;
    CZuString folder = slash < 0 ? CZuString(".") : path.Left(slash + 1);
    int fd = open(Str(folder), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

} // namespace

CZuWriteFileStream::CZuWriteFileStream() : iFailed(false) {}

CZuWriteFileStream::~CZuWriteFileStream()
{
    Abandon();
}

void CZuWriteFileStream::Abandon()
{
    iFile.Close();
    if (!iTempPath.IsEmpty())
        CZuFile::FileDelete(iTempPath);
    iTempPath.Empty();
    iReplacedPath.Empty();
    iPending.Reset();
    iFailed = false;
}

bool CZuWriteFileStream::Create(const CZuString& path)
{
    Abandon();
    return iFile.Create(path);
}

bool CZuWriteFileStream::Replace(const CZuString& path)
{
    Abandon();
    if (path.IsEmpty())
        return false;
    iTempPath = path + ".tmp";
    if (!iFile.Create(iTempPath))
    {
        iTempPath.Empty();
        return false;
    }
    iReplacedPath = path;
    return true;
}

void CZuWriteFileStream::CutBlockIfFull()
{
    if (iPending.Size() >= KBlockCutSize)
        Flush();
}

void CZuWriteFileStream::WriteByte(unsigned char value)
{
    iPending.WriteByte(value);
    CutBlockIfFull();
}

void CZuWriteFileStream::WriteWord(unsigned short value)
{
    iPending.WriteWord(value);
    CutBlockIfFull();
}

void CZuWriteFileStream::WriteInteger(unsigned int value)
{
    iPending.WriteInteger(value);
    CutBlockIfFull();
}

void CZuWriteFileStream::WriteBuffer(const void* data, int size)
{
    iPending.WriteBuffer(data, size);
    CutBlockIfFull();
}

void CZuWriteFileStream::WriteString(const CZuString& value)
{
    iPending.WriteString(value);
    CutBlockIfFull();
}

bool CZuWriteFileStream::Flush()
{
    if (iPending.Size() > 0)
    {
        if (iFile.Write(iPending) < 0)
            iFailed = true;
        iPending.Reset();
    }
    return !iFailed;
}

bool CZuWriteFileStream::Close()
{
    bool written = Flush();
    bool replacing = !iReplacedPath.IsEmpty();
    if (replacing)
        written = iFile.Sync() && written;
    else if (iFile.IsOpen())
        written = iFile.Flush() && written;
    iFile.Close();
    if (replacing)
    {
        // The new file takes the old one's place in one step, or not at all.
        if (!written || std::rename(Str(iTempPath), Str(iReplacedPath)) != 0)
        {
            CZuFile::FileDelete(iTempPath);
            written = false;
        }
        else
        {
            SyncFolderOf(iReplacedPath);
        }
        iTempPath.Empty();
        iReplacedPath.Empty();
    }
    iFailed = false;
    return written;
}

CZuWriteFileStream& operator<<(CZuWriteFileStream& out, char value)
{
    out.WriteByte(static_cast<unsigned char>(value));
    return out;
}

CZuWriteFileStream& operator<<(CZuWriteFileStream& out, short value)
{
    out.WriteWord(static_cast<unsigned short>(value));
    return out;
}

CZuWriteFileStream& operator<<(CZuWriteFileStream& out, int value)
{
    out.WriteInteger(static_cast<unsigned int>(value));
    return out;
}

CZuWriteFileStream& operator<<(CZuWriteFileStream& out, const CZuString& value)
{
    out.WriteString(value);
    return out;
}
