#include "ZuMenuItem.h"

CZuMenuItem::CZuMenuItem() : iCommand(0), iVisible(true), iSubItems(true) {}

CZuMenuItem::CZuMenuItem(int command, const CZuString& text)
    : iCommand(command), iText(text), iVisible(true), iSubItems(true)
{
}

CZuMenuItem::~CZuMenuItem() {}

void CZuMenuItem::Set(int command, const CZuString& text)
{
    iCommand = command;
    iText = text;
}

int CZuMenuItem::AddSubMenuItem(int command, const CZuString& text)
{
    iSubItems.Append(new CZuMenuItem(command, text));
    return iSubItems.GetCount() - 1;
}

void CZuMenuItem::RemoveSubmenuItemBy(int command)
{
    for (int i = 0; i < iSubItems.GetCount(); ++i)
    {
        if (GetSubmenuItem(i)->GetCommandID() == command)
        {
            iSubItems.Delete(i);
            return;
        }
    }
}

void CZuMenuItem::RemoveSubmenuItem(int index)
{
    if (index >= 0 && index < iSubItems.GetCount())
        iSubItems.Delete(index);
}

CZuMenuItem* CZuMenuItem::GetSubmenuItem(int index) const
{
    if (index < 0 || index >= iSubItems.GetCount())
        return nullptr;
    return static_cast<CZuMenuItem*>(iSubItems.GetAt(index));
}

bool CZuMenuItem::HasVisibleSubmenu() const
{
    for (int i = 0; i < iSubItems.GetCount(); ++i)
    {
        if (GetSubmenuItem(i)->IsVisible())
            return true;
    }
    return false;
}

CZuMenuItem* CZuMenuItem::GetMenuItemByCmdId(int command)
{
    if (iCommand == command)
        return this;
    for (int i = 0; i < iSubItems.GetCount(); ++i)
    {
        CZuMenuItem* found = GetSubmenuItem(i)->GetMenuItemByCmdId(command);
        if (found)
            return found;
    }
    return nullptr;
}

void CZuMenuItem::MakeVisible(int command, bool visible)
{
    if (iCommand == command)
    {
        iVisible = visible;
        return;
    }
    for (int i = 0; i < iSubItems.GetCount(); ++i)
        GetSubmenuItem(i)->MakeVisible(command, visible);
}
