#include "NewWordBook.h"

#include "CourseList.h"
#include "CourseOper.h"
#include "WordInfo.h"

CNewWordBook::CNewWordBook() : iCourse(new CCourseOper(CZuString(CCourseList::KNewWordFile))), iOpen(false) {}

CNewWordBook::CNewWordBook(const CZuString& folder)
    : iCourse(new CCourseOper(CZuString(CCourseList::KNewWordFile), folder)), iOpen(false)
{
}

CNewWordBook::~CNewWordBook()
{
    delete iCourse;
}

void CNewWordBook::Open()
{
    iCourse->LoadAll();
    iOpen = true;
    // A word whose record a damaged file no longer holds has no spelling to study, test or compare by: it
    // is left out, and the next save writes the book without it.
    for (int i = iCourse->WordCount() - 1; i >= 0; --i)
    {
        if (iCourse->Word(i)->iWord.IsEmpty())
            iCourse->DeleteWord(i);
    }
}

bool CNewWordBook::Contains(const CWordInfo& word) const
{
    return iCourse->Contains(word);
}

bool CNewWordBook::Add(const CWordInfo& word, const CZuString& sourceCourse)
{
    if (!iOpen || iCourse->Contains(word))
        return false;
    CWordInfo copy(word);
    if (copy.iSource.IsEmpty())
        copy.iSource = sourceCourse;
    iCourse->AppendWord(copy);
    return true;
}

bool CNewWordBook::Delete(int i)
{
    if (i < 0 || i >= iCourse->WordCount())
        return false;
    iCourse->DeleteWord(i);
    return true;
}

int CNewWordBook::Count() const
{
    return iCourse->WordCount();
}

CWordInfo* CNewWordBook::Word(int i) const
{
    if (i < 0 || i >= iCourse->WordCount())
        return nullptr;
    return iCourse->Word(i);
}

bool CNewWordBook::IsChanged() const
{
    return iCourse->IsDirty();
}

bool CNewWordBook::Save()
{
    return iCourse->Save();
}
