#ifndef ZUOUTSTREAM_H
#define ZUOUTSTREAM_H

#include "ZuBuffer.h"

class CZuString;

// Serialises items into memory, always at the end: Bytes, big-endian Words and Integers, and Strings as a
// 4-byte length followed by the bytes.
class CZuOutStream
{
public:
    CZuOutStream();
    virtual ~CZuOutStream();

    void WriteByte(unsigned char value);
    void WriteWord(unsigned short value);
    void WriteInteger(unsigned int value);
    void WriteString(const CZuString& value);
    void WriteBuffer(const void* data, int size);

    int Size() const { return iBuffer.Size(); }
    operator char*() const { return reinterpret_cast<char*>(iBuffer.Data()); }
    operator unsigned char*() const { return iBuffer.Data(); }
    const unsigned char* Data() const { return iBuffer.Data(); }

    // Size 0; the memory is kept.
    void Reset() { iBuffer.Clear(); }
    void Erase(int pos, int count) { iBuffer.Erase(pos, count); }

    // False from 2048 bytes on; true below 4 bytes; otherwise whether byte 3 is a space.
    bool Check() const;
    // Whether the bytes held contain a line feed.
    bool TestLine() const;
    // Takes the first line (without CR LF or LF) off the front; line has no storage when there is none.
    void ReadLine(CZuString& line);

private:
    CZuBuffer iBuffer;
};

// Text forms: the byte, the decimal text ("%d") of the number, the string's bytes without a length.
CZuOutStream& operator<<(CZuOutStream& out, char value);
CZuOutStream& operator<<(CZuOutStream& out, int value);
CZuOutStream& operator<<(CZuOutStream& out, const CZuString& value);

#endif // ZUOUTSTREAM_H
