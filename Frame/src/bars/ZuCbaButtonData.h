#ifndef ZUCBABUTTONDATA_H
#define ZUCBABUTTONDATA_H

#include "ZuObject.h"
#include "ZuString.h"

// One soft key of the command bar: the command it sends and its label.
class CZuCbaButtonData : public CZuObject
{
public:
    // Command 0, no label.
    CZuCbaButtonData();
    ~CZuCbaButtonData() override;

    void Set(int command, const CZuString& name);
    int GetCommandID() const { return iCommand; }
    const CZuString& GetItemName() const { return iName; }

private:
    int iCommand;
    CZuString iName;
};

#endif // ZUCBABUTTONDATA_H
