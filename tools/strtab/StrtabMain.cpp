// zulex-strtab: compiles a string table source into the binary table the toolkit reads, and shows a
// binary table as source again.
//
// Source syntax (UTF-8, an optional byte-order mark at the start, lines ended by LF or CR LF):
//
//   # comment                  a line whose first character is '#'
//   (empty line)               skipped
//   1<TAB>ZU 简体中文          an explicit index (decimal, or hexadecimal after "0x"), one TAB, the text
//   确定                       an implied index: one more than the string before (the first is 0)
//   <TAB>#7 is not a comment   a line that begins with a TAB: implied index, the text after the TAB. This
//                              is how a text that begins with '#' or with digits and a TAB, or an empty
//                              text with an implied index, is written.
//   9<TAB>                     an explicit index with an empty text
//
// Texts are taken exactly as written: no escapes, trailing blanks kept, and "\n" stays the two characters
// '\' and 'n' (the toolkit starts a new display row there). A TAB inside the text is kept. Other control
// characters, invalid UTF-8 and characters beyond U+FFFF (the toolkit holds text in 16-bit units) are
// errors. Indexes must increase from line to line and stay below 65536; skipped indexes get empty
// strings. Record 1 must begin with the table's two-letter code (ASCII letters or digits), which forms
// the high half of every string id of the table ("ZU" gives the ids 0x5A550000 to 0x5A55FFFF).
//
// Table format written: per string, 4 bytes holding its index (not used by readers), 4 bytes of text
// length L, then L bytes of text; integers little-endian, no header, no padding.
#include "AppendBytes.h"
#include "WholeFile.h"
#include "ZuStringRes.h"
#include "ZuUnicode.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace
{

const char KUsage[] =
    "usage: zulex-strtab [--code XY] -o TABLE.bin SOURCE.txt   compile a string table source\n"
    "       zulex-strtab --dump TABLE.bin                       print a binary table as source\n"
    "\n"
    "Source syntax (UTF-8, one string a line):\n"
    "  # comment            a line whose first character is '#'\n"
    "  (empty line)         skipped\n"
    "  INDEX<TAB>TEXT       explicit index, decimal or 0x-hexadecimal\n"
    "  TEXT                 implied index: one more than the string before (the first is 0)\n"
    "  <TAB>TEXT            implied index; TEXT may then begin with '#' or digits+TAB, or be empty\n"
    "Texts are literal: no escapes, and \"\\n\" stays the two characters backslash and n (a row break\n"
    "for the toolkit). Indexes increase strictly and stay below 65536; skipped indexes get empty\n"
    "strings. Record 1 must begin with the table's two-letter code; --code XY checks which.\n";

const int KMaxIndex = 0xFFFF;

struct TSourceError
{
    int iLine = 0;
    std::string iMessage;
};

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

bool IsHexDigit(char ch)
{
    return IsDigit(ch) || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

bool IsCodeChar(char ch)
{
    return IsDigit(ch) || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

// The byte offset of the first fault in a UTF-8 text, or its length when it has none. Characters beyond
// U+FFFF count as faults: the toolkit keeps text in 16-bit units and could not show them.
size_t FirstUtf8Fault(const std::string& text)
{
    const int length = static_cast<int>(text.size());
    int at = 0;
    while (at < length)
    {
        int taken = 0;
        unsigned code = CZuUnicode::DecodeUtf8(text.data() + at, length - at, taken);
        if (code == CZuUnicode::KFault || code > 0xFFFF)
            return static_cast<size_t>(at);
        at += taken;
    }
    return text.size();
}

// Reads "INDEX<TAB>" at the start of line; returns the length of that prefix, 0 when there is none, -1 when
// the number is too large.
int ParseIndexPrefix(const std::string& line, long& index)
{
    size_t i = 0;
    int base = 10;
    if (line.size() > 2 && line[0] == '0' && (line[1] == 'x' || line[1] == 'X') && IsHexDigit(line[2]))
    {
        base = 16;
        i = 2;
    }
    size_t digitsStart = i;
    while (i < line.size() && (base == 16 ? IsHexDigit(line[i]) : IsDigit(line[i])))
        ++i;
    if (i == digitsStart || i >= line.size() || line[i] != '\t')
        return 0;
    if (i - digitsStart > 8)
        return -1;
    index = std::stol(line.substr(digitsStart, i - digitsStart), nullptr, base);
    return static_cast<int>(i + 1);
}

bool CheckText(const std::string& text, int lineNumber, TSourceError& error)
{
    size_t fault = FirstUtf8Fault(text);
    if (fault != text.size())
    {
        error = {lineNumber, "invalid UTF-8, or a character beyond U+FFFF, at byte " + std::to_string(fault) +
                                 " of the text"};
        return false;
    }
    for (char ch : text)
    {
        if (static_cast<unsigned char>(ch) < 0x20 && ch != '\t')
        {
            error = {lineNumber, "control character in the text"};
            return false;
        }
    }
    return true;
}

// Parses the whole source into strings by index; false with the first error.
bool ParseSource(std::string source, std::vector<std::string>& strings, TSourceError& error)
{
    if (source.compare(0, 3, "\xEF\xBB\xBF") == 0)
        source.erase(0, 3);
    std::istringstream in(source);
    std::string line;
    long previous = -1;
    int lineNumber = 0;
    while (std::getline(in, line))
    {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        long index = previous + 1;
        size_t textStart = 0;
        if (line[0] == '\t')
        {
            textStart = 1;
        }
        else
        {
            int prefix = ParseIndexPrefix(line, index);
            if (prefix < 0)
            {
                error = {lineNumber, "index too large (the largest is 65535)"};
                return false;
            }
            textStart = static_cast<size_t>(prefix);
        }
        if (index <= previous)
        {
            error = {lineNumber, "index " + std::to_string(index) + " does not follow index " +
                                     std::to_string(previous) + " (indexes must increase)"};
            return false;
        }
        if (index > KMaxIndex)
        {
            error = {lineNumber, "index too large (the largest is 65535)"};
            return false;
        }
        std::string text = line.substr(textStart);
        if (!CheckText(text, lineNumber, error))
            return false;
        strings.resize(static_cast<size_t>(index) + 1);
        strings[static_cast<size_t>(index)] = text;
        previous = index;
    }
    return true;
}

bool CheckTableCode(const std::vector<std::string>& strings, const std::string& wantedCode,
                    std::string& message)
{
    if (strings.size() < 2 || strings[1].size() < 2 || !IsCodeChar(strings[1][0]) ||
        !IsCodeChar(strings[1][1]))
    {
        message = "string 1 must begin with the table's two-letter code (for example \"ZU\")";
        return false;
    }
    if (!wantedCode.empty() && strings[1].compare(0, 2, wantedCode) != 0)
    {
        message =
            "string 1 begins with \"" + strings[1].substr(0, 2) + "\", not the code \"" + wantedCode + "\"";
        return false;
    }
    return true;
}

std::string BuildTable(const std::vector<std::string>& strings)
{
    std::string table;
    for (size_t i = 0; i < strings.size(); ++i)
    {
        AppendLittleEndian32(table, static_cast<unsigned int>(i));
        AppendLittleEndian32(table, static_cast<unsigned int>(strings[i].size()));
        table += strings[i];
    }
    return table;
}

int Compile(const std::string& sourcePath, const std::string& outPath, const std::string& code)
{
    std::string source;
    if (!ReadFileWhole(sourcePath, source))
    {
        std::cerr << "zulex-strtab: cannot read " << sourcePath << "\n";
        return 1;
    }
    std::vector<std::string> strings;
    TSourceError error;
    if (!ParseSource(source, strings, error))
    {
        std::cerr << sourcePath << ":" << error.iLine << ": " << error.iMessage << "\n";
        return 1;
    }
    std::string message;
    if (!CheckTableCode(strings, code, message))
    {
        std::cerr << sourcePath << ": " << message << "\n";
        return 1;
    }
    if (!WriteFileWhole(outPath, BuildTable(strings)))
    {
        std::cerr << "zulex-strtab: cannot write " << outPath << "\n";
        return 1;
    }
    return 0;
}

bool ShowableInSource(const CZuString& text)
{
    for (int i = 0; i < text.Length(); ++i)
    {
        unsigned char ch = static_cast<unsigned char>(text[i]);
        if (ch < 0x20 && ch != '\t')
            return false;
    }
    return true;
}

// Prints every string with its explicit index; a text that begins with a TAB needs nothing special
// because the index comes first.
int Dump(const std::string& tablePath)
{
    CZuStringRes table;
    if (!table.LoadFile(CZuString(tablePath.c_str())))
    {
        std::cerr << "zulex-strtab: cannot read " << tablePath << "\n";
        return 1;
    }
    int result = 0;
    std::cout << "# " << table.Pool().GetCount() << " strings\n";
    for (int i = 0; i < table.Pool().GetCount(); ++i)
    {
        const CZuString& text = *table.GetString(i);
        if (!ShowableInSource(text))
        {
            std::cerr << tablePath << ": string " << i << " holds a line break or control character\n";
            result = 1;
            continue;
        }
        std::cout << i << "\t";
        std::cout.write(Str(text), text.Length());
        std::cout << "\n";
    }
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    std::string outPath, sourcePath, dumpPath, code;
    for (int i = 1; i < argc; ++i)
    {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h")
        {
            std::cout << KUsage;
            return 0;
        }
        if (arg == "-o" && hasValue)
            outPath = argv[++i];
        else if (arg == "--code" && hasValue)
            code = argv[++i];
        else if (arg == "--dump" && hasValue)
            dumpPath = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && sourcePath.empty())
            sourcePath = arg;
        else
        {
            std::cerr << "zulex-strtab: unexpected argument " << arg << "\n" << KUsage;
            return 2;
        }
    }
    if (!dumpPath.empty() && outPath.empty() && sourcePath.empty())
        return Dump(dumpPath);
    if (outPath.empty() || sourcePath.empty() || !dumpPath.empty())
    {
        std::cerr << KUsage;
        return 2;
    }
    if (!code.empty() && (code.size() != 2 || !IsCodeChar(code[0]) || !IsCodeChar(code[1])))
    {
        std::cerr << "zulex-strtab: --code takes two ASCII letters or digits\n";
        return 2;
    }
    return Compile(sourcePath, outPath, code);
}
