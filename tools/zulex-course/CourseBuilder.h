#ifndef COURSEBUILDER_H
#define COURSEBUILDER_H

#include "WordList.h"

#include <cstdio>
#include <string>

class CSpeechSynth;

// Builds a course from a word list: fills empty phonetics from espeak-ng, makes the pronunciation clips,
// and writes NAME.idx, NAME.dat and NAME.pro. Everything is written under temporary names first and
// renamed at the end, so a failed build leaves the folder as it was.
class CCourseBuilder
{
public:
    struct TOptions
    {
        bool iSpeech = true;
        std::string iVoice;
    };

    CCourseBuilder(const TOptions& options, FILE* messages);

    // Returns the number of words built, or -1 after printing every problem as LIST:LINE: message.
    int Build(const std::string& listPath, const std::string& folder, const std::string& name);

private:
    void Report(int line, const std::string& message);
    bool FillPhonetics(CWordList& list, CSpeechSynth& synth);
    bool WriteSpeech(CWordList& list, CSpeechSynth& synth, const std::string& speechPath,
                     std::vector<std::pair<int, int>>& clips);
    bool WriteCourse(const CWordList& list, const std::string& folder, const std::string& name,
                     const std::vector<std::pair<int, int>>& clips);

    TOptions iOptions;
    FILE* iMessages;
    std::string iListPath;
    std::string iListFolder;
    int iErrors;
};

#endif // COURSEBUILDER_H
