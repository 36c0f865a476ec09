#ifndef ZUUISTYLEPROMPTBAR_H
#define ZUUISTYLEPROMPTBAR_H

#include "ZuUiStyleCommon.h"

// The look of the prompt line above the command bar.
class CZuUiStylePromptBar : public CZuUiStyleCommon
{
public:
    CZuUiStylePromptBar();
    ~CZuUiStylePromptBar() override;
};

#endif // ZUUISTYLEPROMPTBAR_H
