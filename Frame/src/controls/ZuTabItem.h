#ifndef ZUTABITEM_H
#define ZUTABITEM_H

#include "ZuHeldImage.h"
#include "ZuObject.h"
#include "ZuString.h"

class CZuImage;
class CZuPaneBase;

// One tab of a tab group: its id, the name on its header, an optional image beside the name, and the page
// it shows. The page is the group's child, not the item's.
class CZuTabItem : public CZuObject
{
public:
    // Id -1, no name, no image, no page.
    CZuTabItem();
    // Hands an owned image back to the image manager.
    ~CZuTabItem() override;

    void SetId(int id) { iId = id; }
    int GetId() const { return iId; }
    void SetName(const CZuString& name) { iName = name; }
    const CZuString& GetName() const { return iName; }
    // owned: the image goes back to the image manager when it is replaced and with the item.
    void SetImage(CZuImage* image, bool owned) { iImage.Set(image, owned); }
    CZuImage* GetImage() const { return iImage.Get(); }
    bool OwnsImage() const { return iImage.IsOwned(); }
    // 0 x 0 without an image or one without pixels.
    CZuSize ImageSize() const { return iImage.Size(); }
    void SetPage(CZuPaneBase* page) { iPage = page; }
    CZuPaneBase* GetPage() const { return iPage; }

private:
    CZuTabItem(const CZuTabItem&) = delete;
    CZuTabItem& operator=(const CZuTabItem&) = delete;

    int iId;
    CZuString iName;
    CZuHeldImage iImage;
    CZuPaneBase* iPage;
};

#endif // ZUTABITEM_H
