// Feeds an index, a data and a speech file cut from one input to the open course: loading in order and at
// random, reading every clip, and saving what was read as a new-word book that must read back the same.
//
// Input: two 16-bit little-endian sizes (index, data), then the index bytes, the data bytes and, for the
// rest, the speech bytes.
#include "CourseOper.h"
#include "WordInfo.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace
{

std::string gFolder;

void RemoveFolder()
{
    for (const char* name : {"c.idx", "c.dat", "c.pro", "newword.idx", "newword.dat"})
        std::remove((gFolder + name).c_str());
    rmdir(gFolder.c_str());
}

// One scratch folder per run, removed at exit.
const std::string& Folder()
{
    if (gFolder.empty())
    {
        char pattern[] = "/tmp/zulex-fuzz-course-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            abort();
        gFolder = std::string(pattern) + "/";
        std::atexit(RemoveFolder);
    }
    return gFolder;
}

void WritePart(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        abort();
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);
}

void ReadEveryClip(const CCourseOper& course)
{
    for (int i = 0; i < course.WordCount(); ++i)
    {
        int length = 0;
        char* clip = course.ReadSpeech(*course.Word(i), length);
        if (clip != nullptr && length <= 0)
            abort();
        delete[] clip;
    }
}

bool SameTexts(const CWordInfo& a, const CWordInfo& b)
{
    return a.iSource == b.iSource && a.iWord == b.iWord && a.iPhonetic == b.iPhonetic &&
           a.iPhoneticNote == b.iPhoneticNote && a.iExplanation == b.iExplanation;
}

void SaveAndCompare(const CCourseOper& loaded)
{
    const std::string& folder = Folder();
    std::remove((folder + "newword.idx").c_str());
    std::remove((folder + "newword.dat").c_str());
    CCourseOper book("newword", folder.c_str());
    for (int i = 0; i < loaded.WordCount(); ++i)
        book.AppendWord(*loaded.Word(i));
    if (!book.Save())
        abort();
    CCourseOper back("newword", folder.c_str());
    back.LoadAll();
    if (back.WordCount() != loaded.WordCount())
        abort();
    for (int i = 0; i < back.WordCount(); ++i)
    {
        if (!SameTexts(*back.Word(i), *loaded.Word(i)))
            abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
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

    CCourseOper course("c", folder.c_str());
    course.LoadRange(1, 3);
    course.LoadRandomWord(0, 1000000, 20);
    ReadEveryClip(course);
    course.LoadAll();
    ReadEveryClip(course);
    CCourseOper::GetCourseWordCount("c", folder.c_str());
    SaveAndCompare(course);
    return 0;
}
