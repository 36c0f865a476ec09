#ifndef ZUMENUITEM_H
#define ZUMENUITEM_H

#include "ZuObjectList.h"
#include "ZuString.h"

// One entry of an options menu: a command, its text, whether it is shown, and its sub-items (owned).
class CZuMenuItem : public CZuObject
{
public:
    CZuMenuItem();
    CZuMenuItem(int command, const CZuString& text);
    ~CZuMenuItem() override;

    void Set(int command, const CZuString& text);
    // Returns the new sub-item's index.
    int AddSubMenuItem(int command, const CZuString& text);
    // The first sub-item with this command.
    void RemoveSubmenuItemBy(int command);
    void RemoveSubmenuItem(int index);
    bool IsHaveSubmenu() const { return iSubItems.GetCount() > 0; }
    // Whether any sub-item is shown: only then does the item open a level of its own.
    bool HasVisibleSubmenu() const;
    int GetSubmenuItemCount() const { return iSubItems.GetCount(); }
    CZuMenuItem* GetSubmenuItem(int index) const;
    // Itself when its command matches, else the first match depth first among its sub-items.
    CZuMenuItem* GetMenuItemByCmdId(int command);
    // Shows or hides the item with this command: itself, or else in every sub-item tree.
    void MakeVisible(int command, bool visible);
    bool IsVisible() const { return iVisible; }
    int GetCommandID() const { return iCommand; }
    const CZuString& GetItemName() const { return iText; }

private:
    CZuMenuItem(const CZuMenuItem&) = delete;
    CZuMenuItem& operator=(const CZuMenuItem&) = delete;

    int iCommand;
    CZuString iText;
    bool iVisible;
    CZuObjectList iSubItems;
};

#endif // ZUMENUITEM_H
