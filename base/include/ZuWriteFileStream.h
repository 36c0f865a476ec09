#ifndef ZUWRITEFILESTREAM_H
#define ZUWRITEFILESTREAM_H

#include "ZuFile.h"
#include "ZuOutStream.h"
#include "ZuString.h"

// Writes items to a block file: the items are gathered in a pending Block, which is written once it holds
// 32768 bytes or more; an item never spans two Blocks. Create truncates the file at once. Replace writes
// beside the file and puts the new file in its place at Close, so the old file stays whole until then;
// destroying a stream without Close keeps the old file and drops what was written.
class CZuWriteFileStream
{
public:
    CZuWriteFileStream();
    virtual ~CZuWriteFileStream();

    bool Create(const CZuString& path);
    bool Replace(const CZuString& path);

    void WriteByte(unsigned char value);
    void WriteWord(unsigned short value);
    void WriteInteger(unsigned int value);
    void WriteBuffer(const void* data, int size);
    void WriteString(const CZuString& value);

    // Writes the pending Block if it is not empty.
    bool Flush();
    // Flushes and closes; false when any write failed (a replaced file is then left as it was).
    bool Close();

private:
    CZuWriteFileStream(const CZuWriteFileStream&) = delete;
    CZuWriteFileStream& operator=(const CZuWriteFileStream&) = delete;
    void CutBlockIfFull();
    void Abandon();

    CZuFile iFile;
    CZuOutStream iPending;
    // Set while a Replace is in progress: the file to put in place and the file written meanwhile.
    CZuString iReplacedPath;
    CZuString iTempPath;
    bool iFailed;
};

// Binary forms: Byte, Word, Integer and length-prefixed String.
CZuWriteFileStream& operator<<(CZuWriteFileStream& out, char value);
CZuWriteFileStream& operator<<(CZuWriteFileStream& out, short value);
CZuWriteFileStream& operator<<(CZuWriteFileStream& out, int value);
CZuWriteFileStream& operator<<(CZuWriteFileStream& out, const CZuString& value);

#endif // ZUWRITEFILESTREAM_H
