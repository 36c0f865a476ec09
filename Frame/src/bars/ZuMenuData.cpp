#include "ZuMenuData.h"

CZuMenuData::CZuMenuData() : iMenus(true) {}

CZuMenuData::~CZuMenuData() {}

int CZuMenuData::AddMenu()
{
    iMenus.Append(new CZuMenuItem(1, CZuString(" ")));
    return iMenus.GetCount() - 1;
}

void CZuMenuData::RemoveMenu(int index)
{
    if (index >= 0 && index < iMenus.GetCount())
        iMenus.Delete(index);
}

CZuMenuItem* CZuMenuData::GetMenu(int index) const
{
    if (index < 0 || index >= iMenus.GetCount())
        return nullptr;
    return static_cast<CZuMenuItem*>(iMenus.GetAt(index));
}

int CZuMenuData::AddMenuItem(int menu, int command, const CZuString& text)
{
    CZuMenuItem* entry = GetMenu(menu);
    return entry ? entry->AddSubMenuItem(command, text) : -1;
}

void CZuMenuData::RemoveMenuItem(int menu, int item)
{
    if (CZuMenuItem* entry = GetMenu(menu))
        entry->RemoveSubmenuItem(item);
}

int CZuMenuData::GetMenuItemCount(int menu) const
{
    CZuMenuItem* entry = GetMenu(menu);
    return entry ? entry->GetSubmenuItemCount() : 0;
}

CZuMenuItem* CZuMenuData::GetMenuItem(int menu, int item) const
{
    CZuMenuItem* entry = GetMenu(menu);
    return entry ? entry->GetSubmenuItem(item) : nullptr;
}

CZuMenuItem* CZuMenuData::GetMenuItemByCmdId(int command) const
{
    for (int i = 0; i < iMenus.GetCount(); ++i)
    {
        CZuMenuItem* found = GetMenu(i)->GetMenuItemByCmdId(command);
        if (found)
            return found;
    }
    return nullptr;
}

void CZuMenuData::MakeItemVisible(int command, bool visible)
{
    for (int i = 0; i < iMenus.GetCount(); ++i)
        GetMenu(i)->MakeVisible(command, visible);
}
