#ifndef COURSEINPUT_H
#define COURSEINPUT_H

// One fuzz input as the three files of a course: two 16-bit little-endian sizes (index, data), then the
// index bytes, the data bytes and, for the rest, the speech bytes, written as c.idx, c.dat and c.pro in a
// scratch folder that is made once per run and removed at exit.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace CourseInput
{

inline std::string& FolderPath()
{
    static std::string folder;
    return folder;
}

// The course and the new-word book a target may save beside it.
inline void RemoveFolder()
{
    for (const char* name : {"c.idx", "c.dat", "c.pro", "newword.idx", "newword.dat"})
        std::remove((FolderPath() + name).c_str());
    rmdir(FolderPath().c_str());
}

// The scratch folder, with a trailing "/".
inline const std::string& Folder()
{
    std::string& folder = FolderPath();
    if (folder.empty())
    {
        char pattern[] = "/tmp/zulex-fuzz-course-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            abort();
        folder = std::string(pattern) + "/";
        std::atexit(RemoveFolder);
    }
    return folder;
}

inline void WritePart(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        abort();
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);
}

// Writes the course "c" in Folder(); false when the input is too short to hold the two sizes.
inline bool Write(const uint8_t* data, size_t size)
{
    if (size < 4)
        return false;
    size_t indexSize = data[0] | (data[1] << 8);
    size_t dataSize = data[2] | (data[3] << 8);
    data += 4;
    size -= 4;
    indexSize = indexSize < size ? indexSize : size;
    dataSize = dataSize < size - indexSize ? dataSize : size - indexSize;
    const std::string& folder = Folder();
    WritePart(folder + "c.idx", data, indexSize);
    WritePart(folder + "c.dat", data + indexSize, dataSize);
    WritePart(folder + "c.pro", data + indexSize + dataSize, size - indexSize - dataSize);
    return true;
}

} // namespace CourseInput

#endif // COURSEINPUT_H
