#ifndef NEWWORDBOOK_H
#define NEWWORDBOOK_H

#include "ZuString.h"

class CCourseOper;
class CWordInfo;

// The learner's new-word book: the course "newword", whose words are copies of words of other courses
// that remember where they came from, so that their pronunciation is read from that course. A spelling
// enters the book once. The files are created by the first save; nothing is written unless Save is
// called, so a screen that leaves without saving keeps the book on disk as it was.
class CNewWordBook
{
public:
    // The book in the program's course folder.
    CNewWordBook();
    // The book in folder: for the tools and the tests.
    explicit CNewWordBook(const CZuString& folder);
    // Does not save.
    ~CNewWordBook();

    // Loads every word of the book (an empty book when it has no files yet). Words a damaged book no
    // longer holds whole enough to have a spelling are left out (the book then counts as changed).
    void Open();
    bool IsOpen() const { return iOpen; }

    // True when the book has a word with the same spelling.
    bool Contains(const CWordInfo& word) const;
    // Puts a copy of word, taken from the course with file name sourceCourse, at the end of the book.
    // A word that already names its source (one taken from the book itself) keeps it. False, and nothing
    // changes, when the book already holds the spelling or the book is not open.
    bool Add(const CWordInfo& word, const CZuString& sourceCourse);
    // Takes the i-th word out; false for an index outside the book.
    bool Delete(int i);
    int Count() const;
    CWordInfo* Word(int i) const;
    bool IsChanged() const;

    // Writes the book whole when it was changed; false when it could not be written (the book on disk
    // is then as it was).
    bool Save();
    // The course under the book, for the screens that read pronunciations through it.
    CCourseOper& Course() const { return *iCourse; }

private:
    CNewWordBook(const CNewWordBook&) = delete;
    CNewWordBook& operator=(const CNewWordBook&) = delete;

    CCourseOper* iCourse;
    bool iOpen;
};

#endif // NEWWORDBOOK_H
