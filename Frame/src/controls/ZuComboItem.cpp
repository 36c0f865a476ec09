#include "ZuComboItem.h"

CZuComboItem::CZuComboItem(int id, const CZuString& name, const CZuString& displayText,
                           const CZuString& extraText, CZuObject* data)
    : iId(id), iName(name), iDisplayText(displayText), iExtraText(extraText), iData(data)
{
}

CZuComboItem::~CZuComboItem() {}
