#include "WordConfig.h"

#include "CourseList.h"
#include "CourseOper.h"
#include "ZuBuffer.h"
#include "ZuFile.h"
#include "ZuInStream.h"
#include "ZuObjectList.h"
#include "ZuPathUtil.h"
#include "ZuWriteFileStream.h"

#include <climits>
#include <sys/stat.h>
#include <vector>

namespace
{

const char KFileName[] = "Word.cfg";
const int KBlockHeaderSize = 4;
const int KDefaultTestRange = CWordConfig::ETestGroup;

unsigned int BigEndian32(const unsigned char* p)
{
    return (static_cast<unsigned int>(p[0]) << 24) | (static_cast<unsigned int>(p[1]) << 16) |
           (static_cast<unsigned int>(p[2]) << 8) | static_cast<unsigned int>(p[3]);
}

// The items of a block file, the payloads of its Blocks in order. A Block that claims more than the file
// holds ends the items there: nothing after a damaged length can be trusted.
std::vector<unsigned char> BlockPayloads(const unsigned char* data, int length)
{
    std::vector<unsigned char> items;
    int at = 0;
    while (data && length - at >= KBlockHeaderSize)
    {
        unsigned int size = BigEndian32(data + at);
        at += KBlockHeaderSize;
        if (size > static_cast<unsigned int>(length - at))
            break;
        items.insert(items.end(), data + at, data + at + size);
        at += static_cast<int>(size);
    }
    return items;
}

// Reads items in file order and remembers the first one that was not all there: it and every item
// after it are left to their defaults.
class TItemReader
{
public:
    explicit TItemReader(const std::vector<unsigned char>& items)
        : iIn(items.data(), static_cast<int>(items.size()), false), iWhole(true)
    {
    }

    bool Whole() const { return iWhole; }

    void Integer(int& value)
    {
        iWhole = iWhole && iIn.Available() >= 4;
        if (iWhole)
            value = static_cast<int>(iIn.ReadInteger());
    }

    void Boolean(bool& value)
    {
        int read = value ? 1 : 0;
        Integer(read);
        value = read != 0;
    }

    void String(CZuString& value)
    {
        iWhole = iWhole && iIn.Available() >= 4 &&
                 BigEndian32(iIn.Current()) <= static_cast<unsigned int>(iIn.Available() - 4);
        if (iWhole)
            iIn.ReadString(value);
    }

private:
    CZuInStream iIn;
    bool iWhole;
};

bool Exists(const CZuString& path)
{
    struct stat status;
    return stat(Str(path), &status) == 0;
}

bool IsCountPerGroup(int count)
{
    return count >= 1 && count <= CWordConfig::KMaxCountPerGroup;
}

bool IsTestRange(int range)
{
    return range >= CWordConfig::ETestGroup && range <= CWordConfig::ETestCourse;
}

// The name the course list gives file, or file itself when the list does not have it.
CZuString CourseName(const CZuString& file)
{
    CZuObjectList* courses = CCourseList::Load();
    CZuString name = file;
    for (int i = 0; i < courses->GetCount(); ++i)
    {
        CCourse* course = static_cast<CCourse*>(courses->GetAt(i));
        if (course->iFile == file)
        {
            name = course->iName;
            break;
        }
    }
    delete courses;
    return name;
}

} // namespace

CWordConfig::CWordConfig()
    : iPath(CZuPathUtil::GetDataPath() + KFileName), iGroup(0), iWord(0), iUiTransform(true),
      iCountPerGroup(KDefaultCountPerGroup), iWordSpeech(0), iTestRange(KDefaultTestRange)
{
    Load();
}

CWordConfig::~CWordConfig() {}

void CWordConfig::Load()
{
    if (!Exists(iPath))
    {
        SetDefaults();
        Save();
        return;
    }
    // A file that is there but cannot be read is kept for the next save point to replace.
    CZuBuffer bytes;
    CZuFile::ReadWhole(iPath, bytes, KMaxFileSize);
    Decode(bytes.Data(), bytes.Size());
}

bool CWordConfig::Decode(const unsigned char* data, int length)
{
    // The course is chosen after reading, when the file gave none that can be used.
    iCourse = CCourse();
    TakeDefaultPlaceAndPreferences();
    iTrailingText.Empty();

    std::vector<unsigned char> items = BlockPayloads(data, length < 0 ? 0 : length);
    TItemReader reader(items);
    // Any format number reads as this layout: it is the only one there has been.
    int format = KFormat;
    reader.Integer(format);
    reader.String(iCourse.iName);
    reader.String(iCourse.iFile);
    reader.Integer(iGroup);
    reader.Integer(iWord);
    reader.Boolean(iUiTransform);
    reader.Integer(iCountPerGroup);
    reader.Integer(iWordSpeech);
    reader.Integer(iTestRange);
    reader.String(iTrailingText);
    CheckFields();
    return reader.Whole();
}

void CWordConfig::CheckFields()
{
    if (!CCourseList::IsUsableFileName(iCourse.iFile))
        TakeDefaultCourse();
    else if (iCourse.iName.IsEmpty())
        iCourse.iName = CourseName(iCourse.iFile);
    if (!IsCountPerGroup(iCountPerGroup))
        iCountPerGroup = KDefaultCountPerGroup;
    if (!IsTestRange(iTestRange))
        iTestRange = KDefaultTestRange;
    SetGroup(iGroup);
    SetWord(iWord);
    if (iWord >= iCountPerGroup)
        iWord = iCountPerGroup - 1;
}

bool CWordConfig::Save()
{
    CZuWriteFileStream out;
    if (!out.Replace(iPath))
        return false;
    out << KFormat << iCourse.iName << iCourse.iFile << iGroup << iWord << (iUiTransform ? 1 : 0)
        << iCountPerGroup << iWordSpeech << iTestRange << iTrailingText;
    return out.Close();
}

void CWordConfig::SetDefaults()
{
    CZuFile::FileDelete(iPath);
    TakeDefaultCourse();
    TakeDefaultPlaceAndPreferences();
}

void CWordConfig::TakeDefaultPlaceAndPreferences()
{
    iGroup = 0;
    iWord = 0;
    iUiTransform = true;
    iCountPerGroup = KDefaultCountPerGroup;
    iWordSpeech = 0;
    iTestRange = KDefaultTestRange;
}

void CWordConfig::TakeDefaultCourse()
{
    CZuObjectList* courses = LoadCourseList();
    // The list always ends with the new-word book, so it is never empty.
    iCourse = *static_cast<CCourse*>(courses->GetAt(0));
    delete courses;
}

void CWordConfig::SetCourse(const CCourse& course)
{
    iCourse = course;
    iGroup = 0;
    iWord = 0;
    Save();
}

int CWordConfig::GetCourseWordCount(const CZuString& file) const
{
    if (!CCourseList::IsUsableFileName(file))
        return 0;
    return CCourseOper::GetCourseWordCount(file);
}

CZuObjectList* CWordConfig::LoadCourseList() const
{
    return CCourseList::Load();
}

void CWordConfig::SetGroup(int group)
{
    iGroup = group >= 0 ? group : 0;
}

void CWordConfig::SetWord(int word)
{
    iWord = word >= 0 ? word : 0;
}

void CWordConfig::SetCountPerGroup(int count)
{
    iCountPerGroup = IsCountPerGroup(count) ? count : KDefaultCountPerGroup;
}

void CWordConfig::SetTestRange(int range)
{
    iTestRange = IsTestRange(range) ? range : KDefaultTestRange;
}

int CWordConfig::FirstWordOfGroup() const
{
    long long first = static_cast<long long>(iGroup) * iCountPerGroup;
    return first > INT_MAX ? INT_MAX : static_cast<int>(first);
}

void CWordConfig::ClampToCourse(int courseWords)
{
    int first = FirstWordOfGroup();
    if (courseWords <= 0 || first >= courseWords)
    {
        iGroup = 0;
        iWord = 0;
        first = 0;
    }
    int inGroup = courseWords - first < iCountPerGroup ? courseWords - first : iCountPerGroup;
    ClampWord(inGroup);
}

void CWordConfig::FitToShortenedCourse(int courseWords)
{
    if (FirstWordOfGroup() < courseWords)
        return;
    iGroup = courseWords > 0 ? (courseWords - 1) / iCountPerGroup : 0;
    iWord = 0;
}

int CWordConfig::ClampWord(int loadedWords)
{
    if (loadedWords > 0 && iWord >= loadedWords)
        iWord = loadedWords - 1;
    return iWord;
}
