#ifndef ZUOBJECT_H
#define ZUOBJECT_H

// The root class of everything held in a list: lists delete their objects through this destructor.
class CZuObject
{
public:
    virtual ~CZuObject() {}
};

#endif // ZUOBJECT_H
