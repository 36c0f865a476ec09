#include "CourseTestUtil.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <unistd.h>

void AppendShortText(TBytes& bytes, const std::string& text)
{
    bytes.push_back(static_cast<unsigned char>(text.size()));
    for (char ch : text)
        bytes.push_back(static_cast<unsigned char>(~ch));
}

void AppendLongText(TBytes& bytes, const std::string& text)
{
    AppendLittleEndian16(bytes, static_cast<int>(text.size()));
    for (char ch : text)
        bytes.push_back(static_cast<unsigned char>(~ch));
}

void WriteRawCourse(const std::string& folder, const std::string& name, const std::vector<TRawWord>& words,
                    int format)
{
    TBytes index;
    TBytes data;
    int count = static_cast<int>(words.size());
    AppendLittleEndian32(index, format);
    AppendLittleEndian32(index, count);
    AppendLittleEndian32(data, format);
    AppendLittleEndian32(data, count);
    for (int i = 0; i < count; ++i)
    {
        const TRawWord& word = words[i];
        AppendLittleEndian32(index, i);
        AppendLittleEndian32(index, static_cast<int>(data.size()));
        AppendLittleEndian32(index, word.iSpeechOffset);
        AppendLittleEndian32(index, word.iSpeechLength);
        AppendShortText(data, word.iSource);
        AppendShortText(data, word.iWord);
        AppendShortText(data, word.iPhonetic);
        AppendShortText(data, word.iNote);
        AppendLongText(data, word.iExplanation);
    }
    WriteFileBytes(folder + name + ".idx", index);
    WriteFileBytes(folder + name + ".dat", data);
}

std::vector<TRawWord> NumberedWords(int count)
{
    std::vector<TRawWord> words;
    for (int i = 0; i < count; ++i)
    {
        TRawWord word;
        std::string n = std::to_string(i);
        word.iWord = "w" + n;
        word.iPhonetic = "/p" + n + "/";
        word.iNote = "n.";
        word.iExplanation = "n. 释义" + n + "\\nv. 第二行";
        words.push_back(word);
    }
    return words;
}
