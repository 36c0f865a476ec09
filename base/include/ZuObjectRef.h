#ifndef ZUOBJECTREF_H
#define ZUOBJECTREF_H

#include "ZuObject.h"

// A reference-counted object with an identifier. Starts with one reference; the last Release deletes it,
// so it must live on the heap.
class CZuObjectRef : public CZuObject
{
public:
    CZuObjectRef();

    void AddRef() { ++iRefCount; }
    // True when this call deleted the object.
    bool Release();
    int GetID() const { return iId; }
    void SetID(int id) { iId = id; }
    int RefCount() const { return iRefCount; }

private:
    int iId;
    int iRefCount;
};

#endif // ZUOBJECTREF_H
