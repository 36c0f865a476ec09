#ifndef ZUREADONLYFILE_H
#define ZUREADONLYFILE_H

#include <cstdio>

class CZuString;

// A file opened for reading only (resource files may live where the program cannot write), with its
// length taken once at opening. Reads never go past that length. Internal to the toolkit.
class CZuReadOnlyFile
{
public:
    CZuReadOnlyFile();
    ~CZuReadOnlyFile();

    bool Open(const char* path);
    void Close();
    bool IsOpen() const { return iHandle != nullptr; }

    // Length at opening; files beyond 2 GiB count as 2 GiB - 1 bytes.
    int Length() const { return iLength; }
    // Reads exactly size bytes at offset; false when the file does not hold them.
    bool ReadAt(int offset, void* data, int size);

    // Reads the whole file into a new[] block of exactly its length (null for an empty or unreadable file).
    static unsigned char* ReadWhole(const char* path, int& length);

private:
    CZuReadOnlyFile(const CZuReadOnlyFile&) = delete;
    CZuReadOnlyFile& operator=(const CZuReadOnlyFile&) = delete;

    std::FILE* iHandle;
    int iLength;
};

#endif // ZUREADONLYFILE_H
