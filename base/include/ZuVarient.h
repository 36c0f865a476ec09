#ifndef ZUVARIENT_H
#define ZUVARIENT_H

#include "ZuObject.h"

class CZuString;

// A tagged value, read directly through iType and the value fields (a list cell, for instance).
class CZuVarient : public CZuObject
{
public:
    enum
    {
        EInteger = 0,
        EFloat = 1,
        EString = 2,     // iString, owned
        EObject = 3,     // iObject, not owned
        EOwnedObject = 4 // iObject, owned
    };

    // The integer 0.
    CZuVarient();
    CZuVarient(int value);
    CZuVarient(float value);
    CZuVarient(const CZuString& value);
    CZuVarient(CZuObject* object, bool owns);
    // Strings are copied; an object is shared only when not owned (an owned one is not copied).
    CZuVarient(const CZuVarient& other);
    ~CZuVarient() override;

    // Each assignment releases what the variant owned, except that a string is reused for a string.
    CZuVarient& operator=(int value);
    CZuVarient& operator=(float value);
    CZuVarient& operator=(const char* value);
    CZuVarient& operator=(const CZuString& value);
    CZuVarient& operator=(const CZuVarient& other);

    int iType;
    union
    {
        int iInteger;
        float iFloat;
        CZuString* iString;
        CZuObject* iObject;
    };

private:
    void ReleaseValue();
    void SetText(const char* text);
    void SetText(const CZuString& text);
};

#endif // ZUVARIENT_H
