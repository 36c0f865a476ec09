// Feeds an index, a data and a speech file cut from one input (see CourseInput.h) to the open course:
// loading in order and at random, reading every clip, and saving what was read as a new-word book that must
// read back the same.
#include "CourseInput.h"
#include "CourseOper.h"
#include "WordInfo.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

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
    const std::string& folder = CourseInput::Folder();
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
    if (!CourseInput::Write(data, size))
        return 0;
    const std::string& folder = CourseInput::Folder();

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
