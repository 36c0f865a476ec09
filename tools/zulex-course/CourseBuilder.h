#ifndef COURSEBUILDER_H
#define COURSEBUILDER_H

#include "WordList.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

class CSpeechSynth;

// Builds a course from a word list: fills empty phonetics from espeak-ng, makes the pronunciation clips,
// and writes NAME.idx, NAME.dat and NAME.pro. A word is spoken from the phonetic its list gives, so that
// the learner hears what they read; from its text when the list gives none (espeak-ng then fills it in)
// or when the phonetic holds a symbol espeak-ng has no phoneme for (with a warning). Everything is written
// under temporary names first and renamed at the end, so a failed build leaves the folder as it was.
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
    void Warn(int line, const std::string& message);
    std::vector<std::string> SpokenPhonemes(const CWordList& list);
    bool FillPhonetics(CWordList& list, CSpeechSynth& synth);
    bool Speak(CSpeechSynth& synth, const TWordLine& line, const std::string& phonemes,
               std::vector<float>& samples);
    bool WriteSpeech(CWordList& list, CSpeechSynth& synth, const std::vector<std::string>& phonemes,
                     const std::string& speechPath, std::vector<std::pair<int, int>>& clips);
    bool WriteCourse(const CWordList& list, const std::string& folder, const std::string& name,
                     const std::vector<std::pair<int, int>>& clips);

    TOptions iOptions;
    FILE* iMessages;
    std::string iListPath;
    std::string iListFolder;
    int iErrors;
    int iWarnings;
};

#endif // COURSEBUILDER_H
