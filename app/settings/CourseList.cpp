#include "CourseList.h"

#include "Course.h"
#include "CourseOper.h"
#include "XmlText.h"
#include "ZuBuffer.h"
#include "ZuEnv.h"
#include "ZuFile.h"
#include "ZuLexIds.h"
#include "ZuObjectList.h"

#include <tinyxml.h>
#include <vector>

const char* const CCourseList::KNewWordFile = "newword";

namespace
{

void AppendCourses(const TiXmlDocument& document, CZuObjectList& courses)
{
    const TiXmlElement* root = document.RootElement();
    if (!root || root->ValueStr() != "course")
        return;
    for (const TiXmlElement* item = root->FirstChildElement("item"); item;
         item = item->NextSiblingElement("item"))
    {
        const char* name = item->GetText();
        const char* file = item->Attribute("file");
        if (!name || !*name || !file || !CCourseList::IsUsableFileName(CZuString(file)))
            continue;
        courses.Append(new CCourse(CZuString(name), CZuString(file)));
    }
}

// The list from length bytes at text that are followed by a zero byte (null text: no courses).
CZuObjectList* ListFrom(const char* terminated, int length)
{
    CZuObjectList* courses = new CZuObjectList(true);
    TiXmlDocument document;
    if (terminated && CXmlText::Parse(document, terminated, length))
        AppendCourses(document, *courses);
    courses->Append(new CCourse(CCourseList::NewWordName(), CZuString(CCourseList::KNewWordFile)));
    return courses;
}

} // namespace

CZuObjectList* CCourseList::Load()
{
    return Load(CCourseOper::CourseFolder() + "Course.xml");
}

CZuObjectList* CCourseList::Load(const CZuString& path)
{
    CZuBuffer text;
    if (!CZuFile::ReadWhole(path, text, KMaxFileSize))
        return ListFrom(nullptr, 0);
    int length = text.Size();
    // One byte more than the file holds, for the parser's terminating zero.
    text.Append(0);
    return ListFrom(reinterpret_cast<const char*>(text.Data()), length);
}

CZuObjectList* CCourseList::Parse(const char* text, int length)
{
    if (!text || length <= 0 || length > KMaxFileSize)
        return ListFrom(nullptr, 0);
    std::vector<char> terminated(text, text + length);
    terminated.push_back('\0');
    return ListFrom(terminated.data(), length);
}

bool CCourseList::IsUsableFileName(const CZuString& file)
{
    if (file.IsEmpty())
        return false;
    return file.Find('/') < 0 && file.Find('\\') < 0 && file.Find(CZuString("..")) < 0;
}

CZuString CCourseList::NewWordName()
{
    return CZuEnv::GetString(EZuLexStrCaptionNewword);
}
