#ifndef ZUWNDITEM_H
#define ZUWNDITEM_H

#include "ZuObject.h"
#include "ZuString.h"

class CZuControl;
class CZuLayout;

// A named part of a window description: a control (not owned) or a layout (owned by the item).
class CZuWndItem : public CZuObject
{
public:
    CZuWndItem(int id, const CZuString& name, CZuControl* control);
    // Takes ownership of the layout.
    CZuWndItem(int id, const CZuString& name, CZuLayout* layout);
    // Deletes the layout.
    ~CZuWndItem() override;

    int GetId() const { return iId; }
    const CZuString& GetName() const { return iName; }
    CZuControl* GetControl() const { return iControl; }
    CZuLayout* GetLayout() const { return iLayout; }

private:
    CZuWndItem(const CZuWndItem&) = delete;
    CZuWndItem& operator=(const CZuWndItem&) = delete;

    int iId;
    CZuString iName;
    CZuControl* iControl;
    CZuLayout* iLayout;
};

#endif // ZUWNDITEM_H
