#ifndef ZUSTRINGRES_H
#define ZUSTRINGRES_H

#include "ZuObject.h"
#include "ZuString.h"
#include "ZuStringPool.h"

// One string table: the file it came from, its key and its strings. The key is the table's two-letter
// code in the high 16 bits (record 1 of the table begins with the code: "ZU" gives 0x5A550000); a table
// whose record 1 is missing or shorter than two bytes has key 0 and answers no string id.
class CZuStringRes : public CZuObject
{
public:
    CZuStringRes();
    ~CZuStringRes() override;

    // Reads the whole table file. A missing or unreadable file leaves an empty table; the result says
    // whether the file was read.
    bool LoadFile(const CZuString& path);
    // Reads a table from a file image; the path is left as it is.
    void Load(const unsigned char* data, int size);

    const CZuString& Path() const { return iPath; }
    int Key() const { return iKey; }
    // True when the high 16 bits of id are this table's code.
    bool Answers(int id) const;
    // The string at index, or null when the table has no such record.
    CZuString* GetString(int index) const { return iPool.GetString(index); }
    const CZuStringPool& Pool() const { return iPool; }

private:
    CZuStringRes(const CZuStringRes&) = delete;
    CZuStringRes& operator=(const CZuStringRes&) = delete;
    void TakeKeyFromRecordOne();

    CZuString iPath;
    int iKey;
    CZuStringPool iPool;
};

#endif // ZUSTRINGRES_H
