#ifndef ZULEXTEXT_H
#define ZULEXTEXT_H

#include "ZuString.h"

// The program's texts from its string table, with their formats filled in. Only "%s" and "%d" take the
// values given, in order, and "%%" is a percent sign; anything else stays as it stands, and a conversion
// without a value becomes empty, so no text of a table can make the program read what it was not given.
class CZuLexText
{
public:
    static CZuString Format(const CZuString& format, const CZuString* values, int count);
    // The text of the string id with one value, or two.
    static CZuString Get(int id, const CZuString& value);
    static CZuString Get(int id, const CZuString& first, const CZuString& second);
    // The same with whole numbers as values.
    static CZuString Get(int id, int first, int second);
};

#endif // ZULEXTEXT_H
