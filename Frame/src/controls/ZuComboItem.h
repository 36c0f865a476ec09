#ifndef ZUCOMBOITEM_H
#define ZUCOMBOITEM_H

#include "ZuObject.h"
#include "ZuString.h"

// One choice of a combo box or a list selection: an id, a name (what a form stores), the text shown, an
// extra text that a search looks in first (a spelling of the shown text, such as its pinyin) and a data
// pointer that the item does not own.
class CZuComboItem : public CZuObject
{
public:
    CZuComboItem(int id, const CZuString& name, const CZuString& displayText, const CZuString& extraText,
                 CZuObject* data);
    ~CZuComboItem() override;

    int GetId() const { return iId; }
    const CZuString& GetName() const { return iName; }
    const CZuString& GetDisplayText() const { return iDisplayText; }
    const CZuString& GetExtraText() const { return iExtraText; }
    CZuObject* GetData() const { return iData; }

private:
    int iId;
    CZuString iName;
    CZuString iDisplayText;
    CZuString iExtraText;
    CZuObject* iData;
};

#endif // ZUCOMBOITEM_H
