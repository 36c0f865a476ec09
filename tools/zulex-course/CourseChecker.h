#ifndef COURSECHECKER_H
#define COURSECHECKER_H

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class CZuFile;

// Reads a course's files as they are and reports every header, offset, length, record and clip that is
// not sound, naming the word it belongs to.
class CCourseChecker
{
public:
    CCourseChecker(const std::string& folder, const std::string& name);

    // Returns the number of problems; each is printed to report as one line.
    int Check(FILE* report);

    int Words() const { return iWords; }
    int Clips() const { return iClips; }

private:
    void Problem(const std::string& message);
    void WordProblem(int i, const std::string& word, const std::string& message);
    bool CheckHeaders(int& usable);
    void CheckWord(int i, const unsigned char* entry, CZuFile& data);
    std::string CheckClip(const std::string& source, int offset, int length);
    // The size of a speech file, -1 when it is missing; remembered per file.
    long long SpeechSize(const std::string& source);

    std::string iFolder;
    std::string iName;
    FILE* iReport;
    int iProblems;
    int iWords;
    int iClips;
    long long iDataSize;
    std::map<std::string, long long> iSpeechSizes;
};

#endif // COURSECHECKER_H
