#ifndef ZUNAMEVALUE_H
#define ZUNAMEVALUE_H

#include "ZuString.h"

// One name=value line, split as ParseNameValue does: the value ends at the first ',' and the rest keeps it.
class CZuNameValue : public CZuObject
{
public:
    CZuString iName;
    CZuString iValue;
    CZuString iRest;
};

#endif // ZUNAMEVALUE_H
