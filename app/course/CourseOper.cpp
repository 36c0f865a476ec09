#include "CourseOper.h"

#include "WordInfo.h"
#include "ZuFile.h"
#include "ZuLittleEndian.h"
#include "ZuPathUtil.h"
#include "ZuRandom.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace
{

const int KHeaderSize = 8;
const int KAllWords = 10000000;

// Suffixes of the files a save writes beside the course.
const char KTempSuffix[] = ".tmp";
const char KNewSuffix[] = ".new";

CZuString WithSlash(const CZuString& folder)
{
    if (folder.IsEmpty() || folder[folder.Length() - 1] == '/')
        return folder;
    return folder + "/";
}

bool Exists(const CZuString& path)
{
    return access(Str(path), F_OK) == 0;
}

bool RenameIfExists(const CZuString& from, const CZuString& to)
{
    if (!Exists(from))
        return true;
    return std::rename(Str(from), Str(to)) == 0;
}

// Makes the renames in folder durable.
void SyncFolder(const CZuString& folder)
{
    int fd = open(folder.IsEmpty() ? "." : Str(folder), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

// The paths of one course and of the files a save writes beside it.
struct TCourseFiles
{
    TCourseFiles(const CZuString& folder, const CZuString& name)
        : iFolder(folder), iIndex(folder + name + ".idx"), iData(folder + name + ".dat"),
          iSpeech(folder + name + ".pro")
    {
    }

    // A save got as far as N.idx.new: every new file is complete, so put them in place. The index goes
    // last, so that until then the old index and the new data are never read together.
    bool FinishInterruptedSave() const
    {
        CZuString newIndex = iIndex + KNewSuffix;
        if (!Exists(newIndex))
            return true;
        bool moved = RenameIfExists(iData + KNewSuffix, iData) &&
                     RenameIfExists(iSpeech + KNewSuffix, iSpeech) &&
                     std::rename(Str(newIndex), Str(iIndex)) == 0;
        SyncFolder(iFolder);
        return moved;
    }

    CZuString iFolder;
    CZuString iIndex;
    CZuString iData;
    CZuString iSpeech;
};

bool WriteHeader(CZuFile& file, int format, int count)
{
    unsigned char header[KHeaderSize];
    CZuLittleEndian::WriteInt32(header, format);
    CZuLittleEndian::WriteInt32(header + 4, count);
    return file.Write(header, KHeaderSize) == KHeaderSize;
}

// The number of entries the index can give: its word count, but no more than the file holds.
int UsableCount(unsigned int count, int fileLength)
{
    unsigned int held = static_cast<unsigned int>((fileLength - KHeaderSize) / CWordInfo::KIndexEntrySize);
    return static_cast<int>(count < held ? count : held);
}

// Opens path and reads its header. Returns the usable word count, or -1 when it cannot be opened.
int OpenIndexFile(const CZuString& path, CZuFile& index, int& format)
{
    if (!index.Open(path, EZuFileReadOnly))
        return -1;
    unsigned char header[KHeaderSize];
    int length = index.Length();
    if (length < KHeaderSize || index.Read(header, KHeaderSize) != KHeaderSize)
        return 0;
    format = CZuLittleEndian::ReadInt32(header);
    return UsableCount(static_cast<unsigned int>(CZuLittleEndian::ReadInt32(header + 4)), length);
}

// The random source is seeded once: seeding again within the same second would repeat the same draws.
void SeedRandomOnce()
{
    static bool seeded = false;
    if (seeded)
        return;
    CZuRandom::Init();
    seeded = true;
}

} // namespace

CZuString CCourseOper::CourseFolder()
{
    return CZuPathUtil::GetResourcePath() + "course/";
}

CCourseOper::CCourseOper(const CZuString& name) : CCourseOper(name, CourseFolder()) {}

CCourseOper::CCourseOper(const CZuString& name, const CZuString& folder)
    : iName(name), iFolder(WithSlash(folder)), iFormat(1), iCount(0), iWords(true), iDirty(false),
      iShortenedTexts(0)
{
    TCourseFiles files(iFolder, iName);
    iIndexPath = files.iIndex;
    iDataPath = files.iData;
    iSpeechPath = files.iSpeech;
}

CCourseOper::~CCourseOper() {}

CZuString CCourseOper::NewSpeechPath() const
{
    return iSpeechPath + KNewSuffix;
}

CWordInfo* CCourseOper::Word(int i) const
{
    return static_cast<CWordInfo*>(iWords.GetAt(i));
}

int CCourseOper::OpenIndex(CZuFile& index)
{
    TCourseFiles(iFolder, iName).FinishInterruptedSave();
    int usable = OpenIndexFile(iIndexPath, index, iFormat);
    if (usable >= 0)
        iCount = usable;
    return usable;
}

void CCourseOper::LoadRange(int start, int n)
{
    if (start < 0 || n <= 0)
        return;
    CZuFile index;
    int usable = OpenIndex(index);
    if (usable >= 0)
    {
        long long end = static_cast<long long>(start) + n;
        if (end > usable)
            end = usable;
        iWords.DeleteAll();
        int count = end > start ? static_cast<int>(end - start) : 0;
        if (count > 0)
        {
            std::vector<unsigned char> entries(static_cast<size_t>(count) * CWordInfo::KIndexEntrySize);
            index.Seek(EZuSeekBegin, KHeaderSize + start * CWordInfo::KIndexEntrySize);
            int got =
                index.Read(entries.data(), static_cast<int>(entries.size())) / CWordInfo::KIndexEntrySize;
            for (int i = 0; i < got; ++i)
            {
                CWordInfo* word = new CWordInfo;
                word->ReadIndexEntry(&entries[static_cast<size_t>(i) * CWordInfo::KIndexEntrySize]);
                iWords.Append(word);
            }
        }
        index.Close();
    }
    ReadRecords();
}

void CCourseOper::LoadAll()
{
    LoadRange(0, KAllWords);
}

void CCourseOper::LoadRandomWord(int start, int end, int n)
{
    if (start < 0 || n <= 0)
        return;
    CZuFile index;
    int usable = OpenIndex(index);
    if (usable >= 0)
    {
        int upper = static_cast<unsigned int>(end) < static_cast<unsigned int>(usable) ? end : usable;
        std::vector<int> pool;
        if (start < upper)
        {
            pool.reserve(upper - start);
            for (int position = start; position < upper; ++position)
                pool.push_back(position);
        }
        iWords.DeleteAll();
        SeedRandomOnce();
        for (int drawn = 0; drawn < n && !pool.empty(); ++drawn)
        {
            int r = CZuRandom::Rand() % static_cast<int>(pool.size());
            int position = pool[r];
            pool.erase(pool.begin() + r);
            unsigned char entry[CWordInfo::KIndexEntrySize];
            index.Seek(EZuSeekBegin, KHeaderSize + position * CWordInfo::KIndexEntrySize);
            if (index.Read(entry, CWordInfo::KIndexEntrySize) != CWordInfo::KIndexEntrySize)
                break;
            CWordInfo* word = new CWordInfo;
            word->ReadIndexEntry(entry);
            iWords.Append(word);
        }
        index.Close();
    }
    ReadRecords();
}

void CCourseOper::ReadRecords()
{
    if (iWords.GetCount() == 0)
        return;
    CZuFile data;
    if (!data.Open(iDataPath, EZuFileReadOnly))
        return;
    for (int i = 0; i < iWords.GetCount(); ++i)
        Word(i)->ReadRecord(data);
    data.Close();
}

char* CCourseOper::ReadSpeech(const CWordInfo& word, int& length) const
{
    if (word.iSpeechLength <= 0 || word.iSpeechOffset < 0)
        return nullptr;
    CZuString path = word.iSource.IsEmpty() ? iSpeechPath : iFolder + word.iSource + ".pro";
    CZuFile speech;
    if (!speech.Open(path, EZuFileReadOnly))
        return nullptr;
    // Never more than the file holds from the clip's offset on.
    int available = speech.Length() - word.iSpeechOffset;
    int size = word.iSpeechLength < available ? word.iSpeechLength : available;
    if (size <= 0 || !speech.Seek(EZuSeekBegin, word.iSpeechOffset))
        return nullptr;
    char* clip = new char[size];
    size = speech.Read(clip, size);
    speech.Close();
    if (size <= 0)
    {
        delete[] clip;
        return nullptr;
    }
    // The bytes at even positions of a clip are stored complemented.
    for (int i = 0; i < size; i += 2)
        clip[i] = static_cast<char>(~clip[i]);
    length = size;
    return clip;
}

bool CCourseOper::Contains(const CWordInfo& word) const
{
    for (int i = 0; i < iWords.GetCount(); ++i)
    {
        if (Word(i)->iWord == word.iWord)
            return true;
    }
    return false;
}

int CCourseOper::AppendWord(const CWordInfo& word)
{
    iWords.Append(new CWordInfo(word));
    iCount = iWords.GetCount();
    iDirty = true;
    return iCount;
}

int CCourseOper::DeleteWord(int i)
{
    iWords.Delete(i);
    iCount = iWords.GetCount();
    iDirty = true;
    return iCount;
}

bool CCourseOper::Save()
{
    if (!iDirty)
        return true;
    TCourseFiles files(iFolder, iName);
    if (!files.FinishInterruptedSave())
        return false;
    CZuString tempIndex = iIndexPath + KTempSuffix;
    CZuString newIndex = iIndexPath + KNewSuffix;
    CZuString newData = iDataPath + KNewSuffix;
    if (!WriteCourse(tempIndex, newData) || std::rename(Str(tempIndex), Str(newIndex)) != 0)
    {
        CZuFile::FileDelete(tempIndex);
        CZuFile::FileDelete(newData);
        return false;
    }
    SyncFolder(iFolder);
    if (!files.FinishInterruptedSave())
        return false;
    iDirty = false;
    return true;
}

bool CCourseOper::WriteCourse(const CZuString& indexPath, const CZuString& dataPath)
{
    CZuFile index;
    CZuFile data;
    iCount = iWords.GetCount();
    iShortenedTexts = 0;
    if (!index.Create(indexPath) || !data.Create(dataPath))
        return false;
    if (!WriteHeader(index, iFormat, iCount) || !WriteHeader(data, iFormat, iCount))
        return false;
    for (int i = 0; i < iCount; ++i)
    {
        CWordInfo* word = Word(i);
        word->iIndex = i;
        word->iDataOffset = data.Position();
        int shortened = word->WriteRecord(data);
        if (shortened < 0 || !word->WriteIndexEntry(index))
            return false;
        iShortenedTexts += shortened;
    }
    return index.Sync() && data.Sync();
}

int CCourseOper::GetCourseWordCount(const CZuString& file)
{
    return GetCourseWordCount(file, CourseFolder());
}

int CCourseOper::GetCourseWordCount(const CZuString& file, const CZuString& folder)
{
    TCourseFiles files(WithSlash(folder), file);
    files.FinishInterruptedSave();
    CZuFile index;
    int format = 0;
    int count = OpenIndexFile(files.iIndex, index, format);
    return count > 0 ? count : 0;
}
