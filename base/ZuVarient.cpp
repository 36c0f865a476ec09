#include "ZuVarient.h"

#include "ZuString.h"

CZuVarient::CZuVarient() : iType(EInteger), iInteger(0) {}

CZuVarient::CZuVarient(int value) : iType(EInteger), iInteger(value) {}

CZuVarient::CZuVarient(float value) : iType(EFloat), iFloat(value) {}

CZuVarient::CZuVarient(const CZuString& value) : iType(EString), iString(new CZuString(value)) {}

CZuVarient::CZuVarient(CZuObject* object, bool owns) : iType(owns ? EOwnedObject : EObject), iObject(object)
{
}

CZuVarient::CZuVarient(const CZuVarient& other) : CZuObject(), iType(EInteger), iInteger(0)
{
    *this = other;
}

CZuVarient::~CZuVarient()
{
    ReleaseValue();
}

void CZuVarient::ReleaseValue()
{
    if (iType == EString)
        delete iString;
    else if (iType == EOwnedObject)
        delete iObject;
    iType = EInteger;
    iInteger = 0;
}

void CZuVarient::SetText(const CZuString& text)
{
    if (iType == EString)
    {
        iString->SetString(text);
        return;
    }
    CZuString* copy = new CZuString(text);
    ReleaseValue();
    iType = EString;
    iString = copy;
}

void CZuVarient::SetText(const char* text)
{
    SetText(CZuString(text));
}

CZuVarient& CZuVarient::operator=(int value)
{
    ReleaseValue();
    iType = EInteger;
    iInteger = value;
    return *this;
}

CZuVarient& CZuVarient::operator=(float value)
{
    ReleaseValue();
    iType = EFloat;
    iFloat = value;
    return *this;
}

CZuVarient& CZuVarient::operator=(const char* value)
{
    SetText(value);
    return *this;
}

CZuVarient& CZuVarient::operator=(const CZuString& value)
{
    SetText(value);
    return *this;
}

CZuVarient& CZuVarient::operator=(const CZuVarient& other)
{
    if (this == &other)
        return *this;
    switch (other.iType)
    {
    case EInteger:
        return *this = other.iInteger;
    case EFloat:
        return *this = other.iFloat;
    case EString:
        SetText(*other.iString);
        return *this;
    default:
        // An object is shared only when nobody hands over its ownership.
        ReleaseValue();
        iType = EObject;
        iObject = other.iType == EObject ? other.iObject : nullptr;
        return *this;
    }
}
