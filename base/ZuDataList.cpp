#include "ZuDataList.h"

#include "ZuData.h"
#include "ZuObjectList.h"

CZuDataList::CZuDataList(bool ownsObjects) : iOwnsObjects(ownsObjects), iEntries(new CZuObjectList(false)) {}

CZuDataList::~CZuDataList()
{
    DeleteEntries();
    delete iEntries;
}

void CZuDataList::AppendData(int id, CZuObject* object, bool ownsObject)
{
    iEntries->Append(new CZuData(id, CZuString(""), object, ownsObject));
}

void CZuDataList::AppendData(const CZuString& name, CZuObject* object, bool ownsObject)
{
    iEntries->Append(new CZuData(0, name, object, ownsObject));
}

void CZuDataList::InsertData(int index, int id, CZuObject* object, bool ownsObject)
{
    iEntries->Insert(index, new CZuData(id, CZuString(""), object, ownsObject));
}

void CZuDataList::InsertData(int index, const CZuString& name, CZuObject* object, bool ownsObject)
{
    iEntries->Insert(index, new CZuData(0, name, object, ownsObject));
}

int CZuDataList::IndexOf(int id) const
{
    for (int i = 0; i < iEntries->GetCount(); ++i)
    {
        if (Get(i)->iId == id)
            return i;
    }
    return -1;
}

int CZuDataList::IndexOf(const CZuString& name) const
{
    for (int i = 0; i < iEntries->GetCount(); ++i)
    {
        if (Get(i)->iName == name)
            return i;
    }
    return -1;
}

CZuObject* CZuDataList::GetData(int id) const
{
    int index = IndexOf(id);
    return index < 0 ? nullptr : Get(index)->iObject;
}

CZuObject* CZuDataList::GetData(const CZuString& name) const
{
    int index = IndexOf(name);
    return index < 0 ? nullptr : Get(index)->iObject;
}

int CZuDataList::GetCount() const
{
    return iEntries->GetCount();
}

CZuData* CZuDataList::Get(int index) const
{
    return static_cast<CZuData*>(iEntries->GetAt(index));
}

void CZuDataList::DeleteDataByIndex(int index)
{
    // The entry deletes its object when it owns it.
    delete static_cast<CZuData*>(iEntries->Remove(index));
}

void CZuDataList::DeleteData(int id)
{
    int index = IndexOf(id);
    if (index >= 0)
        DeleteDataByIndex(index);
}

void CZuDataList::DeleteData(const CZuString& name)
{
    int index = IndexOf(name);
    if (index >= 0)
        DeleteDataByIndex(index);
}

void CZuDataList::DeleteAll()
{
    DeleteEntries();
}

void CZuDataList::DeleteEntries()
{
    int count = iEntries->GetCount();
    for (int i = 0; i < count; ++i)
    {
        CZuData* entry = Get(i);
        // An object owned by both the list and its entry is deleted once, by the entry.
        if (iOwnsObjects && !entry->iOwnsObject)
            delete entry->iObject;
        delete entry;
    }
    iEntries->RemoveAll();
}
