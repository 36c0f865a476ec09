#ifndef ZUREADFILESTREAM_H
#define ZUREADFILESTREAM_H

#include "ZuFile.h"

class CZuInStream;
class CZuString;

// Reads the items of a block file back, one Block in memory at a time. Past the end, and past a damaged
// Block, reads give 0 and strings with no storage.
class CZuReadFileStream
{
public:
    CZuReadFileStream();
    // Closes the file if it is still open.
    virtual ~CZuReadFileStream();

    // Opens the file for reading only.
    bool Open(const CZuString& path);

    unsigned char ReadByte();
    unsigned short ReadWord();
    unsigned int ReadInteger();
    int ReadBuffer(void* data, int size);
    void ReadString(CZuString& value);

    void Close();

private:
    CZuReadFileStream(const CZuReadFileStream&) = delete;
    CZuReadFileStream& operator=(const CZuReadFileStream&) = delete;
    // Reads the next Block when the current one is used up.
    void Refill();

    CZuFile iFile;
    CZuInStream* iBlock;
};

CZuReadFileStream& operator>>(CZuReadFileStream& in, unsigned char& value);
CZuReadFileStream& operator>>(CZuReadFileStream& in, unsigned short& value);
CZuReadFileStream& operator>>(CZuReadFileStream& in, unsigned int& value);
CZuReadFileStream& operator>>(CZuReadFileStream& in, CZuString& value);

#endif // ZUREADFILESTREAM_H
