#ifndef ZUINSTREAM_H
#define ZUINSTREAM_H

class CZuString;

// Reads the items of CZuOutStream back from bytes in memory. Reads never go past the data: an exhausted
// stream gives 0 and strings with no storage.
class CZuInStream
{
public:
    // When ownsData is set the stream deletes the bytes (allocated with new[]).
    CZuInStream(const unsigned char* data = nullptr, int size = 0, bool ownsData = false);
    virtual ~CZuInStream();

    // Releases owned data, then as the constructor.
    void Set(const unsigned char* data, int size, bool ownsData);
    // Releases owned data and owns a new block of size (+1) bytes for the caller to fill through Data().
    void Set(int size);

    int Size() const { return iSize; }
    int Cursor() const { return iCursor; }
    // Kept within 0..Size().
    void SetCursor(int cursor);
    int Available() const { return iSize - iCursor; }
    bool IsEnd() const { return iCursor == iSize; }
    const unsigned char* Current() const { return iData + iCursor; }
    // Kept within the data.
    void Skip(int count);

    unsigned char* Data() const { return iData; }
    operator char*() const { return reinterpret_cast<char*>(iData); }
    operator unsigned char*() const { return iData; }

    // 0 when the item is not all there; the cursor then stays.
    unsigned char ReadByte();
    unsigned short ReadWord();
    unsigned int ReadInteger();
    // Copies what is there of size bytes; returns how many.
    int ReadBuffer(void* data, int size);
    // No storage for an empty string, for fewer than 4 bytes left, and for a length beyond the data (the
    // rest of the data is then skipped).
    void ReadString(CZuString& value);

private:
    CZuInStream(const CZuInStream&) = delete;
    CZuInStream& operator=(const CZuInStream&) = delete;
    void Release();

    unsigned char* iData;
    bool iOwnsData;
    int iCursor;
    int iSize;
};

CZuInStream& operator>>(CZuInStream& in, unsigned char& value);
CZuInStream& operator>>(CZuInStream& in, unsigned short& value);
CZuInStream& operator>>(CZuInStream& in, unsigned int& value);
CZuInStream& operator>>(CZuInStream& in, CZuString& value);

#endif // ZUINSTREAM_H
