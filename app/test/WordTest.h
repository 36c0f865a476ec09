#ifndef WORDTEST_H
#define WORDTEST_H

#include "ZuObjectList.h"
#include "ZuString.h"

class CCourseOper;
class CWordExplain;
class CWordInfo;

// A four-choice test over a course: the test words of a range in question order, one question per word,
// the learner's answers and the score. Questions are made one at a time, when they are asked; the wrong
// choices are explanations of other words of the whole course, all different from the right one and from
// each other. Random draws come from CZuRandom, so a run seeded alike repeats its test.
class CWordTest
{
public:
    // At most this many questions.
    static const int KMaxQuestions = 20;
    // Wrong choices are first looked for among this many random words.
    static const int KCandidates = 5;

    // The test's grades by score, as string ids of the program's table.
    static int GradeTextId(int score);

    // A test over the courses of the program's course folder.
    CWordTest();
    // The same in another folder: for the tools, the tests and the benchmarks.
    explicit CWordTest(const CZuString& folder);
    ~CWordTest();

    // Loads the test words of course file for the range (1 the current group, 2 the groups up to and
    // including it, anything else the whole course) and makes one empty question per word; returns their
    // number. A group beyond the course counts as the first group. Earlier questions go.
    int Load(const CZuString& file, int range, int group, int perGroup);
    // Makes the choices of question i. False, leaving it empty, when the course has fewer than four
    // different explanations (or cannot be read any more): no question can then be asked.
    bool MakeQuestion(int i);

    int Count() const { return iQuestions.GetCount(); }
    bool IsEmpty() const { return Count() == 0; }
    CWordInfo* Word(int i) const;
    CWordExplain* Question(int i) const;
    // The course holding the test words, for their pronunciations; null before Load.
    CCourseOper* Course() const { return iCourse; }

    // Takes the choice (a position, -1 for none) as the answer to question i; true when it is the right one.
    bool Judge(int i, int choice);
    int RightCount() const;
    // The share of right answers in percent (unanswered questions count as wrong); 0 without questions.
    int Score() const;

private:
    CWordTest(const CWordTest&) = delete;
    CWordTest& operator=(const CWordTest&) = delete;

    void Clear();
    // Adds to wrong the explanations (as choices show them) of words, in order, that differ from the
    // answer's and from those already found, until it holds three; true when it does.
    static bool TakeWrongChoices(const CCourseOper& words, const CZuString& answer, CZuString* wrong,
                                 int& found);

    CZuString iFolder;
    CZuString iFile;
    CCourseOper* iCourse;
    CZuObjectList iQuestions;
};

#endif // WORDTEST_H
