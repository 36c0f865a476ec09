#ifndef ZUWNDITEM_H
#define ZUWNDITEM_H

#include "ZuObject.h"
#include "ZuString.h"

class CZuControl;
class CZuLayout;

// A named part of a window description: a control (not owned) or a layout (owned).
class CZuWndItem : public CZuObject
{
public:
    CZuWndItem(int id, const CZuString& name, CZuControl* control);
    CZuWndItem(int id, const CZuString& name, CZuLayout* layout);
    ~CZuWndItem() override;

    int iId;
    CZuString iName;
    CZuControl* iControl;
    CZuLayout* iLayout;

private:
    CZuWndItem(const CZuWndItem&) = delete;
    CZuWndItem& operator=(const CZuWndItem&) = delete;
};

#endif // ZUWNDITEM_H
