#include "WholeFile.h"

#include "ZuBuffer.h"
#include "ZuFile.h"
#include "ZuString.h"

#include <climits>
#include <cstdio>

namespace
{

template <class TBytes> bool ReadInto(const std::string& path, TBytes& bytes)
{
    bytes.clear();
    CZuBuffer whole;
    if (!CZuFile::ReadWhole(CZuString(path.c_str()), whole, INT_MAX))
        return false;
    bytes.assign(whole.Data(), whole.Data() + whole.Size());
    return true;
}

} // namespace

bool ReadFileWhole(const std::string& path, std::string& bytes)
{
    return ReadInto(path, bytes);
}

bool ReadFileWhole(const std::string& path, std::vector<unsigned char>& bytes)
{
    return ReadInto(path, bytes);
}

bool WriteFileWhole(const std::string& path, const std::string& bytes)
{
    std::string temporary = path + ".tmp";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0)
        written = false;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0)
    {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
