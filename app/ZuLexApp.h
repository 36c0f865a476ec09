#ifndef ZULEXAPP_H
#define ZULEXAPP_H

#include "ZuUiManager.h"

// The word-study application: the toolkit's UI manager with the program's start-up, views and commands.
// The views' ids are in ZuLexIds.h.
class CZuLexApp : public CZuUiManager
{
public:
    CZuLexApp();
    ~CZuLexApp() override;

    bool HandleMessage(CZuMessage* message) override;
    // Loads the main window, shows the welcome screen while the views are made, then shows the main view.
    void StartL() override;
    void Release() override;

private:
    void CreateViewsL();
};

#endif // ZULEXAPP_H
