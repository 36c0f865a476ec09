#ifndef ZUFILE_H
#define ZUFILE_H

#include <cstdio>

class CZuBuffer;
class CZuString;
class CZuInStream;
class CZuOutStream;

// Origins of CZuFile::Seek; any other value counts from the start.
enum TZuSeek
{
    EZuSeekBegin = 0,
    EZuSeekCurrent = 1,
    EZuSeekEnd = 2
};

// Modes of CZuFile::Open. Files that are only read are opened read-only, so that they can be read where
// the program may not write.
enum TZuFileMode
{
    EZuFileReadWrite = 0,
    EZuFileReadOnly = 1
};

// A thin file over a C library stream. Paths are UTF-8. Closed until Create or Open succeeds.
class CZuFile
{
public:
    CZuFile();
    // Closes the file if it is still open.
    virtual ~CZuFile();

    // Creates or truncates the file for reading and writing. The mode is not used.
    bool Create(const CZuString& path, int mode = 0);
    bool Replace(const CZuString& path, int mode = 0);
    // Opens an existing file for reading and writing, or for reading only with EZuFileReadOnly.
    bool Open(const CZuString& path, int mode = EZuFileReadWrite);
    void Close();
    bool IsOpen() const { return iHandle != nullptr; }

    // Returns the number of bytes read.
    int Read(void* data, int size);
    // Returns the number of bytes written.
    int Write(const void* data, int size);
    // Reads one Block (4-byte big-endian length, then the payload) into in and returns its length. A Block
    // that is cut short or claims more than the file still holds is not read: in is emptied, the position
    // goes to the end of the file and the result is 0.
    int Read(CZuInStream& in);
    // Writes out as one Block; returns the payload size, or -1 when the write failed.
    int Write(CZuOutStream& out);

    int Position() const;
    int Length() const;
    bool Seek(TZuSeek origin, int offset);
    // Truncates or extends the file.
    bool SetLength(int length);
    // Hands buffered writes to the system.
    bool Flush();
    // Flushes and waits until the system has stored the data.
    bool Sync();

    // True when the file can be opened for reading and writing.
    static bool FileExist(const CZuString& path);
    static bool FileCreate(const CZuString& path);
    static void FileDelete(const CZuString& path);
    // Every byte of the file at path into bytes. False, with bytes empty, when it cannot be opened, a read
    // fails, or it holds more than maxBytes.
    static bool ReadWhole(const CZuString& path, CZuBuffer& bytes, int maxBytes);
    // Creates every missing folder of path up to its last '/' ("a/b/c" makes a and a/b; "a/b/" makes a/b).
    // True when they all stand as folders afterwards.
    static bool MakeFoldersFor(const CZuString& path);

private:
    CZuFile(const CZuFile&) = delete;
    CZuFile& operator=(const CZuFile&) = delete;

    FILE* iHandle;
};

#endif // ZUFILE_H
