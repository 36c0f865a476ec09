#ifndef ZUXMLATTRIBUTES_H
#define ZUXMLATTRIBUTES_H

#include "ZuAlign.h"
#include "ZuFont.h"
#include "ZuRgb.h"
#include "ZuString.h"

#include <set>
#include <string>

class CZuXmlReport;
class TiXmlElement;

// The attributes of one element of a description file, read by type. Each value that is given but cannot
// be read is reported with the element's line and leaves the caller's value as it was. What the loader
// reads is what the syntax allows: every attribute nobody asked for is reported as unknown by Finish().
class CZuXmlAttributes
{
public:
    CZuXmlAttributes(const TiXmlElement& element, CZuXmlReport& report);

    const TiXmlElement& Element() const { return iElement; }
    int Line() const;
    bool Has(const char* name) const;
    // A fault at this element's line.
    void Fault(const CZuString& what);

    // Each reads the attribute when it is given: false when it is absent or could not be read.
    bool Text(const char* name, CZuString& value);
    // Decimal, or hexadecimal with "0x".
    bool Int(const char* name, int& value);
    // Int within min..max.
    bool IntIn(const char* name, int min, int max, int& value);
    // "true" or "false".
    bool Bool(const char* name, bool& value);
    // "#RRGGBB".
    bool Colour(const char* name, CZuRgb& value);
    // "left", "center" or "right".
    bool HorizAlign(const char* name, TZuAlign& value);
    // "top", "middle" or "bottom".
    bool VertAlign(const char* name, TZuAlign& value);
    // "title", "list", "ui" or "phonetic".
    bool FontName(const char* name, TZuFontName& value);
    // One number for all four sides, or four: top, bottom, left, right.
    bool Spaces(const char* name, int& top, int& bottom, int& left, int& right);
    // Two numbers: width, height.
    bool Pair(const char* name, int& first, int& second);
    // One of the words, as its index.
    bool Choice(const char* name, const char* const* words, int count, int& value);

    // Reports every attribute that was not read.
    void Finish();

private:
    const char* Raw(const char* name);
    void Bad(const char* name, const char* value, const char* expected);

    const TiXmlElement& iElement;
    CZuXmlReport& iReport;
    std::set<std::string> iRead;
};

#endif // ZUXMLATTRIBUTES_H
