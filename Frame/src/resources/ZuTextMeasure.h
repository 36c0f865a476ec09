#ifndef ZUTEXTMEASURE_H
#define ZUTEXTMEASURE_H

#include "ZuTypes.h"

// The advance widths that text layout needs, one UTF-16 unit at a time, in pixels.
class MZuTextMeasure
{
public:
    virtual int CharWidth(TZuWChar ch) const = 0;

protected:
    virtual ~MZuTextMeasure() {}
};

#endif // ZUTEXTMEASURE_H
