#include "ZuObjectRef.h"

CZuObjectRef::CZuObjectRef() : iId(-1), iRefCount(1) {}

bool CZuObjectRef::Release()
{
    if (--iRefCount > 0)
        return false;
    delete this;
    return true;
}
