#ifndef ZUSTRINGPOOL_H
#define ZUSTRINGPOOL_H

#include "ZuObject.h"
#include "ZuObjectList.h"

class CZuString;

// The strings of one table, in file order: the string with index n is record n of the table file.
class CZuStringPool : public CZuObject
{
public:
    CZuStringPool();
    ~CZuStringPool() override;

    // Replaces the strings with the records of a table file image. Each record is 4 unused bytes, a 4-byte
    // little-endian length L and L bytes of text; a record cut short by the end of the image ends the table.
    void Load(const unsigned char* data, int size);
    // Takes ownership of the string and gives it the next index.
    void Append(CZuString* text);
    void Reset();

    // The string at index, or null when the table has no such record.
    CZuString* GetString(int index) const;
    int GetCount() const { return iStrings.GetCount(); }

private:
    CZuStringPool(const CZuStringPool&) = delete;
    CZuStringPool& operator=(const CZuStringPool&) = delete;

    CZuObjectList iStrings;
};

#endif // ZUSTRINGPOOL_H
