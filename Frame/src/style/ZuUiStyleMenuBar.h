#ifndef ZUUISTYLEMENUBAR_H
#define ZUUISTYLEMENUBAR_H

#include "ZuUiStyleCommon.h"
#include "ZuUiStyleScrollList.h"

// The look of the pop-up menu, with the record of the list each of its levels shows.
class CZuUiStyleMenuBar : public CZuUiStyleCommon
{
public:
    CZuUiStyleMenuBar();
    ~CZuUiStyleMenuBar() override;

    // The look of each menu level's list.
    CZuUiStyleScrollList iLevelStyle;
};

#endif // ZUUISTYLEMENUBAR_H
