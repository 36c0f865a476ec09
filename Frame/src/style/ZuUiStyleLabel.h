#ifndef ZUUISTYLELABEL_H
#define ZUUISTYLELABEL_H

#include "ZuUiStyleCommon.h"

// The look of labels and panes.
class CZuUiStyleLabel : public CZuUiStyleCommon
{
public:
    CZuUiStyleLabel();
    ~CZuUiStyleLabel() override;
};

#endif // ZUUISTYLELABEL_H
