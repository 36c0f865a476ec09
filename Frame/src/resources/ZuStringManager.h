#ifndef ZUSTRINGMANAGER_H
#define ZUSTRINGMANAGER_H

#include "ZuObjectList.h"
#include "ZuString.h"

class CZuStringRes;

// Every user-visible text by its 32-bit id: the high 16 bits choose the table by its two-letter code,
// the low 16 bits are the index in it. Tables are searched in the order they were added.
class CZuStringManager
{
public:
    CZuStringManager();
    ~CZuStringManager();

    // Loads the table file and appends it; a missing file still appends an empty table. The result says
    // whether the file was read.
    bool AddStringRes(const CZuString& path);
    // Deletes the first table whose path contains path (an empty path matches none).
    void RemoveStringRes(const CZuString& path);

    // The string of the first table whose code matches; "NotFound" when no table matches or the table has
    // no string at that index. Never null; the string stays owned by the manager.
    CZuString* GetString(int id);

    int GetStringResCount() const { return iTables.GetCount(); }
    CZuStringRes* GetStringRes(int index) const;

private:
    CZuStringManager(const CZuStringManager&) = delete;
    CZuStringManager& operator=(const CZuStringManager&) = delete;

    CZuString iNotFound;
    CZuObjectList iTables;
};

#endif // ZUSTRINGMANAGER_H
