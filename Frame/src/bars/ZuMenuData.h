#ifndef ZUMENUDATA_H
#define ZUMENUDATA_H

#include "ZuMenuItem.h"

// The options menu of a screen: top-level entries (command 1) holding the items (owned).
class CZuMenuData : public CZuObject
{
public:
    CZuMenuData();
    ~CZuMenuData() override;

    // A new top-level entry (command 1, text " "); returns its index.
    int AddMenu();
    void RemoveMenu(int index);
    CZuMenuItem* GetMenu(int index) const;
    int GetMenuCount() const { return iMenus.GetCount(); }
    // Returns the item's index in that entry, or -1 for an invalid entry.
    int AddMenuItem(int menu, int command, const CZuString& text);
    void RemoveMenuItem(int menu, int item);
    int GetMenuItemCount(int menu) const;
    CZuMenuItem* GetMenuItem(int menu, int item) const;
    // Depth first over every entry.
    CZuMenuItem* GetMenuItemByCmdId(int command) const;
    void MakeItemVisible(int command, bool visible);

private:
    CZuMenuData(const CZuMenuData&) = delete;
    CZuMenuData& operator=(const CZuMenuData&) = delete;

    CZuObjectList iMenus;
};

#endif // ZUMENUDATA_H
