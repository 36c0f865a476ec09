#include "WordTest.h"

#include "CourseOper.h"
#include "WordExplain.h"
#include "WordInfo.h"
#include "ZuLexIds.h"
#include "ZuRandom.h"

#include <climits>

namespace
{
const int KWrongChoices = CWordExplain::KChoiceCount - 1;
// Past the end of any course: the whole course.
const int KWholeCourse = INT_MAX;
} // namespace

int CWordTest::GradeTextId(int score)
{
    if (score >= 90)
        return EZuLexStrGrade90;
    if (score >= 80)
        return EZuLexStrGrade80;
    if (score >= 60)
        return EZuLexStrGrade60;
    return EZuLexStrGradeBelow60;
}

CWordTest::CWordTest() : CWordTest(CCourseOper::CourseFolder()) {}

CWordTest::CWordTest(const CZuString& folder) : iFolder(folder), iCourse(nullptr), iQuestions(true) {}

CWordTest::~CWordTest()
{
    Clear();
}

void CWordTest::Clear()
{
    delete iCourse;
    iCourse = nullptr;
    iQuestions.DeleteAll();
}

int CWordTest::Load(const CZuString& file, int range, int group, int perGroup)
{
    Clear();
    iFile = file;
    iCourse = new CCourseOper(file, iFolder);
    if (perGroup < 1)
        perGroup = 1;
    long long first = static_cast<long long>(group) * perGroup;
    // A group beyond the course (the words per group were raised since it was chosen) is the first group.
    int words = CCourseOper::GetCourseWordCount(file, iFolder);
    if (group < 0 || first >= words)
    {
        group = 0;
        first = 0;
    }
    if (range == 1)
    {
        iCourse->LoadRange(static_cast<int>(first), KMaxQuestions);
    }
    else if (range == 2)
    {
        long long end = first + perGroup;
        iCourse->LoadRandomWord(0, end > KWholeCourse ? KWholeCourse : static_cast<int>(end), KMaxQuestions);
    }
    else
    {
        iCourse->LoadRandomWord(0, KWholeCourse, KMaxQuestions);
    }
    for (int i = 0; i < iCourse->WordCount(); ++i)
        iQuestions.Append(new CWordExplain);
    return Count();
}

CWordInfo* CWordTest::Word(int i) const
{
    return i >= 0 && i < Count() ? iCourse->Word(i) : nullptr;
}

CWordExplain* CWordTest::Question(int i) const
{
    return i >= 0 && i < Count() ? static_cast<CWordExplain*>(iQuestions.GetAt(i)) : nullptr;
}

bool CWordTest::TakeWrongChoices(const CCourseOper& words, const CZuString& answer, CZuString* wrong,
                                 int& found)
{
    for (int i = 0; i < words.WordCount() && found < KWrongChoices; ++i)
    {
        CZuString text = CWordExplain::ChoiceText(words.Word(i)->iExplanation);
        bool known = text == answer;
        for (int k = 0; k < found && !known; ++k)
            known = text == wrong[k];
        if (!known)
            wrong[found++] = text;
    }
    return found == KWrongChoices;
}

bool CWordTest::MakeQuestion(int i)
{
    CWordExplain* question = Question(i);
    if (!question)
        return false;
    CZuString answer = CWordExplain::ChoiceText(Word(i)->iExplanation);
    CZuString wrong[KWrongChoices];
    int found = 0;
    CCourseOper candidates(iFile, iFolder);
    candidates.LoadRandomWord(0, KWholeCourse, KCandidates);
    // A few random words nearly always give three different explanations; when they do not, the whole
    // course in random order is searched, so a course with four different explanations always gives them.
    if (!TakeWrongChoices(candidates, answer, wrong, found) && candidates.Count() > KCandidates)
    {
        candidates.LoadRandomWord(0, KWholeCourse, candidates.Count());
        TakeWrongChoices(candidates, answer, wrong, found);
    }
    if (found < KWrongChoices)
    {
        question->SetChoices(nullptr, 0, 0);
        return false;
    }
    int position = CZuRandom::Rand() % CWordExplain::KChoiceCount;
    CZuString choices[CWordExplain::KChoiceCount];
    for (int k = 0, next = 0; k < CWordExplain::KChoiceCount; ++k)
        choices[k] = k == position ? answer : wrong[next++];
    question->SetChoices(choices, CWordExplain::KChoiceCount, position);
    return true;
}

bool CWordTest::Judge(int i, int choice)
{
    CWordExplain* question = Question(i);
    if (!question || question->ChoiceCount() == 0)
        return false;
    question->iRight = choice == question->iAnswer;
    return question->iRight;
}

int CWordTest::RightCount() const
{
    int right = 0;
    for (int i = 0; i < Count(); ++i)
        right += Question(i)->iRight ? 1 : 0;
    return right;
}

int CWordTest::Score() const
{
    return IsEmpty() ? 0 : RightCount() * 100 / Count();
}
