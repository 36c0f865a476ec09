#ifndef COURSEOPER_H
#define COURSEOPER_H

#include "ZuObjectList.h"
#include "ZuString.h"

class CWordInfo;
class CZuFile;

// An open course: the three files N.idx, N.dat and N.pro in the course folder, and the words loaded from
// them. Screens load a group or random words, read pronunciations, and edit and save the new-word book.
//
// Saving never rewrites a file in place: the new files are written beside the old ones (N.dat.new, and
// N.idx.tmp renamed to N.idx.new once both are complete) and then renamed over them. N.idx.new on disk
// means a save was interrupted after both files were complete; the next load or save finishes it, so the
// old or the new course is always whole. A speech file N.pro.new prepared beside the course (by the course
// builder) is put in place by the same save.
class CCourseOper
{
public:
    // The course with file name name in the program's course folder, CourseFolder(). Touches no file.
    explicit CCourseOper(const CZuString& name);
    // The same in another folder (a trailing "/" is added when missing): for the tools and the tests.
    CCourseOper(const CZuString& name, const CZuString& folder);
    // Deletes the loaded words; does not save.
    ~CCourseOper();

    // Loads the words start to start + n - 1 in course order, as far as the course holds them.
    void LoadRange(int start, int n);
    void LoadAll();
    // Loads n distinct words drawn at random from the positions start to end - 1, in the order drawn.
    void LoadRandomWord(int start, int end, int n);

    // The word's pronunciation clip, de-scrambled, in a new[] buffer the caller deletes; null when it has
    // none. A clip that runs past the end of its speech file is cut there.
    char* ReadSpeech(const CWordInfo& word, int& length) const;
    // True when a loaded word has the same word text.
    bool Contains(const CWordInfo& word) const;
    // Appends a copy of word; returns the new count.
    int AppendWord(const CWordInfo& word);
    // Deletes the i-th loaded word; returns the new count.
    int DeleteWord(int i);
    // Writes the loaded words as the whole course when they were edited. False when the files could not
    // be written; the course on disk is then unchanged.
    bool Save();

    // The number of words in course file, as far as its index file holds them; 0 when it cannot be
    // opened. Reads the header and the file's length only.
    static int GetCourseWordCount(const CZuString& file);
    static int GetCourseWordCount(const CZuString& file, const CZuString& folder);
    // The folder of the courses and the course list: the program's resource path + "course/".
    static CZuString CourseFolder();

    const CZuString& Name() const { return iName; }
    const CZuString& Folder() const { return iFolder; }
    const CZuString& IndexPath() const { return iIndexPath; }
    const CZuString& DataPath() const { return iDataPath; }
    const CZuString& SpeechPath() const { return iSpeechPath; }
    // The path of the speech file that the next Save puts in place of SpeechPath().
    CZuString NewSpeechPath() const;
    // Header format number and word count.
    int Format() const { return iFormat; }
    int Count() const { return iCount; }
    bool IsDirty() const { return iDirty; }
    // How many texts the last Save had to shorten to fit their fields.
    int ShortenedTexts() const { return iShortenedTexts; }

    // The words loaded by the last load, in load order, then edited.
    const CZuObjectList& Words() const { return iWords; }
    int WordCount() const { return iWords.GetCount(); }
    CWordInfo* Word(int i) const;

private:
    CCourseOper(const CCourseOper&) = delete;
    CCourseOper& operator=(const CCourseOper&) = delete;

    // Opens the index file and reads its header; the number of entries it holds, or -1 when it cannot be
    // opened.
    int OpenIndex(CZuFile& index);
    void ReadRecords();
    bool WriteCourse(const CZuString& indexPath, const CZuString& dataPath);

    CZuString iName;
    CZuString iFolder;
    int iFormat;
    int iCount;
    CZuObjectList iWords;
    CZuString iIndexPath;
    CZuString iDataPath;
    CZuString iSpeechPath;
    bool iDirty;
    int iShortenedTexts;
};

#endif // COURSEOPER_H
