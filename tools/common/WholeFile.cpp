#include "WholeFile.h"

#include <cstdio>

namespace
{

template <class TBytes> bool ReadInto(const std::string& path, TBytes& bytes)
{
    bytes.clear();
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
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
