#ifndef ZUPRIVATEDATA_H
#define ZUPRIVATEDATA_H

#include "ZuObjectList.h"

// A place for the application's own shared things: a list that does not own its objects, and a number.
class CZuPrivateData
{
public:
    CZuPrivateData() : iList(false), iValue(0) {}

    CZuObjectList& List() { return iList; }
    void SetValue(int value) { iValue = value; }
    int Value() const { return iValue; }

private:
    CZuObjectList iList;
    int iValue;
};

#endif // ZUPRIVATEDATA_H
