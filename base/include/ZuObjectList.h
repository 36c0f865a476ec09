#ifndef ZUOBJECTLIST_H
#define ZUOBJECTLIST_H

#include "ZuObject.h"

class MZuObjOrderCallback;

// The list of object pointers behind every collection. An owning list deletes its objects when it is
// destroyed; Delete and DeleteAll delete whatever the owns flag. Slots may hold null. Indexes are trusted.
class CZuObjectList : public CZuObject
{
public:
    explicit CZuObjectList(bool ownsObjects = true);
    CZuObjectList(int capacity, bool ownsObjects);
    ~CZuObjectList() override;

    // The array starts at 32 slots and doubles when full.
    void Append(CZuObject* object);
    // Index == GetCount() appends.
    void Insert(int index, CZuObject* object);
    // Takes the item out without deleting it.
    CZuObject* Remove(int index);
    // Takes out every occurrence of the pointer, keeping the order of the rest.
    void Remove(CZuObject* object);
    void RemoveSublist(CZuObjectList* other);
    // Takes the item out and deletes it.
    void Delete(int index);
    void DeleteAll();
    void RemoveAll();

    CZuObject* GetAt(int index) const { return iItems[index]; }
    CZuObject*& operator[](int index) { return iItems[index]; }
    CZuObject* operator[](int index) const { return iItems[index]; }
    // Does not delete the object it replaces.
    void SetAt(int index, CZuObject* object) { iItems[index] = object; }
    int Find(CZuObject* object) const;
    int GetCount() const { return iCount; }
    int Capacity() const { return iCapacity; }
    bool OwnsObjects() const { return iOwnsObjects; }

    // Stable insertion sort; nothing happens for a null order.
    void Sort(MZuObjOrderCallback* order);

private:
    CZuObjectList(const CZuObjectList&) = delete;
    CZuObjectList& operator=(const CZuObjectList&) = delete;
    void Grow();

    bool iOwnsObjects;
    CZuObject** iItems;
    int iCount;
    int iCapacity;
};

#endif // ZUOBJECTLIST_H
