#include "ZuObjectList.h"

#include "ZuObjOrderCallback.h"

#include <cstring>

namespace
{

const int KFirstCapacity = 32;

} // namespace

CZuObjectList::CZuObjectList(bool ownsObjects)
    : iOwnsObjects(ownsObjects), iItems(nullptr), iCount(0), iCapacity(0)
{
}

CZuObjectList::CZuObjectList(int capacity, bool ownsObjects)
    : iOwnsObjects(ownsObjects), iItems(nullptr), iCount(0), iCapacity(0)
{
    if (capacity > 0)
    {
        iItems = new CZuObject*[capacity];
        iCapacity = capacity;
    }
}

CZuObjectList::~CZuObjectList()
{
    if (iOwnsObjects)
        DeleteAll();
    delete[] iItems;
}

void CZuObjectList::Grow()
{
    int capacity = iCapacity == 0 ? KFirstCapacity : iCapacity * 2;
    CZuObject** items = new CZuObject*[capacity];
    if (iCount > 0)
        std::memcpy(items, iItems, iCount * sizeof(CZuObject*));
    delete[] iItems;
    iItems = items;
    iCapacity = capacity;
}

void CZuObjectList::Append(CZuObject* object)
{
    if (iCount == iCapacity)
        Grow();
    iItems[iCount++] = object;
}

void CZuObjectList::Insert(int index, CZuObject* object)
{
    if (index == iCount)
    {
        Append(object);
        return;
    }
    if (iCount == iCapacity)
        Grow();
    std::memmove(iItems + index + 1, iItems + index, (iCount - index) * sizeof(CZuObject*));
    iItems[index] = object;
    ++iCount;
}

CZuObject* CZuObjectList::Remove(int index)
{
    CZuObject* object = iItems[index];
    std::memmove(iItems + index, iItems + index + 1, (iCount - index - 1) * sizeof(CZuObject*));
    --iCount;
    return object;
}

void CZuObjectList::Remove(CZuObject* object)
{
    int kept = 0;
    for (int i = 0; i < iCount; ++i)
    {
        if (iItems[i] != object)
            iItems[kept++] = iItems[i];
    }
    iCount = kept;
}

void CZuObjectList::RemoveSublist(CZuObjectList* other)
{
    if (other == nullptr)
        return;
    for (int i = 0; i < other->iCount; ++i)
        Remove(other->iItems[i]);
}

void CZuObjectList::Delete(int index)
{
    delete Remove(index);
}

void CZuObjectList::DeleteAll()
{
    // The count drops first, so an object whose destructor looks at this list sees it empty.
    int count = iCount;
    iCount = 0;
    for (int i = 0; i < count; ++i)
        delete iItems[i];
}

void CZuObjectList::RemoveAll()
{
    iCount = 0;
}

int CZuObjectList::Find(CZuObject* object) const
{
    for (int i = 0; i < iCount; ++i)
    {
        if (iItems[i] == object)
            return i;
    }
    return -1;
}

void CZuObjectList::Sort(MZuObjOrderCallback* order)
{
    if (order == nullptr || iCount < 2)
        return;
    CZuObjectList sorted(iCapacity, false);
    sorted.Append(iItems[0]);
    for (int i = 1; i < iCount; ++i)
    {
        CZuObject* item = iItems[i];
        int at = 0;
        while (at < sorted.iCount && !order->IsBefore(this, item, sorted.iItems[at]))
            ++at;
        sorted.Insert(at, item);
    }
    std::memcpy(iItems, sorted.iItems, iCount * sizeof(CZuObject*));
}
