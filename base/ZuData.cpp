#include "ZuData.h"

CZuData::CZuData() : iId(0), iObject(nullptr), iOwnsObject(false) {}

CZuData::CZuData(int id, const CZuString& name, CZuObject* object, bool ownsObject)
    : iId(id), iName(name), iObject(object), iOwnsObject(ownsObject)
{
}

CZuData::~CZuData()
{
    if (iOwnsObject)
        delete iObject;
}
