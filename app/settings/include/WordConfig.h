#ifndef WORDCONFIG_H
#define WORDCONFIG_H

#include "Course.h"
#include "ZuString.h"

class CZuObjectList;

// The learner's state between runs: the current course, the place in it, three preferences and the test
// range, kept in the settings file "Word.cfg" of the data directory. Values read from the file are
// checked, so a damaged file never gives a place or a preference outside what the screens can use.
class CWordConfig
{
public:
    // The format this program writes; files of it are read unchanged.
    static const int KFormat = 1;
    static const int KDefaultCountPerGroup = 20;
    static const int KMaxCountPerGroup = 1000;
    // A settings file larger than this is damaged: it is not read.
    static const int KMaxFileSize = 1024 * 1024;

    // Test ranges: the current group, the groups up to and including it, the whole course.
    enum TTestRange
    {
        ETestGroup = 1,
        ETestGroupsSoFar = 2,
        ETestCourse = 3
    };

    // Empty fields, then Load().
    CWordConfig();
    // Does not save.
    virtual ~CWordConfig();

    // Reads "Word.cfg"; with no file, takes the defaults and writes them. Fields the file does not give
    // whole keep their defaults; every field is checked.
    void Load();
    // Writes "Word.cfg" whole or not at all (beside it, then renamed into place). False when it could not
    // be written; the old file is then unchanged.
    bool Save();
    // Deletes "Word.cfg" and takes the defaults for every field but the trailing text; the course is the
    // first of the course list.
    void SetDefaults();
    // Makes course current at its first word and saves.
    void SetCourse(const CCourse& course);
    // The number of words of the course with this file name in the program's course folder.
    int GetCourseWordCount(const CZuString& file) const;
    // The course list (CCourseList::Load); the caller deletes it.
    CZuObjectList* LoadCourseList() const;

    // Takes the fields from the bytes of a settings file (a block file). False when not all of them could
    // be read; the rest then have their defaults.
    bool Decode(const unsigned char* data, int length);

    const CZuString& Path() const { return iPath; }
    const CCourse& CurrentCourse() const { return iCourse; }
    int Group() const { return iGroup; }
    int Word() const { return iWord; }
    bool UiTransform() const { return iUiTransform; }
    int CountPerGroup() const { return iCountPerGroup; }
    // 0 speaks each word as it is shown; any other value only on request.
    int WordSpeech() const { return iWordSpeech; }
    bool SpeaksAutomatically() const { return iWordSpeech == 0; }
    int TestRange() const { return iTestRange; }
    const CZuString& TrailingText() const { return iTrailingText; }

    // Values outside what the screens can use are taken as the defaults (group and word 0, count per
    // group 20, test range 1).
    void SetGroup(int group);
    void SetWord(int word);
    void SetUiTransform(bool on) { iUiTransform = on; }
    void SetCountPerGroup(int count);
    void SetWordSpeech(int speech) { iWordSpeech = speech; }
    void SetTestRange(int range);

    // Course position of the current group's first word.
    int FirstWordOfGroup() const;
    // Puts the place inside a course of courseWords words: a group beyond it falls back to the first
    // group, a word beyond its group to the group's last word.
    void ClampToCourse(int courseWords);
    // Keeps the place inside a course that lost words (the new-word book after deletions) and now holds
    // courseWords: a group past its end becomes its last group, at the first word.
    void FitToShortenedCourse(int courseWords);
    // Puts the word inside a loaded group of loadedWords words (its last word when beyond) and returns it.
    int ClampWord(int loadedWords);

private:
    CWordConfig(const CWordConfig&) = delete;
    CWordConfig& operator=(const CWordConfig&) = delete;

    void TakeDefaultCourse();
    void TakeDefaultPlaceAndPreferences();
    // Checks the fields read from a file.
    void CheckFields();

    CZuString iPath;
    CCourse iCourse;
    int iGroup;
    int iWord;
    bool iUiTransform;
    int iCountPerGroup;
    int iWordSpeech;
    int iTestRange;
    CZuString iTrailingText;
};

#endif // WORDCONFIG_H
