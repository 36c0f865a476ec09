#ifndef ZUDATALIST_H
#define ZUDATALIST_H

#include "ZuObject.h"

class CZuData;
class CZuObjectList;
class CZuString;

// A list of tagged entries. An entry's object is deleted with the entry when the entry owns it; DeleteAll
// and the destructor also delete it (once) when the list owns its objects.
class CZuDataList : public CZuObject
{
public:
    explicit CZuDataList(bool ownsObjects = false);
    ~CZuDataList() override;

    void AppendData(int id, CZuObject* object, bool ownsObject);
    void AppendData(const CZuString& name, CZuObject* object, bool ownsObject);
    void InsertData(int index, int id, CZuObject* object, bool ownsObject);
    void InsertData(int index, const CZuString& name, CZuObject* object, bool ownsObject);

    // The object of the first matching entry, or null. Names match by CZuString equality.
    CZuObject* GetData(int id) const;
    CZuObject* GetData(const CZuString& name) const;

    int GetCount() const;
    CZuData* Get(int index) const;

    void DeleteDataByIndex(int index);
    void DeleteData(int id);
    void DeleteData(const CZuString& name);
    void DeleteAll();

private:
    CZuDataList(const CZuDataList&) = delete;
    CZuDataList& operator=(const CZuDataList&) = delete;
    int IndexOf(int id) const;
    int IndexOf(const CZuString& name) const;
    void DeleteEntries();

    bool iOwnsObjects;
    CZuObjectList* iEntries;
};

#endif // ZUDATALIST_H
