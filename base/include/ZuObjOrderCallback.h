#ifndef ZUOBJORDERCALLBACK_H
#define ZUOBJORDERCALLBACK_H

class CZuObject;
class CZuObjectList;

// The order of CZuObjectList::Sort: true when a belongs before b.
class MZuObjOrderCallback
{
public:
    virtual bool IsBefore(CZuObjectList* list, CZuObject* a, CZuObject* b) = 0;

protected:
    virtual ~MZuObjOrderCallback() {}
};

#endif // ZUOBJORDERCALLBACK_H
