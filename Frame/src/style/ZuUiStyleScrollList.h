#ifndef ZUUISTYLESCROLLLIST_H
#define ZUUISTYLESCROLLLIST_H

#include "ZuUiStyleCommon.h"
#include "ZuUiStyleList.h"

// The look of a list with scroll bars, with the record of the list inside.
class CZuUiStyleScrollList : public CZuUiStyleCommon
{
public:
    CZuUiStyleScrollList();
    ~CZuUiStyleScrollList() override;

    // The look of the list inside.
    CZuUiStyleList iListStyle;
};

#endif // ZUUISTYLESCROLLLIST_H
