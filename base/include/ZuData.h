#ifndef ZUDATA_H
#define ZUDATA_H

#include "ZuString.h"

// One entry of a CZuDataList: an object carried under an identifier or a name.
class CZuData : public CZuObject
{
public:
    CZuData();
    CZuData(int id, const CZuString& name, CZuObject* object, bool ownsObject);
    // Deletes the object when this entry owns it.
    ~CZuData() override;

    int iId;
    CZuString iName;
    CZuObject* iObject;
    bool iOwnsObject;

private:
    CZuData(const CZuData&) = delete;
    CZuData& operator=(const CZuData&) = delete;
};

#endif // ZUDATA_H
