#include "WordList.h"

#include "WholeFile.h"
#include "WordInfo.h"
#include "ZuUnicode.h"

namespace
{

const char KByteOrderMark[] = "\xEF\xBB\xBF";

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;)
    {
        size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

bool IsBlank(const std::string& line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

bool CWordList::Load(const std::string& path)
{
    std::string text;
    if (!ReadFileWhole(path, text))
    {
        iErrors.push_back({0, "cannot be read"});
        return false;
    }
    Parse(text);
    return true;
}

void CWordList::Parse(const std::string& text)
{
    size_t start = text.compare(0, 3, KByteOrderMark) == 0 ? 3 : 0;
    int number = 1;
    while (start < text.size())
    {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ParseLine(number, line);
        if (end == std::string::npos)
            break;
        start = end + 1;
        ++number;
    }
}

void CWordList::ParseLine(int number, const std::string& line)
{
    if (IsBlank(line) || line[0] == '#')
        return;
    if (!CZuUnicode::IsValidUtf8(line.data(), static_cast<int>(line.size())) || line.find('\0') != std::string::npos)
    {
        iErrors.push_back({number, "not valid UTF-8"});
        return;
    }
    std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() < 4 || fields.size() > 5)
    {
        iErrors.push_back({number, std::to_string(fields.size()) +
                                       " fields; expected word, phonetic, phonetic note, explanation and an "
                                       "optional sound file, separated by tabs"});
        return;
    }
    TWordLine word;
    word.iLine = number;
    word.iWord = fields[0];
    word.iPhonetic = fields[1];
    word.iPhoneticNote = fields[2];
    word.iExplanation = fields[3];
    if (fields.size() == 5)
        word.iSoundFile = fields[4];

    std::vector<std::string> problems;
    if (word.iWord.empty())
        problems.push_back("no word");
    if (word.iPhoneticNote.empty())
        problems.push_back("no phonetic note: a record without one loses its explanation when it is read "
                           "(the part of speech, such as \"n.\", makes a natural note)");
    if (word.iExplanation.empty())
        problems.push_back("no explanation");
    problems.push_back(CheckLength("word", word.iWord, CWordInfo::KMaxTextLength));
    problems.push_back(CheckLength("phonetic", word.iPhonetic, CWordInfo::KMaxTextLength));
    problems.push_back(CheckLength("phonetic note", word.iPhoneticNote, CWordInfo::KMaxTextLength));
    problems.push_back(CheckLength("explanation", word.iExplanation, CWordInfo::KMaxExplanationLength));
    bool bad = false;
    for (const std::string& problem : problems)
    {
        if (problem.empty())
            continue;
        iErrors.push_back({number, problem});
        bad = true;
    }
    if (!bad)
        iLines.push_back(word);
}

std::string CWordList::CheckLength(const char* field, const std::string& text, int limit)
{
    if (text.size() <= static_cast<size_t>(limit))
        return "";
    return std::string(field) + " is " + std::to_string(text.size()) +
           " bytes long; its field holds at most " + std::to_string(limit);
}
