#include "ZuWnd.h"

#include "ZuLayout.h"
#include "ZuWndItem.h"

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

CZuWndItem* CZuWnd::FindItem(const CZuString* name, int id, bool wantLayout) const
{
    for (int i = 0; i < iItems.GetCount(); ++i)
    {
        CZuWndItem* item = static_cast<CZuWndItem*>(iItems.GetAt(i));
        bool holds = wantLayout ? item->GetLayout() != nullptr : item->GetControl() != nullptr;
        bool matches = name ? item->GetName().Compare(*name) == 0 : item->GetId() == id;
        if (holds && matches)
            return item;
    }
    return nullptr;
}

CZuControl* CZuWnd::GetControl(const CZuString& name)
{
    CZuWndItem* item = FindItem(&name, 0, false);
    return item ? item->GetControl() : nullptr;
}

CZuLayout* CZuWnd::GetLayout(const CZuString& name)
{
    CZuWndItem* item = FindItem(&name, 0, true);
    return item ? item->GetLayout() : nullptr;
}

CZuControl* CZuWnd::GetControl(int id)
{
    CZuWndItem* item = FindItem(nullptr, id, false);
    return item ? item->GetControl() : nullptr;
}

CZuLayout* CZuWnd::GetLayout(int id)
{
    CZuWndItem* item = FindItem(nullptr, id, true);
    return item ? item->GetLayout() : nullptr;
}

void CZuWnd::SetWndLayout(CZuLayout* layout)
{
    if (layout == iWndLayout)
        return;
    delete iWndLayout;
    iWndLayout = layout;
}
