#ifndef ZUUISTYLEDIALOG_H
#define ZUUISTYLEDIALOG_H

#include "ZuUiStyleCommon.h"

// The look of dialogs.
class CZuUiStyleDialog : public CZuUiStyleCommon
{
public:
    CZuUiStyleDialog();
    ~CZuUiStyleDialog() override;
};

#endif // ZUUISTYLEDIALOG_H
