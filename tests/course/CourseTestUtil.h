#ifndef COURSETESTUTIL_H
#define COURSETESTUTIL_H

// Helpers of the course tests: course files built byte by byte.
#include "TestBytes.h"
#include "TestFiles.h"

#include <string>
#include <vector>

typedef std::vector<unsigned char> TBytes;

// A length byte and the complemented text.
void AppendShortText(TBytes& bytes, const std::string& text);
void AppendLongText(TBytes& bytes, const std::string& text);

// One word of a course written by hand.
struct TRawWord
{
    std::string iSource;
    std::string iWord;
    std::string iPhonetic;
    std::string iNote;
    std::string iExplanation;
    int iSpeechOffset = 0;
    int iSpeechLength = 0;
};

// Writes folder/name.idx and name.dat as the course format lays them out.
void WriteRawCourse(const std::string& folder, const std::string& name, const std::vector<TRawWord>& words,
                    int format = 1);
// count words "w0", "w1", ... with phonetic, note and explanation derived from the number.
std::vector<TRawWord> NumberedWords(int count);

#endif // COURSETESTUTIL_H
