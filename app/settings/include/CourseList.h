#ifndef COURSELIST_H
#define COURSELIST_H

#include "ZuString.h"

class CZuObjectList;

// The course list "Course.xml": the installed courses by name and file, and after them the new-word book.
// A list that cannot be trusted gives the new-word book alone, never an error.
class CCourseList
{
public:
    // A course list larger than this is damaged: it is not read.
    static const int KMaxFileSize = 1024 * 1024;
    // The file name of the new-word book.
    static const char* const KNewWordFile;

    // The list of the program's course folder (CCourseOper::CourseFolder() + "Course.xml").
    static CZuObjectList* Load();
    // The list read from path: missing, unreadable, over KMaxFileSize or malformed gives the new-word
    // book alone.
    static CZuObjectList* Load(const CZuString& path);
    // The list from the length bytes at text (zero-terminated or not): an owning list of CCourse, one per
    // "item" under the root "course" with a name and a usable file, in document order, then the
    // new-word book. The caller deletes the list.
    static CZuObjectList* Parse(const char* text, int length);

    // A course file name the program may open: not empty, no folder separators ("/", "\"), no "..".
    static bool IsUsableFileName(const CZuString& file);
    // The new-word book's entry: its name from the program's string table.
    static CZuString NewWordName();
};

#endif // COURSELIST_H
