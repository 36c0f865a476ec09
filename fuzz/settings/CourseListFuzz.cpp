// Reads random bytes as a course list "Course.xml": the list always ends with the new-word book, and every
// course before it has a name and a file name that stays inside the course folder.
#include "Course.h"
#include "CourseList.h"
#include "FuzzCheck.h"
#include "ZuObjectList.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > static_cast<size_t>(CCourseList::KMaxFileSize))
        return 0;
    CZuObjectList* list = CCourseList::Parse(reinterpret_cast<const char*>(data), static_cast<int>(size));
    int count = list->GetCount();
    Check(count >= 1 && static_cast<CCourse*>(list->GetAt(count - 1))->iFile == CCourseList::KNewWordFile);
    for (int i = 0; i + 1 < count; ++i)
    {
        const CCourse* course = static_cast<CCourse*>(list->GetAt(i));
        Check(!course->iName.IsEmpty() && CCourseList::IsUsableFileName(course->iFile));
    }
    delete list;
    return 0;
}
