#ifndef WORDLIST_H
#define WORDLIST_H

#include <string>
#include <vector>

// One line of a word list.
struct TWordLine
{
    int iLine = 0;
    std::string iWord;
    std::string iPhonetic;
    std::string iPhoneticNote;
    // Lines separated by the two characters backslash and n.
    std::string iExplanation;
    // The pronunciation's WAV file, relative to the list's folder; empty for synthesised speech.
    std::string iSoundFile;
};

// A problem found on a line of a word list.
struct TWordListError
{
    int iLine;
    std::string iMessage;
};

// A word list: UTF-8, one word a line, tab-separated word, phonetic, phonetic note, explanation and an
// optional sound file. Blank lines and lines starting with # are skipped; a byte order mark and carriage
// returns before the line ends are tolerated.
class CWordList
{
public:
    // Reads the list from text; every bad line is recorded in Errors(), the good ones in Lines().
    void Parse(const std::string& text);
    // Reads the file; false with an error on line 0 when it cannot be read.
    bool Load(const std::string& path);

    const std::vector<TWordLine>& Lines() const { return iLines; }
    std::vector<TWordLine>& Lines() { return iLines; }
    const std::vector<TWordListError>& Errors() const { return iErrors; }

    // Checks one text against its field: "" when it fits, else what is wrong. Also used after the
    // phonetic is filled in.
    static std::string CheckLength(const char* field, const std::string& text, int limit);

private:
    void ParseLine(int number, const std::string& line);

    std::vector<TWordLine> iLines;
    std::vector<TWordListError> iErrors;
};

#endif // WORDLIST_H
