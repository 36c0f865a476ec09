#include "CourseChecker.h"

#include "AmrFormat.h"
#include "CourseOper.h"
#include "WholeFile.h"
#include "WordInfo.h"
#include "ZuFile.h"
#include "ZuLittleEndian.h"
#include "ZuUnicode.h"

#include <algorithm>
#include <sys/stat.h>

namespace
{

const int KHeaderSize = 8;

long long FileSize(const std::string& path)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return static_cast<long long>(info.st_size);
}

std::string Text(const CZuString& text)
{
    return std::string(Str(text), static_cast<size_t>(text.Length()));
}

} // namespace

CCourseChecker::CCourseChecker(const std::string& folder, const std::string& name)
    : iFolder(folder), iName(name), iReport(nullptr), iProblems(0), iWords(0), iClips(0), iDataSize(-1)
{
}

void CCourseChecker::Problem(const std::string& message)
{
    ++iProblems;
    std::fprintf(iReport, "%s%s: %s\n", iFolder.c_str(), iName.c_str(), message.c_str());
}

void CCourseChecker::WordProblem(int i, const std::string& word, const std::string& message)
{
    std::string label = "word " + std::to_string(i);
    if (!word.empty())
        label += " '" + word + "'";
    Problem(label + ": " + message);
}

int CCourseChecker::Check(FILE* report)
{
    iReport = report;
    iProblems = 0;
    iWords = 0;
    iClips = 0;
    // Also finishes a save that was interrupted, as the program would.
    CCourseOper::GetCourseWordCount(iName.c_str(), iFolder.c_str());

    std::vector<unsigned char> index;
    if (!ReadFileWhole(iFolder + iName + ".idx", index))
    {
        Problem("the index file cannot be read");
        return iProblems;
    }
    if (index.size() < KHeaderSize)
    {
        Problem("the index file is shorter than its 8-byte header");
        return iProblems;
    }
    int count = CZuLittleEndian::ReadInt32(&index[4]);
    long long held = static_cast<long long>(index.size() - KHeaderSize) / CWordInfo::KIndexEntrySize;
    if (count < 0 || count > held)
        Problem("the index header counts " + std::to_string(count) + " words but the file holds " +
                std::to_string(held) + " entries");
    int usable = count < 0 || count > held ? static_cast<int>(held) : count;

    CZuFile data;
    iDataSize = FileSize(iFolder + iName + ".dat");
    if (!data.Open((iFolder + iName + ".dat").c_str()) || iDataSize < KHeaderSize)
    {
        Problem(iDataSize < 0 ? "the data file cannot be opened"
                              : "the data file is shorter than its header");
        return iProblems;
    }
    unsigned char dataHeader[KHeaderSize];
    if (data.Read(dataHeader, KHeaderSize) != KHeaderSize ||
        std::equal(dataHeader, dataHeader + KHeaderSize, index.begin()) == false)
        Problem("the data file's header differs from the index file's");

    for (int i = 0; i < usable; ++i)
        CheckWord(i, &index[KHeaderSize + static_cast<size_t>(i) * CWordInfo::KIndexEntrySize], data);
    iWords = usable;
    return iProblems;
}

void CCourseChecker::CheckWord(int i, const unsigned char* entry, CZuFile& data)
{
    CWordInfo word;
    word.ReadIndexEntry(entry);
    if (word.iIndex != i)
        WordProblem(i, "", "its index entry gives the position " + std::to_string(word.iIndex));
    if (word.iDataOffset < KHeaderSize || word.iDataOffset >= iDataSize)
    {
        WordProblem(i, "",
                    "its record offset " + std::to_string(word.iDataOffset) + " is outside the data file");
        return;
    }
    bool whole = word.ReadRecord(data);
    std::string name = Text(word.iWord);
    if (!whole)
        WordProblem(i, name, "its record is cut short by the end of the data file");
    else if (word.iWord.IsEmpty())
        WordProblem(i, name, "its record has no word, so its other texts cannot be read");
    else if (word.iPhonetic.IsEmpty())
        WordProblem(i, name, "its record has no phonetic, so its note and explanation cannot be read");
    else if (word.iPhoneticNote.IsEmpty())
        WordProblem(i, name, "its record has no phonetic note, so its explanation cannot be read");
    else if (word.iExplanation.IsEmpty())
        WordProblem(i, name, "its record has no explanation");
    for (const CZuString* text :
         {&word.iSource, &word.iWord, &word.iPhonetic, &word.iPhoneticNote, &word.iExplanation})
    {
        if (!CZuUnicode::IsValidUtf8(Str(*text), text->Length()))
        {
            WordProblem(i, "", "a text of its record is not valid UTF-8");
            break;
        }
    }

    if (word.iSpeechLength < 0)
        WordProblem(i, name, "negative speech length " + std::to_string(word.iSpeechLength));
    if (word.iSpeechLength <= 0)
        return;
    std::string clipProblem = CheckClip(Text(word.iSource), word.iSpeechOffset, word.iSpeechLength);
    if (!clipProblem.empty())
    {
        WordProblem(i, name, clipProblem);
        return;
    }
    CCourseOper course(iName.c_str(), iFolder.c_str());
    int length = 0;
    char* clip = course.ReadSpeech(word, length);
    int frames = 0;
    std::string amrProblem =
        clip == nullptr ? "its clip cannot be read"
                        : CAmrFormat::Validate(reinterpret_cast<unsigned char*>(clip), length, frames);
    delete[] clip;
    if (!amrProblem.empty())
    {
        WordProblem(i, name, "its clip " + amrProblem);
        return;
    }
    ++iClips;
}

std::string CCourseChecker::CheckClip(const std::string& source, int offset, int length)
{
    std::string file = (source.empty() ? iName : source) + ".pro";
    long long size = SpeechSize(file);
    if (size < 0)
        return "its speech file " + file + " is missing";
    if (offset < 0 || static_cast<long long>(offset) + length > size)
        return "its clip (" + std::to_string(length) + " bytes at " + std::to_string(offset) +
               ") lies outside " + file + " (" + std::to_string(size) + " bytes)";
    return "";
}

long long CCourseChecker::SpeechSize(const std::string& file)
{
    auto known = iSpeechSizes.find(file);
    if (known != iSpeechSizes.end())
        return known->second;
    long long size = FileSize(iFolder + file);
    iSpeechSizes[file] = size;
    return size;
}
