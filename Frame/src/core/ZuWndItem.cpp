#include "ZuWndItem.h"

#include "ZuLayout.h"

CZuWndItem::CZuWndItem(int id, const CZuString& name, CZuControl* control)
    : iId(id), iName(name), iControl(control), iLayout(nullptr)
{
}

CZuWndItem::CZuWndItem(int id, const CZuString& name, CZuLayout* layout)
    : iId(id), iName(name), iControl(nullptr), iLayout(layout)
{
}

CZuWndItem::~CZuWndItem()
{
    delete iLayout;
}
