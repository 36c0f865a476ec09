#ifndef ZUNAMEVALUELIST_H
#define ZUNAMEVALUELIST_H

#include "ZuString.h"

class CZuNameValue;
class CZuObjectList;

// Name/value pairs parsed from text lines. Owns its entries.
class CZuNameValueList
{
public:
    CZuNameValueList();
    ~CZuNameValueList();

    // Takes ownership.
    void Append(CZuNameValue* entry);
    int GetCount() const;
    CZuNameValue* Get(int index) const;
    CZuObjectList* GetObjectList() const { return iEntries; }

    // The value of the first entry with that name, or an empty string (no storage) when none has it.
    CZuString& GetValue(const CZuString& name);

    // Splits the bytes into lines at CR and LF and appends every line that parses; a last line without a
    // line break is not parsed.
    void InitListFromBuf(const char* buf, int len);

private:
    CZuNameValueList(const CZuNameValueList&) = delete;
    CZuNameValueList& operator=(const CZuNameValueList&) = delete;

    CZuObjectList* iEntries;
    CZuString iNotFound;
};

// name=value[,rest]: null when the line has no '=' or starts with it. The caller owns the result.
CZuNameValue* ParseNameValue(const CZuString& line);

#endif // ZUNAMEVALUELIST_H
