#include "ZuXmlAttributes.h"

#include "ZuXmlReport.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <tinyxml.h>

namespace
{

// A whole number in text, decimal or "0x" hexadecimal, with an optional '-'; nothing else around it.
bool ReadNumber(const char* text, long long& value)
{
    if (!text || !*text)
        return false;
    bool negative = *text == '-';
    const char* digits = negative ? text + 1 : text;
    int base = 10;
    if (digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
    {
        base = 16;
        digits += 2;
    }
    // strtoull would also take blanks and a sign here.
    if (base == 16 ? !std::isxdigit(static_cast<unsigned char>(*digits))
                   : !std::isdigit(static_cast<unsigned char>(*digits)))
        return false;
    char* end = nullptr;
    errno = 0;
    unsigned long long magnitude = std::strtoull(digits, &end, base);
    if (errno != 0 || *end != '\0' || magnitude > 0xFFFFFFFFull)
        return false;
    value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    return true;
}

// Splits text at commas into exactly count numbers.
bool ReadNumbers(const char* text, int* values, int count)
{
    std::string all(text);
    size_t start = 0;
    for (int i = 0; i < count; ++i)
    {
        size_t comma = all.find(',', start);
        bool last = i == count - 1;
        if (last != (comma == std::string::npos))
            return false;
        std::string part = all.substr(start, last ? std::string::npos : comma - start);
        long long value = 0;
        if (!ReadNumber(part.c_str(), value) || value < INT_MIN / 2 || value > INT_MAX / 2)
            return false;
        values[i] = static_cast<int>(value);
        start = comma + 1;
    }
    return true;
}

int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

const char* const KHorizAligns[] = {"left", "center", "right"};
const TZuAlign KHorizAlignValues[] = {EAlignLeft, EAlignCenter, EAlignRight};
const char* const KVertAligns[] = {"top", "middle", "bottom"};
const TZuAlign KVertAlignValues[] = {EAlignTop, EAlignVCenter, EAlignBottom};
const char* const KFontNames[] = {"title", "list", "ui", "phonetic"};
const char* const KBools[] = {"false", "true"};

} // namespace

CZuXmlAttributes::CZuXmlAttributes(const TiXmlElement& element, CZuXmlReport& report)
    : iElement(element), iReport(report)
{
}

int CZuXmlAttributes::Line() const
{
    return iElement.Row();
}

bool CZuXmlAttributes::Has(const char* name) const
{
    return iElement.Attribute(name) != nullptr;
}

void CZuXmlAttributes::Fault(const CZuString& what)
{
    iReport.Fault(Line(), what);
}

const char* CZuXmlAttributes::Raw(const char* name)
{
    iRead.insert(name);
    return iElement.Attribute(name);
}

void CZuXmlAttributes::Bad(const char* name, const char* value, const char* expected)
{
    Fault(CZuString("<") + iElement.Value() + "> " + name + "=\"" + value + "\": expected " + expected);
}

bool CZuXmlAttributes::Text(const char* name, CZuString& value)
{
    const char* raw = Raw(name);
    if (!raw)
        return false;
    value = raw;
    return true;
}

bool CZuXmlAttributes::Int(const char* name, int& value)
{
    return IntIn(name, INT_MIN, INT_MAX, value);
}

bool CZuXmlAttributes::IntIn(const char* name, int min, int max, int& value)
{
    const char* raw = Raw(name);
    if (!raw)
        return false;
    long long number = 0;
    if (!ReadNumber(raw, number) || number < min || number > max)
    {
        Bad(name, raw, (CZuString("a whole number from ") + CZuString(min) + " to " + CZuString(max)).PtrZ());
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool CZuXmlAttributes::Bool(const char* name, bool& value)
{
    int index = 0;
    if (!Choice(name, KBools, 2, index))
        return false;
    value = index == 1;
    return true;
}

bool CZuXmlAttributes::Colour(const char* name, CZuRgb& value)
{
    const char* raw = Raw(name);
    if (!raw)
        return false;
    unsigned rgb = 0;
    bool good = raw[0] == '#' && std::strlen(raw) == 7;
    for (int i = 1; good && i < 7; ++i)
    {
        int digit = HexDigit(raw[i]);
        good = digit >= 0;
        rgb = rgb * 16 + static_cast<unsigned>(digit);
    }
    if (!good)
    {
        Bad(name, raw, "#RRGGBB");
        return false;
    }
    value = CZuRgb(rgb);
    return true;
}

bool CZuXmlAttributes::HorizAlign(const char* name, TZuAlign& value)
{
    int index = 0;
    if (!Choice(name, KHorizAligns, 3, index))
        return false;
    value = KHorizAlignValues[index];
    return true;
}

bool CZuXmlAttributes::VertAlign(const char* name, TZuAlign& value)
{
    int index = 0;
    if (!Choice(name, KVertAligns, 3, index))
        return false;
    value = KVertAlignValues[index];
    return true;
}

bool CZuXmlAttributes::FontName(const char* name, TZuFontName& value)
{
    int index = 0;
    if (!Choice(name, KFontNames, 4, index))
        return false;
    value = static_cast<TZuFontName>(index);
    return true;
}

bool CZuXmlAttributes::Spaces(const char* name, int& top, int& bottom, int& left, int& right)
{
    const char* raw = Raw(name);
    if (!raw)
        return false;
    int values[4] = {0, 0, 0, 0};
    bool all = ReadNumbers(raw, values, 1) && values[0] >= 0;
    if (all)
    {
        top = bottom = left = right = values[0];
        return true;
    }
    if (!ReadNumbers(raw, values, 4) || values[0] < 0 || values[1] < 0 || values[2] < 0 || values[3] < 0)
    {
        Bad(name, raw, "one number, or four: top,bottom,left,right (none below 0)");
        return false;
    }
    top = values[0];
    bottom = values[1];
    left = values[2];
    right = values[3];
    return true;
}

bool CZuXmlAttributes::Pair(const char* name, int& first, int& second)
{
    const char* raw = Raw(name);
    if (!raw)
        return false;
    int values[2] = {0, 0};
    if (!ReadNumbers(raw, values, 2))
    {
        Bad(name, raw, "two numbers: width,height");
        return false;
    }
    first = values[0];
    second = values[1];
    return true;
}

bool CZuXmlAttributes::Choice(const char* name, const char* const* words, int count, int& value)
{
    const char* raw = Raw(name);
    if (!raw)
        return false;
    for (int i = 0; i < count; ++i)
    {
        if (std::strcmp(raw, words[i]) == 0)
        {
            value = i;
            return true;
        }
    }
    CZuString expected;
    for (int i = 0; i < count; ++i)
        expected += CZuString(i == 0 ? "" : (i == count - 1 ? " or " : ", ")) + words[i];
    Bad(name, raw, expected.PtrZ());
    return false;
}

void CZuXmlAttributes::Finish()
{
    for (const TiXmlAttribute* attribute = iElement.FirstAttribute(); attribute; attribute = attribute->Next())
    {
        if (iRead.count(attribute->Name()) == 0)
            Fault(CZuString("<") + iElement.Value() + ">: unknown attribute \"" + attribute->Name() + "\"");
    }
}
