#include "ZuWnd.h"

#include "ZuLayout.h"
#include "ZuWndItem.h"

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

CZuWnd::CZuWnd() : iId(0), iWndLayout(nullptr), iItems(true) {}

CZuWnd::~CZuWnd()
{
    delete iWndLayout;
}

CZuControl* CZuWnd::GetWnd()
{
    return nullptr;
}

void CZuWnd::SetWndRect(const CZuRect&) {}

void CZuWnd::Append(CZuControl* control, int id, const CZuString& name)
{
    iItems.Append(new CZuWndItem(id, name, control));
}

void CZuWnd::Append(CZuLayout* layout, int id, const CZuString& name)
{
    iItems.Append(new CZuWndItem(id, name, layout));
}

CZuControl* CZuWnd::GetControl(const CZuString& name)
{
    for (int i = 0; i < iItems.GetCount(); ++i)
    {
        CZuWndItem* item = static_cast<CZuWndItem*>(iItems.GetAt(i));
        if (item->iControl && item->iName.Compare(name) == 0)
            return item->iControl;
    }
    return nullptr;
}

CZuLayout* CZuWnd::GetLayout(const CZuString& name)
{
    for (int i = 0; i < iItems.GetCount(); ++i)
    {
        CZuWndItem* item = static_cast<CZuWndItem*>(iItems.GetAt(i));
        if (item->iLayout && item->iName.Compare(name) == 0)
            return item->iLayout;
    }
    return nullptr;
}

CZuControl* CZuWnd::GetControl(int id)
{
    for (int i = 0; i < iItems.GetCount(); ++i)
    {
        CZuWndItem* item = static_cast<CZuWndItem*>(iItems.GetAt(i));
        if (item->iControl && item->iId == id)
            return item->iControl;
    }
    return nullptr;
}

CZuLayout* CZuWnd::GetLayout(int id)
{
    for (int i = 0; i < iItems.GetCount(); ++i)
    {
        CZuWndItem* item = static_cast<CZuWndItem*>(iItems.GetAt(i));
        if (item->iLayout && item->iId == id)
            return item->iLayout;
    }
    return nullptr;
}

void CZuWnd::SetWndLayout(CZuLayout* layout)
{
    if (layout == iWndLayout)
        return;
    delete iWndLayout;
    iWndLayout = layout;
}
