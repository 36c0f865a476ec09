#ifndef STRINGSTESTFILES_H
#define STRINGSTESTFILES_H

// Files for the string table, package and log tests: a private temporary folder per test, and builders
// of table and package images.
#include "TestFiles.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void PutLittleEndian(std::string& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

// A string table image: per text 4 unused bytes, the length and the bytes.
inline std::string TableImage(const std::vector<std::string>& texts)
{
    std::string image;
    for (const std::string& text : texts)
    {
        PutLittleEndian(image, 0xDEADBEEF);
        PutLittleEndian(image, static_cast<uint32_t>(text.size()));
        image += text;
    }
    return image;
}

struct TPackEntry
{
    std::string iName;
    std::string iFolder;
    std::string iData;
    std::string iText = "";
};

// A package image: leading value, count, directory, then the data in entry order.
inline std::string PackageImage(const std::vector<TPackEntry>& entries, uint32_t leading = 7)
{
    std::string directory;
    size_t directorySize = 0;
    for (const TPackEntry& entry : entries)
        directorySize += 20 + entry.iName.size() + entry.iText.size() + entry.iFolder.size();
    uint32_t offset = static_cast<uint32_t>(8 + directorySize);
    std::string data;
    for (const TPackEntry& entry : entries)
    {
        PutLittleEndian(directory, static_cast<uint32_t>(entry.iName.size()));
        directory += entry.iName;
        PutLittleEndian(directory, static_cast<uint32_t>(entry.iText.size()));
        directory += entry.iText;
        PutLittleEndian(directory, static_cast<uint32_t>(entry.iFolder.size()));
        directory += entry.iFolder;
        PutLittleEndian(directory, static_cast<uint32_t>(entry.iData.size()));
        PutLittleEndian(directory, offset);
        offset += static_cast<uint32_t>(entry.iData.size());
        data += entry.iData;
    }
    std::string image;
    PutLittleEndian(image, leading);
    PutLittleEndian(image, static_cast<uint32_t>(entries.size()));
    return image + directory + data;
}

#endif // STRINGSTESTFILES_H
