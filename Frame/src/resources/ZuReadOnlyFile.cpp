#include "ZuReadOnlyFile.h"

#include <climits>

CZuReadOnlyFile::CZuReadOnlyFile() : iHandle(nullptr), iLength(0) {}

CZuReadOnlyFile::~CZuReadOnlyFile()
{
    Close();
}

bool CZuReadOnlyFile::Open(const char* path)
{
    Close();
    if (path == nullptr)
        return false;
    iHandle = std::fopen(path, "rb");
    if (iHandle == nullptr)
        return false;
    long length = -1;
    if (std::fseek(iHandle, 0, SEEK_END) == 0)
        length = std::ftell(iHandle);
    if (length < 0)
    {
        // Not a seekable file (a directory, a pipe): nothing can be read from it safely.
        Close();
        return false;
    }
    iLength = length > INT_MAX ? INT_MAX : static_cast<int>(length);
    return true;
}

void CZuReadOnlyFile::Close()
{
    if (iHandle != nullptr)
        std::fclose(iHandle);
    iHandle = nullptr;
    iLength = 0;
}

bool CZuReadOnlyFile::ReadAt(int offset, void* data, int size)
{
    if (iHandle == nullptr || offset < 0 || size < 0 || offset > iLength || size > iLength - offset)
        return false;
    if (size == 0)
        return true;
    if (std::fseek(iHandle, offset, SEEK_SET) != 0)
        return false;
    return std::fread(data, 1, static_cast<size_t>(size), iHandle) == static_cast<size_t>(size);
}

unsigned char* CZuReadOnlyFile::ReadWhole(const char* path, int& length)
{
    length = 0;
    CZuReadOnlyFile file;
    if (!file.Open(path) || file.Length() == 0)
        return nullptr;
    unsigned char* data = new unsigned char[file.Length()];
    if (!file.ReadAt(0, data, file.Length()))
    {
        delete[] data;
        return nullptr;
    }
    length = file.Length();
    return data;
}
