#ifndef ZULEXSETTINGVIEW_H
#define ZULEXSETTINGVIEW_H

#include "ZuLexView.h"

class CZuLexSettingContainer;

// The setting screen (view 7): words per group, automatic speech and sliding screen changes. "save" (or the
// left soft key) takes the choices, writes the settings and goes back; cancel and back leave them as they
// were.
class CZuLexSettingView : public CZuLexView
{
public:
    explicit CZuLexSettingView(CZuUiManager* manager);

    bool HandleMessage(CZuMessage* message) override;
    CZuLexSettingContainer* SettingContainer() const;

protected:
    void CreateContainerL(CZuControl* parent) override;

private:
    void SaveChoices();
};

#endif // ZULEXSETTINGVIEW_H
