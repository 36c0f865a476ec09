#ifndef ZULEXSETTINGVIEW_H
#define ZULEXSETTINGVIEW_H

#include "ZuLexView.h"

// The setting screen (view 7): words per group, automatic speech and sliding screen changes.
class CZuLexSettingView : public CZuLexView
{
public:
    explicit CZuLexSettingView(CZuUiManager* manager);

protected:
    void CreateContainerL(CZuControl* parent) override;
};

#endif // ZULEXSETTINGVIEW_H
