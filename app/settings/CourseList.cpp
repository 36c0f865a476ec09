#include "CourseList.h"

#include "Course.h"
#include "CourseOper.h"
#include "XmlText.h"
#include "XmlUtil.h"
#include "ZuEnv.h"
#include "ZuLexIds.h"
#include "ZuObjectList.h"

#include <tinyxml.h>
#include <vector>

const char* const CCourseList::KNewWordFile = "newword";

namespace
{

void AppendCourses(TiXmlDocument& document, CZuObjectList& courses)
{
    for (const TiXmlElement* item = CXmlUtil::GetElementFromDoc(document, "course\\item"); item;
         item = item->NextSiblingElement("item"))
    {
        const char* name = item->GetText();
        const char* file = item->Attribute("file");
        if (!name || !*name || !file || !CCourseList::IsUsableFileName(CZuString(file)))
            continue;
        courses.Append(new CCourse(CZuString(name), CZuString(file)));
    }
}

// The courses of a parsed list (none when it could not be parsed), then the new-word book.
CZuObjectList* ListOf(TiXmlDocument& document, bool parsed)
{
    CZuObjectList* courses = new CZuObjectList(true);
    if (parsed)
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
    TiXmlDocument document;
    return ListOf(document, CXmlText::ParseFile(document, path, KMaxFileSize));
}

CZuObjectList* CCourseList::Parse(const char* text, int length)
{
    TiXmlDocument document;
    if (!text || length <= 0 || length > KMaxFileSize)
        return ListOf(document, false);
    std::vector<char> terminated(text, text + length);
    terminated.push_back('\0');
    return ListOf(document, CXmlText::Parse(document, terminated.data(), length));
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
